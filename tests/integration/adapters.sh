#!/usr/bin/env bash
# Runs the adapter test program against real WMI in a network namespace of its own, whose only
# adapters are the two ends of a veth pair with chosen names, MACs and IPv4 addresses.
#   adapters.sh REPO_ROOT TEST_PROGRAM
# Wine reports the adapters of the namespace its wineserver runs in, so a fresh server is started
# there, on a copy of the prefix.
set -euo pipefail
root=$1 program=$2
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root for a network namespace"
command -v ip >/dev/null || skip "no ip command (iproute2)"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

ns=quilnet-adapters-$$
work=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-adapters.XXXXXX")
prefix=$work/wineprefix
control=$work/control
fresh=
watcher=
cleanup() {
  if [ -n "$watcher" ]; then
    touch "$control/end"
    wait "$watcher" 2>/dev/null || true
  fi
  if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
    # The server leaves its lock folder, named by the prefix's device and inode, under /tmp (Debian's
    # Wine: in a folder the prefix names, made for a new prefix).
    local dev ino id base
    read -r dev ino < <(stat -c '%d %i' "$prefix")
    id=$(printf 'server-%x-%x' "$dev" "$ino")
    base=/tmp/$(cat "$prefix/wineserver" 2>/dev/null)
    rm -rf "/tmp/.wine-$(id -u)/$id" "${base:?}/$id"
    [ -z "$fresh" ] || rmdir "$base" 2>/dev/null || true
  fi
  ip netns del "$ns" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
ip netns add "$ns" 2>/dev/null || skip "cannot create a network namespace"
in_ns() { ip netns exec "$ns" "$@"; }

# Wine lists an adapter's IPv6 addresses before its IPv4 ones (Windows the other way round): qnlan0 has
# both, and qnsix0 has IPv6 only, so its current-address box must stay empty.
ip -n "$ns" link add qnlan0 address 02:51:4e:00:00:01 type veth peer name qnlab1 address 02:51:4e:00:00:02
ip -n "$ns" link add qnsix0 address 02:51:4e:00:00:06 type veth peer name qnsix1 address 02:51:4e:00:00:07
ip -n "$ns" addr add 10.251.1.1/24 dev qnlan0
ip -n "$ns" addr add 10.251.2.1/24 dev qnlab1
ip -n "$ns" addr add 10.251.7.1/24 dev qnsix1
ip -n "$ns" addr add 2001:db8:1::1/64 dev qnlan0 nodad 2>/dev/null || true
ip -n "$ns" addr add 2001:db8:6::1/64 dev qnsix0 nodad 2>/dev/null || true
for link in qnlan0 qnlab1 qnsix0 qnsix1; do ip -n "$ns" link set "$link" up; done
# lo stays down; Wine's WMI leaves the loopback out either way.

# While the program runs, it asks for changes to the namespace by leaving STEP.want in the control
# folder; each is made here and answered with STEP.done: qnnew0/qnnew1 come, qnnew0's address changes,
# and the pair goes.
mkdir "$control"
change() {
  case $1 in
    add) ip -n "$ns" link add qnnew0 address 02:51:4e:00:00:09 type veth peer name qnnew1 address 02:51:4e:00:00:0a
         ip -n "$ns" addr add 10.251.9.1/24 dev qnnew0
         ip -n "$ns" addr add 10.251.9.2/24 dev qnnew1
         ip -n "$ns" link set qnnew0 up && ip -n "$ns" link set qnnew1 up ;;
    readdress) ip -n "$ns" addr del 10.251.9.1/24 dev qnnew0 && ip -n "$ns" addr add 10.251.9.77/24 dev qnnew0 ;;
    remove) ip -n "$ns" link del qnnew0 ;;
  esac
}
(
  until [ -e "$control/end" ] || [ "$SECONDS" -gt 170 ]; do
    for want in "$control"/*.want; do
      [ -e "$want" ] || continue
      step=$(basename "$want" .want)
      change "$step" || true
      rm -f "$want" && touch "$control/$step.done"
    done
    sleep 0.1
  done
) &
watcher=$!

# The X socket's abstract name belongs to the outer namespace; Xlib falls back to the socket file in
# /tmp/.X11-unix. Where even that fails, wine-run starts a private Xvfb inside.
display=()
in_ns xdpyinfo >/dev/null 2>&1 || display=(-u DISPLAY)

# A copy of a made prefix is much faster than a new one, which wine-run makes when there is none.
if cp -a "${QUILNET_WINEPREFIX:-$root/build/wineprefix}" "$prefix" 2>/dev/null; then
  in_ns env WINEPREFIX="$prefix" wineserver -p </dev/null >/dev/null 2>&1
else
  fresh=1
fi
in_ns env "${display[@]}" QUILNET_WINEPREFIX="$prefix" QUILNET_NETNS_CONTROL="$control" \
  QUILNET_EXPECT_ADAPTERS="qnlan0=10.251.1.1=02:51:4e:00:00:01;qnlab1=10.251.2.1=02:51:4e:00:00:02;qnsix0==02:51:4e:00:00:06;qnsix1=10.251.7.1=02:51:4e:00:00:07" \
  "$root/scripts/wine-run" "$program"
