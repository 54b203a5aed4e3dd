# The end of the log-on writes settings, catalogue and browser list, but not the three
# reference lists that only an exit writes.
source "$(dirname "$0")/lib.sh"
fresh_install
start_vtx
driver endsession TForm1
[ -f "$DATA_DIR/set.set" ] || fail "settings not written"
[ -f "$DATA_DIR/list2.ini" ] || fail "catalogue not written"
[ -f "$DATA_DIR/browsers.ini" ] || fail "browser list not written"
for f in colorlabels.ini cpapplets.ini defprogs.ini; do
  [ ! -e "$DATA_DIR/$f" ] || fail "$f must not be written at the end of a session"
done
# The first run found the default browser: one line "name|path".
assert_eq "$(tr -d '\r' <"$DATA_DIR/browsers.ini" | wc -l)" "1" "one browser line"
tr -d '\r' <"$DATA_DIR/browsers.ini" | grep -q '^[^|]\+|.\+' || fail "browser line form"
stop_vtx
note "ok"
