# Helpers for end-to-end tests of vantrix.exe under Wine. Sourced by each test_*.sh.
set -euo pipefail
: "${VTX_SOURCE:?}" "${VTX_BUILD:?}" "${WINEPREFIX:?}" "${DISPLAY:?}"

E2E_NAME="$(basename "$0" .sh)"
E2E_DIR="$WINEPREFIX/drive_c/vtx-e2e/$E2E_NAME"   # the Program folder of this test
E2E_WIN="C:\\vtx-e2e\\$E2E_NAME\\"
E2E_APPDATA="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
DATA_DIR="$E2E_APPDATA/Orvane/VTX"
VTX_PID=""

# A failure leaves a picture of the screen beside the others, to see what the program showed.
fail() {
  echo "FAIL [$E2E_NAME]: $*" >&2
  screenshot "FAILED-$E2E_NAME" || true
  exit 1
}
note() { echo "[$E2E_NAME] $*"; }

# Every wait of these tests is for a condition, bounded in time, never a fixed pause before a
# check: a slow or busy machine only makes the waits longer. E2E_WAIT is the bound in seconds.
E2E_WAIT="${E2E_WAIT:-30}"

# Seconds since the epoch with microseconds, as an integer count of milliseconds.
now_ms() { local t="${EPOCHREALTIME/./}"; echo $(( ${t:0:${#t}-3} )); }

# Runs a command until it succeeds, at most E2E_WAIT seconds (or $WAIT_FOR seconds); false then.
until_ok() {
  local deadline=$(( $(now_ms) + ${WAIT_FOR:-$E2E_WAIT} * 1000 ))
  while :; do
    "$@" && return 0
    [ "$(now_ms)" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# Waits until a command prints the expected text; fails with the message and what it printed last.
LAST_OUTPUT=""
wait_output() {  # expected message command...
  local expected="$1" message="$2"; shift 2
  _output_is() { LAST_OUTPUT="$("$@" 2>/dev/null || true)"; [ "$LAST_OUTPUT" == "$expected" ]; }
  until_ok _output_is "$@" || fail "$message: expected [$expected], got [$LAST_OUTPUT]"
}

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
  no_own_copies() { [ -z "$(own_copies)" ]; }
  WAIT_FOR=10 until_ok no_own_copies && return 0
  kill -9 $(own_copies) >/dev/null 2>&1 || true
  until_ok no_own_copies || fail "copies of vantrix.exe left by an earlier test do not end"
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
  local prev="" cur same=0 deadline=$(( $(now_ms) + E2E_WAIT * 1000 ))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    cur="$(driver workarea)" || cur=""  # Wine still coming up: try again
    if [ -n "$cur" ] && [ "$cur" = "$prev" ]; then same=$((same + 1)); else same=0; fi
    [ "$same" -ge 3 ] && return 0
    prev="$cur"
    sleep 0.25
  done
}

# Starting a Wine process is what a busy machine slows down most: start-up gets twice the bound.
start_vtx() {
  start_vtx_early "$@"
  driver ready $((2 * E2E_WAIT * 1000)) || fail "start-up did not finish ($(vtx_state))"
}

# Whether the program still runs, for messages.
vtx_state() { if kill -0 "$VTX_PID" 2>/dev/null; then echo "the process runs"; else echo "the process has ended"; fi; }

# Waits until the program's message loop runs: start-up has shown (or not) the window then.
wait_message_loop() { driver message TForm1 0 0 0 >/dev/null || fail "the program does not answer messages"; }

# Ends the program through its window and waits for the process.
stop_vtx() {
  driver close TForm1 || true
  wait_exit
}

wait_exit() {
  vtx_ended() { ! kill -0 "$VTX_PID" 2>/dev/null; }
  until_ok vtx_ended || fail "vantrix.exe did not end"
  wait "$VTX_PID" 2>/dev/null || true
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
  local n="${1:-1}"
  probe_started() { [ -f "$PROBE_LOG" ] && [ "$(grep -c '^--$' "$PROBE_LOG")" -ge "$n" ]; }
  until_ok probe_started || fail "the probe was not started ($n expected): $(cat "$PROBE_LOG" 2>/dev/null | tr '\n' ' ')"
}

# A fresh folder of the user's Start menu: $menu (as this machine reads it) and $menu_win (as
# the program does).
start_menu_folder() {  # name
  menu="$E2E_APPDATA/Microsoft/Windows/Start Menu/Programs/$1"
  menu_win="C:\\users\\$(id -un)\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\$1"
  rm -rf "$menu"
  mkdir -p "$menu"
}

# The number of probe starts logged so far.
probe_starts() { if [ -f "$PROBE_LOG" ]; then grep -c '^--$' "$PROBE_LOG"; else echo 0; fi; }

# Waits until the launcher is shown (1) or hidden (0).
wait_visible() { wait_output "$1" "$2" driver visible TForm1; }

# A key with modifiers held around it (ctrl, or ctrl+shift), paced: Wine misses a chord typed
# at xdotool's speed.
chord() {  # modifiers key
  local mods i
  IFS=+ read -ra mods <<<"$1"
  for i in "${mods[@]}"; do xdotool keydown "$i"; done
  sleep 0.1
  xdotool key "$2"
  sleep 0.1
  for (( i = ${#mods[@]} - 1; i >= 0; i-- )); do xdotool keyup "${mods[i]}"; done
  sleep 0.1
}

# Brings the launcher up with the global hotkey and waits until it shows. Wine sees the Windows
# key only as a key held down on its own, and a busy Wine may see Z before it: the chord is
# pressed again until the launcher shows (the hotkey only ever shows it, so a repeat is harmless).
summon() {
  local deadline=$(( $(now_ms) + E2E_WAIT * 1000 ))
  while :; do
    chord Super_L z
    WAIT_FOR=3 until_ok is_visible && break
    [ "$(now_ms)" -ge "$deadline" ] && fail "the hotkey did not bring the launcher up"
  done
  # The hotkey also selects the text and gives the edit box the keyboard.
  wait_edit_focus
}
is_visible() { [ "$(driver visible TForm1)" = 1 ]; }

# Waits until the launcher's edit box has the keyboard focus.
wait_edit_focus() { wait_output 1 "the edit box has no keyboard focus" driver editfocus TForm1; }

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
  driver wait TForm1 $((2 * E2E_WAIT * 1000)) || fail "the launcher window was not created ($(vtx_state))"
}

# Mouse actions at screen positions. Wine loses a press that comes before it has read the
# move to its place, so each move is given a moment; a press is let go only once Wine has seen
# it (the button shows as down), and the action ends once Wine has seen the release.
mouse_to() { xdotool mousemove "$1" "$2"; sleep 0.2; }
button_down() {  # button (1 left, 3 right)
  local want="1 0"; [ "$1" = 3 ] && want="0 1"
  xdotool mousedown "$1"
  wait_output "$want" "the mouse button press did not arrive" driver buttons
}
button_up() {
  xdotool mouseup "$1"
  wait_output "0 0" "the mouse button release did not arrive" driver buttons
}

click_at() {  # x y [button]
  mouse_to "$1" "$2"
  button_down "${3:-1}"
  button_up "${3:-1}"
}

# "&New Shortcut..." from the launcher's menu, as a user meets it: the hotkey, the menu button,
# N; waits until the wizard shows.
new_shortcut_from_menu() {
  local x y
  summon
  read -r x y _ _ <<<"$(driver rect TForm1)"
  menu_at $((x + 110)) $((y + 10)) 1 "the launcher's menu"
  press n
  driver shown TForm5 $((E2E_WAIT * 1000)) || fail "the wizard did not open"
}

# A click that opens a popup menu. A busy Wine now and then takes a press at the pointer's
# place before the move: a click that has opened no menu a few seconds after its release is
# made again (a menu that opens shows at once, so a second click never closes it).
menu_at() {  # x y [button] [what]
  local deadline=$(( $(now_ms) + E2E_WAIT * 1000 ))
  while :; do
    click_at "$1" "$2" "${3:-1}"
    driver shown '#32768' 5000 && return 0
    [ "$(now_ms)" -ge "$deadline" ] && fail "${4:-the popup menu} did not open"
    note "no menu after a click at $1,$2: clicked again"
  done
}

drag() {  # from_x from_y to_x to_y
  mouse_to "$1" "$2"
  button_down 1
  mouse_to "$(( ($1 + $3) / 2 ))" "$(( ($2 + $4) / 2 ))"
  mouse_to "$3" "$4"
  button_up 1
}

# The colour of one screen pixel as RRGGBB.
pixel() {
  local f="$E2E_DIR/pixel.png"
  import -window root -crop "1x1+$1+$2" "$f" 2>/dev/null
  convert "$f" -depth 8 -format '%[hex:p{0,0}]' info: 2>/dev/null | cut -c1-6
}

# Waits until a screen pixel has the given colour.
wait_pixel() { wait_output "$3" "${4:-pixel at $1,$2}" pixel "$1" "$2"; }

# Waits until the launcher's list shows the given selected row.
wait_listsel() { wait_output "$1" "${2:-selected row}" driver listsel TForm1; }

# Waits until the launcher window has the given width and height ("w h"), or place and size
# ("x y w h").
wait_size() { wait_output "$1" "${2:-window size}" window_size; }
wait_rect() { wait_output "$1" "${2:-window place and size}" driver rect TForm1; }
window_size() { local r; r="$(driver rect TForm1)" || return 1; [ -n "$r" ] || return 1; echo "${r#* * }"; }

# Waits until the edit box holds the text.
wait_edit() { wait_output "$1" "${2:-the typed text}" driver edit TForm1; }

# The program's start-with-Windows entry in the Run key: prints its command, nothing when absent.
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
run_entry() {
  { wine reg query "$RUN_KEY" /v ovvtx 2>/dev/null || true; } | tr -d '\r' | sed -n 's/^ *ovvtx *REG_SZ *//p'
}

# Waits until the clipboard holds the text.
wait_clipboard() { wait_output "$1" "${2:-clipboard}" driver clipboard; }

# A point after which every key pressed before has been handled: keys arrive in order, so once
# the edit box shows the effect of End and Shift+Home (all of its text selected) and then of End
# again (nothing selected, the caret at the end), the keys before them are done with. Needs the
# edit box to have the focus and to hold some text.
keys_done() {
  local n
  n="$(driver edit TForm1 | tr -d '\n' | wc -c)"
  [ "$n" -gt 0 ] || fail "keys_done needs text in the edit box"
  press End shift+Home
  wait_output "0 $n" "the keys were not handled" driver editsel TForm1
  press End
  wait_output "$n $n" "the keys were not handled" driver editsel TForm1
}

# A popup menu is open (Wine's and Windows' menu windows are of class "#32768").
wait_menu() { driver shown '#32768' $((E2E_WAIT * 1000)) || fail "${1:-the popup menu} did not open"; }
wait_no_menu() {
  no_menu() { ! driver shown '#32768' 0; }
  until_ok no_menu || fail "the popup menu did not close"
}

# Waits until a command prints the expected text, at most E2E_WAIT seconds.
wait_eq() { wait_output "$@"; }

# Waits until the keyboard (X's input focus) is on a window of vantrix.exe. A tray menu opened
# while none of the program's windows shows is given the keyboard a moment after it appears;
# keys typed before would go to the desktop.
keyboard_ours() {
  local id
  id="$(xdotool getwindowfocus 2>/dev/null)" || return 1
  xprop -id "$id" WM_CLASS 2>/dev/null | grep -q '"vantrix.exe"'
}
wait_keyboard_ours() { until_ok keyboard_ours || fail "${1:-the program} does not get the keyboard"; }

# Waits until the control with the keyboard in a window of CLASS is "CONTROL-CLASS TEXT".
wait_focus() { wait_output "$2" "${3:-focus}" driver focus "$1"; }

# Waits for a question box to have the keyboard, answers it with its mnemonic key and waits
# until it closes.
answer() {  # y|n message
  wait_output "#32770 Button" "$2" driver fgclass
  press "$1"
  box_gone() { ! driver shown '#32770' 0; }
  until_ok box_gone || fail "the question box did not close"
}
