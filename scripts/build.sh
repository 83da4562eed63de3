#!/usr/bin/env bash
# Configures and builds both architectures; gathers what a user installs into dist/<arch>/ and the
# Windows Installer packages into dist/. One ctest run over build/ then covers both.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${CW_BUILD_ROOT:-$repo_root/build}
werror=${CW_WERROR:-OFF}
mkdir -p "$build_root"

for arch in i686 x86_64; do
  dir=$build_root/$arch
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$repo_root" -B "$dir" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/$arch-w64-mingw32.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_WERROR="$werror" >/dev/null
  else
    cmake "$dir" -DCW_WERROR="$werror" >/dev/null
  fi
  cmake --build "$dir"
  # The package takes what dist holds, so it comes last.
  cmake --build "$dir" --target cw_installer_package
  rm -rf "$repo_root/dist/$arch"
  mkdir -p "$repo_root/dist/$arch"
  cp -r "$dir/dist/." "$repo_root/dist/$arch/"
  package=$(ls "$dir"/packages/cellwright-*.msi)
  rm -f "$repo_root"/dist/cellwright-*-"$(basename "$package" | sed 's/.*-//')"
  cp "$package" "$repo_root/dist/"
done

cat > "$build_root/CTestTestfile.cmake" <<CTEST
# Both architectures' tests in one run.
subdirs("i686" "x86_64")
CTEST
