# The manager's Select button, "from File...": the file chooser opens (its library is loaded only
# then), the typed file name comes back as the shortcut's address and the manager goes on working.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
write_catalogue "alpha|c:\\old.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx

summon
press F2
wait_eq 1 "F2 did not open the manager" driver visible TForm2
# Tab order: New, Delete, search box, list, name, type, Address, Select.
press Tab Tab Tab Tab Tab Tab Tab
wait_focus TForm2 "Button Select" "Tab did not reach Select"
press space
wait_menu "the Select menu"
press Down Return
driver shown '#32770' $((E2E_WAIT * 1000)) || fail "from File... did not open the file chooser"
screenshot file-chooser
type_text "$PROBE_WIN"
press Return
wait_eq 0 "the file chooser did not close" driver count '#32770'
lower() { tr '[:upper:]' '[:lower:]'; }
address() { driver after TForm2 'Address:' | lower; }
wait_eq "$(lower <<<"$PROBE_WIN")" "the chosen file is not the shortcut's address" address
# Close (the default button), then No to saving: the manager still answers as before.
driver post TForm2 0x0111 1 0
answer n "closing with the new address did not ask to save"
wait_eq 0 "Close did not hide the manager" driver visible TForm2
stop_vtx
