# Sourced by the wine harness and the demo: a private wine prefix for one build folder and an
# Xvfb display of its own (wine creates no window without one), both shut down on exit.
#   wine_session_start BUILD_DIR   sets WINEPREFIX, DISPLAY; boots the prefix; traps cleanup.

wine_session_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${wine_session_xvfb:-}" ]; then
    kill "$wine_session_xvfb" 2>/dev/null
    wait "$wine_session_xvfb" 2>/dev/null
  fi
  rm -f "${wine_session_dfile:-}"
  wine_session_xvfb=""
}

wine_session_start() {
  export WINEPREFIX="$1/wineprefix" WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset WINELOADERNOEXEC
  trap wine_session_cleanup EXIT
  trap 'wine_session_cleanup; exit 130' INT TERM

  # Xvfb chooses a free display and reports it, so parallel runs never collide and the
  # caller's DISPLAY is never used.
  wine_session_dfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$wine_session_dfile" </dev/null >/dev/null 2>&1 &
  wine_session_xvfb=$!
  local display="" _
  for _ in $(seq 100); do
    display=$(tr -dc 0-9 <"$wine_session_dfile")
    [ -n "$display" ] && break
    sleep 0.1
  done
  [ -n "$display" ] || { echo "wine: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$display"

  # Boot the prefix once (about 12 s when new) and keep one wineserver for the whole session,
  # so each program then starts in a fraction of a second.
  timeout 180 wine wineboot -i </dev/null >/dev/null 2>&1 || true
  # No window manager runs on this display: unmanaged windows spare wine its wait (up to two
  # seconds a window) for a manager to acknowledge that a window was hidden or destroyed.
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >/dev/null 2>&1 || true
  wineserver -p 2>/dev/null || true
}
