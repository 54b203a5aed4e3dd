# Settings files as a user's machine may hold them. A set.set that exists but cannot be read
# (here a folder) is no first run: no quick-start guide, no browser detection replacing the
# browser list, no Run entry, and set.set stays as it is. A theme name that leads out of
# "themes\" loads the default theme; positions and a height that no screen can show are
# brought back into range when read, and so when saved.
source "$(dirname "$0")/lib.sh"
# The prefix is shared by the tests: it goes back to Windows 7, without the entry and the
# test's default browser, whatever happens.
restore() {
  wine reg delete "$RUN_KEY" /v ovvtx /f >/dev/null 2>&1 || true
  wine reg delete 'HKCR\.htm' /f >/dev/null 2>&1 || true
  wine reg delete 'HKCR\vtxtesthtml' /f >/dev/null 2>&1 || true
  wine winecfg /v win7 >/dev/null 2>&1 || true
}
trap restore EXIT

fresh_install
# A current Windows, where a first run writes the Run entry; the probe is the default browser
# and, as qsg.exe, the quick-start guide: a first run would start it and list it as the browser.
wine winecfg /v win10 >/dev/null 2>&1
wine reg delete "$RUN_KEY" /v ovvtx /f >/dev/null 2>&1 || true
wine reg add 'HKCR\.htm' /ve /d vtxtesthtml /f >/dev/null 2>&1
wine reg add 'HKCR\vtxtesthtml\shell\open\command' /ve /d "\"${PROBE_WIN}\" \"%1\"" /f >/dev/null 2>&1
cp "$E2E_DIR/vtx_probe.exe" "$E2E_DIR/qsg.exe"
mkdir -p "$DATA_DIR/set.set"
printf 'opera|c:\\opera\\opera.exe\r\nie|c:\\ie\\iexplore.exe\r\n' >"$DATA_DIR/browsers.ini"
cp "$DATA_DIR/browsers.ini" "$E2E_DIR/browsers.orig"

start_vtx_early
assert_eq "$(driver msgbox $((E2E_WAIT * 1000)))" \
  "The settings file could not be read; it will not be overwritten when Vantrix ends." "message for the unreadable file"
driver ready $((E2E_WAIT * 1000)) || fail "start-up did not finish after the message"
driver endsession TApplication
stop_vtx
cmp -s "$DATA_DIR/browsers.ini" "$E2E_DIR/browsers.orig" || fail "the browser list was replaced: $(cat "$DATA_DIR/browsers.ini")"
[ ! -e "$PROBE_LOG" ] || fail "the quick-start guide was started: $(cat "$PROBE_LOG")"
assert_eq "$(run_entry)" "" "no Run entry is written"
[ -d "$DATA_DIR/set.set" ] || fail "set.set was replaced"
[ -f "$DATA_DIR/list2.ini" ] || fail "the catalogue is still saved"
restore
trap - EXIT

# A theme name that leads out of "themes\" to a theme that exists there, and numbers beyond
# any screen.
rm -rf "$DATA_DIR/set.set" "$E2E_DIR/../outside"
mkdir -p "$E2E_DIR/../outside"
printf 'title=Outside\r\ncoolwidth=333\r\ncoolheight=77\r\ncooltransparentcolor=00FF00\r\n' >"$E2E_DIR/../outside/x.th2"
write_settings coolmode=1 'theme=..\..\outside\x.th2' top=-2147483648 left=2147483647 height=2147483647 \
  f2top=-2147483648 f2left=2147483647
start_vtx
wait_size "300 60" "the default theme's Cool mode size, not the outside theme's"
stop_vtx
rm -rf "$E2E_DIR/../outside"
settings="$(tr -d '\r' <"$DATA_DIR/set.set")"
grep -qx 'theme=Default Theme.th2' <<<"$settings" || fail "the default theme is saved: $settings"
grep -qx 'top=[0-9]\{1,4\}' <<<"$settings" || fail "top brought back onto the screen: $settings"
grep -qx 'left=-\?[0-9]\{1,4\}' <<<"$settings" || fail "left within the work area: $settings"
grep -qx 'height=16000' <<<"$settings" || fail "height brought into range: $settings"
grep -qx 'f2top=-32000' <<<"$settings" || fail "f2top brought into range: $settings"
grep -qx 'f2left=32000' <<<"$settings" || fail "f2left brought into range: $settings"
note "ok"
