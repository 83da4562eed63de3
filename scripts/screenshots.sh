#!/usr/bin/env bash
# Takes the picture of every wizard page for the help pages and the README: under Xvfb with Wine's X11
# driver, the workbench opens each tool's wizard through the ribbon callbacks, visits its pages and saves
# help/pictures/<page>.png. The X display is $CW_DISPLAY (":17", say), or a free one when that is unset.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/picture-session.sh"

pictures=$repo_root/help/pictures
mkdir -p "$pictures"
wine regsvr32 /s "$addin_dll"
wine "$workbench" "$sample_sheet" --tour "$(winepath -w "$pictures")" | grep '^== pictures'
echo "pictures of the wizard pages (display $DISPLAY): $pictures"
