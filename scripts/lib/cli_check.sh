# shellcheck shell=bash
# horodex-cli from end to end, as a user runs it: list a tree into a list file, edit a date
# in it with sed, apply it with a backup, check the times with stat, apply the backup and get
# the old times back; bad input exits with 2 and changes no time. Then photos: generated
# JPEG files with known dates taken and phone-style names are listed by those dates, shift
# +1h moves every date by an hour, and apply stamps them. Last, photos and videos that Debian's
# tools made (scripts/lib/media_samples.sh) are listed by the dates that exiftool reads.
#
#   cli_check DIR WINDIR RUN...
#
# DIR: an empty scratch folder; WINDIR: DIR as the program names it (DIR itself natively, a
# Windows path under Wine); RUN...: the command that runs horodex-cli, its arguments added.
# Times are local times of the TZ in force. With CLI_OWNER (user:group) set, the tree is
# handed to that user, who runs the program. Prints each failed step; sets CLI_PASSED and
# CLI_FAILED.

# shellcheck source=scripts/lib/photos.sh
. "$(dirname "${BASH_SOURCE[0]}")/photos.sh"
# shellcheck source=scripts/lib/media_samples.sh
. "$(dirname "${BASH_SOURCE[0]}")/media_samples.sh"

CLI_PASSED=0
CLI_FAILED=0

# cli_expect WHAT TEST...: counts a step.
cli_expect() {
  local what=$1
  shift
  if "$@"; then
    CLI_PASSED=$((CLI_PASSED + 1))
  else
    CLI_FAILED=$((CLI_FAILED + 1))
    printf 'horodex-cli check failed: %s\n' "$what"
  fi
}

cli_check() {
  local dir=$1 windir=$2
  shift 2
  local run=("$@") sep=/ status
  [ "$windir" = "$dir" ] || sep='\'
  # p NAME: the path of NAME under DIR as the program names it.
  p() { printf '%s%s%s' "$windir" "$sep" "${1//\//$sep}"; }
  mtime() { stat -c %Y "$dir/$1"; }
  CLI_PASSED=0
  CLI_FAILED=0

  mkdir -p "$dir/tree/sub"
  touch -d '2004-07-08 21:30:45' "$dir/tree/a.txt"
  touch -d '1999-12-31 23:59:59' "$dir/tree/sub/b.log"
  touch -d '2010-01-02 03:04:05' "$dir/tree/sub" "$dir/tree"
  [ -z "${CLI_OWNER:-}" ] || chown -R "$CLI_OWNER" "$dir"
  local a b sub tree
  a=$(mtime tree/a.txt) b=$(mtime tree/sub/b.log) sub=$(mtime tree/sub) tree=$(mtime tree)

  status=0
  "${run[@]}" list "$(p tree)" -o "$(p list.txt)" || status=$?
  cli_expect "list exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "list writes a row for each of the 4 paths" \
    [ "$(grep -c $'\r$' "$dir/list.txt" 2>/dev/null)" = 4 ]

  sed -i 's|^"[^"]*"\(,"[^"]*a\.txt",\)|"2001/05/06 9:05:04"\1|' "$dir/list.txt"
  status=0
  "${run[@]}" apply "$(p list.txt)" --backup "$(p backup.txt)" || status=$?
  cli_expect "apply exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "the edited date is applied" [ "$(mtime tree/a.txt)" = "$(date -d '2001-05-06 09:05:04' +%s)" ]
  cli_expect "an odd second is listed and applied one less" [ "$(mtime tree/sub/b.log)" = $((b - 1)) ]

  status=0
  "${run[@]}" apply "$(p list.txt)" --backup "$(p backup.txt)" 2>/dev/null || status=$?
  cli_expect "apply refuses to replace the backup (exit 2, got $status)" [ "$status" -eq 2 ]
  status=0
  "${run[@]}" apply "$(p list.txt)" --backup "$(p list.txt)" --force-backup 2>/dev/null || status=$?
  cli_expect "apply refuses a backup that is its list (exit 2, got $status)" [ "$status" -eq 2 ]

  status=0
  "${run[@]}" apply "$(p backup.txt)" || status=$?
  cli_expect "applying the backup exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "the backup gives every time back" \
    [ "$(mtime tree/a.txt) $(mtime tree/sub/b.log) $(mtime tree/sub) $(mtime tree)" = "$a $b $sub $tree" ]

  printf '"2001/01/01","%s",""\r\n"no date","%s","txt"\r\n' "$(p tree/sub/b.log)" "$(p tree/a.txt)" \
    >"$dir/bad.txt"
  local messages
  status=0
  messages=$("${run[@]}" apply "$(p bad.txt)" 2>&1 >/dev/null) || status=$?
  cli_expect "bad input exits with 2 (got $status)" [ "$status" -eq 2 ]
  cli_expect "bad input is reported as FILE:LINE" grep -qF "$(p bad.txt):2: " <<<"$messages"
  cli_expect "bad input changes no time" \
    [ "$(mtime tree/a.txt) $(mtime tree/sub/b.log)" = "$a $b" ]

  cli_expect "--version says 2.02" grep -q '^horodex-cli 2\.02$' <<<"$("${run[@]}" --version)"
  cli_check_photos
  cli_check_media
  unset -f p mtime
}

# The photo scenario of cli_check, with its p and mtime.
cli_check_photos() {
  # row_date LIST NAME: the date of the row whose path ends in NAME, in seconds.
  row_date() {
    local text
    text=$(grep -a "[/\\]$2\"," "$dir/$1" | sed 's/^"\([^"]*\)".*/\1/')
    [ -n "$text" ] && date -d "$text" +%s
  }
  # all_dates LIST: the date of every row, in seconds, in list order.
  all_dates() {
    local text
    while IFS= read -r text; do date -d "$text" +%s; done < <(sed 's/^"\([^"]*\)".*/\1/' "$dir/$1")
  }
  mkdir -p "$dir/photos"
  write_photo "$dir/photos/DSC_0001.jpg" '2021:03:04 05:06:07'
  write_photo "$dir/photos/DSC_0002.jpg" '2021:03:04 12:00:00' +00:00
  : >"$dir/photos/IMG_20220506_070809.jpg"
  touch -d '2000-01-01 00:00:00' "$dir/photos"/* "$dir/photos"
  [ -z "${CLI_OWNER:-}" ] || chown -R "$CLI_OWNER" "$dir/photos"
  local a b named status=0 messages
  a=$(date -d '2021-03-04 05:06:07' +%s) b=$(date -d '2021-03-04 12:00:00 UTC' +%s)
  named=$(date -d '2022-05-06 07:08:09' +%s)

  messages=$("${run[@]}" list --date-from exif "$(p photos)" -o "$(p exif.txt)" 2>&1) || status=$?
  cli_expect "list --date-from exif exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "the photos' dates are listed, to the second and in local time" \
    [ "$(row_date exif.txt DSC_0001.jpg) $(row_date exif.txt DSC_0002.jpg)" = "$a $b" ]
  cli_expect "the file without EXIF data is counted" grep -q 'without a date taken: 1,' <<<"$messages"
  status=0
  "${run[@]}" list --date-from name --only-dated "$(p photos)" -o "$(p name.txt)" 2>/dev/null ||
    status=$?
  cli_expect "list --date-from name gives the date in the name and leaves out the others" \
    [ "$status $(row_date name.txt IMG_20220506_070809.jpg) $(grep -c $'\r$' "$dir/name.txt")" = \
    "0 $named 2" ]

  cp "$dir/exif.txt" "$dir/exif-before.txt"
  status=0
  "${run[@]}" shift +1h "$(p exif.txt)" || status=$?
  cli_expect "shift exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "shift +1h moves every date by an hour" \
    [ "$(all_dates exif-before.txt | awk '{ print $1 + 3600 }')" = "$(all_dates exif.txt)" ]

  status=0
  "${run[@]}" apply "$(p exif.txt)" || status=$?
  cli_expect "applying the photos' list exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "apply stamps the photos' dates" \
    [ "$(mtime photos/DSC_0001.jpg) $(mtime photos/DSC_0002.jpg)" = "$((a + 3600)) $((b + 3600))" ]
  unset -f row_date all_dates
}

# The locales the backup must read back in, each with the date text it gives the time
# 2004-07-08 21:30:45.
# shellcheck disable=SC2034 # scripts/test runs the check in each of them
CLI_BACKUP_LOCALES=(ja_JP.UTF-8 en_US.UTF-8 de_DE.UTF-8 en_GB.UTF-8)
declare -A CLI_BACKUP_TEXT=(
  [ja_JP.UTF-8]='2004/07/08 21:30:45'
  [en_US.UTF-8]='7/8/2004 9:30:45 PM'
  [de_DE.UTF-8]='08.07.2004 21:30:45'
  [en_GB.UTF-8]='08/07/2004 21:30:45'
)

# cli_check_backup DIR WINDIR LOCALE RUN...: in LOCALE (which RUN runs in), a tree is listed,
# applied with a backup and the backup applied: every path gets its time back to the second,
# and the backup is written in the locale's own format. Adds to CLI_PASSED and CLI_FAILED.
cli_check_backup() {
  local dir=$1 windir=$2 locale=$3
  shift 3
  local run=("$@") sep=/ status
  [ "$windir" = "$dir" ] || sep='\'
  p() { printf '%s%s%s' "$windir" "$sep" "${1//\//$sep}"; }
  mtimes() { stat -c %Y "$dir/tree/a.txt" "$dir/tree/sub/b.log" "$dir/tree/sub" "$dir/tree" | xargs; }

  mkdir -p "$dir/tree/sub"
  touch -d '2004-07-08 21:30:45' "$dir/tree/a.txt"
  touch -d '1999-12-31 23:59:59' "$dir/tree/sub/b.log"
  touch -d '2010-01-02 03:04:05' "$dir/tree/sub" "$dir/tree"
  [ -z "${CLI_OWNER:-}" ] || chown -R "$CLI_OWNER" "$dir"
  local before
  before=$(mtimes)

  status=0
  "${run[@]}" list "$(p tree)" -o "$(p list.txt)" || status=$?
  # Every row a day later: the backup must undo a real change.
  "${run[@]}" shift +1d "$(p list.txt)" || status=$?
  "${run[@]}" apply "$(p list.txt)" --backup "$(p backup.txt)" || status=$?
  cli_expect "$locale: list, shift and apply --backup exit with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "$locale: the list is applied" [ "$(mtimes)" != "$before" ]
  cli_expect "$locale: the backup is written in the locale's format" \
    grep -qF "\"${CLI_BACKUP_TEXT[$locale]}\"" "$dir/backup.txt"
  status=0
  "${run[@]}" apply "$(p backup.txt)" || status=$?
  cli_expect "$locale: applying the backup exits with 0 (got $status)" [ "$status" -eq 0 ]
  cli_expect "$locale: the backup gives every time back to the second ($(mtimes), not $before)" \
    [ "$(mtimes)" = "$before" ]
  unset -f p mtimes
}
