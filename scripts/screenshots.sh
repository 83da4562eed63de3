#!/usr/bin/env bash
# Takes the picture of every wizard page for the help pages and the README: under Xvfb with Wine's X11
# driver, the workbench opens each tool's wizard through the ribbon callbacks, visits its pages and saves
# help/pictures/<page>.png. The X display is $CW_DISPLAY (":17", say), or a free one when that is unset.
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

pictures=$repo_root/help/pictures
mkdir -p "$pictures"
wine regsvr32 /s "$(winepath -w "$repo_root/dist/i686/cellwright.dll")"
wine "$build_root/i686/host/workbench/workbench.exe" "$(winepath -w "$repo_root/host/workbench/untidy.csv")" \
  --tour "$(winepath -w "$pictures")" | grep '^== pictures'
echo "pictures of the wizard pages (display $DISPLAY): $pictures"
