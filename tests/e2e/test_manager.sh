# F2 opens the shortcut manager; a Program shortcut's address and parameters are edited
# with the keyboard, Close asks to save, Yes keeps the edits, and Exit writes them into a
# sorted list2.ini. A delete asks first: No keeps the shortcut, Yes removes it.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
write_catalogue \
  "alpha|c:\\old.exe|c:\\|-old|||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "zeta|c:\\zeta.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx

wait_manager() { wait_eq "$1" "$2" driver visible TForm2; }  # 1|0 message

summon
press F2
wait_manager 1 "F2 did not open the manager"
screenshot manager-opened
# The first showing loads the first shortcut; focus starts on New. Tab order: New, Delete,
# search box, list, name, type, Address, Select, Start in, Parameters.
press Tab Tab Tab Tab Tab Tab
type_text 'c:\new.exe'
press Tab Tab Tab
type_text '/new|x'
screenshot manager-edited
press Return
answer y "closing with changes did not ask to save"
wait_manager 0 "Close did not hide the manager"

# Delete: the search box finds "zeta", the list takes the Delete key; No keeps it, and
# Delete pressed again at once asks again: Yes removes it.
summon
press F2
wait_manager 1 "F2 did not open the manager again"
press Tab Tab
type_text 'ZETA'
press Tab Delete
answer n "Delete did not ask"
# The list gets the keyboard back from the question, so a second Delete asks again.
wait_focus TForm2 "ListBox " "the list did not get the keyboard back after No"
press Delete
answer y "Delete did not ask a second time"
press Return
wait_manager 0 "Close did not hide the manager"

stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "alpha|c:\\new.exe|c:\\|/new x|||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
note "ok"
