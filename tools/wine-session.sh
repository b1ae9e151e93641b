# Sourced by the scripts that run Windows programs: a throwaway Wine prefix and an Xvfb display for this
# run only, both removed again when the calling script exits.
#   wine_session_start   creates the prefix, starts the display and warms Wine up
#   wine_session_stop    stops Wine and the display and removes the prefix (also run on exit)
# With WINE_SESSION_MONITORS=right (or left) the display is two monitors instead, from Xorg's dummy driver
# (tools/two-monitors.conf, run as root): the 1280 x 1024 primary and a 1024 x 768 monitor right (or left) of it.

WINE_SESSION_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

wine_session_start() {
  WINE_SESSION_DIR=$(mktemp -d /tmp/plumora-wine.XXXXXX)
  export WINEPREFIX="$WINE_SESSION_DIR/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  trap wine_session_stop EXIT

  # The server picks a free display and writes its number to the descriptor we give it.
  exec {display_fd}<> <(:)
  case "${WINE_SESSION_MONITORS:-}" in
    "") Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & ;;
    right | left)
      local side=RightOf
      [ "$WINE_SESSION_MONITORS" = right ] || side=LeftOf
      sed "s/\"RightOf\"/\"$side\"/" "$(dirname "${BASH_SOURCE[0]}")/two-monitors.conf" >"$WINE_SESSION_DIR/xorg.conf"
      Xorg -displayfd "$display_fd" -config "$WINE_SESSION_DIR/xorg.conf" -noreset -nolisten tcp -novtswitch \
        -sharevts -logfile "$WINE_SESSION_DIR/xorg.log" </dev/null >/dev/null 2>&1 & ;;
    *) echo "WINE_SESSION_MONITORS must be right or left" >&2; return 1 ;;
  esac
  WINE_SESSION_XVFB=$!
  local number=""
  read -r -t 20 -u "$display_fd" number || true
  exec {display_fd}>&-
  if [ -z "$number" ]; then echo "the X server did not start" >&2; return 1; fi
  export DISPLAY=":$number"

  # The wine server and its background services must not inherit a pipe, or whoever reads that pipe (CTest)
  # waits forever: start them here, persistent and with /dev/null, before any test runs.
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  timeout 120 wineboot -i </dev/null >/dev/null 2>&1
  # The prefix's settings, imported at once:
  # - A crashing program must end, not wait in a crash dialog.
  # - The display has no window manager, so Wine draws the window frames (caption, close button) itself.
  # - WORKAROUND: Wine hands a window with a caption or a full-screen popup to the window manager and waits
  #   up to 2 s for it to confirm every map and unmap. With no manager on the display, each render window,
  #   dialog and message box of a test program would cost those 2 s when it comes and again when it goes.
  #   The test programs drive their windows with messages, so Wine places and removes their windows itself
  #   (per program, under AppDefaults); the real Plumora.scr, which the end-to-end tests reach with X key
  #   events, stays managed as on a desktop.
  # - Wine says it is Windows 7. The full-screen test program is told Windows 10, so that the display's state
  #   reaches it as today's Windows reports it, per session.
  local settings="$WINE_SESSION_DIR/settings.reg" program
  {
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n'
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Decorated"="N"\n'
    for program in "$WINE_SESSION_ROOT"/build/windows/tests/*.exe; do
      [ -e "$program" ] || continue
      printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\X11 Driver]\n"Managed"="N"\n' \
        "$(basename "$program")"
    done
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\full_screen_tests.exe]\n"Version"="win10"\n'
  } >"$settings"
  timeout 30 wine reg import "Z:${settings//\//\\}" </dev/null >/dev/null 2>&1
  timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # WORKAROUND: Wine closes the desktop a moment after the last program on it ends, and every program started
  # after that waited 10-15 s for it to be made again (a test program of 2 s took 17). One program stays
  # for the whole session so that the desktop does: a console that reads a pipe nobody writes to, ended
  # with the rest by wine_session_stop.
  mkfifo "$WINE_SESSION_DIR/keeper"
  wine cmd.exe <>"$WINE_SESSION_DIR/keeper" >/dev/null 2>&1 &
}

wine_session_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null || true
  [ -n "${WINE_SESSION_DIR:-}" ] && rm -rf "$WINE_SESSION_DIR"
  WINE_SESSION_XVFB="" WINE_SESSION_DIR=""
}
