#!/usr/bin/env bash
# Runs a test program (the DHCP switch, the connection-name script) with our stand-in in place of the
# system's netsh, in a copy of the prefix: the shared prefix keeps Wine's own.
#   dhcp-netsh.sh REPO_ROOT TEST_PROGRAM STAND_IN
set -euo pipefail
root=$1 program=$2 standin=$3
export QUILNET_NETSH_STAND_IN=$standin
source "$(dirname "${BASH_SOURCE[0]}")/prefix-copy.sh"
copy_prefix netsh
cp "$standin" "$prefix/drive_c/windows/system32/netsh.exe"
# netsh is one of Wine's built-in programs: without the override Wine runs its own, whatever the file.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}netsh.exe=n
"$root/scripts/wine-run" "$program"
