#!/usr/bin/env bash
# Runs the read-only folder test program in a folder that even root cannot write (a read-only bind
# mount), and beside an IP.ini that even root cannot change (chattr +i), where the file system allows it.
#   readonly-folder.sh REPO_ROOT TEST_PROGRAM
set -euo pipefail
root=$1 program=$2
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root to mount a read-only folder"

folder=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-readonly.XXXXXX")
fixed=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-immutable.XXXXXX")
cleanup() {
  ! mountpoint -q "$folder" || umount "$folder"
  rmdir "$folder"
  chattr -i "$fixed/IP.ini" 2>/dev/null || true
  rm -rf "$fixed"
}
trap cleanup EXIT

mount --bind "$folder" "$folder" 2>/dev/null || skip "cannot bind-mount $folder"
mount -o remount,bind,ro "$folder" 2>/dev/null || skip "cannot remount $folder read-only"
if touch "$folder/probe" 2>/dev/null; then
  rm -f "$folder/probe"
  echo "$folder is still writable"
  exit 1
fi

# Profile 1 named 固定 (GBK), the rest left to the key names.
printf '[\xcd\xf81]\r\n\xc3\xfb\xb3\xc6=\xb9\xcc\xb6\xa8\r\n' >"$fixed/IP.ini"
immutable=
if chattr +i "$fixed/IP.ini" 2>/dev/null; then immutable=$fixed; fi

QUILNET_READONLY_FOLDER=$folder QUILNET_IMMUTABLE_FOLDER=$immutable "$root/scripts/wine-run" "$program"
