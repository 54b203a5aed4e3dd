# Enter launches every time the launcher is shown, also after it was hidden by a key
# (Escape, Ctrl+W) whose release went to another window.
source "$(dirname "$0")/lib.sh"
fresh_install
write_settings HAE=0 hotkey=Win+Z
write_catalogue "p1|${PROBE_WIN}|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0"
start_vtx

started=0
# One use of the launcher: summon, clear the old text, type the name, Enter.
round() {
  summon
  # The shown launcher holds the keyboard: its edit box has the focus of the foreground window.
  wait_eq "TForm1 Edit" "foreground window and focus after the hotkey ($1)" driver fgclass
  press ctrl+a BackSpace
  wait_listsel -1 "emptied text selects nothing ($1)"  # the keys reached the edit box
  type_text "p1"
  wait_listsel 0 "typing p1 ($1)"
  press Return
  started=$((started + 1))
  wait_probe "$started"
  assert_eq "$(driver visible TForm1)" "1" "HAE=0 keeps the launcher shown ($1)"
}

round "first"
round "second"
for hide in Escape ctrl+w; do
  summon
  press "$hide"
  wait_hidden
  round "first after $hide"
  round "second after $hide"
done

stop_vtx
note "ok"
