# Helpers for end-to-end tests of vantrix.exe under Wine. Sourced by each test_*.sh.
set -euo pipefail
: "${VTX_SOURCE:?}" "${VTX_BUILD:?}" "${WINEPREFIX:?}" "${DISPLAY:?}"

E2E_NAME="$(basename "$0" .sh)"
E2E_DIR="$WINEPREFIX/drive_c/vtx-e2e/$E2E_NAME"   # the Program folder of this test
E2E_WIN="C:\\vtx-e2e\\$E2E_NAME\\"
E2E_APPDATA="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
DATA_DIR="$E2E_APPDATA/Orvane/VTX"
VTX_PID=""

fail() { echo "FAIL [$E2E_NAME]: $*" >&2; exit 1; }
note() { echo "[$E2E_NAME] $*"; }

driver() { wine "$VTX_BUILD/vtx_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }

# The vantrix.exe processes of this Wine prefix: other people run their own copies on the
# same machine, each in its own prefix, and those must be left alone.
own_copies() {
  local pid
  for pid in $(pgrep -f 'vantrix\.exe' 2>/dev/null); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

# Ends copies that an earlier, failed test of this prefix left running.
stop_own_copies() {
  local pids i
  pids="$(own_copies)"
  [ -z "$pids" ] && return 0
  kill $pids >/dev/null 2>&1 || true
  for i in $(seq 1 50); do [ -z "$(own_copies)" ] && return 0; sleep 0.1; done
}

# A fresh Program folder holding vantrix.exe and the probe, and an empty Data folder.
fresh_install() {
  stop_own_copies
  desktop_ready
  rm -rf "$E2E_DIR" "$E2E_APPDATA/Orvane"
  mkdir -p "$E2E_DIR"
  cp "$VTX_BUILD/vantrix.exe" "$VTX_BUILD/vtx_probe.exe" "$E2E_DIR/"
}

# Wine's desktop and its task bar come up with the first program; the work area is only
# final once the task bar is there.
desktop_ready() {
  local prev="" cur i
  for i in $(seq 1 40); do
    cur="$(driver workarea)"
    [ -n "$cur" ] && [ "$cur" = "$prev" ] && [ "$i" -gt 3 ] && return 0
    prev="$cur"
    sleep 0.25
  done
}

start_vtx() {
  (cd "$E2E_DIR" && exec wine ./vantrix.exe "$@" >/dev/null 2>&1) &
  VTX_PID=$!
  driver wait TForm1 20000 || fail "the launcher window was not created"
  driver ready 20000 || fail "start-up did not finish"
}

# Ends the program through its window and waits for the process.
stop_vtx() {
  driver close TForm1 || true
  wait_exit
}

wait_exit() {
  local i
  for i in $(seq 1 200); do
    if ! kill -0 "$VTX_PID" 2>/dev/null; then wait "$VTX_PID" 2>/dev/null || true; return 0; fi
    sleep 0.1
  done
  fail "vantrix.exe did not end"
}

assert_eq() { [ "$1" == "$2" ] || fail "${3:-values differ}: expected [$2], got [$1]"; }

# Compares a written file with expected lines given one per argument, CR LF after each.
assert_file_lines() {
  local file="$1"; shift
  [ -f "$file" ] || fail "missing file $file"
  local expected
  expected="$(printf '%s\r\n' "$@")"
  local actual
  actual="$(cat "$file")"
  [ "$actual" == "$expected" ] || { diff <(printf '%s' "$expected") <(printf '%s' "$actual") >&2 || true; fail "content of $file"; }
}

# Settings for a test: a finished first run plus the given key=value lines.
write_settings() {
  mkdir -p "$DATA_DIR"
  { printf 'program=vtx\r\nfirstrun=0\r\nstartonstartup=0\r\n'; printf '%s\r\n' "$@"; } >"$DATA_DIR/set.set"
}

# The catalogue for a test, one record line per argument.
write_catalogue() {
  mkdir -p "$DATA_DIR"
  printf '%s\r\n' "$@" >"$DATA_DIR/list2.ini"
}

PROBE_WIN="${E2E_WIN}vtx_probe.exe"
PROBE_LOG="$E2E_DIR/probe.log"

# Waits until the probe has logged n starts.
wait_probe() {
  local n="${1:-1}" i
  for i in $(seq 1 100); do
    if [ -f "$PROBE_LOG" ] && [ "$(grep -c '^--$' "$PROBE_LOG")" -ge "$n" ]; then return 0; fi
    sleep 0.1
  done
  fail "the probe was not started ($n expected)"
}

# Brings the launcher up with the global hotkey and waits until it shows.
# Waits until the launcher is shown (1) or hidden (0).
wait_visible() {
  local want="$1" i
  for i in $(seq 1 50); do
    [ "$(driver visible TForm1)" = "$want" ] && return 0
    sleep 0.1
  done
  fail "$2"
}

summon() {
  # Wine sees the Windows key only as a key held down on its own.
  xdotool keydown Super_L
  sleep 0.1
  xdotool key z
  sleep 0.1
  xdotool keyup Super_L
  wait_visible 1 "the hotkey did not bring the launcher up"
}

wait_hidden() { wait_visible 0 "the launcher did not hide"; }

type_text() { xdotool type --delay 30 "$1"; }
press() { xdotool key --delay 50 "$@"; }

screenshot() {
  mkdir -p "$VTX_BUILD/screenshots"
  import -window root "$VTX_BUILD/screenshots/$1.png" 2>/dev/null || true
}

# Starts the program without waiting for the end of start-up (a message box may stop it).
start_vtx_early() {
  (cd "$E2E_DIR" && exec wine ./vantrix.exe "$@" >/dev/null 2>&1) &
  VTX_PID=$!
  driver wait TForm1 20000 || fail "the launcher window was not created"
}

# Mouse actions at screen positions, each step given time to arrive: Wine loses presses
# that come faster than it reads the X events.
click_at() {  # x y [button]
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click "${3:-1}"
  sleep 0.3
}

drag() {  # from_x from_y to_x to_y
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.3
  xdotool mousemove "$(( ($1 + $3) / 2 ))" "$(( ($2 + $4) / 2 ))"
  sleep 0.2
  xdotool mousemove "$3" "$4"
  sleep 0.3
  xdotool mouseup 1
  sleep 0.3
}

# The colour of one screen pixel as RRGGBB.
pixel() {
  local f="$E2E_DIR/pixel.png"
  import -window root -crop "1x1+$1+$2" "$f" 2>/dev/null
  convert "$f" -depth 8 -format '%[hex:p{0,0}]' info: 2>/dev/null | cut -c1-6
}

# Waits until a screen pixel has the given colour.
wait_pixel() {  # x y RRGGBB message
  local i got=""
  for i in $(seq 1 20); do
    got="$(pixel "$1" "$2")"
    [ "$got" = "$3" ] && return 0
    sleep 0.15
  done
  fail "${4:-pixel at $1,$2}: expected [$3], got [$got]"
}

# Waits until the launcher's list shows the given selected row.
wait_listsel() {
  local i
  for i in $(seq 1 30); do
    [ "$(driver listsel TForm1)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "${2:-selected row}: expected [$1], got [$(driver listsel TForm1)]"
}

# A popup menu is open (Wine's and Windows' menu windows are of class "#32768").
wait_menu() { driver shown '#32768' 3000 || fail "${1:-the popup menu} did not open"; }
wait_no_menu() {
  local i
  for i in $(seq 1 30); do
    driver shown '#32768' 0 || return 0
    sleep 0.1
  done
  fail "the popup menu did not close"
}

# Waits until a command prints the expected text.
wait_eq() {  # expected message command...
  local want="$1" msg="$2" i got=""
  shift 2
  for i in $(seq 1 60); do
    got="$("$@" 2>/dev/null || true)"
    [ "$got" == "$want" ] && return 0
    sleep 0.1
  done
  fail "$msg: expected [$want], got [$got]"
}

# Waits until the control with the keyboard in a window of CLASS is "CONTROL-CLASS TEXT".
wait_focus() {  # class "control-class text" message
  local i got=""
  for i in $(seq 1 30); do
    got="$(driver focus "$1")"
    [ "$got" = "$2" ] && return 0
    sleep 0.1
  done
  fail "${3:-focus}: expected [$2], got [$got]"
}

# Waits for a question box and answers it with its mnemonic key.
answer() {  # y|n message
  driver shown '#32770' 5000 || fail "$2"
  sleep 0.3
  press "$1"
  local i
  for i in $(seq 1 50); do
    driver shown '#32770' 0 || return 0
    sleep 0.1
  done
  fail "the question box did not close"
}
