#!/usr/bin/env bash
# Runs the window test program in a copy of the prefix whose display is set to 144 dots per inch.
#   dpi.sh REPO_ROOT TEST_PROGRAM
set -euo pipefail
root=$1 program=$2
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source=${QUILNET_WINEPREFIX:-$root/build/wineprefix}
[ -d "$source" ] || { echo "skipped: no prefix to copy at $source"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-dpi.XXXXXX")
prefix=$work/wineprefix
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$source" "$prefix"
export QUILNET_WINEPREFIX=$prefix
"$root/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$root/scripts/wine-run" "$program"
