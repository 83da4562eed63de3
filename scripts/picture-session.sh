# Sourced by the scripts that show the add-in's dialogs (run.sh, screenshots.sh): installs and builds, then
# starts Wine's picture prefix (scripts/wine-env.sh) on an X server of its own (scripts/display.sh), both
# ended when the script exits. Sets addin_dll to the built 32-bit add-in's Windows path.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh" >/dev/null
"$repo_root/scripts/build.sh" >/dev/null
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/scripts/display.sh"
WINEPREFIX=$(ensure_picture_prefix)
export WINEPREFIX
start_display
trap 'wineserver -k >/dev/null 2>&1 || true; stop_display' EXIT
addin_dll=$(winepath -w "$repo_root/dist/i686/cellwright.dll" 2>/dev/null)
workbench=$build_root/i686/host/workbench/workbench.exe
sample_sheet=$(winepath -w "$repo_root/host/workbench/untidy.csv")
