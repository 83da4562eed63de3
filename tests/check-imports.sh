#!/usr/bin/env bash
# Fails when a binary imports anything but Windows system DLLs (a mingw runtime DLL would not be on a user's machine).
set -euo pipefail
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|shell32|shlwapi|advapi32|gdiplus|msvcrt|uuid|version|msimg32|msi)\.dll$'
status=0
for bin in "$@"; do
  imports=$("$objdump" -p "$bin" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || { echo "$bin: no import table found"; status=1; }
  for dll in $imports; do
    if ! [[ $dll =~ $allowed ]]; then echo "$bin imports $dll"; status=1; fi
  done
  echo "$(basename "$bin") imports: $(echo $imports)"
done
exit $status
