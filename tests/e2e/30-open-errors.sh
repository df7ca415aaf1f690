#!/usr/bin/env bash
# A list file written by hand (quotes doubled inside a field) loads through the open dialog
# (Ctrl+O) and saves back byte for byte; a missing list file gives the error box and adds
# nothing; Update with a read-only file among the rows stamps the others and says FAILURE; a
# settings file that cannot be written gives one error box at close, and the program ends.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

files="$E2E_WORK/files"
lists="$E2E_WORK/lists"
mkdir -p "$files" "$lists"
for f in f1 f2 f3; do printf '%s' "$f" >"$files/$f.txt"; done
set_time "$files/f1.txt" '2019-01-01 00:00:00'
set_time "$files/f2.txt" '2019-01-01 00:00:00'
set_time "$files/f3.txt" '2019-01-01 00:00:00'
F=$(winpath "$files")
{
  printf '"%s","%s","%s"\r\n' '2002/03/04 5:06:08' "$F\\f1.txt" 'txt'
  printf '"%s","%s","%s"\r\n' '2002/03/04 5:06:10' "$F\\f2.txt" 'a ""quoted"", kind'
  printf '"%s","%s","%s"\r\n' '2002/03/04 5:06:12' "$F\\f3.txt" 'txt'
} >"$lists/hand.txt"
own "$files" "$lists"
install_app app
ini="$APP_DIR/horodex.ini"
printf '[file]\r\nmax=4\r\n' >"$ini"
own "$ini"
watch "$ini" "$lists/hand.txt" "$lists/saved.txt" "$lists/after-error.txt"

step "start without paths; open the hand-written list file (Ctrl+O, the open dialog); save it"
start_app
key ctrl+o
answer_file_dialog "$OPEN_DIALOG" "$lists/hand.txt"
wait_rows 3
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/saved.txt"
wait_file "$lists/saved.txt"
expect_file "$lists/saved.txt" "$lists/hand.txt"

step "open a list file that does not exist: an error box, closed with Enter; no rows added"
key ctrl+o
answer_file_dialog "$OPEN_DIALOG" "$lists/missing.txt"
expect_error_box
key Return
wait_gone "$WIN"
wait_rows 3
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/after-error.txt"
wait_file "$lists/after-error.txt"
expect_file "$lists/after-error.txt" "$lists/hand.txt"

if can_make_read_only; then
  step "update with f2.txt read-only: FAILURE, the other files stamped, f2.txt as it was"
  chmod a-w "$files/f2.txt"
  key F5
  expect_result_box エラー
  key Return
  wait_gone "$WIN"
  expect_times "$(local_epoch '2002-03-04 05:06:08')" "$files/f1.txt"
  expect_times "$(local_epoch '2002-03-04 05:06:12')" "$files/f3.txt"
  expect_times "$(local_epoch '2019-01-01 00:00:00')" "$files/f2.txt"

  step "make the settings file read-only and close: one error box, then the program ends"
  cp "$ini" "$E2E_WORK/ini-before"
  chmod a-w "$ini"
  key alt+F4
  expect_error_box
  key Return
  wait_exit
  expect_file "$ini" "$E2E_WORK/ini-before"
else
  step "skipped: read-only files (Wine runs as root here, for whom nothing is read-only)"
  key alt+F4
  wait_exit
fi
