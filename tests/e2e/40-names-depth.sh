#!/usr/bin/env bash
# Names beyond the code page (the wave dash, é, emoji, Hangul, ¥ as U+00A5 beside a folder
# that its look-alike would name) and a tree more than 400 bytes deep, named on the command
# line: every name is listed as itself, in a list saved as UTF-8 after the mark; Update (F5)
# gives every file the date its row showed and touches nothing else; Save, then Open in a new
# window gives the same rows. A list of code page 932 names, written by the previous version,
# is sorted by path in the code page's order and saved byte for byte as that version saved it.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
lists="$E2E_WORK/lists"
mkdir -p "$tree/t/a" "$lists"
names=('メモ〜.txt' 'Beyoncé.mp3' 'emoji😀.txt' '한글.txt' 'a¥b.txt' a/b.txt 'x～.txt' '..¥victim.txt')
minute=10
for name in "${names[@]}"; do
  printf '%s' "$name" >"$tree/t/$name"
  set_time "$tree/t/$name" "2005-03-04 10:$minute:00"
  minute=$((minute + 1))
done
printf 'victim' >"$tree/victim.txt"
set_time "$tree/victim.txt" '2001-01-01 00:00:00'
deep="$tree/deep"
path=$deep
minute=10
for level in a b c d e f g h i; do
  path="$path/$(printf "$level%.0s" {1..48})"
  mkdir -p "$path"
done
printf 'deep' >"$path/deep.txt"
set_time "$path/deep.txt" '2006-06-06 06:06:06'
for level in a b c d e f g h i; do
  set_time "$path" "2006-06-06 05:$minute:00"
  path=${path%/*}
  minute=$((minute + 1))
done
path="$deep/$(printf 'a%.0s' {1..48})"
for level in b c d e f g h i; do path="$path/$(printf "$level%.0s" {1..48})"; done
set_time "$tree/t/a" '2005-03-04 09:00:00'
set_time "$tree/t" '2005-03-04 09:02:00'
cp "$HORODEX_ROOT/tests/e2e/fixtures/cp932-by-path.txt" "$lists/cp932.txt"
own "$tree" "$lists"
install_app app
watch "$lists/rows.txt" "$lists/again.txt" "$lists/by-path.txt"

T=$(winpath "$tree")
# paths FILE: the paths of a list file's rows (after the mark), sorted.
paths() { tail -c +4 "$1" | tr -d '\r' | sed 's/^"[^"]*","\([^"]*\)".*/\1/' | LC_ALL=C sort; }

step "start with the folder and the deep tree on the command line; save the rows"
start_app "$T\\t" "$(winpath "$deep")"
wait_rows 21
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/rows.txt"
wait_file "$lists/rows.txt"
[ "$(head -c 3 "$lists/rows.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  fail "rows.txt does not start with the UTF-8 mark"
{
  printf '%s\n' "$T\\t" "$T\\t\\a"
  for name in "${names[@]}"; do printf '%s\n' "$T\\t\\${name//\//\\}"; done
  p="$deep"
  printf '%s\n' "$(winpath "$p")"
  for level in a b c d e f g h i; do
    p="$p/$(printf "$level%.0s" {1..48})"
    printf '%s\n' "$(winpath "$p")"
  done
  printf '%s\n' "$(winpath "$p/deep.txt")"
} | LC_ALL=C sort >"$E2E_WORK/expected-paths.txt"
paths "$lists/rows.txt" >"$E2E_WORK/paths.txt"
cmp -s "$E2E_WORK/paths.txt" "$E2E_WORK/expected-paths.txt" ||
  fail "the rows are not the names as themselves: $(diff "$E2E_WORK/expected-paths.txt" "$E2E_WORK/paths.txt" | tr '\n' ' ')"

step "update (F5): SUCCESS, and every file keeps the date its row showed"
key F5
expect_result_box 情報
key Return
wait_gone "$WIN"
minute=10
for name in "${names[@]}"; do
  expect_times "$(local_epoch "2005-03-04 10:$minute:00")" "$tree/t/$name"
  minute=$((minute + 1))
done
[ "$(stat -c %Y "$tree/victim.txt")" = "$(local_epoch '2001-01-01 00:00:00')" ] ||
  fail "the file outside the tree was stamped"
expect_times "$(local_epoch '2006-06-06 06:06:06')" "$path/deep.txt"
key alt+F4
wait_exit

step "open the saved rows in a new window and save them again: the same file"
start_app
key ctrl+o
answer_file_dialog "$OPEN_DIALOG" "$lists/rows.txt"
wait_status '21 個のオブジェクト' # a key pressed while the list loads is dropped
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/again.txt"
wait_file "$lists/again.txt"
expect_file "$lists/again.txt" "$lists/rows.txt"
key alt+F4
wait_exit

step "a list of code page 932 names: sorted by path in its order, saved byte for byte"
start_app
key ctrl+o
answer_file_dialog "$OPEN_DIALOG" "$lists/cp932.txt"
wait_status '10 個のオブジェクト'
click "$PATH_HEADER_X" "$HEADER_Y"
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/by-path.txt"
wait_file "$lists/by-path.txt"
expect_file "$lists/by-path.txt" "$lists/cp932.txt"
key alt+F4
wait_exit
