# shellcheck shell=bash
# Wine prefixes and Xvfb displays for running the Windows builds on Linux.
# Source scripts/lib/common.sh first.
#
#   wine_init PREFIX USER [HOME]   # choose the prefix and the user that runs Wine in it
#   wine_prefix_ensure MANAGED     # create the prefix once (10-20 s); MANAGED is Y or N
#   xvfb_start 1024x768x24         # a private X server on a free display; sets DISPLAY
#   wine_run COMMAND...            # run a command in the prefix's clean environment
#   wine_exec COMMAND...           # the same, replacing the shell (for background runs)
#   wine_stop                      # end the prefix's wineserver and everything in it
#   xvfb_stop
#
# The environment of every Wine process is built from scratch (env -i): the variables
# below, DISPLAY, and nothing else of the caller's, so that runs are the same everywhere.

WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine # 32-bit loader, from wine32 of the i386 architecture (when installed)
WINESERVER=/usr/lib/wine/wineserver
WINE_LOCALE=ja_JP.UTF-8 # Wine takes the ANSI code page from it: 932 (en_US.UTF-8: 1252)
WINE_TZ=Asia/Tokyo      # empty: the system's time zone
# No Mono or Gecko installers when a prefix is created, no menu entries in the user's desktop.
WINE_DLL_OVERRIDES='mscoree,mshtml,winemenubuilder.exe=d'

WINE_PREFIX=
WINE_AS=()     # the command that switches to the Wine user (empty: this user)
WINE_UID=
WINE_GID=
WINE_HOME=
WINE_USER=
WINE_EXTRA_ENV=() # NAME=VALUE pairs added to the Wine environment (DISPLAY, XAUTHORITY...)

# wine_init PREFIX USER [HOME]: USER is "self" or a numeric uid (run through setpriv, which
# needs root). HOME defaults to the caller's for "self"; Wine links the Windows user's
# Desktop, Documents and other folders to it when it creates the prefix.
wine_init() {
  WINE_PREFIX=$1
  local user=$2
  if [ "$user" = self ] || [ "$user" = "$(id -u)" ]; then
    WINE_AS=()
    WINE_UID=$(id -u)
    WINE_GID=$(id -g)
    WINE_HOME=${3:-${HOME:-/tmp}}
    WINE_USER=$(id -un 2>/dev/null || echo "user$WINE_UID")
  else
    WINE_UID=$user
    WINE_GID=$(getent passwd "$user" | cut -d: -f4)
    WINE_GID=${WINE_GID:-$user}
    WINE_AS=(setpriv --reuid="$WINE_UID" --regid="$WINE_GID" --clear-groups)
    WINE_HOME=${3:?wine_init: a home folder is needed for another user}
    WINE_USER=$(getent passwd "$user" | cut -d: -f1)
    WINE_USER=${WINE_USER:-user$WINE_UID}
  fi
}

# wine_env: the environment of the Wine processes, one NAME=VALUE a line.
wine_env() {
  printf '%s\n' \
    "PATH=/usr/local/bin:/usr/bin:/bin" \
    "HOME=$WINE_HOME" "USER=$WINE_USER" "LOGNAME=$WINE_USER" \
    "LANG=$WINE_LOCALE" "LC_ALL=$WINE_LOCALE" \
    "WINEPREFIX=$WINE_PREFIX" "WINEARCH=win64" "WINEDEBUG=-all" \
    "WINEDLLOVERRIDES=$WINE_DLL_OVERRIDES" \
    "${WINE_EXTRA_ENV[@]}"
  [ -z "$WINE_TZ" ] || printf '%s\n' "TZ=$WINE_TZ"
}

# wine_exec COMMAND...: replaces the shell with COMMAND, run as the Wine user in the Wine
# environment, with the script's locks closed (the first Wine process starts the wineserver
# daemon, which must not hold them). In the background: ( wine_exec ... ) & pid=$!
wine_exec() {
  local env=()
  mapfile -t env < <(wine_env)
  without_locks "${WINE_AS[@]}" env -i "${env[@]}" "$@"
}

# wine_run COMMAND...: wine_exec in a subshell; returns COMMAND's status.
wine_run() { (wine_exec "$@"); }

# as_wine_user COMMAND...: runs COMMAND as the Wine user, in the caller's environment.
as_wine_user() { "${WINE_AS[@]}" "$@"; }

# wine_stop: ends the wineserver of the prefix with every process in it, and waits for it.
wine_stop() {
  [ -n "$WINE_PREFIX" ] && [ -d "$WINE_PREFIX" ] || return 0
  wine_run "$WINESERVER" -k >/dev/null 2>&1 || true
  wine_run "$WINESERVER" -w >/dev/null 2>&1 || true
}

# wine_prefix_signature: what a prefix was made for: the Wine packages (a prefix takes its
# fonts from fonts-wine when it is made), the user, the home.
wine_prefix_signature() {
  local packages
  packages=$(dpkg-query -W -f='${Package}=${Version} ' libwine wine64 wine32 fonts-wine 2>/dev/null || true)
  printf '%suid=%s home=%s\n' "$packages" "$WINE_UID" "$WINE_HOME"
}

# wine_prefix_ready: the prefix was finished, for this Wine, user and home.
wine_prefix_ready() {
  [ -f "$WINE_PREFIX/system.reg" ] && [ "$(stat -c %u "$WINE_PREFIX")" = "$WINE_UID" ] &&
    [ "$(cat "$WINE_PREFIX/.horodex-prefix" 2>/dev/null)" = "$(wine_prefix_signature)" ]
}

# The date formats of Windows' locales where Wine's own differ, set as the user's regional
# settings of a prefix of that locale: ja-JP ("yyyy/M/d" and "yyyy年M月d日dddd" in Wine) and
# de-DE ("d.M.yyyy").
WINE_SHORT_DATE='yyyy/MM/dd'
WINE_LONG_DATE="yyyy'年'M'月'd'日'"
WINE_GERMAN_SHORT_DATE='dd.MM.yyyy'

# wine_regional: the regional values of the prefix's locale, one "NAME VALUE" a line.
wine_regional() {
  case "$WINE_LOCALE" in
    ja_JP*) printf '%s %s\n' sShortDate "$WINE_SHORT_DATE" sLongDate "$WINE_LONG_DATE" ;;
    de_DE*) printf '%s %s\n' sShortDate "$WINE_GERMAN_SHORT_DATE" ;;
  esac
}

# wine_japanese: the prefix runs in a Japanese locale (code page 932).
wine_japanese() { [[ $WINE_LOCALE == ja_JP* ]]; }

# The user-interface fonts of a prefix in another locale, which have no Japanese glyphs:
# linked to IPAGothic there, as Windows links its CJK fonts to them, so that screenshots show
# the Japanese texts (they read back right by message either way).
WINE_LINKED_FONTS=(Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' 'Segoe UI')

# wine_prefix_settings Y|N: the registry values the prefix runs with, written when they
# differ from those it has (remembered in .horodex-settings):
# - X11 Driver Managed: whether the window manager decorates and places Wine's windows.
#   Under a bare X server there is none, and a managed window costs Wine a two-second wait
#   each time one is hidden or closed: N there. Y on a desktop.
# - Control Panel\International: the date formats of Windows (wine_regional).
# - Other locales than Japanese get the font links above.
wine_prefix_settings() {
  local managed=$1 want have name value face
  want="managed=$managed locale=$WINE_LOCALE $(wine_regional | paste -sd' ')"
  have=$(cat "$WINE_PREFIX/.horodex-settings" 2>/dev/null || true)
  [ "$have" != "$want" ] || return 0
  local failed=0
  wine_run "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f \
    >/dev/null 2>&1 </dev/null || failed=1
  while read -r name value; do
    wine_run "$WINE64" reg add 'HKCU\Control Panel\International' /v "$name" /t REG_SZ \
      /d "$value" /f >/dev/null 2>&1 </dev/null || failed=1
  done < <(wine_regional)
  if ! wine_japanese; then
    for face in "${WINE_LINKED_FONTS[@]}"; do
      wine_run "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1 </dev/null || failed=1
    done
  fi
  [ "$failed" -eq 0 ] || die "could not write the registry settings of $WINE_PREFIX"
  printf '%s\n' "$want" >"$WINE_PREFIX/.horodex-settings"
}

# wine_prefix_ensure MANAGED: creates the prefix when it is missing, unfinished or owned by
# someone else, and writes its registry settings. Hold the prefix's lock (lock_file) around it.
wine_prefix_ensure() {
  local managed=$1
  if ! wine_prefix_ready; then
    local start=$SECONDS
    note "creating the Wine prefix ${WINE_PREFIX#"$HORODEX_ROOT"/}..."
    if [ -e "$WINE_PREFIX" ]; then
      wine_stop
      rm -rf "$WINE_PREFIX" || die "cannot remove $WINE_PREFIX (it belongs to another user?)"
    fi
    mkdir -p "$WINE_PREFIX" "$WINE_HOME"
    if [ "${#WINE_AS[@]}" -gt 0 ]; then
      chown "$WINE_UID:$WINE_GID" "$WINE_PREFIX" "$WINE_HOME"
    fi
    local log="$HORODEX_LOGS/wineprefix.log"
    mkdir -p "$HORODEX_LOGS"
    # Created without a display: wineboot needs none.
    local saved_env=("${WINE_EXTRA_ENV[@]}")
    WINE_EXTRA_ENV=()
    if ! { wine_run "$WINE64" wineboot --init && wine_run "$WINESERVER" -w; } >"$log" 2>&1 </dev/null; then
      WINE_EXTRA_ENV=("${saved_env[@]}")
      cat "$log"
      die "wineboot failed for $WINE_PREFIX"
    fi
    rm -f "$WINE_PREFIX/.horodex-settings"
    wine_prefix_settings "$managed"
    wine_run "$WINESERVER" -w >/dev/null 2>&1 || true
    WINE_EXTRA_ENV=("${saved_env[@]}")
    if ! grep -q '^"Managed"="'"$managed"'"' "$WINE_PREFIX/user.reg" ||
      { [ -n "$(wine_regional)" ] &&
        ! grep -qF "\"sShortDate\"=\"$(wine_regional | sed -n 's/^sShortDate //p')\"" "$WINE_PREFIX/user.reg"; }; then
      die "the Wine prefix $WINE_PREFIX did not keep its registry settings"
    fi
    wine_prefix_signature >"$WINE_PREFIX/.horodex-prefix"
    note "Wine prefix ready in $(elapsed_since "$start") s"
  else
    wine_prefix_settings "$managed"
  fi
}

# windows_path PATH: PATH as the Windows programs see it. Paths that already look like
# Windows paths (C:\..., C:/..., \\server\...) are given back as they are.
windows_path() {
  local p=$1
  case "$p" in
    [A-Za-z]:[\\/]* | [A-Za-z]: | \\\\*) printf '%s\n' "$p" ;;
    *)
      local abs
      abs=$(realpath -m -- "$p")
      wine_run "$WINE64" winepath.exe -w "$abs" 2>/dev/null | tr -d '\r'
      ;;
  esac
}

XVFB_PID=
XVFB_DISPLAY=

# xvfb_start GEOMETRY: starts a private X server (no TCP, any local user may connect) on the
# first free display from :99 on, waits until it answers, and exports DISPLAY.
xvfb_start() {
  local geometry=$1 n log="$HORODEX_LOGS/xvfb.log"
  mkdir -p "$HORODEX_LOGS"
  for ((n = 99; n < 199; n++)); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    (without_locks Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp -noreset >"$log" 2>&1 </dev/null) &
    XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
      if ! kill -0 "$XVFB_PID" 2>/dev/null; then
        break # another server took the display first: try the next one
      fi
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        XVFB_DISPLAY=":$n"
        export DISPLAY=$XVFB_DISPLAY
        return 0
      fi
      sleep 0.1
    done
    xvfb_stop
  done
  die "could not start Xvfb (see ${log#"$HORODEX_ROOT"/})"
}

xvfb_stop() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  XVFB_PID=
  XVFB_DISPLAY=
}
