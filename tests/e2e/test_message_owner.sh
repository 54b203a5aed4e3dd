# Every message belongs to the window that raised it: the wizard's empty-name message with
# the wizard on top, and the manager's delete question, each open above their window (in
# the top-most band with it), owned by it, which takes no input until it is answered; then
# the keyboard is back on the control that had it.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400
write_catalogue \
  "alpha|c:\\alpha.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "beta|c:\\beta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx

box_shown() { driver shown '#32770' $((E2E_WAIT * 1000)) || fail "$1"; }
no_box() { ! driver shown '#32770' 0; }

# ---- The wizard (top-most): OK with no name.
new_shortcut_from_menu
wait_focus TForm5 "Button Program" "the first link has the keyboard"
press Return
wait_focus TForm5 "Edit " "the program address has the keyboard"
type_text 'c:\x.exe'
press Return
box_shown "OK without a name did not warn"
screenshot wizard-no-name
# Owned by the wizard, above it and top-most as it is; the wizard is disabled meanwhile.
assert_eq "$(driver boxover TForm5)" "TForm5 1 0 1" "the empty-name message and the wizard"
assert_eq "$(driver msgbox 0)" "Please type a name for this shortcut!" "the empty-name message"
until_ok no_box || fail "the message did not close"
wait_eq 1 "the wizard takes input again" driver enabled TForm5
# The keyboard is back in the address field, where typing goes on.
type_text 'y'
wait_focus TForm5 'Edit c:\x.exey' "the keyboard is back on the address field"
press Escape
wait_eq 0 "Cancel closes the wizard" driver visible TForm5

# ---- The manager (top-most): Delete in its list asks.
wait_eq 1 "the manager shows" driver visible TForm2
driver foreground TForm2
press Tab Tab Tab
wait_focus TForm2 "ListBox " "Tab reaches the list"
press Delete
box_shown "Delete did not ask"
assert_eq "$(driver boxover TForm2)" "TForm2 1 0 1" "the delete question and the manager"
answer n "the delete question does not have the keyboard"
wait_eq 1 "the manager takes input again" driver enabled TForm2
wait_focus TForm2 "ListBox " "the list has the keyboard again"
press Return
wait_eq 0 "Close hides the manager" driver visible TForm2

stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "alpha|c:\\alpha.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "beta|c:\\beta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
note "ok"
