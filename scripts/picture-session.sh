# Sourced by the scripts that show the add-in's dialogs (run.sh, screenshots.sh): installs and builds what they
# play, the 32-bit add-in and the workbench (the 64-bit add-in and the packages are left to build.sh), then
# starts Wine's picture prefix (scripts/wine-env.sh) on an X server of its own (scripts/display.sh), both
# ended when the script exits. Sets addin_dll to the built 32-bit add-in's Windows path.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
"$repo_root/scripts/build.sh" --main-job
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/scripts/display.sh"
source "$repo_root/scripts/phases.sh"
if ! wine_prefix_ready "$build_root/wineprefix-pictures"; then
  run_phase "making the Wine prefix for the pictures" "$log_dir/wineprefix.log" none ensure_picture_prefix
fi
WINEPREFIX=$(ensure_picture_prefix)
export WINEPREFIX
start_display
trap 'wineserver -k >/dev/null 2>&1 || true; stop_display' EXIT
addin_dll=$(winepath -w "$repo_root/dist/i686/cellwright.dll" 2>/dev/null)
workbench=$build_root/i686/host/workbench/workbench.exe
sample_sheet=$(winepath -w "$repo_root/host/workbench/untidy.csv")
