# Sourced by drivers that run their program in a private copy of the shared prefix:
#   source prefix-copy.sh; copy_prefix NAME
# gives $prefix (exported as QUILNET_WINEPREFIX), on a display, removed with its server at exit.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

copy_prefix() {
  local source=${QUILNET_WINEPREFIX:-$root/build/wineprefix}
  [ -d "$source" ] || { echo "skipped: no prefix to copy at $source"; exit 77; }
  work=$(mktemp -d "${TMPDIR:-/tmp}/quilnet-$1.XXXXXX")
  prefix=$work/wineprefix
  trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
        WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
        rm -rf "$work"' EXIT
  # The shared prefix can change under the copy (its server saves the registry through a temporary
  # file and a rename, other tests make and delete files): a copy that fails is tried again.
  local attempt
  for attempt in 1 2 3; do
    rm -rf "$prefix"
    cp -a "$source" "$prefix" 2>/dev/null && break
    [ "$attempt" -lt 3 ] || { echo "cannot copy the prefix at $source"; exit 1; }
    sleep 1
  done
  export QUILNET_WINEPREFIX=$prefix
}
