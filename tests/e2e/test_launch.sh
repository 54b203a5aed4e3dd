# Win+Z, a few letters and Enter start the right thing, with its parameters, folder and
# show command; Ctrl+Enter copies; Escape and Ctrl+W hide; unmatched text is run.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings HAE=1 hotkey=Win+Z showicons=1
write_catalogue \
  "probe|${PROBE_WIN}|${E2E_WIN}|--flag value|||||SW_SHOWMAXIMIZED|Program|||Red||1|||||||||0" \
  "proberen|c:\\nothing-here.exe|||||||SW_SHOWNORMAL|Program|||Blue||1|||||||||0" \
  "web|http://example.invalid/page|||||||SW_SHOWMINIMIZED|URL|||Green||1||||testbrowser|||||0" \
  "both|||||||||MultiShortcut|||None||1||||||probe;web;|||0" \
  "hidden probe|${PROBE_WIN}|||||||SW_SHOWNORMAL|Program|||None||0|||||||||0"
printf 'testbrowser|c:\\nothing.exe\r\ntestbrowser|%s\r\n' "$PROBE_WIN" >"$DATA_DIR/browsers.ini"
start_vtx

# Enter on a typed name: the program starts with its parameters, folder and show command.
summon
type_text "prob"
wait_edit "prob"
screenshot launcher-typed
press Return
wait_probe 1
grep -q '^cmdline=.*vtx_probe.exe.* --flag value$' "$PROBE_LOG" || fail "parameters: $(cat "$PROBE_LOG")"
grep -qi "^cwd=C:\\\\vtx-e2e\\\\test_launch" "$PROBE_LOG" || fail "working folder: $(cat "$PROBE_LOG")"
grep -q '^show=3$' "$PROBE_LOG" || fail "show command: $(cat "$PROBE_LOG")"
wait_hidden

# The hotkey selects the old text; typing replaces it. Ctrl+Enter copies instead of starting.
summon
type_text "web"
wait_edit "web"
press ctrl+Return
wait_clipboard "http://example.invalid/page" "Ctrl+Enter copies the address"
keys_done
assert_eq "$(driver visible TForm1)" "1" "copying keeps the window"
assert_eq "$(probe_starts)" "1" "copying starts nothing"

# A URL opens with the last browser line of its name, the address as parameters.
press Return
wait_probe 2
tail -n 4 "$PROBE_LOG" | grep -q '^cmdline=.*vtx_probe.exe.* http://example.invalid/page$' || fail "browser: $(cat "$PROBE_LOG")"
tail -n 4 "$PROBE_LOG" | grep -q '^show=2$' || fail "URL show command"
wait_hidden

# Escape and Ctrl+W hide the window.
summon
press Escape
wait_hidden
summon
press ctrl+w
wait_hidden

# A multi-shortcut starts its members in order.
summon
type_text "both"
press Return
wait_probe 4
wait_hidden

# Typed text that matches nothing is run itself (lower-cased, split at the first blank).
summon
type_text "${PROBE_WIN} Typed ARG"
press Return
wait_probe 5
tail -n 4 "$PROBE_LOG" | grep -q '^cmdline=.*vtx_probe.exe.* typed arg$' || fail "typed text: $(tail -n 4 "$PROBE_LOG")"
wait_hidden

stop_vtx
note "ok"
