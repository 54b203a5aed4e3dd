# The Run-key entry "ovvtx": written at start when starting with Windows is on, removed
# when it is off, and left alone on Windows Vista to 8.1 (version code 8).
source "$(dirname "$0")/lib.sh"
# The prefix is shared by the tests: it goes back to Windows 7 and loses the entry whatever happens.
restore() {
  wine reg delete "$RUN_KEY" /v ovvtx /f >/dev/null 2>&1 || true
  wine winecfg /v win7 >/dev/null 2>&1 || true
}
trap restore EXIT
wine reg delete "$RUN_KEY" /v ovvtx /f >/dev/null 2>&1 || true

settings_on() {
  mkdir -p "$DATA_DIR"
  printf 'program=vtx\r\nfirstrun=0\r\nstartonstartup=1\r\n' >"$DATA_DIR/set.set"
}

fresh_install
# Windows 7: the setting is neither read nor acted on.
wine winecfg /v win7 >/dev/null 2>&1
settings_on
start_vtx
assert_eq "$(run_entry)" "" "no entry on Windows 7"
stop_vtx

# Windows 10: the entry names the program in quotes (its folder may hold blanks) and the parameter "ns".
wine winecfg /v win10 >/dev/null 2>&1
settings_on
start_vtx
entry="$(run_entry || true)"
[ "${entry,,}" == "\"${E2E_WIN,,}vantrix.exe\" ns" ] ||
  fail "Run entry: expected [\"${E2E_WIN}vantrix.exe\" ns], got [$entry]"
stop_vtx
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'startonstartup=1' || fail "startonstartup=1 saved"

# Switched off: the entry goes.
sed -i 's/^startonstartup=1/startonstartup=0/' "$DATA_DIR/set.set"
start_vtx
assert_eq "$(run_entry)" "" "entry removed when starting with Windows is off"
stop_vtx
tr -d '\r' <"$DATA_DIR/set.set" | grep -qx 'startonstartup=0' || fail "startonstartup=0 saved"
note "ok"
