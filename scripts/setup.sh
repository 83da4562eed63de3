#!/usr/bin/env bash
# Installs every Debian package the build and the tests need; says in one line that there is nothing to install
# when they are present. apt's output goes to build/logs/setup.log.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/phases.sh"

packages=(wine wine32 wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake ninja-build
          googletest fp-utils fonts-wine xvfb python3 wixl osslsigncode openssl)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  arch_pkg=$p
  [ "$p" = wine32 ] && arch_pkg=wine32:i386
  dpkg-query -W -f='${Status}' "$arch_pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$arch_pkg")
done
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1

if [ ${#missing[@]} -eq 0 ] && [ -z "${need_i386:-}" ]; then
  echo "nothing to install: the ${#packages[@]} Debian packages are there"
  exit 0
fi

install_missing() {
  echo "missing: ${missing[*]}"
  [ -z "${need_i386:-}" ] || sudo_if_needed dpkg --add-architecture i386
  sudo_if_needed apt-get update
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    -o APT::Status-Fd=1 "${missing[@]}"
}
# sudo asks for its password before the phase's line takes the terminal.
[ "$(id -u)" -eq 0 ] || sudo -v
log=$log_dir/setup.log
: >"$log"
run_phase "installing ${#missing[@]} Debian packages" "$log" apt install_missing
