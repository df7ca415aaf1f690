#!/usr/bin/env bash
# The Tools menu by its keys: a photo takes the date it was taken (Alt+T, P) and a phone-named
# file the date in its name (Alt+T, N); the rows left unchanged are counted in a box; every row
# is moved by +1h in the shift dialog (Alt+T, S); with 作成日時 and 更新日時 unchecked
# (Alt+T, U, C and M), Update sets the access time alone; 更新を元に戻す (Alt+T, Z) gives every
# time back to the 100 ns; the marks are kept in the settings file across a restart.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# shellcheck source=scripts/lib/photos.sh
. "$HORODEX_ROOT/scripts/lib/photos.sh"

tree="$E2E_WORK/tree"
lists="$E2E_WORK/lists"
mkdir -p "$tree" "$lists"
write_photo "$tree/IMG_20250714_150758.jpg" '2024:01:02 03:04:05'
printf 'no photo' >"$tree/PXL_20230101_101010123.jpg"
printf 'notes' >"$tree/notes.txt"
set_time "$tree/IMG_20250714_150758.jpg" '2010-01-01 00:00:00'
set_time "$tree/PXL_20230101_101010123.jpg" '2010-01-01 00:00:00'
set_time "$tree/notes.txt" '2015-01-01 10:00:00.1234567'
set_time "$tree" '2012-02-02 12:00:00'
own "$tree" "$lists"
install_app app
ini="$APP_DIR/horodex.ini"
watch "$ini" "$lists/shifted.txt"

T=$(winpath "$tree")
folder=$(cp932 フォルダ)
line() { printf '"%s","%s","%s"\r\n' "$1" "$2" "$3"; }
# info_box: the information box that counts the rows left unchanged, closed with Enter.
info_box() {
  wait_window 情報
  local box=$WIN
  key Return
  wait_gone "$box"
}
# times_of PATH...: each path's access and write times to the 100 ns that a file time holds.
times_of() { stat -c '%x|%y' "$@" | sed 's/\(\.[0-9]\{7\}\)[0-9]*/\1/g'; }

step "start with the folder; select all; Alt+T, P: the photo's date taken, three rows unchanged"
start_app "$T"
key ctrl+a
open_menu alt+t
choose p
info_box

step "Alt+T, N on the three rows left selected: the date in the phone's file name"
open_menu alt+t
choose n
info_box

step "select all; Alt+T, S: +1h in the shift dialog moves every row; save (Ctrl+S)"
key ctrl+a
open_menu alt+t
choose s
wait_window 日時をずらす
dialog=$WIN
type_text '+1h'
key Return
wait_gone "$dialog"
wait_idle
no_window 情報
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/shifted.txt"
wait_file "$lists/shifted.txt"
{
  line '2012/02/02 13:00:00' "$T" "$folder"
  line '2015/01/01 11:00:00' "$T\\notes.txt" txt
  # A Pixel phone names its files in UTC: the row shows that instant in local time.
  line "$(TZ=${WINE_TZ:-UTC} date -d '2023-01-01 10:10:10 UTC 1 hour' '+%Y/%m/%d %-H:%M:%S')" \
    "$T\\PXL_20230101_101010123.jpg" jpg
  line '2024/01/02 4:04:05' "$T\\IMG_20250714_150758.jpg" jpg
} >"$E2E_WORK/expected-shifted.txt"
expect_file "$lists/shifted.txt" "$E2E_WORK/expected-shifted.txt"

step "uncheck 作成日時 and 更新日時 (Alt+T, U, C and M); F5 sets the access time alone"
open_menu alt+t
open_submenu u
choose c
open_menu alt+t
open_submenu u
choose m
before=$(times_of "$tree/notes.txt" "$tree/IMG_20250714_150758.jpg" "$tree")
key F5
expect_result_box 情報
key Return
wait_gone "$WIN"
[ "$(stat -c %X "$tree/notes.txt")" = "$(local_epoch '2015-01-01 11:00:00')" ] ||
  fail "notes.txt was not given its access time"
[ "$(times_of "$tree/notes.txt" | cut -d'|' -f2)" = "$(head -1 <<<"$before" | cut -d'|' -f2)" ] ||
  fail "notes.txt lost its last-write time: $(stat -c %y "$tree/notes.txt")"

step "Alt+T, Z: every time the Update set is back, to the 100 ns"
open_menu alt+t
choose z
expect_result_box 情報
key Return
wait_gone "$WIN"
after=$(times_of "$tree/notes.txt" "$tree/IMG_20250714_150758.jpg" "$tree")
[ "$after" = "$before" ] || fail "the times are not back: $after, not $before"

step "close, restart and close: the marks stay in the settings file"
key alt+F4
wait_exit
start_app
key alt+F4
wait_exit
grep -q $'^\\[update\\]\r$' "$ini" || fail "no section update"
for kv in creation=0 access=1 write=0; do
  grep -q "^$kv"$'\r$' "$ini" || fail "the settings file lacks $kv"
done
