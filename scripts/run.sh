#!/usr/bin/env bash
# The main job: install, build, register the add-in in a Wine prefix as regsvr32 does, then let the
# workbench play Excel 2010 against it: it prints the sheet before and after each step and saves a picture
# of each wizard page it passes through (under Xvfb with Wine's X11 driver; the X display is $CW_DISPLAY,
# or a free one when that is unset).
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh" >/dev/null
"$repo_root/scripts/build.sh" >/dev/null
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/scripts/display.sh"
WINEPREFIX=$(ensure_picture_prefix)
export WINEPREFIX
start_display
trap 'wineserver -k >/dev/null 2>&1 || true; stop_display' EXIT

pictures=$build_root/pictures
rm -rf "$pictures"
dll=$(winepath -w "$repo_root/dist/i686/cellwright.dll" 2>/dev/null)
echo "== regsvr32 $dll"
wine regsvr32 /s "$dll" && echo "registered (regsvr32 exit code 0)"
echo "== workbench: Excel 2010 stand-in with a sample sheet"
wine "$build_root/i686/host/workbench/workbench.exe" "$(winepath -w "$repo_root/host/workbench/untidy.csv")" \
  --pictures "$(winepath -w "$pictures")"
echo "== the pictures of the wizard pages are in $pictures"
