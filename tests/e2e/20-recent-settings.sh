#!/usr/bin/env bash
# Across restarts: a saved list file comes back in the Open button's drop-down and in File >
# 最近使ったファイル and loads from there, moving to the top; the toolbar and the status bar, hidden through the View menu, stay hidden at the next
# start and show again; the settings file keeps its keys in their order; a placement written
# into it by hand is restored when its window key is set.
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

tree="$E2E_WORK/tree"
lists="$E2E_WORK/lists"
mkdir -p "$tree" "$lists"
printf 'one' >"$tree/one.txt"
printf 'two' >"$tree/two.dat"
set_time "$tree/one.txt" '2011-01-02 03:04:06'
set_time "$tree/two.dat" '2012-05-06 07:08:10'
set_time "$tree" '2013-09-10 11:12:14'
own "$tree" "$lists"
install_app app
ini="$APP_DIR/horodex.ini"
watch "$ini" "$lists/list.txt" "$lists/copy.txt" "$lists/twice.txt"

# ini_text RECENT... : the settings file as the program writes it, with these recent files,
# the two bars and the window key as given in SHOW_*, and the window as it stands.
ini_text() {
  printf '%s\r\n' '[file]' 'max=4' '[recent]'
  local i=0 f
  for f in "$@"; do
    printf '%s=%s\r\n' "$i" "$(winpath "$f")"
    i=$((i + 1))
  done
  printf '%s\r\n' '[show]' "toolbar=$SHOW_TOOLBAR" "statusbar=$SHOW_STATUSBAR" "window=$SHOW_WINDOW" 'time=write' \
    '[window]' "left=$MAIN_X" "top=$MAIN_Y" "width=$MAIN_W" "height=$MAIN_H" \
    '[update]' 'creation=1' 'access=1' 'write=1' 'changed=0'
}

# bars_shot NAME: the strips of the window where the toolbar and the status bar lie (the
# status bar holds no text while the list is empty), once the window has stopped painting.
bars_shot() {
  settled_shot "$1-toolbar.png" 4 42 160 24
  settled_shot "$1-statusbar.png" 4 $((MAIN_H - 20)) $((MAIN_W - 30)) 14
}

step "first run: list a folder, save it (Ctrl+S), close with File > 終了"
start_app "$(winpath "$tree")"
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/list.txt"
wait_file "$lists/list.txt"
open_menu alt+f
choose x
wait_exit
SHOW_TOOLBAR=1 SHOW_STATUSBAR=1 SHOW_WINDOW=0
ini_text "$lists/list.txt" >"$E2E_WORK/expected-1.ini"
expect_file "$ini" "$E2E_WORK/expected-1.ini"

step "restart without paths; load the list file from the Open button's drop-down; save a copy"
start_app
bars_shot "$E2E_WORK/shown"
open_dropdown
choose 0
wait_rows 3
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/copy.txt"
wait_file "$lists/copy.txt"
expect_file "$lists/copy.txt" "$lists/list.txt"

step "load the first list file again from File > 最近使ったファイル: its rows twice; save them"
open_menu alt+f
open_submenu r
choose 1 # list.txt, below copy.txt
wait_rows 6
key ctrl+s
answer_file_dialog "$SAVE_DIALOG" "$lists/twice.txt"
wait_file "$lists/twice.txt"
# Loading adds to the rows; equal rows stand together in date order.
sed 'p' "$lists/list.txt" >"$E2E_WORK/expected-twice.txt"
expect_file "$lists/twice.txt" "$E2E_WORK/expected-twice.txt"

step "hide the toolbar and the status bar (View menu), close with File > 終了"
open_menu alt+v
choose t
open_menu alt+v
choose s
open_menu alt+f
choose x
wait_exit
SHOW_TOOLBAR=0 SHOW_STATUSBAR=0 SHOW_WINDOW=0
# list.txt went to the top when it was loaded from the menu, then twice.txt was saved.
ini_text "$lists/twice.txt" "$lists/list.txt" "$lists/copy.txt" >"$E2E_WORK/expected-2.ini"
expect_file "$ini" "$E2E_WORK/expected-2.ini"

step "restore the placement by hand in the settings file; restart: placed there, both bars hidden"
sed -i 's/^window=0\r$/window=1\r/; s/^left=.*\r$/left=120\r/; s/^top=.*\r$/top=60\r/' "$ini"
own "$ini"
start_app
[ "$MAIN_X,$MAIN_Y" = 120,60 ] || fail "the window is at $MAIN_X,$MAIN_Y, not at 120,60 as the settings file says"
bars_shot "$E2E_WORK/hidden"
for bar in toolbar statusbar; do
  n=$(pixels_differ "$E2E_WORK/shown-$bar.png" "$E2E_WORK/hidden-$bar.png")
  [ "$n" -gt 0 ] || fail "the $bar shows after the restart, although it was hidden ($E2E_WORK/hidden-$bar.png)"
done

step "show both again: they look as before; close with Alt+F4"
open_menu alt+v
choose t
open_menu alt+v
choose s
# The window repaints after the menu: wait until both strips look as they did at first.
_bars_as_shown() {
  shot_region "$E2E_WORK/again-toolbar.png" 4 42 160 24
  shot_region "$E2E_WORK/again-statusbar.png" 4 $((MAIN_H - 20)) $((MAIN_W - 30)) 14
  [ "$(pixels_differ "$E2E_WORK/shown-toolbar.png" "$E2E_WORK/again-toolbar.png")" = 0 ] &&
    [ "$(pixels_differ "$E2E_WORK/shown-statusbar.png" "$E2E_WORK/again-statusbar.png")" = 0 ]
}
wait_until "$E2E_WAIT" "toolbar and status bar shown as at first (see $E2E_WORK/again-*.png)" _bars_as_shown
key alt+F4
wait_exit
SHOW_TOOLBAR=1 SHOW_STATUSBAR=1 SHOW_WINDOW=1
ini_text "$lists/twice.txt" "$lists/list.txt" "$lists/copy.txt" >"$E2E_WORK/expected-3.ini"
expect_file "$ini" "$E2E_WORK/expected-3.ini"
