# The manager's "More options" link opens More Options with the keyboard; the colour label,
# window state and visibility chosen there are saved with the shortcut and reach list2.ini.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
write_catalogue "alpha|c:\\a.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx

summon
press F2
wait_eq 1 "F2 did not open the manager" driver visible TForm2
# Tab order: New, Delete, search box, list, name, type, Address, Select, Start in,
# Parameters, the "More options" link.
press Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Return
wait_eq 1 "the More options link did not open the dialog" driver visible TForm14
wait_focus TForm14 "ComboBox None" "the colour list does not have the keyboard at None"
# The colour label after None, the window state after Normal, and the check box ticked.
press Down Tab Down Tab space
screenshot more-options-chosen
press Return
wait_eq 0 "OK did not close More Options" driver visible TForm14
# The keyboard is back on the link; the next control is Close, which asks to save.
press Tab Return
answer y "closing after More Options did not ask to save"
wait_eq 0 "Close did not hide the manager" driver visible TForm2

stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "alpha|c:\\a.exe|||||||SW_SHOWMINIMIZED|Program|||Red||0|||||||||0"
note "ok"
