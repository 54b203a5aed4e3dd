# A second copy ends at once, shows nothing and saves nothing; the first keeps running.
source "$(dirname "$0")/lib.sh"
fresh_install
start_vtx
first_pid=$VTX_PID
(cd "$E2E_DIR" && exec wine ./vantrix.exe >/dev/null 2>&1) &
second_pid=$!
second_ended() { ! kill -0 "$second_pid" 2>/dev/null; }
until_ok second_ended || fail "the second copy did not end"
assert_eq "$(driver count TForm1)" "1" "one launcher window"
assert_eq "$(driver visible TForm1)" "0" "the first copy's hidden launcher stays hidden"
[ ! -e "$DATA_DIR/list2.ini" ] || fail "the second copy saved the catalogue"
[ ! -e "$DATA_DIR/set.set" ] || fail "the second copy saved the settings"
VTX_PID=$first_pid
stop_vtx
[ -e "$DATA_DIR/list2.ini" ] || fail "the first copy did not save at exit"
note "ok"
