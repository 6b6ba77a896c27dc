#!/usr/bin/env bash
# Runs the DHCP test program with our stand-in in place of the system's netsh, in a copy of the prefix:
# the shared prefix keeps Wine's own.
#   dhcp-netsh.sh REPO_ROOT TEST_PROGRAM STAND_IN
set -euo pipefail
root=$1 program=$2 standin=$3
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source=${QUILNET_WINEPREFIX:-$root/build/wineprefix}
[ -d "$source" ] || { echo "skipped: no prefix to copy at $source"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-netsh.XXXXXX")
prefix=$work/wineprefix
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The shared prefix can change under the copy (its server saves the registry through a temporary file
# and a rename, other tests make and delete files): a copy that fails is tried again.
for attempt in 1 2 3; do
  rm -rf "$prefix"
  cp -a "$source" "$prefix" && break
  [ "$attempt" -lt 3 ] || { echo "cannot copy the prefix at $source"; exit 1; }
  sleep 1
done
cp "$standin" "$prefix/drive_c/windows/system32/netsh.exe"
export QUILNET_WINEPREFIX=$prefix
# netsh is one of Wine's built-in programs: without the override Wine runs its own, whatever the file.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}netsh.exe=n
"$root/scripts/wine-run" "$program"
