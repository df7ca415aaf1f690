#!/usr/bin/env bash
# Names that the code page cannot write (each one's best-fit look-alike is another file of the
# folder, or lies outside it) and a tree more than 400 bytes deep, named on the command line:
# every row names a file of its own inside the folder, Update (F5) gives every file the date
# its row showed and touches nothing outside the tree, and the deep file is stamped.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
lists="$E2E_WORK/lists"
mkdir -p "$tree/t/a" "$tree/t/dé" "$lists"
names=(a/b.txt 'a¥b.txt' cafe.txt café.txt 'x～.txt' 'x〜.txt' '😀.txt' '..¥victim.txt')
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
for level in a b c d e f g h i; do path="$path/$(printf "$level%.0s" {1..48})"; done
mkdir -p "$path"
printf 'deep' >"$path/deep.txt"
set_time "$path/deep.txt" '2006-06-06 06:06:06'
set_time "$tree/t/a" '2005-03-04 09:00:00'
set_time "$tree/t/dé" '2005-03-04 09:01:00'
set_time "$tree/t" '2005-03-04 09:02:00'
own "$tree" "$lists"
install_app app
watch "$lists/rows.txt"

T=$(winpath "$tree")
step "start with the folder and the deep tree on the command line; save the rows"
start_app "$T\\t" "$(winpath "$deep")"
wait_rows 22
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/rows.txt"
wait_file "$lists/rows.txt"
paths=$(iconv -f CP932 -t UTF-8 "$lists/rows.txt" | sed 's/^"[^"]*","\([^"]*\)".*/\1/')
[ "$(wc -l <<<"$paths")" -eq 22 ] || fail "$(wc -l <<<"$paths") rows, not 22 (11 in the folder, 11 in the deep tree)"
[ -z "$(sort <<<"$paths" | uniq -di)" ] || fail "a path is listed twice: $(sort <<<"$paths" | uniq -di)"
if grep -v -F -e "$T\\t" -e "$(winpath "$deep")" <<<"$paths"; then fail "a row lies outside the tree"; fi
if grep -F '\..\' <<<"$paths"; then fail "a row climbs out of its folder"; fi

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
