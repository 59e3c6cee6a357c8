#!/usr/bin/env bash
# The installer under wine, in a wine prefix of the test's own (a clean machine with nothing of
# Lexiton on it):
#   1. `/S /LANG=1038` installs silently: the program, its libraries, data and help files in
#      Program Files, the Start-menu entries, the start-with-Windows value, the uninstall entry,
#      and a Hungarian settings file for the user;
#   2. the installed program starts from its installed location, publishes itself and shows its
#      tray icon; while it runs, another installation refuses to touch its files; the
#      end-of-session message ends it and the icon goes;
#   3. the uninstaller removes what was installed and the start-with-Windows value, and keeps
#      the user's settings;
#   4. a second installation (`/LANG=2057 /AUTORUN=0`) keeps those settings and leaves Lexiton
#      out of the programs that start with Windows; `/REMOVESETTINGS` removes the settings too.
#
#   installer_wine_test.sh SETUP_EXE BIN_DIR WORK_DIR
# Run by ctest through scripts/wine-ctest, which gives the loader (WINELOADER) and an Xvfb
# DISPLAY; the test's prefix lives in WORK_DIR and its wineserver is ended on exit.
set -u
setup=${1:?usage: installer_wine_test.sh SETUP_EXE BIN_DIR WORK_DIR}
bin=${2:?usage: installer_wine_test.sh SETUP_EXE BIN_DIR WORK_DIR}
work=${3:?usage: installer_wine_test.sh SETUP_EXE BIN_DIR WORK_DIR}

failures=0
fail() {
  echo "installer_wine_test: FAIL: $*" >&2
  failures=$((failures + 1))
}
die() {
  echo "installer_wine_test: FAIL: $*" >&2
  exit 1
}
step() { echo "installer_wine_test: $*"; }

[ -f "$setup" ] || die "no installer at $setup"
[ -f "$bin/installer_probe.exe" ] || die "no $bin/installer_probe.exe"
[ -x "${WINELOADER:-}" ] && [ -n "${DISPLAY:-}" ] ||
  die "WINELOADER and DISPLAY are not set: run through scripts/wine-ctest"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINELOADERNOEXEC
rm -rf "$work"
mkdir -p "$work"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wine() { timeout "${WINE_LIMIT:-120}" "$WINELOADER" "$@" </dev/null; }
reg_value() {  # KEY VALUE: the data of a registry value, empty when there is none
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '
    { at = index($0, "    REG_") }
    at { n = substr($0, 1, at - 1); sub(/^ +/, "", n)
         if (tolower(n) == tolower(name)) { v = substr($0, at + 4); sub(/^REG_[A-Z_]+ */, "", v); print v; exit } }'
}
reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }
ini_value() {  # FILE SECTION KEY
  tr -d '\r' <"$1" | awk -v s="[$2]" -v k="$3" '
    /^\[/ { in_s = (tolower($0) == tolower(s)) ; next }
    in_s && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }'
}

step "booting a fresh prefix"
. "$(dirname "$0")/../../scripts/wine-session.sh"
wine_server_keep || die "no wineserver for $WINEPREFIX"
WINE_LIMIT=240 wine wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

drive_c="$WINEPREFIX/drive_c"
program_dir="$drive_c/Program Files/Lexiton"
program='C:\Program Files\Lexiton\Lexiton.exe'
appdata_dir=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
settings_dir=$("$WINELOADER" winepath -u "$appdata_dir\\Veltrix\\Lexiton" 2>/dev/null | tr -d '\r')
[ -n "$appdata_dir" ] && [ -n "$settings_dir" ] || die "cannot find %APPDATA% in the prefix"
ini="$settings_dir/lexiton.ini"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexiton'
data_dirs_key='HKCU\Software\Veltrix\AppDataDirs'
shipped=(Lexiton.exe LexitonClt.dll LexitonSt.dll tippaint.dll mtippaint.dll uires1038.dll
         uires2057.dll ptrhook.dll textgrab.dll dictcore.dll voicer.dll korvell.sty kvo.cri
         lexiton-en-hu.dict lexiton-hu-en.dict lexiton-core.lex win65K.spl win256.spl
         kvoHelpEN.chm kvoHelpHU.chm Uninstall.exe)

# --- 1. silent installation in Hungarian ---------------------------------------------------
step "installing silently (/S /LANG=1038)"
wine "$setup" /S /LANG=1038
code=$?
[ $code -eq 0 ] || die "the installer exited with $code"
for f in "${shipped[@]}"; do
  [ -f "$program_dir/$f" ] || fail "$f was not installed"
done
[ -f "$start_menu/Lexiton.lnk" ] || fail "no Start-menu entry for Lexiton"
[ -f "$start_menu/Lexiton súgó.lnk" ] || fail "no Start-menu entry for the Hungarian help"
[ "$(reg_value "$run_key" Lexiton)" = "\"$program\"" ] ||
  fail "the Run value is '$(reg_value "$run_key" Lexiton)', not the program's quoted path"
[ "$(reg_value "$uninstall_key" UninstallString)" = '"C:\Program Files\Lexiton\Uninstall.exe"' ] ||
  fail "the uninstall entry is missing or wrong: '$(reg_value "$uninstall_key" UninstallString)'"
[ "$(reg_value "$uninstall_key" DisplayVersion)" != "" ] || fail "the uninstall entry has no version"
[ -f "$ini" ] || die "no settings file at $ini"
[ "$(ini_value "$ini" dict UserLang)" = 1038 ] || fail "UserLang is '$(ini_value "$ini" dict UserLang)', not 1038"
[ "$(ini_value "$ini" dict HVRDicts)" = 1 ] || fail "HVRDicts is not 1"
[ "$(ini_value "$ini" dict AutoRun)" = 1 ] || fail "AutoRun is not 1 though Lexiton starts with Windows"
[ "$(ini_value "$ini" "Server Settings" Server_Mode)" = 0 ] || fail "Server_Mode is not 0"

# --- 2. the installed program runs from where it was installed -------------------------------
step "starting the installed program"
alerts="$work/alerts.txt"
LEXITON_ALERT_FILE=$("$WINELOADER" winepath -w "$alerts" 2>/dev/null | tr -d '\r')
export LEXITON_ALERT_FILE
[ "$(wine "$bin/installer_probe.exe" tray-icons | tr -d '\r')" = "tray icons: 0" ] ||
  fail "a tray icon is on show before Lexiton starts"
timeout 120 "$WINELOADER" "$program" </dev/null >"$work/program.out" 2>&1 &
program_pid=$!
probe=$(wine "$bin/installer_probe.exe" running 60 | tr -d '\r')
echo "$probe"
if ! grep -qxF "program: $program" <<<"$probe"; then
  fail "Lexiton did not come up from $program: $probe $(cat "$alerts" 2>/dev/null)"
fi
grep -qx "tray icons: 1" <<<"$probe" || fail "Lexiton's tray icon is not on show"
[ "$(reg_value "$data_dirs_key" "$program")" != "" ] ||
  fail "the program did not record its data directory under its installed path"

step "a second installation while Lexiton runs must leave it alone"
wine "$setup" /S
code=$?
[ $code -eq 2 ] || fail "the installer run while Lexiton runs exited with $code, not 2"

step "ending it through the end-of-session message"
ended=$(wine "$bin/installer_probe.exe" end 60 | tr -d '\r')
echo "$ended"
[ "$ended" = "ended; tray icons: 0" ] || fail "Lexiton did not end cleanly: $ended"
wait "$program_pid" 2>/dev/null
[ ! -s "$alerts" ] || fail "Lexiton showed messages: $(cat "$alerts")"
[ "$(ini_value "$ini" dict AutoRun)" = 1 ] || fail "Lexiton did not keep AutoRun=1 at exit"

# --- 3. uninstalling keeps the settings --------------------------------------------------------
# The uninstaller copies itself away and runs from there, so its end shows in what it removed.
step "uninstalling silently"
wine "$program_dir/Uninstall.exe" /S
for _ in $(seq 300); do
  [ ! -d "$program_dir" ] && ! reg_key_exists "$uninstall_key" && break
  sleep 0.2
done
[ ! -d "$program_dir" ] || fail "the program folder is still there: $(ls "$program_dir")"
! reg_key_exists "$uninstall_key" || fail "the uninstall entry is still there"
[ ! -e "$start_menu/Lexiton.lnk" ] || fail "the Start-menu entry is still there"
[ ! -e "$start_menu/Lexiton súgó.lnk" ] || fail "the help's Start-menu entry is still there"
[ "$(reg_value "$run_key" Lexiton)" = "" ] || fail "the Run value is still there"
[ "$(reg_value "$data_dirs_key" "$program")" = "" ] || fail "the data-directory record is still there"
[ "$(ini_value "$ini" dict UserLang)" = 1038 ] || fail "the uninstaller did not keep the settings"

# --- 4. a reinstallation keeps them; REMOVESETTINGS removes them ------------------------------
step "installing again (/S /LANG=2057 /AUTORUN=0)"
# The user's own colour, as the program saves it at exit.
grep -q '^TTColor=' "$ini" || fail "Lexiton did not save TTColor at exit"
sed -i 's/^TTColor=.*/TTColor=4259584\r/' "$ini"
wine "$setup" /S /LANG=2057 /AUTORUN=0
code=$?
[ $code -eq 0 ] || die "the second installation exited with $code"
[ -f "$program_dir/Lexiton.exe" ] || fail "the second installation did not install the program"
[ "$(ini_value "$ini" dict UserLang)" = 1038 ] || fail "the second installation replaced the user's language"
[ "$(ini_value "$ini" dict TTColor)" = 4259584 ] || fail "the second installation lost the user's colour"
[ "$(ini_value "$ini" dict AutoRun)" = 0 ] || fail "AutoRun is not 0 after /AUTORUN=0"
[ "$(reg_value "$run_key" Lexiton)" = "" ] || fail "/AUTORUN=0 still wrote the Run value"
[ -f "$start_menu/Lexiton Help.lnk" ] || fail "no Start-menu entry for the English help"

step "uninstalling with /REMOVESETTINGS"
# The word list's SQLite log and index, as a program that did not end cleanly leaves them.
printf 'log' >"$settings_dir/lexidic.db-wal"
printf 'index' >"$settings_dir/lexidic.db-shm"
wine "$program_dir/Uninstall.exe" /S /REMOVESETTINGS
for _ in $(seq 300); do
  [ ! -d "$program_dir" ] && [ ! -d "$settings_dir" ] && break
  sleep 0.2
done
[ ! -d "$program_dir" ] || fail "the program folder is still there after the second uninstall"
[ ! -e "$ini" ] || fail "/REMOVESETTINGS kept the settings file"
[ ! -d "$settings_dir" ] || fail "/REMOVESETTINGS kept the settings folder: $(ls "$settings_dir")"

if [ $failures -gt 0 ]; then
  echo "installer_wine_test: $failures check(s) failed"
  exit 1
fi
echo "installer_wine_test: installed, ran, ended and uninstalled cleanly"
