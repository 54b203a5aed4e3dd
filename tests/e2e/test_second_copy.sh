# Starting the program again while it runs brings up the running copy's launcher, ready for
# typing, as the hotkey does; the second copy shows nothing of its own, saves nothing and
# ends. Started with "ns" (the Run key at log-on), it asks for nothing.
source "$(dirname "$0")/lib.sh"
fresh_install
# The running copy traces each request of a second start it acts on.
export VTX_TRACE="${E2E_WIN}trace.txt"
TRACE="$E2E_DIR/trace.txt"
summons() { if [ -f "$TRACE" ]; then grep -c 'Form1.SecondStart' "$TRACE" || true; else echo 0; fi; }
start_vtx
first_pid=$VTX_PID
second_start() {  # [parameter]
  (cd "$E2E_DIR" && exec wine ./vantrix.exe "$@" >/dev/null 2>&1) &
  second_pid=$!
  second_ended() { ! kill -0 "$second_pid" 2>/dev/null; }
  until_ok second_ended || fail "the second copy did not end"
}
assert_eq "$(driver visible TForm1)" "0" "the launcher starts hidden"

second_start
wait_visible 1 "a second start did not bring the launcher up"
wait_edit_focus
assert_eq "$(driver count TForm1)" "1" "one launcher window"
assert_eq "$(driver count '#32770')" "0" "a second start says nothing"

# With text typed, a second start selects it, so typing replaces it.
type_text "calc"
wait_edit "calc"
press Escape
wait_hidden
second_start
wait_visible 1 "the launcher did not come up again"
wait_edit_focus
wait_output "0 4" "the typed text is not selected" driver editsel TForm1
type_text "d"
wait_edit "d" "typing after a second start replaces the text"

# A start with Windows while the program runs leaves the launcher as it is: after it, one more
# start by hand is the only request the running copy sees (requests are handled in order).
press Escape
wait_hidden
assert_eq "$(summons)" "2" "requests of the two second starts"
second_start ns
assert_eq "$(driver visible TForm1)" "0" "a second start with ns leaves the launcher hidden"
second_start
wait_visible 1 "the launcher did not come up after the start with ns"
assert_eq "$(summons)" "3" "a second start with ns asked for the launcher"

[ ! -e "$DATA_DIR/list2.ini" ] || fail "the second copy saved the catalogue"
[ ! -e "$DATA_DIR/set.set" ] || fail "the second copy saved the settings"
VTX_PID=$first_pid
stop_vtx
[ -e "$DATA_DIR/list2.ini" ] || fail "the first copy did not save at exit"
note "ok"
