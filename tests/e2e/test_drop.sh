# Files dropped on the launcher: over the title strip, the window's surface and the edit box
# they become shortcuts (at once with Quick Add, else through the Add Quick Shortcut dialog);
# over the result list or the title strip's buttons nothing happens.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400 quickadd=1
write_catalogue "zeta|c:\\zeta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
mkdir -p "$E2E_DIR/Tools" "$E2E_DIR/Music"
cp "$VTX_BUILD/vtx_probe.exe" "$E2E_DIR/Tools/Editor.EXE"
printf 'plan' >"$E2E_DIR/Tools/Plan.doc"
start_vtx
summon
read -r ex ey ew eh <<<"$(driver childrect TForm1 Edit)"
read -r lx ly lw lh <<<"$(driver childrect TForm1 ListBox)"
read -r _ _ ww wh <<<"$(driver rect TForm1)"

# Waits until the catalogue in memory has n visible rows.
wait_rows() { wait_eq "$1" "${2:-rows}" driver listcount TForm1; }

# Quick Add: over the title text, the edit box and the bottom strip.
driver drop TForm1 30 8 "${E2E_WIN}Tools\\Editor.EXE"
wait_rows 2 "a drop on the title text adds a shortcut"
assert_eq "$(driver edit TForm1)" "Editor" "the typed text is the new name"
driver drop TForm1 $((ex + 10)) $((ey + eh / 2)) "${E2E_WIN}Music" "${E2E_WIN}Tools\\Plan.doc"
wait_rows 3 "a drop on the edit box adds one shortcut, for the first path"
driver drop TForm1 $((ww / 2)) $((wh - 3)) "${E2E_WIN}Tools\\Plan.doc"
wait_rows 4 "a drop on the bottom strip adds a shortcut"

# Not over the list nor the two buttons of the title strip.
driver drop TForm1 $((lx + 20)) $((ly + 10)) "${E2E_WIN}Tools\\Plan.doc"
driver drop TForm1 110 10 "${E2E_WIN}Tools\\Plan.doc"
driver drop TForm1 128 10 "${E2E_WIN}Tools\\Plan.doc"
# A path the record cannot hold whole adds nothing either.
driver drop TForm1 30 8 "C:\\$(printf 'a%.0s' $(seq 1 520)).txt"
# The drops are handled in order: one more on the title shows the others added nothing.
driver drop TForm1 30 8 "${E2E_WIN}Tools\\Plan.doc"
wait_rows 5 "drops on the list, the buttons or of too long a path add nothing"
driver shown TForm18 300 && fail "the quick-add dialog opened with Quick Add on"

# A real shell link becomes a shortcut to the file it points to; one named ".LNK" is kept as a file.
driver link "${E2E_WIN}Tools\\Game.lnk" "${E2E_WIN}Tools\\Editor.EXE" || fail "could not make a link"
cp "$E2E_DIR/Tools/Game.lnk" "$E2E_DIR/Tools/Old.LNK"
driver drop TForm1 30 8 "${E2E_WIN}Tools\\Game.lnk"
wait_rows 6 "a dropped link adds a shortcut"
driver drop TForm1 30 8 "${E2E_WIN}Tools\\Old.LNK"
wait_rows 7 "a dropped .LNK adds a shortcut"

stop_vtx
lower() { tr '[:upper:]' '[:lower:]' <<<"$1"; }
dir="$(lower "$E2E_WIN")"
assert_file_lines "$DATA_DIR/list2.ini" \
  "editor|${dir}tools\\editor.exe|${dir}tools\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "editor|${dir}tools\\editor.exe|${dir}tools\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "music|${dir}music|${dir}||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0" \
  "old|${dir}tools\\old.lnk|${dir}tools\\||||||SW_SHOWNORMAL|File|||None||1|||||||||0" \
  "plan|${dir}tools\\plan.doc|${dir}tools\\||||||SW_SHOWNORMAL|File|||None||1|||||||||0" \
  "plan|${dir}tools\\plan.doc|${dir}tools\\||||||SW_SHOWNORMAL|File|||None||1|||||||||0" \
  "zeta|c:\\zeta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"

# Quick Add off: the dialog proposes the name, warns when it is taken, and OK adds.
write_settings hotkey=Win+Z top=300 left=400 quickadd=0
start_vtx
summon
driver drop TForm1 30 8 "${E2E_WIN}Tools\\Editor.EXE"
driver shown TForm18 5000 || fail "the Add Quick Shortcut dialog did not open"
assert_eq "$(driver after TForm18 'Its name will be:')" "Editor" "proposed name"
assert_eq "$(driver after TForm18 'You are about to create a new shortcut for:')" "$(lower "${E2E_WIN}tools\\editor.exe")" "address"
screenshot quick-add-taken
# The name "editor" is taken: the warning shows; a new name (Tab into the field) and Enter.
wait_focus TForm18 "Edit $(lower "${E2E_WIN}tools\\editor.exe")" "the address field has the keyboard first"
press Tab ctrl+a
type_text "Ed Two"
press Return
wait_eq 0 "OK closes the dialog" driver visible TForm18
wait_rows 8 "OK adds the shortcut"
stop_vtx
grep -qF "ed two|${dir}tools\\editor.exe|${dir}tools\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0" \
  "$DATA_DIR/list2.ini" || fail "the dialog's shortcut was not saved"
note "ok"
