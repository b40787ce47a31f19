# Sourced by the scripts that run Tagwright under Wine. Sets up, once per build
# folder, a private Wine prefix made under a generated zh_CN.UTF-8 locale (so
# Wine runs with code page 936 and Chinese fonts), and an Xvfb display when
# none is set. Every Wine call goes through `wine_timeout`, because a crash
# starts winedbg, which waits forever.
#
# In:  TAGWRIGHT_MINGW_BUILD  the mingw build folder (default: build/mingw)
# Out: WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES, LOCPATH, LANG, DISPLAY;
#      functions wine_timeout SECONDS EXE ARGS..., wine_env_cleanup,
#      wine_env_dpi_prefix DPI.

wine_env_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
wine_env_build="${TAGWRIGHT_MINGW_BUILD:-$wine_env_root/build/mingw}"
mkdir -p "$wine_env_build"
wine_env_build="$(cd "$wine_env_build" && pwd)"

export WINEPREFIX="$wine_env_build/wineprefix"
export WINEDEBUG=-all
# No Gecko or Mono download prompts: the web view falls back to its own text.
export WINEDLLOVERRIDES="mshtml=d;mscoree=d"
export WINEARCH=win64

# A generated Chinese locale; LANG alone is ignored when it is not installed.
wine_env_locales="$wine_env_build/locale"
if [ ! -d "$wine_env_locales/zh_CN.UTF-8" ]; then
  mkdir -p "$wine_env_locales"
  localedef -i zh_CN -f UTF-8 "$wine_env_locales/zh_CN.UTF-8" >/dev/null 2>&1 ||
    [ -d "$wine_env_locales/zh_CN.UTF-8" ] ||
    { echo "wine-env: cannot generate the zh_CN.UTF-8 locale" >&2; return 1; }
fi
export LOCPATH="$wine_env_locales"
export LANG=zh_CN.UTF-8
unset LC_ALL LC_CTYPE LC_MESSAGES 2>/dev/null

wine_env_xvfb_pid=""

# Runs a Wine program, killed after SECONDS.
wine_timeout() {
  local seconds="$1"
  shift
  timeout --kill-after=5 "$seconds" wine "$@"
}

wine_env_cleanup() {
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  if [ -n "$wine_env_xvfb_pid" ]; then
    # Xvfb may miss a TERM that arrives while it is still starting.
    kill "$wine_env_xvfb_pid" 2>/dev/null || true
    for _ in $(seq 20); do
      kill -0 "$wine_env_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$wine_env_xvfb_pid" 2>/dev/null || true
    wait "$wine_env_xvfb_pid" 2>/dev/null || true
    wine_env_xvfb_pid=""
  fi
}

# An Xvfb on the first free display from :90 on, when no display is set.
if [ -z "${DISPLAY:-}" ]; then
  wine_env_display=90
  while [ -e "/tmp/.X11-unix/X$wine_env_display" ] || [ -e "/tmp/.X$wine_env_display-lock" ]; do
    wine_env_display=$((wine_env_display + 1))
  done
  Xvfb ":$wine_env_display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  wine_env_xvfb_pid=$!
  export DISPLAY=":$wine_env_display"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$wine_env_display" ] && break
    sleep 0.1
  done
fi

# The prefix, made once under the Chinese locale.
if [ ! -f "$WINEPREFIX/.tagwright-ready" ]; then
  echo "wine-env: creating the Wine prefix in $WINEPREFIX (takes a minute)" >&2
  rm -rf "$WINEPREFIX"
  timeout --kill-after=5 300 wineboot --init >/dev/null 2>&1 || true
  timeout 120 wineserver -w || true
  [ -d "$WINEPREFIX/drive_c/windows" ] ||
    { echo "wine-env: wineboot did not create the prefix" >&2; return 1; }
  # Without a window manager, hiding a window takes 2 s unless Wine manages
  # its own windows.
  wine_timeout 60 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine_env_fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$wine_env_fonts"
  # The caption buttons' glyphs, and the Chinese font.
  [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$wine_env_fonts/"
  for f in /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
    [ -f "$f" ] && cp "$f" "$wine_env_fonts/"
  done
  timeout 120 wineserver -w || true
  touch "$WINEPREFIX/.tagwright-ready"
fi

wine_env_base_prefix="$WINEPREFIX"

# Prints the path of a copy of the prefix whose display runs at DPI (LogPixels
# in HKCU\Control Panel\Desktop, read when a process starts), made once. The
# copy keeps the build's own prefix at 96 DPI, also for runs going on at the
# same time. Use it as WINEPREFIX for the run and end its wineserver after.
wine_env_dpi_prefix() {
  local dpi="$1" prefix="$wine_env_build/wineprefix-dpi$1"
  if [ ! -f "$prefix/.tagwright-dpi" ]; then
    echo "wine-env: copying the Wine prefix for $dpi DPI" >&2
    rm -rf "$prefix"
    cp -a "$wine_env_base_prefix" "$prefix"
    WINEPREFIX="$prefix" wine_timeout 60 reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
      /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
      { echo "wine-env: cannot set LogPixels in $prefix" >&2; return 1; }
    WINEPREFIX="$prefix" timeout 60 wineserver -w || true
    touch "$prefix/.tagwright-dpi"
  fi
  echo "$prefix"
}
