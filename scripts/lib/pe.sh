# shellcheck shell=bash
# Reading a Windows program (PE file) from the shell: its machine type and the manifest
# embedded in its resources.

# pe_u16 FILE OFFSET, pe_u32 FILE OFFSET: little-endian numbers at a byte offset.
pe_u16() { od -An -tu2 --endian=little -j "$2" -N2 "$1" | tr -d ' '; }
pe_u32() { od -An -tu4 --endian=little -j "$2" -N4 "$1" | tr -d ' '; }

# pe_machine EXE: the machine type of the file header, as the linker names it: i386 (0x14c),
# amd64 (0x8664), arm64 (0xaa64), or the number.
pe_machine() {
  local header machine
  header=$(pe_u32 "$1" 60)
  machine=$(pe_u16 "$1" $((header + 4)))
  case "$machine" in
    332) echo i386 ;;
    34404) echo amd64 ;;
    43620) echo arm64 ;;
    *) printf '0x%x\n' "$machine" ;;
  esac
}

# pe_manifest EXE: the text of the manifest resource (type RT_MANIFEST, 24: its first name
# and language); nothing, with status 1, when the program has none.
pe_manifest() {
  local exe=$1 header sections count optional magic directories rsrc i at va size raw base
  header=$(pe_u32 "$exe" 60)
  count=$(pe_u16 "$exe" $((header + 6)))
  optional=$((header + 24))
  magic=$(pe_u16 "$exe" "$optional")
  # The data directories follow the optional header's fields: 96 bytes in PE32, 112 in PE32+.
  if [ "$magic" -eq 523 ]; then directories=$((optional + 112)); else directories=$((optional + 96)); fi
  rsrc=$(pe_u32 "$exe" $((directories + 16))) # entry 2: the resources
  [ "$rsrc" -ne 0 ] || return 1
  sections=$((optional + $(pe_u16 "$exe" $((header + 20)))))
  base=
  for ((i = 0; i < count; i++)); do
    at=$((sections + 40 * i))
    va=$(pe_u32 "$exe" $((at + 12)))
    size=$(pe_u32 "$exe" $((at + 16)))
    raw=$(pe_u32 "$exe" $((at + 20)))
    if [ "$rsrc" -ge "$va" ] && [ "$rsrc" -lt $((va + size)) ]; then
      base=$((raw + rsrc - va))
      break
    fi
  done
  [ -n "$base" ] || return 1
  # Three levels of directories: the type (24), then the first name, then the first language.
  local directory=0 level entry id want target
  for want in 24 "" ""; do
    entry=$((base + directory + 16))
    count=$(($(pe_u16 "$exe" $((base + directory + 12))) + $(pe_u16 "$exe" $((base + directory + 14)))))
    target=
    for ((level = 0; level < count; level++)); do
      id=$(pe_u32 "$exe" $((entry + 8 * level)))
      if [ -z "$want" ] || [ "$id" -eq "$want" ]; then
        target=$(pe_u32 "$exe" $((entry + 8 * level + 4)))
        break
      fi
    done
    [ -n "$target" ] || return 1
    directory=$((target & 0x7fffffff))
  done
  # The data entry: where the manifest lies (a virtual address) and its size.
  va=$(pe_u32 "$exe" $((base + directory)))
  size=$(pe_u32 "$exe" $((base + directory + 4)))
  dd if="$exe" bs=1 skip=$((base + va - rsrc)) count="$size" status=none
}

# manifest_architecture MANIFEST: the processorArchitecture of the program's own identity
# (the manifest's first assemblyIdentity, not that of an assembly it depends on).
manifest_architecture() {
  grep -o '<assemblyIdentity[^>]*' <<<"$1" | head -n 1 |
    sed -n 's/.*processorArchitecture="\([^"]*\)".*/\1/p'
}
