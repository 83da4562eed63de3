# Sourced by the scripts that run Windows programs: the project's own Wine prefix, quiet by default.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${CW_BUILD_ROOT:-$repo_root/build}
export WINEPREFIX=${CW_WINEPREFIX:-$build_root/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# Mono and Gecko cannot be fetched here; without this Wine asks for them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Names the set-up below and the Wine that made it: a prefix made by another set-up or another Wine is made
# again. Change the number whenever the set-up changes.
wine_setup_marker() {
  echo ".cellwright-ready-4-$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' '_')"
}

# Makes a new prefix of the given architecture (win64 or win32) with the project's set-up: the null graphics
# driver (real windows, no X server), no crash debugger, and Wine's own fonts in C:\windows\Fonts.
# The prefix's registry names "sserife.fon" for "MS Sans Serif" and Tahoma for "MS Shell Dlg", but Debian's
# Wine neither brings those files (they are in the package fonts-wine) nor puts them into a new prefix; Wine
# then takes DejaVu Sans for all three, whose letters run a sixth wider (dialog base unit 7 pixels, not 6),
# and the dialogs' captions are cut. Wine's bitmap "MS Sans Serif" has the real font's metrics.
wine_fonts=/usr/share/wine/fonts
make_wine_prefix() {
  local prefix=$1 arch=$2
  rm -rf "$prefix"
  if [ ! -f "$wine_fonts/sserife.fon" ]; then
    echo "Wine's fonts are missing from $wine_fonts (Debian package fonts-wine): run scripts/setup.sh" >&2
    return 1
  fi
  (
    export WINEPREFIX=$prefix WINEARCH=$arch
    wineboot -i >/dev/null 2>&1
    cp "$wine_fonts"/* "$prefix/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    # A crashing program ends at once instead of waiting in the debugger.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
    if [ "$arch" = win64 ]; then
      wine reg add 'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
    fi
    wineserver -w
  )
  touch "$prefix/$(wine_setup_marker)"
}

# Copies a prefix quickly: the Windows binaries, which nothing writes, are hard links; every other file
# (the registry, ini files) is a copy of its own, since Wine rewrites some of them in place.
copy_wine_prefix() {
  local from=$1 to=$2
  rm -rf "$to"
  mkdir -p "$to"
  cp -a --link "$from/." "$to/"
  (cd "$to" && find . -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' \
      -o -iname '*.ocx' -o -iname '*.acm' -o -iname '*.cpl' -o -iname '*.tlb' -o -iname '*.ax' -o -iname '*.nls' \
      -o -iname '*.mui' -o -iname '*.ds' -o -iname '*.com' -o -iname '*.vxd' \) -print0 |
    while IFS= read -r -d '' file; do cp -p --remove-destination "$from/$file" "$file"; done)
}

# The untouched prefix of an architecture that every other prefix is copied from; made once per set-up.
ensure_pristine_prefix() {
  local arch=$1 pristine=$build_root/wineprefix-pristine-$1
  mkdir -p "$build_root"
  (
    flock 9
    [ -f "$pristine/$(wine_setup_marker)" ] || make_wine_prefix "$pristine" "$arch"
  ) 9>"$build_root/.wineprefix-pristine-$arch.lock" || return 1
  echo "$pristine"
}

# Whether a prefix is made for this set-up and this Wine: then ensure_wine_prefix or ensure_picture_prefix has
# nothing to do.
wine_prefix_ready() { [ -f "${1:-$WINEPREFIX}/$(wine_setup_marker)" ]; }

# The project's prefix (64-bit), which the tests and the main job share; made once per set-up.
ensure_wine_prefix() {
  local pristine
  pristine=$(ensure_pristine_prefix win64) || return 1
  (
    flock 9
    if [ ! -f "$WINEPREFIX/$(wine_setup_marker)" ]; then
      copy_wine_prefix "$pristine" "$WINEPREFIX"
    fi
  ) 9>"$build_root/.wineprefix.lock"
}

# The prefix pictures are taken in: Wine's X11 driver in a virtual desktop of its own, where Wine draws window
# frames and captions as Windows does. Programs in it need an X server (scripts/display.sh).
ensure_picture_prefix() {
  local pristine prefix=$build_root/wineprefix-pictures
  pristine=$(ensure_pristine_prefix win64) || return 1
  (
    flock 9
    if [ ! -f "$prefix/$(wine_setup_marker)" ]; then
      copy_wine_prefix "$pristine" "$prefix"
      rm -f "$prefix"/.cellwright-ready-*
      (
        export WINEPREFIX=$prefix
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1
        wineserver -w
      )
      touch "$prefix/$(wine_setup_marker)"
    fi
  ) 9>"$build_root/.wineprefix-pictures.lock"
  echo "$prefix"
}
