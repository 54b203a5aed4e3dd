# After a resume from sleep or an unlock the program checks its hotkey and registers it again
# when it was lost; a hotkey that another program holds is reported once, not at every wake-up,
# and works as soon as that program lets it go.
source "$(dirname "$0")/lib.sh"
fresh_install
export VTX_TRACE="${E2E_WIN}trace.txt"
TRACE="$E2E_DIR/trace.txt"
traced() { if [ -f "$TRACE" ]; then grep -c "$1" "$TRACE" || true; else echo 0; fi; }
write_settings hotkey=Win+Z
WM_POWERBROADCAST=0x218 WM_WTSSESSION_CHANGE=0x2B1
start_vtx

# Going to sleep and locking change nothing yet; waking up and unlocking check the hotkey.
assert_eq "$(driver message TApplication $WM_POWERBROADCAST 0x4 0)" "1" "suspend notice answered"
driver message TApplication $WM_WTSSESSION_CHANGE 0x7 0 >/dev/null
assert_eq "$(traced Form1.CheckHotkey)" "0" "checked before the user is back"
driver message TApplication $WM_POWERBROADCAST 0x12 0 >/dev/null   # PBT_APMRESUMEAUTOMATIC
driver message TApplication $WM_WTSSESSION_CHANGE 0x8 0 >/dev/null  # WTS_SESSION_UNLOCK
assert_eq "$(traced Form1.CheckHotkey)" "2" "checks after a resume and an unlock"
assert_eq "$(traced Form1.HotkeyRefused)" "0" "a working hotkey is not reported"
# Made again, it still brings the launcher up.
summon
press Escape
wait_hidden
stop_vtx

# Another program holds Win+Z while Vantrix starts: told once, at start, however often the
# computer wakes up; once the other program lets go, the next wake-up takes the hotkey.
rm -f "$TRACE" "$E2E_DIR/release"
held_log="$E2E_DIR/hold.out"
wine "$VTX_BUILD/vtx_driver.exe" hold 0x8 0x5A "${E2E_WIN}release" >"$held_log" 2>/dev/null &
hold_pid=$!
holding() { [ "$(tr -d '\r\n' <"$held_log")" = 1 ]; }
until_ok holding || fail "the driver could not hold Win+Z: $(cat "$held_log")"
start_vtx
assert_eq "$(traced Form1.HotkeyRefused)" "1" "the refused hotkey is reported at start"
for _ in 1 2 3; do driver message TApplication $WM_POWERBROADCAST 0x7 0 >/dev/null; done  # PBT_APMRESUMESUSPEND
assert_eq "$(traced Form1.CheckHotkey)" "3" "checks at every wake-up"
assert_eq "$(traced Form1.HotkeyRefused)" "1" "the refusal is reported once"
touch "$E2E_DIR/release"
hold_ended() { ! kill -0 "$hold_pid" 2>/dev/null; }
until_ok hold_ended || fail "the driver did not let go of Win+Z"
driver message TApplication $WM_WTSSESSION_CHANGE 0x8 0 >/dev/null
summon
press Escape
wait_hidden
stop_vtx
note "ok"
