# shellcheck shell=bash
# Helpers shared by the scripts: messages, quiet steps with a log, locks, CMake presets.
# Source it from a script that runs with `set -euo pipefail`.

HORODEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# Where the builds, the Wine prefixes and the logs go. The presets put their builds in
# build/linux and build/windows; another folder builds the same presets there instead.
HORODEX_BUILD="${HORODEX_BUILD_DIR:-$HORODEX_ROOT/build}"
case "$HORODEX_BUILD" in /*) ;; *) HORODEX_BUILD="$HORODEX_ROOT/$HORODEX_BUILD" ;; esac
HORODEX_LOGS="$HORODEX_BUILD/logs"

step() { printf '==> %s\n' "$*"; }
note() { printf '    %s\n' "$*"; }
warn() { printf 'warning: %s\n' "$*" >&2; }
die() {
  printf 'error: %s\n' "$*" >&2
  exit 1
}

# Whole seconds since the script started.
elapsed_since() { echo $((SECONDS - $1)); }

# File descriptors of the locks this script holds. Long-lived children (Xvfb, wineserver)
# must not inherit them, or a lock would outlive the script: start them with without_locks.
HORODEX_LOCK_FDS=()

# lock_file FILE WHAT: takes an exclusive lock on FILE, saying what it waits for when
# another process holds it. The lock goes when the script ends.
lock_file() {
  local file=$1 what=$2 fd
  mkdir -p "$(dirname "$file")"
  exec {fd}>>"$file"
  if ! flock -n "$fd"; then
    note "waiting for $what (held by another run)..."
    flock "$fd"
  fi
  HORODEX_LOCK_FDS+=("$fd")
}

# without_locks COMMAND...: runs COMMAND (exec) with the lock descriptors closed.
# Use it in a subshell or as the last command of one: ( without_locks Xvfb ... ) &
without_locks() {
  local fd
  for fd in "${HORODEX_LOCK_FDS[@]}"; do
    eval "exec $fd>&-"
  done
  exec "$@"
}

# run_logged LOG COMMAND...: runs COMMAND with its output in LOG; on failure prints the end
# of the log and returns the command's status.
run_logged() {
  local log=$1 status=0
  shift
  mkdir -p "$(dirname "$log")"
  "$@" >"$log" 2>&1 </dev/null || status=$?
  if [ "$status" -ne 0 ]; then
    printf 'FAILED (exit %d): %s\n' "$status" "$*"
    local lines
    lines=$(wc -l <"$log")
    if [ "$lines" -gt 300 ]; then
      printf -- '--- last 300 of %d lines of %s ---\n' "$lines" "${log#"$HORODEX_ROOT"/}"
    else
      printf -- '--- %s ---\n' "${log#"$HORODEX_ROOT"/}"
    fi
    tail -n 300 "$log"
    printf -- '---\n'
  fi
  return "$status"
}

# preset_dir PRESET: the build folder of a CMake preset (linux, windows).
preset_dir() { printf '%s/%s\n' "$HORODEX_BUILD" "$1"; }

# build_preset PRESET [TARGET...]: configures and builds a preset quietly, holding the lock
# of its build folder. The output goes to build/logs/PRESET-*.log and shows only on failure.
build_preset() {
  local preset=$1
  shift
  local dir targets=() status=0
  dir=$(preset_dir "$preset")
  if [ $# -gt 0 ]; then targets=(--target "$@"); fi
  lock_file "$HORODEX_BUILD/.$preset.lock" "the build in ${dir#"$HORODEX_ROOT"/}"
  (
    cd "$HORODEX_ROOT"
    run_logged "$HORODEX_LOGS/$preset-configure.log" cmake --preset "$preset" -B "$dir" &&
      run_logged "$HORODEX_LOGS/$preset-build.log" cmake --build "$dir" "${targets[@]}"
  ) || status=$?
  unlock_last
  return "$status"
}

# unlock_last: releases the most recent lock taken by lock_file.
unlock_last() {
  local n=${#HORODEX_LOCK_FDS[@]}
  [ "$n" -gt 0 ] || return 0
  local fd=${HORODEX_LOCK_FDS[$((n - 1))]}
  eval "exec $fd>&-"
  unset "HORODEX_LOCK_FDS[$((n - 1))]"
  HORODEX_LOCK_FDS=("${HORODEX_LOCK_FDS[@]}")
}

# to_utf8: a filter that passes UTF-8 lines through and converts every other line from
# code page 932 (what the Windows programs print) to UTF-8. Drops carriage returns at line
# ends. Lines of plain ASCII cost no extra process.
to_utf8() {
  local LC_ALL=C line
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    if [[ $line == *[$'\x80'-$'\xff']* ]] && ! printf '%s' "$line" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1; then
      line=$(printf '%s' "$line" | iconv -c -f CP932 -t UTF-8 2>/dev/null || printf '%s' "$line")
    fi
    printf '%s\n' "$line"
  done
}

# resolve_test_user: who runs the test programs and the program under test, from
# HORODEX_TEST_USER: auto (default: nobody when run as root, since root passes every
# permission check and read-only files would not be read-only for it), self, or a numeric
# uid. Sets TEST_USER (self or a uid) and TEST_GID (empty for self).
resolve_test_user() {
  TEST_USER=${HORODEX_TEST_USER:-auto}
  if [ "$TEST_USER" = auto ]; then
    if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
      TEST_USER=$(id -u nobody 2>/dev/null || echo 65534)
    else
      TEST_USER=self
    fi
  fi
  case "$TEST_USER" in
    self | [0-9]*) ;;
    *) die "HORODEX_TEST_USER must be auto, self or a numeric uid" ;;
  esac
  [ "$TEST_USER" != "$(id -u)" ] || TEST_USER=self
  TEST_GID=
  if [ "$TEST_USER" != self ]; then
    TEST_GID=$(getent passwd "$TEST_USER" | cut -d: -f4 || true)
    TEST_GID=${TEST_GID:-$TEST_USER}
  fi
}

# test_user_folder DIR: a fresh, empty DIR owned by the test user. Falls back to the calling
# user (TEST_USER=self) when the test user cannot reach it.
test_user_folder() {
  rm -rf "$1"
  mkdir -p "$1"
  if [ "$TEST_USER" != self ]; then
    chown -R "$TEST_USER:$TEST_GID" "$1"
    if ! setpriv --reuid="$TEST_USER" --regid="$TEST_GID" --clear-groups test -w "$1"; then
      note "uid $TEST_USER cannot reach ${1}: the tests run as $(id -un)"
      TEST_USER=self
      TEST_GID=
    fi
  fi
}
