#!/usr/bin/env bash
# From nothing to every test passing: packages, both builds, the Wine prefix, then ctest over both.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
CW_WERROR=ON "$repo_root/scripts/build.sh"
source "$repo_root/scripts/wine-env.sh"
ensure_wine_prefix
# One wineserver for the whole run: every Wine start after the first is cheaper.
wineserver -p 120
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# The first program of a session starts Wine's services; under load that start has been seen to keep a
# process from exiting, so a throwaway program takes it before the tests do.
timeout 60 wine cmd /c exit >/dev/null 2>&1 || true
ctest --test-dir "$build_root" --output-on-failure -j2 --repeat after-timeout:2 ${CTEST_ARGS:-}
