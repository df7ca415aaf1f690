#!/usr/bin/env bash
# Checks the layers by their includes: the core (the sources of horodex_core, listed in
# CMakeLists.txt, and horodex-cli in cli/) reaches no header of app/, settings/ or ui/ but
# ui/list_item.h, directly or through other headers, and platform/ includes nothing of the
# program's outside platform/. Prints each include that breaks a rule and exits non-zero when
# there is one.
#
#   scripts/lib/include_check.sh [ROOT]
set -euo pipefail

root=${1:-"$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"}
cd "$root"

# The program's own headers that FILE includes ("dir/name.h", as written).
includes_of() { sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$1"; }

# The core's sources: the CORE_SOURCES list of CMakeLists.txt, and cli/.
mapfile -t core < <(sed -n '/^set(CORE_SOURCES/,/)/p' CMakeLists.txt |
  grep -oE '[A-Za-z0-9_/.-]+\.cpp')
[ "${#core[@]}" -gt 0 ] || {
  echo "include check: no CORE_SOURCES in CMakeLists.txt" >&2
  exit 2
}
core+=(cli/*.cpp cli/*.h)

failures=0
# Every file the core reaches through its includes, with the file that includes it.
declare -A seen=()
queue=("${core[@]}")
for file in "${core[@]}"; do seen[$file]=1; done
while [ "${#queue[@]}" -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  [ -f "$file" ] || continue
  while read -r header; do
    [ -n "$header" ] || continue
    case "$header" in
      ui/list_item.h) ;;
      app/* | settings/* | ui/*)
        echo "$file includes $header: the core builds on platform/ alone"
        failures=$((failures + 1))
        continue
        ;;
    esac
    if [ -z "${seen[$header]:-}" ]; then
      seen[$header]=1
      queue+=("$header")
    fi
  done < <(includes_of "$file")
done

# platform/ includes only platform/ headers.
while IFS= read -r -d '' file; do
  while read -r header; do
    case "$header" in
      platform/*) ;;
      *)
        echo "$file includes $header: platform/ builds on nothing above it"
        failures=$((failures + 1))
        ;;
    esac
  done < <(includes_of "$file")
done < <(find platform -name '*.cpp' -print0 -o -name '*.h' -print0)

if [ "$failures" -gt 0 ]; then
  echo "include check: $failures includes break the layers"
  exit 1
fi
echo "include check: the core and platform/ include no layer above them"
