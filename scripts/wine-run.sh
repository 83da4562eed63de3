#!/usr/bin/env bash
# Runs one Windows program in the project's Wine prefix; ctest uses it as the cross-compiling emulator.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ensure_wine_prefix
exec wine "$@"
