#!/usr/bin/env bash
# Configures and builds both architectures, signing what a user installs; gathers it into dist/<arch>/ and the
# Windows Installer packages into dist/. One ctest run over build/ then covers both. Says what it builds, with
# ninja's count, and which certificate signed; the whole output goes to build/logs/build.log.
#   build.sh --main-job  builds only what the main job and the pictures play: the 32-bit add-in (signed, into
#                        dist/i686/) and the workbench; the 64-bit add-in, the packages and the tests wait for
#                        the next build without it.
# The certificate: CW_SIGN_PFX and CW_SIGN_PASSWORD_FILE, or a throw-away one under build/signing/ (see
# installer/Signing.cmake); CW_SIGN_TIMESTAMP_URL time-stamps the signatures.
set -euo pipefail
main_job=""
[ "${1:-}" != --main-job ] || main_job=1
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${CW_BUILD_ROOT:-$repo_root/build}
source "$repo_root/scripts/phases.sh"
# Warnings are errors unless CW_WERROR=OFF: the main job and the tests then share one build.
werror=${CW_WERROR:-ON}
log=$log_dir/build.log
: >"$log"
export NINJA_STATUS="[%f/%t] "

absolute() { [ -z "$1" ] || realpath -m -- "$1"; }
settings=(-DCW_WERROR="$werror"
          -DCW_SIGN_PFX="$(absolute "${CW_SIGN_PFX:-}")"
          -DCW_SIGN_PASSWORD_FILE="$(absolute "${CW_SIGN_PASSWORD_FILE:-}")"
          -DCW_SIGN_TIMESTAMP_URL="${CW_SIGN_TIMESTAMP_URL:-}"
          -DCW_SIGN_DIR="$build_root/signing")

declare -A bits=([i686]=32 [x86_64]=64)
architectures=(i686 x86_64)
what="add-in"
targets=()
if [ -n "$main_job" ]; then
  architectures=(i686)
  what="add-in for the main job"
  targets=(--target cw_signed_dll cw_help workbench)
fi
up_to_date=()
signed=""
for arch in "${architectures[@]}"; do
  dir=$build_root/$arch
  # ninja configures again by itself when a CMakeLists.txt changes; this is for a new folder or new settings.
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/.cw-settings" 2>/dev/null)" != "${settings[*]}" ]; then
    run_phase "configuring the ${bits[$arch]}-bit build" "$log" none \
      cmake -S "$repo_root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/$arch-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "${settings[@]}"
    echo "${settings[*]}" >"$dir/.cw-settings"
  fi
  lines_before=$(wc -l <"$log")
  run_phase "building the ${bits[$arch]}-bit $what" "$log" ninja cmake --build "$dir" "${targets[@]}"
  [ "$phase_steps" -gt 0 ] || up_to_date+=("${bits[$arch]}-bit")
  if [ "$(tail -n +$((lines_before + 1)) "$log" | grep -Ec '\] (Signing cellwright.dll|Building and signing)')" -gt 0 ]; then
    signed=$dir/signing/signer.txt
  fi

  rm -rf "$repo_root/dist/$arch"
  mkdir -p "$repo_root/dist/$arch"
  cp -r "$dir/dist/." "$repo_root/dist/$arch/"
  [ -z "$main_job" ] || continue
  # The packages for every user and for one user; an earlier version's are replaced.
  for package in "$dir"/packages/cellwright-*.msi; do
    rm -f "$repo_root"/dist/cellwright-*-"$(basename "$package" | sed 's/^cellwright-[^-]*-//')"
    cp "$package" "$repo_root/dist/"
  done
done
if [ -n "$main_job" ]; then
  [ -z "$signed" ] || echo "signed with $(sed "s|$repo_root/||g" "$signed")"
  [ ${#up_to_date[@]} -eq 0 ] || echo "nothing to build: the 32-bit add-in and the workbench are up to date"
  exit 0
fi
# The publisher's certificate, for the machines' Trusted Publishers (both builds sign with the same one).
cp "$build_root/i686/signing/publisher.cer" "$repo_root/dist/zenda-utilities-publisher.cer"

cat > "$build_root/CTestTestfile.cmake" <<CTEST
# Both architectures' tests in one run.
subdirs("i686" "x86_64")
CTEST

[ -z "$signed" ] || echo "signed with $(sed "s|$repo_root/||g" "$signed")"
case ${#up_to_date[@]} in
  2) echo "nothing to build: the 32-bit and 64-bit add-ins and packages are up to date" ;;
  1) echo "nothing to build for the ${up_to_date[0]} add-in: it and its package are up to date" ;;
esac
