#!/usr/bin/env bash
# The main job: install, build, register the add-in in the project's Wine prefix as regsvr32 does,
# then let the workbench play Excel 2010 and Excel 2003 against it and print each step.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh" >/dev/null
"$repo_root/scripts/build.sh" >/dev/null
source "$repo_root/scripts/wine-env.sh"
ensure_wine_prefix

dll=$(winepath -w "$repo_root/dist/i686/cellwright.dll" 2>/dev/null)
echo "== regsvr32 $dll"
wine regsvr32 /s "$dll" && echo "registered (regsvr32 exit code 0)"
echo "== workbench: Excel 2010, then Excel 2003, stand-ins with a sample sheet"
wine "$build_root/i686/host/workbench/workbench.exe" "$(winepath -w "$repo_root/host/workbench/untidy.csv")"
