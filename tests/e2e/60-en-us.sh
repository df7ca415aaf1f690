#!/usr/bin/env bash
# locale: en_US.UTF-8
# The window on a system whose code page is not Japanese (en_US, code page 1252): a folder
# 旅行 of names from several scripts, named on the command line, is listed by the names
# themselves, a folder's kind reads "フォルダ", the date texts are in the en_US format, and
# the status line counts the rows in Japanese; Update gives every file its own row's date and
# says SUCCESS in the box "情報"; a date text that is no date gives the error box with its
# Japanese message. Menus cannot be read from another process: the menu bar and the File
# menu are compared with pictures of them (tests/e2e/expected).
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
folder="$tree/旅行"
mkdir -p "$folder"
names=('メモ〜.txt' 'Beyoncé.mp3' 'emoji😀.txt' '한글.txt')
times=('2005-03-04 10:11:12' '2005-03-04 15:00:00' '2005-12-31 00:00:00' '2005-03-04 00:30:02')
for i in "${!names[@]}"; do
  printf '%s' "${names[$i]}" >"$folder/${names[$i]}"
  set_time "$folder/${names[$i]}" "${times[$i]}"
done
set_time "$folder" '2004-01-02 13:14:16'
own "$tree"
install_app app

F=$(winpath "$folder")
# The rows as the en_US formats write their dates (M/d/yyyy h:mm:ss tt), in any order.
expected=$(
  printf '%s\t%s\t%s\n' \
    '1/2/2004 1:14:16 PM' "$F" 'フォルダ' \
    '3/4/2005 10:11:12 AM' "$F\\メモ〜.txt" 'txt' \
    '3/4/2005 3:00:00 PM' "$F\\Beyoncé.mp3" 'mp3' \
    '12/31/2005' "$F\\emoji😀.txt" 'txt' \
    '3/4/2005 12:30:02 AM' "$F\\한글.txt" 'txt' | LC_ALL=C sort
)

step "start with the folder 旅行 on the command line: its rows, their kinds and dates"
start_app "$F"
wait_status '5 個のオブジェクト'
rows=$(peek rows | LC_ALL=C sort)
if [ "$rows" != "$expected" ]; then
  printf '      expected rows:\n%s\n      shown rows:\n%s\n' "$expected" "$rows" | sed 's/^[^ ]/      | &/'
  fail "the rows are not the names themselves with their en_US dates"
fi

step "the menu bar and the File menu (alt+f) look as their pictures: the Japanese captions"
expect_picture en_US-menu-bar 0 23 330 18
open_menu alt+f
expect_picture en_US-file-menu 3 40 206 90
key Escape Escape
wait_until "$E2E_WAIT" "end of the menu" _untitled_at_most "$E2E_UNTITLED"

step "update (F5): the box 情報 says SUCCESS, and every file keeps its date"
key F5
expect_result_box 情報
expect_box_text SUCCESS
key Return
wait_gone "$WIN"
for i in "${!names[@]}"; do
  expect_times "$(local_epoch "${times[$i]}")" "$folder/${names[$i]}"
done

step "edit the first row's date text to x (F2), update: the error box with its message"
click_row 1
key F2
wait_editor
type_text x
key Return
_a_row_is_x() { peek rows | cut -f 1 | grep -qx x; }
wait_until "$E2E_WAIT" "a row with the date text x" _a_row_is_x
key F5
expect_error_box
expect_box_text "'x' は日付または時刻ではありません."
key Return
wait_gone "$WIN"

key alt+F4
wait_exit
