# The end of the log-on writes settings, catalogue and browser list, but not the three
# reference lists that only an exit writes.
source "$(dirname "$0")/lib.sh"
fresh_install
# The default browser is whatever opens ".htm" files: here the probe.
wine reg add 'HKCR\.htm' /ve /d vtxtesthtml /f >/dev/null 2>&1
wine reg add 'HKCR\vtxtesthtml\shell\open\command' /ve /d "\"${PROBE_WIN}\" \"%1\"" /f >/dev/null 2>&1
trap "wine reg delete 'HKCR\\.htm' /f >/dev/null 2>&1; wine reg delete 'HKCR\\vtxtesthtml' /f >/dev/null 2>&1" EXIT
start_vtx
driver endsession TForm1
[ -f "$DATA_DIR/set.set" ] || fail "settings not written"
[ -f "$DATA_DIR/list2.ini" ] || fail "catalogue not written"
[ -f "$DATA_DIR/browsers.ini" ] || fail "browser list not written"
for f in colorlabels.ini cpapplets.ini defprogs.ini; do
  [ ! -e "$DATA_DIR/$f" ] || fail "$f must not be written at the end of a session"
done
# The first run found the default browser: its only line is "name|path".
assert_file_lines "$DATA_DIR/browsers.ini" "vtx_probe|${PROBE_WIN}"
stop_vtx
note "ok"
