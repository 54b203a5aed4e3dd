# A first start with no files anywhere: the window stays hidden, and at exit the Data
# folder holds exactly the default catalogue, settings, reference lists and the browser found.
source "$(dirname "$0")/lib.sh"
fresh_install
# The default browser is whatever opens ".htm" files: here the probe.
wine reg add 'HKCR\.htm' /ve /d vtxtesthtml /f >/dev/null 2>&1
wine reg add 'HKCR\vtxtesthtml\shell\open\command' /ve /d "\"${PROBE_WIN}\" \"%1\"" /f >/dev/null 2>&1
trap "wine reg delete 'HKCR\\.htm' /f >/dev/null 2>&1; wine reg delete 'HKCR\\vtxtesthtml' /f >/dev/null 2>&1" EXIT
# The work area shrinks when Wine's task bar appears for the tray icon, so the program may
# have seen it with or without the task bar.
read -r wa_w wa_h0 <<<"$(driver workarea)"
start_vtx
wait_message_loop
assert_eq "$(driver visible TForm1)" "0" "the launcher window is hidden at a first start"
read -r _ wa_h1 <<<"$(driver workarea)"
[ -d "$DATA_DIR" ] || fail "the Data folder was not created"
[ -f "$E2E_DIR/themes/Default Theme.th2" ] || fail "the default theme was not put in place"
stop_vtx

assert_file_lines "$DATA_DIR/list2.ini" \
  'c|c:\|||||||SW_SHOWMAXIMIZED|Folder|||Purple||1|||||||||0' \
  'calc|calc|||||||SW_SHOWNORMAL|Other|||Orange||1|||||||||0' \
  'd|d:\|||||||SW_SHOWNORMAL|Folder|||None||1|||||||||0' \
  'vtx on the web|https://www.orvane.com/vantrix/|||||||SW_SHOWNORMAL|URL|||None||1||||firefox|||||0'

wa_h=$wa_h0
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx "f2top=$((wa_h1 / 2 - 292))" && wa_h=$wa_h1
# The window stands centred on the work area (of the monitor under the pointer).
assert_file_lines "$DATA_DIR/set.set" \
  program=vtx firstrun=0 "theme=Default Theme.th2" lastthemeauthor= \
  "top=$(((wa_h - 200) / 2))" "left=$(((wa_w - 141) / 2))" height=200 width=141 opacity=0 hotkey=Win+Z \
  "f2top=$((wa_h / 2 - 292))" "f2left=$((wa_w / 2 - 396))" f2height=584 f2width=793 \
  showwindow=0 coolmode=0 quickadd=0 showprogram=0 showicons=0 udnavlist=0 HAE=0 stayontop=0 startonstartup=1

assert_file_lines "$DATA_DIR/colorlabels.ini" Red=Important Orange=Orange Yellow=Yellow Green=Green Blue=Blue \
  Purple=Purple Gray=Temporary
assert_file_lines "$DATA_DIR/cpapplets.ini" "Display properties|desk.cpl" "Add and remove programs|appwiz.cpl" \
  "Time and date|timedate.cpl" "Accessibility options|access.cpl" "System properties|sysdm.cpl" \
  "Game controlers|joy.cpl" "Telephone and modem settings|telephon.cpl" "Internet|inetcpl.cpl" \
  "International settings|intl.cpl" "Mouse|main.cpl" "Multimedia|mmsys.cpl" "Power configuration|powercfg.cpl"
assert_file_lines "$DATA_DIR/defprogs.ini" "Paint|mspaint" "Calculator|calc" "Fonts Folder|fonts" "WordPad|wordpad" \
  "NotePad|notepad" "Internet Explorer|iexplore" "Character Map|charmap" "Sound Volume|sndvol32" \
  "Sound Recorder|sndrec32" "Magnifier|magnify" "Accessibility Wizard|accwiz" "Task Manager|taskmgr" \
  "Registry Editor|regedit" "System Configuration Utility|msconfig" "DirectX Diagnostics Tool|dxdiag" \
  "Command Prompt|cmd" "Disk Defragmenter|dfrg.msc" "Computer Management|compmgmt.msc" "Services|services.msc" \
  "Device Manager|devmgmt.msc" "Disk Management|diskmgmt.msc" "Event Manager|eventvwr.msc" \
  "System Information|msinfo32" "Open Default Email Client|mailto:"
[ ! -e "$DATA_DIR/previous-list2.ini" ] || fail "no backup is taken when no list existed"
# The browser the first run found is kept, although Define Browsers was never opened.
assert_file_lines "$DATA_DIR/browsers.ini" "vtx_probe|${PROBE_WIN}"
ls "$DATA_DIR" | grep -q '\.tmp$' && fail "a temporary file was left behind"
note "ok"
