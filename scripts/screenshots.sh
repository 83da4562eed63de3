#!/usr/bin/env bash
# Takes the picture of every wizard page for the help pages and the README: under Xvfb with Wine's X11
# driver, the workbench opens each tool's wizard through the ribbon callbacks, visits its pages and saves
# help/pictures/<page>.png. It takes them again at the display scales 150% and 200% into
# build/pictures/scale-150/ and build/pictures/scale-200/, to be looked at, not published. The X display is
# $CW_DISPLAY (":17", say), or a free one when that is unset.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/picture-session.sh"

# Wine reads the scale from LogPixels when a program starts, and the virtual desktop's size when the desktop
# starts: the server is ended after each round, so that the next one starts afresh. A wizard at 200% needs a
# desktop twice the size.
set_scale() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$2" /f >/dev/null 2>&1
  wineserver -w
}
take_pictures() {
  mkdir -p "$3"
  set_scale "$1" "$2"
  wine "$workbench" "$sample_sheet" --tour "$(winepath -w "$3")" | grep '^== pictures'
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}

wine regsvr32 /s "$addin_dll"
trap 'set_scale 96 1024x768; wineserver -k >/dev/null 2>&1 || true; stop_display' EXIT
take_pictures 96 1024x768 "$repo_root/help/pictures"
echo "pictures of the wizard pages (display $DISPLAY): $repo_root/help/pictures"
for scale in 150 200; do
  take_pictures $((scale * 96 / 100)) 2048x1536 "$build_root/pictures/scale-$scale"
  echo "the same at $scale%: $build_root/pictures/scale-$scale"
done
