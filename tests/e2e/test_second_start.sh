# A second start backs up the catalogue it loads and runs no first-run actions.
source "$(dirname "$0")/lib.sh"
fresh_install
start_vtx
stop_vtx
cp "$DATA_DIR/list2.ini" "$E2E_DIR/first-list2.ini"
# A line of the user's own, to see that the backup is the file as loaded.
printf 'notes|c:\\notes.txt|||||||SW_SHOWNORMAL|File|||None||1|||||||||0\r\n' >>"$DATA_DIR/list2.ini"
start_vtx
# Taken once the program is ready, and byte for byte.
until_ok cmp -s "$DATA_DIR/list2.ini" "$DATA_DIR/previous-list2.ini" || fail "previous-list2.ini differs from the loaded list2.ini"
stop_vtx
grep -q '^notes|' "$DATA_DIR/list2.ini" || fail "the user's shortcut was lost"
# The list is saved sorted: "notes" after "d" and before "vtx on the web".
assert_eq "$(cut -d'|' -f1 "$DATA_DIR/list2.ini" | tr -d '\r' | tr '\n' ',')" "c,calc,d,notes,vtx on the web," "saved order"
note "ok"
