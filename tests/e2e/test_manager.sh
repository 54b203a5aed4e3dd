# F2 opens the shortcut manager; a Program shortcut's address and parameters are edited
# with the keyboard, Close asks to save, Yes keeps the edits, and Exit writes them into a
# sorted list2.ini. A delete asks first: No keeps the shortcut, Yes removes it. Folder
# "Browse..." puts the folder chosen in the folder browser and its name into the fields.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z
write_catalogue \
  "alpha|c:\\old.exe|c:\\|-old|||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "zeta|c:\\zeta.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "folder|c:\\windows|||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0"
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

# Folder "Browse...": the folder browser comes up with the desktop chosen, Enter takes it; the
# address and the name follow it, and closing saves them.
summon
press F2
wait_manager 1 "F2 did not open the manager a third time"
press Tab Tab
type_text 'folder'
wait_eq folder "the search box did not find the folder shortcut" driver after TForm2 'Name:'
# From the search box: list, name, type, Folder Address, Browse...
press Tab Tab Tab Tab Tab
wait_focus TForm2 "Button Browse..." "Tab did not reach the folder's Browse..."
press space
wait_eq "#32770 Button" "the folder browser did not open" driver fgclass
screenshot manager-browse-folder
press Return
desktop="C:\\users\\$(id -un)\\Desktop"
wait_eq "$desktop" "the chosen folder did not reach the address" driver after TForm2 'Folder Address:'
assert_eq "$(driver after TForm2 'Name:')" Desktop "the name is not the chosen folder's"
driver close TForm2
answer y "closing after Browse did not ask to save"
wait_manager 0 "the manager did not close"

stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "alpha|c:\\new.exe|c:\\|/new x|||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "Desktop|$desktop|||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0"
note "ok"
