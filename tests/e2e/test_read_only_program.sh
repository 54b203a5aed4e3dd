# A Program folder that cannot be written (a zip unpacked into a read-only place): start-up
# neither fails nor shows a message, creates nothing there, takes the themes that are there, and
# keeps the user's files in the Data folder.
#
# Making the folder read-only under Wine: Wine's wineserver opens and creates the files, and root
# may write anywhere, so for root a folder without write permission stays writable (and a DOS
# read-only attribute on a folder means nothing, on Windows as under Wine). This test therefore
# runs in a Wine prefix of its own whose wineserver, when the test runs as root, has lost the
# capabilities that let root ignore permissions (setpriv); then a folder without write
# permission is as read-only for the program as for any user. Where that cannot be done, the
# Program folder gets a file named "themes" instead, so that nothing can be created there.
set -euo pipefail
: "${VTX_SOURCE:?}" "${VTX_BUILD:?}"
# The other tests' prefix has its own Wine desktop on this display; with two desktops on one
# screen the keys may go to the other one. It is ended for this test and started again after.
SHARED_PREFIX="${WINEPREFIX:-}"
export WINEPREFIX="$VTX_BUILD/wineprefix-readonly"
source "$VTX_SOURCE/scripts/wine-env.sh"
source "$(dirname "$0")/lib.sh"

writable() { chmod -R u+w "$E2E_DIR" 2>/dev/null || true; }
cleanup() {
  stop_own_copies
  writable
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$SHARED_PREFIX" ]; then (export WINEPREFIX="$SHARED_PREFIX"; vtx_start_wine); fi
}
trap cleanup EXIT

if [ -n "$SHARED_PREFIX" ]; then
  WINEPREFIX="$SHARED_PREFIX" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$SHARED_PREFIX" wineserver -w >/dev/null 2>&1 || true
fi
wineserver -k >/dev/null 2>&1 || true
vtx_init_prefix
drop=()
if [ "$(id -u)" -eq 0 ]; then drop=(setpriv "--bounding-set=-dac_override,-dac_read_search,-fowner" --); fi
"${drop[@]}" wineserver -p >/dev/null 2>&1 </dev/null || true
wine cmd /c exit >/dev/null 2>&1 </dev/null || true

# Can this Wine be kept from writing into a folder?
probe="$WINEPREFIX/drive_c/vtx-e2e/read-only-probe"
rm -rf "$probe" && mkdir -p "$probe" && chmod a-w "$probe"
wine cmd /c 'mkdir C:\vtx-e2e\read-only-probe\sub' >/dev/null 2>&1 </dev/null || true
permissions=1
[ -d "$probe/sub" ] && permissions=0
chmod u+w "$probe" && rm -rf "$probe"

# Nothing may pop up while the program starts; it must then finish its start-up.
start_quietly() {
  start_vtx_early
  local text deadline=$(( $(now_ms) + 2 * E2E_WAIT * 1000 ))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    driver ready 0 && break
    text="$(driver msgbox 0 || true)"
    [ -z "$text" ] || fail "$1: a message at start-up: [$text]"
    sleep 0.25
  done
  driver ready 100 || fail "$1: start-up did not finish"
}
# What the folder holds (pixel.png is the test's own, written by this shell).
sums() { (cd "$E2E_DIR" && find . ! -name pixel.png -exec stat -c '%n %s' {} + | LC_ALL=C sort); }

# ---------------------------------------------------------------- the program alone in such a place
writable
fresh_install
rm -f "$E2E_DIR/vtx_probe.exe"
if [ "$permissions" = 1 ]; then
  chmod a-w "$E2E_DIR"
  note "read-only through permissions${drop[*]:+ (a wineserver without the overrides of root)}"
else
  : >"$E2E_DIR/themes"
  note "this Wine writes anywhere: the Program folder gets a file named themes instead"
fi
before="$(sums)"
start_quietly "the program alone"
summon
type_text "ca"
wait_listsel 1 "typing in the launcher of a read-only Program folder"
screenshot read-only-program
press Escape
wait_hidden
stop_vtx
[ "$(sums)" = "$before" ] || fail "the program changed its read-only folder: $(diff <(echo "$before") <(sums) | xargs)"
note "the program alone: no message, nothing created"
[ -f "$DATA_DIR/list2.ini" ] || fail "the catalogue was not saved in the Data folder"
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'theme=Default Theme.th2' || fail "the theme setting was lost"
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'firstrun=0' || fail "the first run did not finish"

# ---------------------------------------------------------------- the packages' content there, with a theme of one's own
if [ "$permissions" = 0 ]; then
  note "ok (themes read from a read-only folder: not tested, this Wine writes anywhere)"
  exit 0
fi
writable
fresh_install
start_vtx   # writable: puts the default theme in place, as the packages ship it
stop_vtx
mkdir -p "$E2E_DIR/themes/Green"
convert -size 300x60 xc:'#20D020' -type TrueColor "BMP3:$E2E_DIR/themes/Green/back.bmp"
printf 'title=Green\r\nthmfolder=Green\r\ncoolbackimage=back.bmp\r\ncooltransparentcolor=FF00FF\r\ncoolwidth=300\r\ncoolheight=60\r\n' \
  >"$E2E_DIR/themes/Green.th2"
write_settings hotkey=Win+Z coolmode=1 theme=Green.th2 top=300 left=400
chmod -R a-w "$E2E_DIR"
before="$(sums)"
start_quietly "the packages' content"
read -r x y w h <<<"$(driver rect TForm1)"
assert_eq "$w $h" "300 60" "Cool window size of the theme in the read-only folder"
summon
wait_pixel $((x + 150)) $((y + 36)) 20D020 "the theme's bitmap from the read-only folder"
screenshot read-only-program-theme
press Escape
wait_hidden
stop_vtx
[ "$(sums)" = "$before" ] || fail "the program changed its read-only folder: $(diff <(echo "$before") <(sums) | xargs)"
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'theme=Green.th2' || fail "the theme setting was lost"
note "ok"
