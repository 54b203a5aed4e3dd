# The Program folder's set.set and list2.ini are read when the Data folder has none and
# are never changed; "showprogram=1" shows the window unless the parameter is "ns".
source "$(dirname "$0")/lib.sh"
fresh_install
printf 'program=vtx\r\nfirstrun=0\r\nshowprogram=1\r\nHEIGHT=300\r\nhotkey=Ctrl+Shift+F10\r\nopacity=30\r\n' >"$E2E_DIR/set.set"
printf 'alpha|c:\\alpha.exe|||||||SW_SHOWNORMAL|Program|||None||1|||||||||0\r\n' >"$E2E_DIR/list2.ini"
cp "$E2E_DIR/set.set" "$E2E_DIR/set.orig"; cp "$E2E_DIR/list2.ini" "$E2E_DIR/list2.orig"

start_vtx ns
wait_message_loop  # the window would have been shown before the message loop began
assert_eq "$(driver visible TForm1)" "0" "a start through the Run key stays hidden"
stop_vtx

rm -rf "$E2E_APPDATA/Orvane"
start_vtx
wait_visible 1 "showprogram=1 shows the window"
read -r _ _ w h <<<"$(driver rect TForm1)"
assert_eq "$w $h" "141 300" "window size from HEIGHT in capitals"
read -r ok _ alpha _ <<<"$(driver layered TForm1)"
assert_eq "$alpha" "255" "opacity below 50 gives an opaque window"
stop_vtx

cmp -s "$E2E_DIR/set.set" "$E2E_DIR/set.orig" || fail "the Program folder's set.set changed"
cmp -s "$E2E_DIR/list2.ini" "$E2E_DIR/list2.orig" || fail "the Program folder's list2.ini changed"
grep -q '^alpha|' "$DATA_DIR/list2.ini" || fail "catalogue not written to the Data folder"
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'opacity=30' || fail "opacity 30 is written back"
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'height=300' || fail "height written back"
# Written with the plain modifier names, whatever the layout calls them (Wine: "Control").
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'hotkey=Ctrl+Shift+F10' || fail "hotkey written back"
[ ! -e "$DATA_DIR/previous-list2.ini" ] || fail "no backup of a Program folder list"
note "ok"
