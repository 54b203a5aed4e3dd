# Sourced by the run and test scripts: a private Wine prefix and, when no display is
# set, a private Xvfb. Wine's desktop is one virtual desktop so that every Wine process
# shares it, global hotkeys arrive and typed keys reach the focused control.

VTX_ROOT="${VTX_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export WINEPREFIX="${WINEPREFIX:-$VTX_ROOT/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install prompts, and no desktop menu entries on the host.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

vtx_start_xvfb() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  # Xvfb picks a free display number itself and tells it once it accepts connections: other
  # people's test runs on the same machine start theirs at the same time, and two servers
  # must never end up sharing one display.
  local f n=""
  f="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$f" >/dev/null 2>&1 &
  VTX_XVFB_PID=$!
  for _ in $(seq 1 300); do
    n="$(head -n 1 "$f")"
    [ -n "$n" ] && break
    kill -0 "$VTX_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$f"
  if [ -z "$n" ]; then echo "Xvfb did not start" >&2; return 1; fi
  export DISPLAY=":${n}"
  VTX_STARTED_XVFB=1
}

vtx_init_prefix() {
  if [ -f "$WINEPREFIX/.vtx-ready" ]; then return 0; fi
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vtx-ready"
}

# A persistent wineserver with Wine's services already running: later Wine programs start
# fast, and no service inherits (and holds open) the output pipe of a test runner.
vtx_start_wine() {
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

vtx_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${VTX_XVFB_PID:-}" ]; then kill "$VTX_XVFB_PID" >/dev/null 2>&1 || true; fi
}
