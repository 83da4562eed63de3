#!/usr/bin/env bash
# The main job: install, build the 32-bit add-in and the workbench (only what it plays: the 64-bit add-in and
# the packages are scripts/build.sh's), register the add-in in a Wine prefix as regsvr32 does, then let the
# workbench play Excel 2010 and Excel 2003 against it: it prints the sheet before and after each step and
# saves a picture of each wizard page it passes through (under Xvfb with Wine's X11 driver; the X display
# is $CW_DISPLAY, or a free one when that is unset).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/picture-session.sh"

pictures=$build_root/pictures
rm -rf "$pictures"
echo "== regsvr32 $addin_dll"
wine regsvr32 /s "$addin_dll" && echo "registered (regsvr32 exit code 0)"
echo "== workbench: Excel 2010, then Excel 2003, stand-ins with a sample sheet"
wine "$workbench" "$sample_sheet" --pictures "$(winepath -w "$pictures")"
echo "== the pictures of the wizard pages are in $pictures"
echo "== the 64-bit add-in and the Windows Installer packages: bash scripts/build.sh builds them (bash scripts/test.sh too)"
