# The right button on the result list selects the row under the pointer and opens its
# menu: copy the address, open the containing folder (or say it is missing), and the
# "Nothing selected!" messages below the last row.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400
mkdir -p "$E2E_DIR/tools"
write_catalogue \
  "afile|c:\\no-such-folder\\sub\\a.txt|c:\\no-such-folder\\sub\\||||||SW_SHOWNORMAL|File|||None||1|||||||||0" \
  "bfile|${E2E_WIN}tools\\b.txt|${E2E_WIN}tools\\||||||SW_SHOWNORMAL|File|||None||1|||||||||0" \
  "cweb|http://c.example/page|||||||SW_SHOWNORMAL|URL|||None||1|||||||||0"
start_vtx
summon
read -r x y _ _ <<<"$(driver rect TForm1)"
row_y() { echo $((y + 41 + 16 * $1 + 8)); }

# Row 0, "&Copy Address" by its access key.
menu_at $((x + 30)) "$(row_y 0)" 3
assert_eq "$(driver listsel TForm1)" "0" "the right button selects the row under the pointer"
screenshot context-menu
press c
wait_no_menu
wait_clipboard 'c:\no-such-folder\sub\a.txt' "copied address"

# Row 0, "Open Containing Folder" (second item): the folder does not exist.
menu_at $((x + 30)) "$(row_y 0)" 3
press Down Down Return
assert_eq "$(driver msgbox $((E2E_WAIT * 1000)))" "Can not find folder 'c:\\no-such-folder\\sub' " "missing folder message"

# Row 1: its folder exists and is opened through the shell (Wine's explorer shows it).
menu_at $((x + 30)) "$(row_y 1)" 3
assert_eq "$(driver listsel TForm1)" "1" "second row selected"
press Down Down Return
folder_pid=""
folder_opened() {
  local pid
  for pid in $(pgrep -f 'explorer\.exe' 2>/dev/null); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qiF "${E2E_WIN}tools" && folder_pid=$pid
  done
  [ -n "$folder_pid" ]
}
until_ok folder_opened || fail "the containing folder was not opened"
driver msgbox 300 >/dev/null && fail "a message for an existing folder"
kill "$folder_pid" 2>/dev/null || true
folder_closed() { [ ! -e "/proc/$folder_pid" ] || grep -q '^State:.*[ZX]' "/proc/$folder_pid/status" 2>/dev/null; }
until_ok folder_closed || fail "the folder window did not close"
driver foreground TForm1

# Row 2 is a URL: no "Open Containing Folder", so the second item is "&Copy Address".
driver settext "before"
wait_clipboard "before"
menu_at $((x + 30)) "$(row_y 2)" 3
press Down Down Return
wait_no_menu
wait_clipboard "http://c.example/page" "second item of a URL row's menu"

# Below the last row nothing is selected.
menu_at $((x + 30)) "$(row_y 6)" 3
assert_eq "$(driver listsel TForm1)" "-1" "nothing selected below the last row"
press o
assert_eq "$(driver msgbox $((E2E_WAIT * 1000)))" \
  "Nothing selected! Please select the shortcut you want to execute and try again." "Open Selected message"
menu_at $((x + 30)) "$(row_y 6)" 3
press c
assert_eq "$(driver msgbox $((E2E_WAIT * 1000)))" "Nothing selected! Please select a shortcut and try again." "Copy Address message"

stop_vtx
note "ok"
