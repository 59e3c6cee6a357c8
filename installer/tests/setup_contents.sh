#!/usr/bin/env bash
# Checks what the shipped installer holds, without running it: every file of the list that
# CMake wrote (FILES_NSH) is in it, and every program and library twice, once built for i686
# and once for x86_64 (the installer picks one by the Windows it runs on). Data files the two
# builds share are stored once. Prints the installer's size.
#
#   setup_contents.sh SETUP_EXE FILES_NSH
set -u
setup=${1:?usage: setup_contents.sh SETUP_EXE FILES_NSH}
list=${2:?usage: setup_contents.sh SETUP_EXE FILES_NSH}
command -v 7z >/dev/null || { echo "setup_contents: 7z is missing: run 'make deps'" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/setup_contents.XXXXXX")
trap 'rm -rf "$work"' EXIT
# 7z reads NSIS installers; -aou keeps the second file of a name as NAME_1.EXT.
7z x -aou -o"$work" "$setup" >/dev/null || { echo "setup_contents: 7z cannot read $setup" >&2; exit 1; }

machine() {  # the machine field of a PE file's header: 014c (i686) or 8664 (x86_64)
  local pe
  pe=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  od -An -t x2 -j $((pe + 4)) -N 2 "$1" | tr -d ' '
}

failed=0 files=0
while read -r name; do
  files=$((files + 1))
  stem=${name%.*} ext=${name##*.}
  case $ext in
    exe|dll)
      machines=$(for f in "$work/$name" "$work/${stem}_1.$ext"; do [ -f "$f" ] && machine "$f"; done | sort | tr '\n' ' ')
      if [ "$machines" != "014c 8664 " ]; then
        echo "setup_contents: $name is held for machines '${machines% }', not for both i686 (014c) and x86_64 (8664)" >&2
        failed=1
      fi ;;
    *)
      [ -f "$work/$name" ] || { echo "setup_contents: $name is missing" >&2; failed=1; } ;;
  esac
done < <(sed -n 's|^ *File "${DIR}/\(.*\)"$|\1|p' "$list")
[ "$files" -gt 0 ] || { echo "setup_contents: no files listed in $list" >&2; exit 1; }
[ -f "$work/Uninstall.exe" ] || { echo "setup_contents: no uninstaller" >&2; failed=1; }
[ "$failed" -eq 0 ] || exit 1
echo "setup_contents: $setup holds the $files shipped files for i686 and x86_64 ($(stat -c %s "$setup") bytes)"
