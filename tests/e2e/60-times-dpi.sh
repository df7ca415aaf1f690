#!/usr/bin/env bash
# 表示する日時 and 変更した行だけ by their keys: showing アクセス日時 (Alt+V, D, A) with only
# 更新日時 checked under 更新する日時, Update copies each file's access time to its write time;
# with 変更した行だけ (Alt+T, U, O) Update changes only the file whose date was edited. Then
# the window at 96, 144 and 192 DPI (LogPixels in the prefix): its screenshots are kept, and
# the toolbar grows with the DPI.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
mkdir -p "$tree"
for name in a b c; do printf '%s' "$name" >"$tree/$name.txt"; done
TZ=${WINE_TZ:-UTC} touch -m -d '2001-01-01 10:00:00' "$tree/a.txt" "$tree/b.txt" "$tree/c.txt"
TZ=${WINE_TZ:-UTC} touch -a -d '2002-02-02 11:00:00.1234567' "$tree/a.txt"
TZ=${WINE_TZ:-UTC} touch -a -d '2003-03-03 12:00:00' "$tree/b.txt" "$tree/c.txt"
own "$tree"
install_app app
ini="$APP_DIR/horodex.ini"
watch "$ini"
T=$(winpath "$tree")
# times_of PATH...: each path's access and write times to the 100 ns that a file time holds.
times_of() { stat -c '%x|%y' "$@" | sed 's/\(\.[0-9]\{7\}\)[0-9]*/\1/g'; }

step "the files; Alt+V, D, A shows アクセス日時; only 更新日時 under 更新する日時; F5"
start_app "$tree/a.txt" "$tree/b.txt" "$tree/c.txt"
wait_rows 3
open_menu alt+v
open_submenu d
choose a
wait_idle
for letter in c a; do
  open_menu alt+t
  open_submenu u
  choose "$letter"
done
a_access=$(stat -c %x "$tree/a.txt")
key F5
expect_result_box 情報
key Return
wait_gone "$WIN"
for name in a b c; do
  [ "$(stat -c %y "$tree/$name.txt")" = "$(stat -c %x "$tree/$name.txt")" ] ||
    fail "$name.txt was not given its access time as its write time: $(times_of "$tree/$name.txt")"
done
[ "$(stat -c %y "$tree/a.txt")" = "$a_access" ] ||
  fail "a.txt's write time is not its exact access time $a_access: $(times_of "$tree/a.txt")"

step "Alt+T, U, O (変更した行だけ); edit the first row (F2); F5 changes that file alone"
open_menu alt+t
open_submenu u
choose o
before=$(times_of "$tree/a.txt" "$tree/b.txt" "$tree/c.txt")
click_row 1
key F2
wait_editing 1
type_text '2010/10/10 10:10:10'
key Return
wait_editing 0
key F5
expect_result_box 情報
key Return
wait_gone "$WIN"
after=$(times_of "$tree/a.txt" "$tree/b.txt" "$tree/c.txt")
changed=$(diff <(echo "$before") <(echo "$after") | grep -c '^>' || true)
[ "$changed" = 1 ] || fail "F5 changed $changed files, not one: $after"
# The first row in date order shows a.txt's access time, the oldest.
[ "$(stat -c %Y "$tree/a.txt")" = "$(local_epoch '2010-10-10 10:10:10')" ] ||
  fail "a.txt did not take the edited date: $after"
key alt+F4
wait_exit
for kv in time=access changed=1; do
  grep -q "^$kv"$'\r$' "$ini" || fail "the settings file lacks $kv"
done

# The prefix is shared by the scenarios that follow: it goes back to 96 DPI on every way out.
set_dpi() {
  wine_run "$E2E_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$1" /f </dev/null >/dev/null 2>&1
  wine_stop
  wine_run "$WINESERVER" -p </dev/null >/dev/null 2>&1
  wine_run "$E2E_LOADER" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}
trap 'set_dpi 96' EXIT
mkdir -p "$E2E_SHOTS"
widths=()
for dpi in 96 144 192; do
  step "at $dpi DPI: the window with its rows, toolbar and status bar"
  set_dpi "$dpi"
  printf '[show]\r\ntime=write\r\n' >"$ini"
  own "$ini"
  start_app "$tree"
  wait_rows 4
  shot="$E2E_SHOTS/60-times-dpi-$dpi.png"
  # Once the rows are painted: two shots in a row the same.
  settled_shot "$shot" 0 0 "$MAIN_W" "$MAIN_H"
  note "      screenshot: $shot (${MAIN_W}x${MAIN_H})"
  widths+=("$MAIN_W")
  key alt+F4
  wait_exit
done
# The window's design size follows the DPI: 455 pixels wide at 96, 1.5 and 2 times that.
[ "${widths[1]}" -ge $((widths[0] * 14 / 10)) ] && [ "${widths[2]}" -ge $((widths[0] * 19 / 10)) ] ||
  fail "the window did not grow with the DPI: ${widths[*]}"
