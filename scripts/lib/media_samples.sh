# shellcheck shell=bash
# Photos and videos made by Debian's own tools, with dates written by them and by exiftool,
# for the check of the dates horodex-cli reads (scripts/lib/cli_check.sh) and for the samples
# in tests/fixtures/media/. Each sample is tiny (a 16 x 16 picture, a tenth of a second of
# video).
#
#   make_media_samples DIR     # makes the samples of MEDIA_SAMPLES in DIR
#   media_tools_missing        # the tools that are not installed (none: empty)
#   exiftool_seconds DIR NAME  # the date exiftool reads from the sample, as seconds since
#                              # 1970, or "none"
#
# MEDIA_SAMPLES holds NAME:KIND pairs. KIND says which of exiftool's tags hold the date the
# program takes: exif (DateTimeOriginal with OffsetTimeOriginal), quicktime (the movie
# header's CreateDate, in UTC), keys (Keys:CreationDate), png (PNG:CreationTime), taken
# (DateTimeOriginal of any group: raw photos and AVI's IDIT), riff (RIFF:DateCreated, ICRD),
# matroska (Matroska:DateTimeOriginal), asf (ASF:CreationDate), xmp (XMP:DateTimeOriginal of
# the sidecar NAME.xmp beside it, which comes before the photo's own), placeholder (a date
# that stands for none: the file keeps its last-write date). The raw photos, the AVI with IDIT
# and the AVCHD streams (H264:DateTimeOriginal) are made by hand (scripts/lib/raw_samples.py):
# no Debian tool writes them.

MEDIA_SAMPLES_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

MEDIA_SAMPLES=(
  jpeg-offset.jpg:exif
  libheif-exif.heic:exif
  exiftool-exif.heic:exif
  exiftool-local.avif:exif
  moov-last.mp4:quicktime
  moov-first.mp4:quicktime
  keys-offset.mov:keys
  header-only.mov:quicktime
  movie.3gp:quicktime
  exif-chunk.png:exif
  text-iso.png:png
  text-rfc1123.png:png
  exif-chunk.webp:exif
  cut-moov-last.mp4:quicktime
  cut-libheif-exif.heic:exif
  corrupt-meta.heic:exif
  epoch.3gp:placeholder
  ffmpeg-icrd.avi:riff
  idit.avi:taken
  ffmpeg.mkv:matroska
  ffmpeg.webm:matroska
  ffmpeg.wmv:asf
  hand.raf:taken
  hand.orf:taken
  hand.rw2:taken
  hand.cr2:taken
  hand.nef:taken
  hand.arw:taken
  hand.pef:taken
  hand.srw:taken
  hand.mrw:taken
  hand.crw:taken
  hand.mts:taken
  hand.m2t:taken
  sidecar.jpg:xmp
)

media_tools_missing() {
  local tool missing=()
  for tool in exiftool ffmpeg heif-enc cwebp convert; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  printf '%s' "${missing[*]}"
}

make_media_samples() {
  local dir=$1
  # video FILE [OPTION...]: a tenth of a second of video made on 2023-01-15 at 01:20:30 UTC.
  video() {
    local file=$1
    shift
    ffmpeg -v error -y -f lavfi -i color=c=red:s=16x16:d=0.1 -c:v mpeg4 \
      -metadata creation_time=2023-01-15T01:20:30Z "$@" "$file"
  }
  mkdir -p "$dir"
  (
    cd "$dir" || exit 1
    set -e
    convert -size 16x16 xc:red plain.jpg
    cp plain.jpg jpeg-offset.jpg
    exiftool -q -overwrite_original '-DateTimeOriginal=2023:01:15 10:20:30' \
      '-OffsetTimeOriginal=+09:00' jpeg-offset.jpg
    # libheif copies the EXIF data of the JPEG file it encodes.
    heif-enc -q 30 jpeg-offset.jpg -o libheif-exif.heic >/dev/null
    heif-enc -q 30 plain.jpg -o exiftool-exif.heic >/dev/null
    exiftool -q -overwrite_original '-DateTimeOriginal=2021:02:03 04:05:06' \
      '-OffsetTimeOriginal=-05:30' exiftool-exif.heic
    heif-enc -A -q 30 plain.jpg -o exiftool-local.avif >/dev/null
    exiftool -q -overwrite_original '-DateTimeOriginal=2020:12:31 23:59:59' exiftool-local.avif
    video moov-last.mp4
    video moov-first.mp4 -movflags +faststart
    video header-only.mov
    video movie.3gp -f 3gp
    cp header-only.mov keys-offset.mov
    exiftool -q -overwrite_original '-Keys:CreationDate=2022:06:07 08:09:10+02:00' keys-offset.mov
    convert -size 16x16 xc:blue exif-chunk.png
    exiftool -q -overwrite_original '-EXIF:DateTimeOriginal=2019:08:09 10:11:12' \
      '-EXIF:OffsetTimeOriginal=+01:00' exif-chunk.png
    # ImageMagick writes the text after the image data.
    convert -size 16x16 xc:green -set 'Creation Time' '2022-03-04T05:06:07+02:00' text-iso.png
    convert -size 16x16 xc:green text-rfc1123.png
    exiftool -q -overwrite_original -n '-PNG:CreationTime=Sun, 15 Jan 2023 10:20:30 +0900' \
      text-rfc1123.png
    cwebp -quiet plain.jpg -o exif-chunk.webp
    exiftool -q -overwrite_original '-EXIF:DateTimeOriginal=2018:01:02 03:04:05' exif-chunk.webp
    # Cut short: the movie's header is lost with the end, the EXIF item with its `meta` box.
    head -c "$(($(stat -c %s moov-last.mp4) / 2))" moov-last.mp4 >cut-moov-last.mp4
    head -c 400 libheif-exif.heic >cut-libheif-exif.heic
    # Damaged: a `meta` box that claims 4 GiB.
    { head -c 28 libheif-exif.heic && printf '\xff\xff\xff\xf0' && tail -c +33 libheif-exif.heic; } \
      >corrupt-meta.heic
    # A 3GP file whose movie header holds exactly the start of 1970: a placeholder.
    video epoch.3gp -f 3gp -metadata creation_time=1970-01-01T00:00:00Z
    ffmpeg -v error -y -f lavfi -i color=c=red:s=16x16:d=0.04 -c:v mpeg4 -metadata date=2023-01-15 \
      ffmpeg-icrd.avi
    video ffmpeg.mkv
    video ffmpeg.webm -c:v libvpx
    video ffmpeg.wmv -c:v wmv2
    cp plain.jpg raf.jpg
    exiftool -q -overwrite_original '-DateTimeOriginal=2021:03:04 05:06:07' raf.jpg
    python3 "$MEDIA_SAMPLES_LIB/raw_samples.py" . raf.jpg ffmpeg-icrd.avi
    # A photo whose XMP sidecar, which exiftool writes, gives another date than its own.
    cp jpeg-offset.jpg sidecar.jpg
    exiftool -q -o sidecar.jpg.xmp '-XMP-exif:DateTimeOriginal=2017:05:06 07:08:09-03:00'
    rm plain.jpg raf.jpg
  )
  local status=$?
  unset -f video
  return "$status"
}

exiftool_seconds() {
  local dir=$1 name=$2 kind="" pair text="" offset=""
  for pair in "${MEDIA_SAMPLES[@]}"; do
    [ "${pair%%:*}" != "$name" ] || kind=${pair#*:}
  done
  case "$kind" in
    exif)
      text=$(exiftool -s3 -EXIF:DateTimeOriginal "$dir/$name")
      offset=$(exiftool -s3 -EXIF:OffsetTimeOriginal "$dir/$name")
      ;;
    quicktime) text=$(exiftool -s3 -api QuickTimeUTC -QuickTime:CreateDate "$dir/$name") ;;
    keys) text=$(exiftool -s3 -Keys:CreationDate "$dir/$name") ;;
    png) text=$(exiftool -s3 -PNG:CreationTime "$dir/$name") ;;
    taken) text=$(exiftool -s3 -DateTimeOriginal "$dir/$name") ;;
    riff) text=$(exiftool -s3 -RIFF:DateCreated "$dir/$name") ;;
    matroska) text=$(exiftool -s3 -Matroska:DateTimeOriginal "$dir/$name") ;;
    asf) text=$(exiftool -s3 -ASF:CreationDate "$dir/$name") ;;
    xmp) text=$(exiftool -s3 -XMP:DateTimeOriginal "$dir/$name.xmp") ;;
  esac
  # "2023:01:15 10:20:30+09:00" as date(1) reads it; no date at all is "none".
  text=$(sed -E 's/^([0-9]{4}):([0-9]{2}):/\1-\2-/' <<<"$text$offset")
  if [ -z "$text" ] || [ "$text" = "0000-00-00 00:00:00" ] || [ "$kind" = placeholder ]; then
    echo none
  else
    date -d "$text" +%s
  fi
}

# The media scenario of cli_check, with its p and run: the samples are listed by the dates
# they were taken, and each date is the one exiftool reads from the same file (a file whose
# date exiftool cannot read keeps its last-write date).
cli_check_media() {
  local missing
  missing=$(media_tools_missing)
  if [ -n "$missing" ]; then
    cli_expect "the tools that make the media samples are installed (missing: $missing)" false
    return 0
  fi
  if ! make_media_samples "$dir/media" 2>"$dir/media-tools.log"; then
    cli_expect "the media samples are made (see $dir/media-tools.log)" false
    return 0
  fi
  touch -d '2000-01-01 00:00:00' "$dir/media"/*
  [ -z "${CLI_OWNER:-}" ] || chown -R "$CLI_OWNER" "$dir/media"
  local status=0 pair name text listed expected last_write
  last_write=$(date -d '2000-01-01 00:00:00' +%s)
  "${run[@]}" list --date-from exif "$(p media)" -o "$(p media.txt)" 2>/dev/null || status=$?
  cli_expect "list --date-from exif of the media samples exits with 0 (got $status)" \
    [ "$status" -eq 0 ]
  for pair in "${MEDIA_SAMPLES[@]}"; do
    name=${pair%%:*}
    text=$(grep -a "[/\\]$name\"," "$dir/media.txt" | sed 's/^"\([^"]*\)".*/\1/')
    listed=$( [ -z "$text" ] || date -d "$text" +%s)
    expected=$(exiftool_seconds "$dir/media" "$name" 2>>"$dir/media-tools.log")
    [ "$expected" != none ] || expected=$last_write
    cli_expect "$name is listed by the date exiftool reads ($text, exiftool: $(date -d "@$expected" '+%F %T'))" \
      [ "$listed" = "$expected" ]
  done
}
