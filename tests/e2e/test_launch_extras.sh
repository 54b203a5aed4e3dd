# Addresses with environment variables, a quoted program path with blanks (a shortcut of type
# "Other" and typed text), a shell link named ".LNK", and Ctrl+Shift+Enter, which asks the
# shell to run the shortcut as administrator.
source "$(dirname "$0")/lib.sh"
fresh_install
# A probe in a folder whose path holds blanks; it logs beside itself.
mkdir -p "$E2E_DIR/with blanks"
cp "$VTX_BUILD/vtx_probe.exe" "$E2E_DIR/with blanks/vtx probe.exe"
BLANKS_WIN="${E2E_WIN}with blanks\\vtx probe.exe"
BLANKS_LOG="$E2E_DIR/with blanks/probe.log"
blank_starts() { if [ -f "$BLANKS_LOG" ]; then grep -c '^--$' "$BLANKS_LOG"; else echo 0; fi; }
blank_started() { [ "$(blank_starts)" -ge "$1" ]; }
# A variable of the user's environment naming the Program folder, and the trace.
export VTX_E2E_HOME="${E2E_WIN%\\}"
export VTX_TRACE="${E2E_WIN}trace.txt"
TRACE="$E2E_DIR/trace.txt"
driver link "${E2E_WIN}PROBE.LNK" "$PROBE_WIN" || fail "the shell link was not saved"
write_settings HAE=1 hotkey=Win+Z
write_catalogue \
  "envprobe|%VTX_E2E_HOME%\\vtx_probe.exe|%VTX_E2E_HOME%\\|--home %VTX_E2E_HOME% %VTX_NO_SUCH_VAR%|||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "blanks|\"${BLANKS_WIN}\" -x Y|||||||SW_SHOWNORMAL|Other|||None||1|||||||||0" \
  "capslink|${E2E_WIN}PROBE.LNK||--not-for-links|||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "admin|${PROBE_WIN}||--admin|||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx

# %VAR% in the address, the start folder and the parameters; an unknown variable as written.
summon
type_text "envprobe"
wait_edit "envprobe"
press Return
wait_probe 1
grep -qF "cmdline=" "$PROBE_LOG" || fail "no record: $(cat "$PROBE_LOG")"
grep -q "^cmdline=.*vtx_probe.exe.* --home C:\\\\vtx-e2e\\\\test_launch_extras %VTX_NO_SUCH_VAR%$" "$PROBE_LOG" ||
  fail "parameters not expanded: $(cat "$PROBE_LOG")"
grep -qi "^cwd=C:\\\\vtx-e2e\\\\test_launch_extras" "$PROBE_LOG" || fail "start folder: $(cat "$PROBE_LOG")"
wait_hidden

# An "Other" command line whose quoted program path holds blanks.
summon
type_text "blanks"
wait_edit "blanks"
press Return
until_ok blank_started 1 || fail "the program with blanks in its path did not start"
tail -n 4 "$BLANKS_LOG" | grep -q '^cmdline=.*vtx probe.exe.* -x Y$' || fail "Other: $(cat "$BLANKS_LOG")"
wait_hidden

# The same as typed text.
summon
type_text "\"${BLANKS_WIN}\" -t"
press Return
until_ok blank_started 2 || fail "the typed quoted program did not start"
tail -n 4 "$BLANKS_LOG" | grep -q '^cmdline=.*vtx probe.exe.* -t$' || fail "typed: $(tail -n 4 "$BLANKS_LOG")"
wait_hidden

# A link named ".LNK" starts as a link: its own target, without the record's parameters.
summon
type_text "capslink"
wait_edit "capslink"
press Return
wait_probe 2
tail -n 4 "$PROBE_LOG" | grep -q '^cmdline=' || fail "no record for the link"
! tail -n 4 "$PROBE_LOG" | grep -q -- '--not-for-links' || fail "the link got the record's parameters"
wait_hidden

# Ctrl+Shift+Enter hands the shell the "runas" verb.
summon
type_text "admin"
wait_edit "admin"
chord ctrl+shift Return
ran_as() { grep -qF "Shell.Execute(operation:runas; file:${PROBE_WIN}; parameters:--admin)" "$TRACE"; }
until_ok ran_as || fail "no runas request: $(grep -F 'Shell.' "$TRACE" | tail -n 3)"
# Wine has no consent prompt: the program starts at once, with the record's parameters.
wait_probe 3
tail -n 4 "$PROBE_LOG" | grep -q '^cmdline=.*vtx_probe.exe.* --admin$' || fail "runas start: $(tail -n 4 "$PROBE_LOG")"
wait_hidden
assert_eq "$(driver count '#32770')" "0" "running as administrator showed a message"

stop_vtx
# The catalogue keeps the variables as written.
grep -qF 'envprobe|%VTX_E2E_HOME%\vtx_probe.exe|%VTX_E2E_HOME%\|--home %VTX_E2E_HOME% %VTX_NO_SUCH_VAR%|' \
  "$DATA_DIR/list2.ini" || fail "the stored record lost its variables: $(grep envprobe "$DATA_DIR/list2.ini")"
note "ok"
