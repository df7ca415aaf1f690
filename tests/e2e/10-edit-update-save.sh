#!/usr/bin/env bash
# A folder named on the command line is listed; a header click sorts by path; a date is
# edited in place (F2, Enter) and copied to every row (Ctrl+R); Update (F5) stamps every file
# and folder and says SUCCESS; each state is saved (Ctrl+S, the save dialog) and checked in the
# list file; the window closes with Alt+F4 and the settings file names the three list files.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
lists="$E2E_WORK/lists"
mkdir -p "$tree/sub" "$lists"
printf 'a' >"$tree/a.txt"
printf 'b' >"$tree/B.log"
printf 'c' >"$tree/sub/c"
set_time "$tree/a.txt" '2020-03-04 05:06:08'
set_time "$tree/B.log" '2010-07-08 09:10:12'
set_time "$tree/sub/c" '2018-11-12 13:14:16'
set_time "$tree/sub" '2012-02-02 12:00:00'
set_time "$tree" '2015-01-01 10:00:00'
own "$tree" "$lists"
install_app app
ini="$APP_DIR/horodex.ini"
watch "$ini" "$lists/by-date.txt" "$lists/edited.txt" "$lists/replaced.txt"

T=$(winpath "$tree")
folder=$(cp932 フォルダ)
# line DATE PATH KIND: one line of a list file as the program writes it.
line() { printf '"%s","%s","%s"\r\n' "$1" "$2" "$3"; }

step "start with the folder on the command line"
start_app "$T"

step "save the rows, in date order, through the save dialog (Ctrl+S)"
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/by-date.txt"
wait_file "$lists/by-date.txt"
{
  line '2010/07/08 9:10:12' "$T\\B.log" log
  line '2012/02/02 12:00:00' "$T\\sub" "$folder"
  line '2015/01/01 10:00:00' "$T" "$folder"
  line '2018/11/12 13:14:16' "$T\\sub\\c" ''
  line '2020/03/04 5:06:08' "$T\\a.txt" txt
} >"$E2E_WORK/expected-by-date.txt"
expect_file "$lists/by-date.txt" "$E2E_WORK/expected-by-date.txt"

step "sort by path with a click on its header; edit the date of a.txt (F2, Enter); save"
click "$PATH_HEADER_X" "$HEADER_Y"
click_row 2 # tree\a.txt, in path order
key F2
wait_editing 1
type_text '2001/02/03 4:05:06'
key Return
wait_editing 0
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/edited.txt"
wait_file "$lists/edited.txt"
{
  line '2015/01/01 10:00:00' "$T" "$folder"
  line '2001/02/03 4:05:06' "$T\\a.txt" txt
  line '2010/07/08 9:10:12' "$T\\B.log" log
  line '2012/02/02 12:00:00' "$T\\sub" "$folder"
  line '2018/11/12 13:14:16' "$T\\sub\\c" ''
} >"$E2E_WORK/expected-edited.txt"
expect_file "$lists/edited.txt" "$E2E_WORK/expected-edited.txt"

step "copy the edited date to every row (Ctrl+R) and update (F5): SUCCESS, closed with Enter"
key ctrl+r
key F5
expect_result_box 情報
key Return
wait_gone "$WIN"
expect_times "$(local_epoch '2001-02-03 04:05:06')" "$tree" "$tree/a.txt" "$tree/B.log" "$tree/sub" "$tree/sub/c"

step "save the replaced rows"
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/replaced.txt"
wait_file "$lists/replaced.txt"
{
  line '2001/02/03 4:05:06' "$T" "$folder"
  line '2001/02/03 4:05:06' "$T\\a.txt" txt
  line '2001/02/03 4:05:06' "$T\\B.log" log
  line '2001/02/03 4:05:06' "$T\\sub" "$folder"
  line '2001/02/03 4:05:06' "$T\\sub\\c" ''
} >"$E2E_WORK/expected-replaced.txt"
expect_file "$lists/replaced.txt" "$E2E_WORK/expected-replaced.txt"

step "close with Alt+F4: the program ends and its settings file names the list files"
key alt+F4
wait_exit
{
  printf '%s\r\n' '[file]' 'max=4' '[recent]' \
    "0=$(winpath "$lists/replaced.txt")" "1=$(winpath "$lists/edited.txt")" \
    "2=$(winpath "$lists/by-date.txt")" \
    '[show]' 'toolbar=1' 'statusbar=1' 'window=0' 'time=write' \
    '[window]' "left=$MAIN_X" "top=$MAIN_Y" "width=$MAIN_W" "height=$MAIN_H" \
    '[update]' 'creation=1' 'access=1' 'write=1' 'changed=0'
} >"$E2E_WORK/expected.ini"
expect_file "$ini" "$E2E_WORK/expected.ini"
if [ "$MAIN_W" -ne 455 ] || [ "$MAIN_H" -ne 395 ]; then fail "the window is ${MAIN_W}x$MAIN_H, not 455x395"; fi
