# shellcheck shell=bash
# shellcheck disable=SC2034 # the layout, the window's bounds and the dialogs' titles are for the scenarios
# Helpers of the end-to-end scenarios: start horodex.exe under Wine, act on it as a user does
# (keys, clicks, typing into its dialogs, closing it), wait for what a user would wait for (a
# window, a file, a file time, the program's end) and, on a failure, print what was there.
#
# A scenario is a bash script run by tests/e2e/run, which exports:
#   E2E_EXE      the horodex.exe under test          E2E_WORK   a fresh folder for the scenario
#   E2E_LOADER   the Wine loader that runs it        E2E_SHOTS  where failure screenshots go
#   E2E_PREFIX, E2E_UID, E2E_HOME  the Wine prefix and the user who runs Wine (self or a uid)
#   E2E_LOCALE   the locale Wine runs in         E2E_PEEK   horodex_peek.exe (tests/e2e/tools)
#   DISPLAY      the private X server
# A scenario runs in the Japanese locale unless a line "# locale: NAME" names another.
# It exits 0 when every check held, 77 when it could not run here, anything else on failure.
#
# Coordinates are relative to the main window's top-left corner: without a window manager
# Wine draws the frame itself, so the layout inside the window is fixed.

set -euo pipefail
# shellcheck source=scripts/lib/common.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
# shellcheck source=scripts/lib/wine.sh
. "$HORODEX_ROOT/scripts/lib/wine.sh"

: "${E2E_EXE:?}" "${E2E_WORK:?}" "${E2E_LOADER:?}" "${E2E_PREFIX:?}" "${E2E_UID:?}" "${DISPLAY:?}"
E2E_SHOTS=${E2E_SHOTS:-$E2E_WORK}
WINE_LOCALE=${E2E_LOCALE:-$WINE_LOCALE}
wine_init "$E2E_PREFIX" "$E2E_UID" "${E2E_HOME:-$E2E_PREFIX/home}"
WINE_EXTRA_ENV=("DISPLAY=$DISPLAY")

# How long a user would wait at most for each kind of state (seconds). Generous: the machine
# may be busy with other builds.
E2E_WAIT_WINDOW=${E2E_WAIT_WINDOW:-90}
E2E_WAIT=${E2E_WAIT:-45}

# The layout inside the main window (Wine's frame and metrics, the program's design).
TOOLBAR_Y=54         # centre of the toolbar buttons
OPEN_ARROW_X=37      # the drop-down arrow of the Open button
HEADER_Y=80          # the list's column headers, toolbar shown
ROW1_Y=96            # the first row, toolbar shown
ROW_HEIGHT=14
DATE_X=40            # inside the date column (a click elsewhere in a row selects nothing)
PATH_HEADER_X=240    # the "パス名" header

E2E_PID=          # the running program
MAIN_WIN=         # its main window (X window id) and position
MAIN_X=0
MAIN_Y=0
APP_DIR=          # the folder of the program copy in use (its settings file lies there)
APP_LOG=
E2E_STEP=
E2E_RUN=0         # how many times the program was started in this scenario
E2E_WATCHED=()    # files whose contents a failure report shows

# --- reporting -----------------------------------------------------------------------------

step() {
  E2E_STEP=$*
  printf '    - %s\n' "$*"
}

# watch FILE...: show these files when the scenario fails.
watch() { E2E_WATCHED+=("$@"); }

# list_text FILE [-c]: a list file as UTF-8 text: after its byte-order mark, or from code
# page 932 (failing on a byte that is no character, or, with -c, leaving it out).
list_text() {
  if [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ]; then
    tail -c +4 "$1"
  else
    iconv ${2:+"$2"} -f CP932 -t UTF-8 "$1"
  fi
}

# show_file FILE: the file as text (list_text, CR dropped).
show_file() {
  if [ -f "$1" ]; then
    printf '      --- %s (%s bytes) ---\n' "$1" "$(stat -c %s "$1")"
    list_text "$1" -c | tr -d '\r' | sed 's/^/      | /'
  else
    printf '      --- %s: missing\n' "$1"
  fi
}

# windows_present: every visible window with its name, position and size.
windows_present() {
  local w name geometry
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    name=$(xdotool getwindowname "$w" 2>/dev/null || true)
    geometry=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Position: \([0-9,-]*\).*/\1/p;s/.*Geometry: //p' | paste -sd' ')
    printf '      window %s "%s" at %s\n' "$w" "$name" "$geometry"
  done
}

# fail MESSAGE: reports what the scenario saw, ends the program and the scenario.
fail() {
  local shot
  printf '    FAILED at "%s": %s\n' "$E2E_STEP" "$*"
  mkdir -p "$E2E_SHOTS"
  shot="$E2E_SHOTS/$(basename "$0" .sh)-failure.png"
  if import -window root "$shot" 2>/dev/null; then printf '      screenshot: %s\n' "$shot"; fi
  printf '      windows present (keyboard focus in %s):\n' "$(xdotool getwindowfocus 2>/dev/null || echo none)"
  windows_present
  local f
  for f in "${E2E_WATCHED[@]}"; do show_file "$f"; done
  if [ -n "$APP_LOG" ] && [ -s "$APP_LOG" ]; then show_file "$APP_LOG"; fi
  stop_app
  exit 1
}

# --- waiting -------------------------------------------------------------------------------

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails
# the scenario with WHAT after SECONDS, or at once when the program ended unasked.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null; then
      fail "the program ended while waiting for $what"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "no $what after $seconds s"
    sleep 0.1
  done
}

# windows_named NAME: the visible windows whose title is exactly NAME, except the main window.
windows_named() {
  local w
  for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [ "$w" = "$MAIN_WIN" ] || echo "$w"
  done
}

E2E_FOUND=
_found_window() {
  E2E_FOUND=$(windows_named "$1" | head -n 1)
  [ -n "$E2E_FOUND" ]
}
_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
_visible() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }
_not_visible() { ! _visible "$1"; }

# wait_window NAME: waits for a window titled NAME (other than the main window) to show; sets
# WIN to it. Keys pressed from then on reach it: Wine hands them to the window that is active
# in the program, even where the X server's focus stayed on the main window (without a window
# manager it does not always follow a dialog).
wait_window() {
  wait_until "$E2E_WAIT" "window \"$1\"" _found_window "$1"
  WIN=$E2E_FOUND
}

# wait_gone WINDOW: waits until the window is no longer shown.
wait_gone() { wait_until "$E2E_WAIT" "end of window $1" _not_visible "$1"; }


# The probe beside the program (tests/e2e/probe.cpp): "rows=N editing=0|1" once the window
# is idle, that is its message loop takes what was queued; nothing while it is busy (a key
# pressed then would be thrown away).
E2E_PROBE=${E2E_PROBE:-$(dirname "$E2E_EXE")/horodex_e2e_probe.exe}
E2E_SEEN=
_probe() {
  E2E_SEEN=$(wine_run "$E2E_LOADER" "$E2E_PROBE" </dev/null 2>/dev/null | tr -d '\r') &&
    [ -n "$E2E_SEEN" ]
}
_idle_with() { _probe && [[ " $E2E_SEEN " == *" $1 "* ]]; }

# wait_idle: waits until the window is idle (its last command has ended).
wait_idle() { wait_until "$E2E_WAIT" "idle window" _probe; }
# wait_rows N: waits until the window is idle with N rows listed.
wait_rows() { wait_until "$E2E_WAIT" "$1 rows listed" _idle_with "rows=$1"; }
# wait_editing 1|0: waits until a row's date is being edited (1) or no longer (0).
wait_editing() { wait_until "$E2E_WAIT" "in-place editor $1" _idle_with "editing=$1"; }

# no_window NAME: checks that no window titled NAME is shown (besides the main window).
no_window() {
  [ -z "$(windows_named "$1")" ] || fail "an unexpected window \"$1\" is shown"
}

_file_is() { [ -f "$1" ] && cmp -s "$1" "$2"; }
_file_exists() { [ -f "$1" ]; }

# wait_file FILE: waits until FILE exists.
wait_file() { wait_until "$E2E_WAIT" "file $1" _file_exists "$1"; }

# --- acting --------------------------------------------------------------------------------

# key KEY...: key presses (xdotool names: ctrl+s, F2, Return, alt+F4).
key() { xdotool key --delay 60 "$@"; }

# type_text TEXT: types TEXT (ASCII) as a user does.
type_text() { xdotool type --delay 40 -- "$1"; }

# click X Y: a left click at X, Y of the main window; then the pointer moves out of the way.
click() {
  xdotool mousemove --sync $((MAIN_X + $1)) $((MAIN_Y + $2)) click 1
  xdotool mousemove --sync 1010 760
}

# click_row N: selects row N (from 1) by a click on its date text.
click_row() { click "$DATE_X" $((ROW1_Y + ($1 - 1) * ROW_HEIGHT)); }

# winpath PATH: the Windows name of a Linux path (drive Z: is the root folder).
winpath() {
  local p
  p=$(realpath -m -- "$1")
  printf 'Z:%s\n' "${p//\//\\}"
}

# as_user COMMAND...: runs COMMAND as the user who runs Wine (files the program must change
# belong to that user).
as_user() { as_wine_user "$@"; }

# own PATH...: gives PATH (recursively) to the user who runs Wine.
own() { [ "${#WINE_AS[@]}" -eq 0 ] || chown -R "$WINE_UID:$WINE_GID" "$@"; }

# can_make_read_only: whether a read-only file stops the program (not when Wine runs as root).
can_make_read_only() { [ "$WINE_UID" -ne 0 ]; }

# --- the program ---------------------------------------------------------------------------

# install_app NAME: a fresh copy of horodex.exe in $E2E_WORK/NAME (its settings file goes
# there too); makes it the copy that start_app runs.
install_app() {
  APP_DIR="$E2E_WORK/$1"
  mkdir -p "$APP_DIR"
  cp "$E2E_EXE" "$APP_DIR/horodex.exe"
  own "$APP_DIR"
  APP_LOG="$E2E_WORK/wine-$1.log"
}

# _main_window: the program's main window is shown (a window titled Horodex, larger than a
# message box).
_main_window() {
  local w width
  for w in $(xdotool search --onlyvisible --name '^Horodex$' 2>/dev/null); do
    width=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    if [ "${width:-0}" -ge 300 ]; then
      MAIN_WIN=$w
      return 0
    fi
  done
  return 1
}

# start_app ARG...: starts the installed copy with these command-line arguments, from its own
# folder, and waits until its main window is shown, has the keyboard focus and is idle (a long
# walk of the paths shows the window before the rows are listed).
start_app() {
  [ -z "$E2E_PID" ] || fail "start_app: the program is still running"
  E2E_RUN=$((E2E_RUN + 1))
  MAIN_WIN=
  (cd "$APP_DIR" && wine_exec "$E2E_LOADER" horodex.exe "$@" </dev/null >>"$APP_LOG" 2>&1) &
  E2E_PID=$!
  wait_until "$E2E_WAIT_WINDOW" "main window" _main_window
  wait_until "$E2E_WAIT" "keyboard focus in the main window" _focused "$MAIN_WIN"
  local geometry
  geometry=$(xdotool getwindowgeometry "$MAIN_WIN")
  MAIN_X=$(sed -n 's/.*Position: \([-0-9]*\),.*/\1/p' <<<"$geometry")
  MAIN_Y=$(sed -n 's/.*Position: [-0-9]*,\([-0-9]*\).*/\1/p' <<<"$geometry")
  MAIN_W=$(sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p' <<<"$geometry")
  MAIN_H=$(sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p' <<<"$geometry")
  wait_idle
}

_program_ended() { ! kill -0 "$E2E_PID" 2>/dev/null; }

# wait_exit: waits for the program to end and checks its exit code 0.
wait_exit() {
  wait_until "$E2E_WAIT" "end of the program" _program_ended
  local status=0
  wait "$E2E_PID" || status=$?
  E2E_PID=
  MAIN_WIN=
  [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
}

# stop_app: ends a program that is still running (after a failure).
stop_app() {
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
  fi
  E2E_PID=
}
trap stop_app EXIT

# --- what a user sees ------------------------------------------------------------------------

# shot_region FILE X Y W H: a screenshot of part of the main window.
shot_region() {
  import -window root -crop "$4x$5+$((MAIN_X + $2))+$((MAIN_Y + $3))" +repage "$1"
}

# settled_shot FILE X Y W H: shot_region once two shots in a row are the same (the window has
# finished painting that part).
_same_shot() {
  shot_region "$1.next.png" "${@:2}"
  if [ -f "$1" ] && [ "$(pixels_differ "$1" "$1.next.png")" = 0 ]; then
    rm -f "$1.next.png"
    return 0
  fi
  mv "$1.next.png" "$1"
  sleep 0.2
  return 1
}
settled_shot() {
  rm -f "$1"
  wait_until "$E2E_WAIT" "a still picture of the window at $2,$3 ($1)" _same_shot "$@"
}

# pixels_differ A B: the number of pixels in which two screenshots differ.
pixels_differ() {
  local n
  n=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  printf '%s\n' "${n%% *}"
}

# expect_picture NAME X Y W H: the part of the main window at X, Y (W x H), once it is still,
# looks as tests/e2e/expected/NAME.png (up to 1 % of its pixels: anti-aliasing). For what no
# other process can read back, such as menus. The shot is kept as $E2E_SHOTS/NAME.png.
expect_picture() {
  local name=$1 expected shot differ
  expected="$HORODEX_ROOT/tests/e2e/expected/$1.png"
  shot="$E2E_SHOTS/$name.png"
  mkdir -p "$E2E_SHOTS"
  settled_shot "$shot" "${@:2}"
  differ=$(pixels_differ "$shot" "$expected")
  if ! [[ $differ =~ ^[0-9]+$ ]] || [ "$differ" -gt $(($4 * $5 / 100)) ]; then
    fail "$shot differs from ${expected#"$HORODEX_ROOT"/} (pixels: ${differ:-all})"
  fi
}

# red_pixels WINDOW: how many strongly red pixels a window shows (the error icon has many,
# the information icon none).
red_pixels() {
  local file="$E2E_WORK/window-$1.png"
  import -window "$1" "$file"
  convert "$file" -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 && $3 + 0 > 160 && $4 + 0 < 90 && $5 + 0 < 90 { n++ } END { print n + 0 }'
}

# expect_error_box: an application error box (title "Horodex", error icon) is shown; sets WIN.
_error_icon() { [ "$(red_pixels "$1")" -ge 20 ]; }
expect_error_box() {
  wait_window Horodex
  # Waits for the box to be painted with its icon.
  wait_until "$E2E_WAIT" "error icon in the box titled Horodex (see $E2E_WORK/window-$WIN.png)" _error_icon "$WIN"
}

# peek WHAT: what the running program shows, read by message from another process
# (tests/e2e/tools/peek.cpp), as UTF-8: status (the status line), rows (one line per row, its
# cells joined by tabs), editor (the text in the in-place editor), box (the message box's
# title, a tab, its text). Fails when that is not shown.
peek() { wine_run "$E2E_LOADER" "$E2E_PEEK" "$1" 2>/dev/null; }

_status_is() { [ "$(peek status)" = "$1" ]; }
# wait_status TEXT: waits until the status line reads TEXT.
wait_status() { wait_until "$E2E_WAIT" "status line \"$1\"" _status_is "$1"; }

_editing() { peek editor >/dev/null; }
# wait_editor: waits until the in-place editor is open.
wait_editor() { wait_until "$E2E_WAIT" "in-place editor" _editing; }

# expect_box_text TEXT: the message box shown reads TEXT (its title is checked by waiting).
expect_box_text() {
  local shown
  shown=$(peek box | cut -f 2-) || fail "no message box to read"
  [ "$shown" = "$1" ] || fail "the box reads \"$shown\", not \"$1\""
}

# --- files ---------------------------------------------------------------------------------

# cp932 TEXT: TEXT (UTF-8) in code page 932, as the program writes it.
cp932() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }

# expect_file FILE EXPECTED_FILE: the two files hold the same bytes.
expect_file() {
  if ! cmp -s "$1" "$2"; then
    show_file "$2" | sed 's/^      ---/      --- expected:/'
    fail "$1 does not hold what was expected"
  fi
}

# local_epoch 'YYYY-MM-DD HH:MM:SS': seconds since 1970 of that time in the program's zone.
local_epoch() { TZ=${WINE_TZ:-UTC} date -d "$1" +%s; }

# set_time PATH 'YYYY-MM-DD HH:MM:SS': last-write and last-access time, in the program's zone.
set_time() { TZ=${WINE_TZ:-UTC} touch -h -d "$2" "$1"; }

# expect_times EPOCH PATH...: each path's last-write and last-access times are EPOCH.
expect_times() {
  local epoch=$1 p
  shift
  for p in "$@"; do
    [ "$(stat -c %Y "$p")" = "$epoch" ] ||
      fail "$p was last written at $(TZ=${WINE_TZ:-UTC} date -d "@$(stat -c %Y "$p")" '+%F %T'), not at $(TZ=${WINE_TZ:-UTC} date -d "@$epoch" '+%F %T')"
    [ "$(stat -c %X "$p")" = "$epoch" ] ||
      fail "$p was last accessed at $(TZ=${WINE_TZ:-UTC} date -d "@$(stat -c %X "$p")" '+%F %T'), not at $(TZ=${WINE_TZ:-UTC} date -d "@$epoch" '+%F %T')"
  done
}

# --- dialogs -------------------------------------------------------------------------------

# Wine's titles of the system's file dialogs in the locale.
if wine_japanese; then
  SAVE_DIALOG=名前を付けて保存
  OPEN_DIALOG=開く
else
  SAVE_DIALOG='Save As'
  OPEN_DIALOG=Open
fi

# answer_file_dialog TITLE PATH: in the open or save dialog that is showing (or about to),
# replaces the file name with PATH (a Linux path, typed as its Windows name) and confirms it.
answer_file_dialog() {
  wait_window "$1"
  local dialog=$WIN
  # The name box has the focus; select whatever it holds, then type over it.
  key End shift+Home
  type_text "$(winpath "$2")"
  key Return
  wait_gone "$dialog"
}

# expect_result_box TITLE: the box that ends Update is shown with TITLE (情報 for SUCCESS,
# エラー for FAILURE) and not the other one; sets WIN.
_result_box() {
  local other=$2
  [ -z "$(windows_named "$other")" ] || fail "a box \"$other\" is shown instead of \"$1\""
  _found_window "$1"
}
expect_result_box() {
  local other=エラー
  [ "$1" != エラー ] || other=情報
  wait_until "$E2E_WAIT" "box \"$1\"" _result_box "$1" "$other"
  WIN=$E2E_FOUND
}

# --- menus ---------------------------------------------------------------------------------

# A menu shows as a window of its own without a title. open_menu KEYS... presses KEYS (such as
# alt+v, or nothing after a click on the drop-down arrow) and waits until one more untitled
# window is shown than before.
_untitled_windows() {
  local w n=0
  for w in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do n=$((n + 1)); done
  echo "$n"
}
_more_untitled() { [ "$(_untitled_windows)" -gt "$1" ]; }
_untitled_at_most() { [ "$(_untitled_windows)" -le "$1" ]; }
E2E_UNTITLED=0
open_menu() {
  E2E_UNTITLED=$(_untitled_windows)
  [ $# -eq 0 ] || key "$@"
  wait_until "$E2E_WAIT" "menu" _more_untitled "$E2E_UNTITLED"
}
# open_dropdown: opens the drop-down menu of the Open button with a click on its arrow.
open_dropdown() {
  E2E_UNTITLED=$(_untitled_windows)
  click "$OPEN_ARROW_X" "$TOOLBAR_Y"
  wait_until "$E2E_WAIT" "drop-down menu" _more_untitled "$E2E_UNTITLED"
}
# open_submenu KEY: in an open menu, opens the submenu of the item with access key KEY.
open_submenu() {
  local before
  before=$(_untitled_windows)
  key "$1"
  wait_until "$E2E_WAIT" "submenu" _more_untitled "$before"
}
# choose KEY: presses an item's access key in the open menu and waits until the menu (with the
# menus it was opened from) is gone.
choose() {
  key "$1"
  wait_until "$E2E_WAIT" "end of the menu" _untitled_at_most "$E2E_UNTITLED"
}
