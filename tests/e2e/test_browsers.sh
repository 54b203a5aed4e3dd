# Browsers are defined from the manager with the keyboard: "Define Browsers..." opens the
# dialog, OK writes browsers.ini and refills the URL page's browser list; the browser chosen
# there is saved with the shortcut, and launching the shortcut starts that browser with the
# web address as its parameter.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z HAE=1
write_catalogue "site|http://example.invalid/page|||||||SW_SHOWNORMAL|URL|||None||1|||||||||0"
start_vtx

summon
press F2
wait_eq 1 "F2 did not open the manager" driver visible TForm2
# Tab order: New, Delete, search box, list, name, type, address, browser, Define Browsers.
press Tab Tab Tab Tab Tab Tab Tab Tab
wait_focus TForm2 "Button Define Browsers..." "the URL page of the only shortcut is not shown"
press space
wait_eq 1 "Define Browsers... did not open the dialog" driver visible TForm15
wait_focus TForm15 "Edit " "the first name field does not have the keyboard"
# The default slot gets another browser, the first alternate one the probe.
type_text 'Other'
press Tab
type_text 'c:\nothing.exe'
press Tab Tab Tab
type_text 'Probe'
press Tab
type_text "$PROBE_WIN"
screenshot browsers-typed
press Return
wait_eq 0 "OK did not close the dialog" driver visible TForm15
assert_file_lines "$DATA_DIR/browsers.ini" "Other|c:\\nothing.exe" "Probe|$PROBE_WIN"

# The refilled list starts at the default browser; Down chooses the probe.
press shift+Tab
wait_focus TForm2 "ComboBox Other" "the browser list was not refilled with the default first"
press Down
wait_focus TForm2 "ComboBox Probe" "Down did not choose the second browser"
press Return
answer y "closing after choosing a browser did not ask to save"
wait_eq 0 "Close did not hide the manager" driver visible TForm2

summon
type_text 'site'
press Return
wait_probe 1
grep -q '^cmdline=.*vtx_probe.exe.* http://example.invalid/page$' "$PROBE_LOG" \
  || fail "the browser was not started with the address: $(cat "$PROBE_LOG")"

stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "site|http://example.invalid/page|||||||SW_SHOWNORMAL|URL|||None||1||||Probe|||||0"
note "ok"
