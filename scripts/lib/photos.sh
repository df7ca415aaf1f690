# shellcheck shell=bash
# Small generated photos for the end-to-end check and the benchmark: a JPEG file that holds
# only an EXIF segment (big-endian TIFF data) with the date it was taken (DateTimeOriginal)
# and, when given, that date's offset from UTC (OffsetTimeOriginal, such as +09:00).
#
#   write_photo FILE 'YYYY:MM:DD HH:MM:SS' [OFFSET]
#   format=$(photo_format [OFFSET])    # a printf format whose one %s is the date
#   printf "$format" '2025:07:14 15:07:58' >FILE

# be16 N, be32 N: N as printf escapes of 2 and 4 bytes, most significant first.
be16() { printf '\\x%02x\\x%02x' $(($1 >> 8 & 255)) $(($1 & 255)); }
be32() {
  be16 $(($1 >> 16 & 65535))
  be16 $(($1 & 65535))
}

photo_format() {
  local offset=${1:-} entries=1
  [ -z "$offset" ] || entries=2
  # The header, the first directory (only the EXIF directory's place), the EXIF directory,
  # then the texts: the date (20 bytes with its NUL) and the offset (7).
  local exif=26 text=$((26 + 2 + entries * 12 + 4)) size
  size=$((text + 20 + (entries - 1) * 7))
  local tiff
  tiff="MM\\x00\\x2a$(be32 8)$(be16 1)$(be16 0x8769)$(be16 4)$(be32 1)$(be32 $exif)$(be32 0)"
  tiff+="$(be16 $entries)$(be16 0x9003)$(be16 2)$(be32 20)$(be32 $text)"
  [ -z "$offset" ] || tiff+="$(be16 0x9011)$(be16 2)$(be32 7)$(be32 $((text + 20)))"
  tiff+="$(be32 0)%s\\x00"
  [ -z "$offset" ] || tiff+="$offset\\x00"
  printf '%s' "\\xff\\xd8\\xff\\xe1$(be16 $((2 + 6 + size)))Exif\\x00\\x00$tiff\\xff\\xd9"
}

write_photo() {
  local format
  format=$(photo_format "${3:-}")
  # shellcheck disable=SC2059 # the format is made above
  printf "$format" "$2" >"$1"
}
