# Sourced by the scripts that run Windows programs: the project's own Wine prefix, quiet by default.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${CW_BUILD_ROOT:-$repo_root/build}
export WINEPREFIX=${CW_WINEPREFIX:-$build_root/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# Mono and Gecko cannot be fetched here; without this Wine asks for them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Creates the prefix once, with the null graphics driver: real windows, no X server.
ensure_wine_prefix() {
  mkdir -p "$build_root"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.cellwright-ready-2" ]; then
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      # A crashing program ends at once instead of waiting in the debugger.
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
      wine reg add 'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.cellwright-ready-2"
    fi
  ) 9>"$build_root/.wineprefix.lock"
}
