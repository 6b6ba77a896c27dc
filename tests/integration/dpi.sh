#!/usr/bin/env bash
# Runs the window test program in a copy of the prefix whose display is set to 144 dots per inch.
#   dpi.sh REPO_ROOT TEST_PROGRAM
set -euo pipefail
root=$1 program=$2
source "$(dirname "${BASH_SOURCE[0]}")/prefix-copy.sh"
copy_prefix dpi
"$root/scripts/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$root/scripts/wine-run" "$program"
