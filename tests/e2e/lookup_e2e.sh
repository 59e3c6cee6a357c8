#!/usr/bin/env bash
# The look-up a user triggers, end to end, with the shipped Windows deliverables under wine:
#   - LexitonClt.dll in server mode asks the native lexiton-server on loopback;
#   - LexitonSt.dll translates in-process with no server at all;
# both through lexiton-lookup.exe with the pointer on a word, and one result of each painted by
# tippaint.dll through lexiton-paint.exe. The checks read the result lists as raw bytes:
# Hungarian letters must arrive as Windows-1250 bytes in "plai" and as \'xx escapes in the RTF.
#
#   lookup_e2e.sh NATIVE_BIN WINDOWS_BIN
# Run by ctest in the mingw build through scripts/wine-ctest, which provides WINEPREFIX and an
# Xvfb DISPLAY of its own.
set -u
native_bin=${1:?usage: lookup_e2e.sh NATIVE_BIN WIN32_BIN}
win_bin=${2:?usage: lookup_e2e.sh NATIVE_BIN WINDOWS_BIN}
server_exe=$native_bin/lexiton-server

fail() {
  echo "lookup_e2e: FAIL: $*" >&2
  exit 1
}

[ -x "$server_exe" ] ||
  fail "no native lexiton-server at $server_exe: build the native tree first (make native), or" \
       "point -DLEXITON_NATIVE_BIN at its bin folder"
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] ||
  fail "WINEPREFIX and DISPLAY are not set: run through scripts/wine-ctest"
for f in lexiton-lookup.exe LexitonClt.dll LexitonSt.dll lexiton-paint.exe tippaint.dll korvell.sty kvo.cri; do
  [ -f "$win_bin/$f" ] || fail "$win_bin/$f is missing"
done
command -v python3 >/dev/null || fail "python3 is needed to read the result lists"

. "$(dirname "$0")/server_session.sh"
server_session_scratch lookup_e2e

# The harness exports the loader of the build's architecture; /usr/bin/wine would always pick
# the 32-bit one.
[ -x "${WINELOADER:-}" ] || fail "WINELOADER is not set: run through scripts/wine-ctest"
export WINEDEBUG=${WINEDEBUG:--all}
winpath() { "$WINELOADER" winepath -w "$1" 2>/dev/null; }

# Alerts go to a file, so nothing ever waits for a person; none is expected.
alerts=$work/alerts.txt
export LEXITON_ALERT_FILE
LEXITON_ALERT_FILE=$(winpath "$alerts")
[ -n "$LEXITON_ALERT_FILE" ] || fail "winepath does not work in $WINEPREFIX"

# --- the server: a session in a fresh settings file, then serve on a free loopback port -----
# Bounded, so it ends even if this script is killed before its trap runs (a ctest timeout).
SERVER_SESSION_SECONDS=150 server_session_start "$server_exe" "$work" || fail "lexiton-server did not start"
ini=$server_ini
log=$server_log
printf '[dict]\nUserLang=1038\n' >>"$ini"
grep -q '^Server_Mode=1' "$ini" || fail "the session did not turn server mode on: $(cat "$ini")"

standalone_ini=$work/standalone.ini
printf '[dict]\nUserLang=1038\n[Server Settings]\nServer_Mode=0\n' >"$standalone_ini"

# --- one look-up: library, settings, word under the pointer, sentence -----------------------
# Leaves the result list in $work/TAG.chunks and lexiton-lookup's output in $work/TAG.out.
look_up() {
  local tag=$1 lib=$2 settings=$3 word=$4 text=$5
  local before=${text%%"$word"*}
  local rc attempt
  for attempt in 1 2; do
    rc=0
    # KVInit reads korvell.sty and kvo.cri from the working directory: the folder of the DLLs.
    (cd "$win_bin" && timeout 60 "$WINELOADER" lexiton-lookup.exe --lib "$lib" --ini "$(winpath "$settings")" \
       --cursor "${#before}" --source E2E --footer "Lexiton e2e" \
       --out "$(winpath "$work/$tag.chunks")" "$text") </dev/null >"$work/$tag.txt" 2>&1 || rc=$?
    tr -d '\r' <"$work/$tag.txt" >"$work/$tag.out"
    # Now and then wine's loader does not start the program itself but hands it to its start.exe,
    # which then ends with 1, with "ShellExecuteEx failed" or nothing at all in the output,
    # whatever the program did (about one run in twenty here). That is wine's launch, not the
    # look-up: it is run once more.
    [ "$rc" -eq 1 ] && [ "$attempt" -eq 1 ] &&
      { grep -q '^ShellExecuteEx failed' "$work/$tag.out" || [ ! -s "$work/$tag.out" ]; } || break
    echo "$tag: wine did not launch lexiton-lookup cleanly ($(head -c 200 "$work/$tag.out")); once more"
  done
  [ "$rc" -eq 0 ] || fail "$tag: lexiton-lookup returned $rc: $(cat "$work/$tag.out")"
  grep -q '^return: true$' "$work/$tag.out" || fail "$tag: Lookup did not produce a result: $(cat "$work/$tag.out")"
  grep -q '^count: [1-9]' "$work/$tag.out" || fail "$tag: no alternatives counted: $(cat "$work/$tag.out")"
  [ -s "$work/$tag.chunks" ] || fail "$tag: --out wrote no result list"
}

# Checks one result list against the sentence looked up, the phrase the pointer marked (bold in
# the RTF) and the count lexiton-lookup printed: "QXR1" holds at least one RTF document per
# alternative, separated by "-", and the footer last; "plai" is the last
# chunk, right before the terminator, with an "EN: "/"HU: " pair of lines per alternative.
# Each later argument is a word that must be in the result, given as Python bytes
# (Windows-1250): as it is in the plain text, and in the RTF with every byte above 127 written
# as \'xx.
check_result() {
  local tag=$1 sentence=$2 marked=$3; shift 3
  local count
  count=$(sed -n 's/^count: //p' "$work/$tag.out")
  python3 - "$work/$tag.chunks" "$tag" "$sentence" "$marked" "$count" "$@" <<'EOF' || fail "$tag: wrong result"
import ast, struct, sys

path, tag, sentence, marked = sys.argv[1], sys.argv[2], sys.argv[3].encode(), sys.argv[4].encode()
count, words = int(sys.argv[5]), [ast.literal_eval(w) for w in sys.argv[6:]]
data = open(path, 'rb').read()
chunks, at = [], 0
while True:
    if at + 4 > len(data):
        sys.exit(f"{tag}: no terminator in {len(data)} bytes")
    if data[at:at + 4] == b'\0\0\0\0':
        break
    if at + 8 > len(data):
        sys.exit(f"{tag}: a chunk header runs past the end at {at}")
    name = data[at:at + 4]
    size = struct.unpack('<I', data[at + 4:at + 8])[0]
    if at + 8 + size > len(data):
        sys.exit(f"{tag}: chunk {name!r} of {size} bytes runs past the end")
    chunks.append((name, data[at + 8:at + 8 + size]))
    at += 8 + size
if at + 4 != len(data):
    sys.exit(f"{tag}: {len(data) - at - 4} bytes follow the terminator")
names = [n for n, _ in chunks]
print(f"{tag}: chunks {names}")
if names.count(b'QXR1') != 1 or names.count(b'plai') != 1:
    sys.exit(f"{tag}: want one QXR1 and one plai chunk, got {names}")
if names[-1] != b'plai' or names.index(b'QXR1') > names.index(b'plai'):
    sys.exit(f"{tag}: want QXR1 before plai and plai last, got {names}")
rtf, plain = dict(chunks)[b'QXR1'], dict(chunks)[b'plai']
documents = rtf.split(b'-{\\rtf1')
documents = documents[:1] + [b'{\\rtf1' + d for d in documents[1:]]
if len(documents) < count:
    sys.exit(f"{tag}: {len(documents)} RTF documents for {count} alternatives")
for d in documents:
    if not d.startswith(b'{\\rtf1') or not d.endswith(b'}') or d.count(b'{') != d.count(b'}'):
        sys.exit(f"{tag}: QXR1 holds a document that is not whole RTF: {d[:40]!r}...{d[-20:]!r}")
if b'{\\b ' + marked + b'}' not in rtf:
    sys.exit(f"{tag}: the pointer's phrase {marked!r} is not bold in QXR1")
if b'Lexiton e2e\\par}' not in documents[-1]:
    sys.exit(f"{tag}: the footer is not in the last document: {documents[-1][-60:]!r}")
if any(b > 127 for b in rtf):
    sys.exit(f"{tag}: QXR1 holds raw bytes above 127; RTF escapes them")
lines = plain.split(b'%0D%0A')
if lines[-1] != b'' or len(lines) - 1 != 2 * count:
    sys.exit(f"{tag}: want {count} pairs of lines ending in %0D%0A in plai: {plain!r}")
for en, hu in zip(lines[0:-1:2], lines[1:-1:2]):
    if en != b'EN: ' + sentence or not hu.startswith(b'HU: ') or len(hu) <= 4:
        sys.exit(f"{tag}: plai holds a pair that is not EN: {sentence!r} / HU: ...: {en!r} {hu!r}")
for w in words:
    escaped = b''.join(b"\\'%02x" % b if b > 127 else bytes([b]) for b in w)
    if w not in plain:
        sys.exit(f"{tag}: plai lacks {w!r}: {plain!r}")
    if escaped not in rtf:
        sys.exit(f"{tag}: QXR1 lacks {escaped!r}")
    print(f"{tag}: {w!r} in plai, {escaped!r} in QXR1")
EOF
}

paint() {
  local tag=$1 rc=0
  (cd "$win_bin" && timeout 60 "$WINELOADER" lexiton-paint.exe --dll tippaint.dll --in "$(winpath "$work/$tag.chunks")" \
     --out "$(winpath "$work/$tag.png")" --x 300 --y 200 --background 0xE1FFFF) </dev/null \
     >"$work/$tag.paint" 2>&1 || rc=$?
  [ "$rc" -eq 0 ] || fail "$tag: lexiton-paint returned $rc: $(tr -d '\r' <"$work/$tag.paint")"
  [ "$(head -c 8 "$work/$tag.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "$tag: lexiton-paint wrote no PNG"
  echo "$tag: painted $(stat -c %s "$work/$tag.png") bytes of PNG"
}

houses="The houses are big."
smoking="He gave up smoking."

# Server mode: each look-up is one request in the access log.
look_up server-houses LexitonClt.dll "$ini" houses "$houses"
check_result server-houses "$houses" houses "b'A h\\xe1zak nagyok.'" "b'Az otthonok'"
look_up server-smoking LexitonClt.dll "$ini" gave "$smoking"
check_result server-smoking "$smoking" "gave up smoking" "b'Abbahagyta'" "b'doh\\xe1nyz\\xe1st'"
paint server-houses

# Standalone: no server, the same answers.
look_up offline-houses LexitonSt.dll "$standalone_ini" houses "$houses"
check_result offline-houses "$houses" houses "b'A h\\xe1zak nagyok.'" "b'Az otthonok'"
look_up offline-smoking LexitonSt.dll "$standalone_ini" gave "$smoking"
check_result offline-smoking "$smoking" "gave up smoking" "b'Abbahagyta'" "b'doh\\xe1nyz\\xe1st'"
paint offline-smoking

# Both libraries answer alike: the same plain text, byte for byte.
for t in houses smoking; do
  python3 -c '
import sys
def plai(p):
    d, at = open(p, "rb").read(), 0
    while d[at:at + 4] != b"plai":
        at += 8 + int.from_bytes(d[at + 4:at + 8], "little")
    return d[at + 8:at + 8 + int.from_bytes(d[at + 4:at + 8], "little")]
sys.exit(plai(sys.argv[1]) != plai(sys.argv[2]))' "$work/server-$t.chunks" "$work/offline-$t.chunks" ||
    fail "$t: LexitonClt.dll and LexitonSt.dll gave different plain texts"
done

# The server logged each query as one line, without the session name or the packed text.
server_session_stop || fail "lexiton-server did not stop cleanly on SIGTERM: $(cat "$log")"
echo "server log:"
cat "$log"
queries=$(grep -cE '^127\.0\.0\.1 POST /[^ ]* [0-9]+ ok [0-9]+us$' "$log")
[ "$queries" -eq 2 ] || fail "want one access-log line per server look-up (2), got $queries"
[ -n "$server_session" ] && ! grep -qF "$server_session" "$log" || fail "the access log shows the session name"
grep -q 'e2e-secret' "$log" && fail "the access log shows the password"
if [ -s "$alerts" ]; then fail "alerts were raised: $(cat "$alerts")"; fi
echo "lookup_e2e: all checks passed"
