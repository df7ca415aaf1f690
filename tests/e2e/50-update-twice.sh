#!/usr/bin/env bash
# A list file names one file twice, in two spellings, and a file that is gone: Update (F5)
# leaves the file with its later row's date whichever thread stamps it, says FAILURE and
# leaves the row that failed selected (Del takes it away, Ctrl+S saves the rest); 更新を元に
# 戻す (Alt+T, Z) gives both files their own times back, to the 100 ns.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
lists="$E2E_WORK/lists"
mkdir -p "$tree" "$lists"
printf 'a' >"$tree/a.txt"
printf 'b' >"$tree/b.txt"
set_time "$tree/a.txt" '2015-01-01 10:00:00.1234567'
set_time "$tree/b.txt" '2016-02-02 11:00:00.7654321'
own "$tree" "$lists"
install_app app
watch "$lists/rest.txt"

T=$(winpath "$tree")
line() { printf '"%s","%s","%s"\r\n' "$1" "$2" "$3"; }
{
  line '2001/01/01 1:00:00' "$T\\a.txt" txt
  line '2002/02/02 2:00:00' "$T\\b.txt" txt
  line '2003/03/03 3:00:00' "$T\\A.TXT" TXT
  line '2004/04/04 4:00:00' "$T\\gone.txt" txt
} >"$lists/twice.txt"
own "$lists/twice.txt"
times_of() { stat -c '%x|%y' "$@" | sed 's/\(\.[0-9]\{7\}\)[0-9]*/\1/g'; }
before=$(times_of "$tree/a.txt" "$tree/b.txt")

step "open the list (Ctrl+O); F5: FAILURE, a.txt has its later row's date"
start_app
key ctrl+o
answer_file_dialog "$OPEN_DIALOG" "$lists/twice.txt"
wait_rows 4
key F5
expect_result_box エラー
key Return
wait_gone "$WIN"
expect_times "$(local_epoch '2003-03-03 03:00:00')" "$tree/a.txt"
expect_times "$(local_epoch '2002-02-02 02:00:00')" "$tree/b.txt"

step "Del takes the row left selected away; Ctrl+S saves the three that were stamped"
key Delete
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/rest.txt"
wait_file "$lists/rest.txt"
head -n 3 "$lists/twice.txt" >"$E2E_WORK/expected-rest.txt"
expect_file "$lists/rest.txt" "$E2E_WORK/expected-rest.txt"

step "Alt+T, Z: both files have their own times back"
open_menu alt+t
choose z
expect_result_box 情報
key Return
wait_gone "$WIN"
after=$(times_of "$tree/a.txt" "$tree/b.txt")
[ "$after" = "$before" ] || fail "the times are not back: $after, not $before"
key alt+F4
wait_exit
