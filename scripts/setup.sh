#!/usr/bin/env bash
# Installs every Debian package the build and the tests need; does nothing when they are present.
set -euo pipefail

packages=(wine wine32 wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake ninja-build
          googletest fp-utils fonts-wine xvfb python3 wixl)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  arch_pkg=$p
  [ "$p" = wine32 ] && arch_pkg=wine32:i386
  dpkg-query -W -f='${Status}' "$arch_pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$arch_pkg")
done

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  echo "setup: installing ${missing[*]}"
  sudo_if_needed apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "setup: all packages present"
