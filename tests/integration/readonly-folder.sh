#!/usr/bin/env bash
# Runs the read-only folder test program in a folder that even root cannot write: a read-only bind mount.
#   readonly-folder.sh REPO_ROOT TEST_PROGRAM
set -euo pipefail
root=$1 program=$2
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root to mount a read-only folder"

folder=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-readonly.XXXXXX")
cleanup() {
  ! mountpoint -q "$folder" || umount "$folder"
  rmdir "$folder"
}
trap cleanup EXIT

mount --bind "$folder" "$folder" 2>/dev/null || skip "cannot bind-mount $folder"
mount -o remount,bind,ro "$folder" 2>/dev/null || skip "cannot remount $folder read-only"
if touch "$folder/probe" 2>/dev/null; then
  rm -f "$folder/probe"
  echo "$folder is still writable"
  exit 1
fi

QUILNET_READONLY_FOLDER=$folder "$root/scripts/wine-run" "$program"
