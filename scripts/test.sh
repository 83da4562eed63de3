#!/usr/bin/env bash
# From nothing to every test passing: packages, both builds, the Wine prefix, then ctest over both. Says what
# it does, phase by phase, and ends with ctest's summary; ctest's whole output goes to build/logs/test.log.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo_root/scripts/setup.sh"
CW_WERROR=ON "$repo_root/scripts/build.sh"
source "$repo_root/scripts/wine-env.sh"
source "$repo_root/scripts/phases.sh"
log=$log_dir/test.log
: >"$log"
if ! wine_prefix_ready; then
  run_phase "making the Wine prefix" "$log_dir/wineprefix.log" none ensure_wine_prefix
fi
ensure_wine_prefix
# One wineserver for the whole run: every Wine start after the first is cheaper.
wineserver -p 120
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# The first program of a session starts Wine's services; under load that start has been seen to keep a
# process from exiting, so a throwaway program takes it before the tests do.
timeout 60 wine cmd /c exit >/dev/null 2>&1 || true
# shellcheck disable=SC2086
tests=$(ctest --test-dir "$build_root" -N ${CTEST_ARGS:-} | sed -n 's/^Total Tests: //p')
# shellcheck disable=SC2086
run_phase "running $tests test programs" "$log" ctest \
  ctest --test-dir "$build_root" --output-on-failure -j2 --repeat after-timeout:2 ${CTEST_ARGS:-}
