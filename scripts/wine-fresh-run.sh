#!/usr/bin/env bash
# Runs one Windows program in a fresh Wine prefix of its own, thrown away afterwards:
#   wine-fresh-run.sh win64|win32 program.exe [arguments]
# For tests that change the machine (installing a package) and must start from a machine nothing has touched.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
arch=$1; shift
pristine=$(ensure_pristine_prefix "$arch") || exit 1
WINEPREFIX=$(mktemp -d "$build_root/wineprefix-fresh-$arch.XXXXXX")
export WINEPREFIX
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
copy_wine_prefix "$pristine" "$WINEPREFIX"
wine "$@"
