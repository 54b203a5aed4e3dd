# "New Shortcut..." from the launcher's menu: the manager opens the wizard; Tab to "Web Site",
# Enter, Back; a click on the Web Site picture, type the address, Tab (the name is suggested
# from it), Enter. The new line reaches list2.ini at exit with the address as typed (a web
# address is case-sensitive; only the name is lower-cased), and the manager shows the new
# shortcut.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings hotkey=Win+Z top=300 left=400
write_catalogue "zeta|c:\\zeta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
printf 'Probe|%s\r\n' "${PROBE_WIN}" >"$DATA_DIR/browsers.ini"
start_vtx
new_shortcut_from_menu
screenshot wizard-first-page
wait_focus TForm5 "Button Program" "the first link has the keyboard"
press Tab Tab Tab
wait_focus TForm5 "Button Web Site" "Tab reaches the Web Site link"
press Return
wait_focus TForm5 "Edit " "the web address field has the keyboard on the second page"
press alt+b
wait_focus TForm5 "Button Program" "Back returns to the first page"
read -r px py pw ph <<<"$(driver before TForm5 'Web Site')"
click_at $((px + pw / 2)) $((py + ph / 2))
wait_focus TForm5 "Edit " "a click on the Web Site picture opens its page"
type_text "https://www.example.com/Docs"
press Tab
wait_eq example.com/Docs "the name suggested by the address" driver after TForm5 'Type a name for this shortcut:'
screenshot wizard-web-site
press Return
wait_eq 0 "OK closes the wizard" driver visible TForm5
assert_eq "$(driver visible TForm2)" "1" "the manager stays"
driver close TForm2
stop_vtx
assert_file_lines "$DATA_DIR/list2.ini" \
  "example.com/docs|https://www.example.com/Docs|||||||SW_SHOWNORMAL|URL|||None||1||||Probe|||||0" \
  "zeta|c:\\zeta.exe|c:\\||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
note "ok"
