#!/usr/bin/env bash
# Runs the planted-library test program with Wine told to prefer a native msimg32.dll, so that one beside a
# program is loaded whenever that program's search reaches its own folder.
#   planted-dll.sh REPO_ROOT TEST_PROGRAM QUILNET PLAIN_WINDOW PLANTED_LIBRARY
set -euo pipefail
root=$1 program=$2
export QUILNET_PROGRAM=$3 QUILNET_PLAIN_WINDOW=$4 QUILNET_PLANTED_LIBRARY=$5
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}msimg32=n,b
"$root/scripts/wine-run" "$program"
