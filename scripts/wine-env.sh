# shellcheck shell=bash
# Shared by the scripts that run the program under Wine: a prefix kept in the build tree
# and a private virtual display. Source it with the build directory and, optionally, the
# display's dots per inch (default 96; any other value gets a prefix of its own).
build_dir=$1
wine_dpi=${2:-96}

# What the names of things made at a DPI other than 96 end in: "-144dpi" for 144.
dpi_suffix() { [ "$1" = 96 ] || echo "-${1}dpi"; }

export WINEPREFIX=${MDH_WINEPREFIX:-$build_dir/wineprefix$(dpi_suffix "$wine_dpi")}
export WINEDEBUG=-all
# No Mono or Gecko: the program needs neither, and installing them stalls a headless boot.
# No menu builder either: it has nothing to do here, and the window it opens puts a second
# Wine desktop, with a clipboard manager of its own, on the same X display; under Wine 10,
# a clipboard manager that starts takes over what the other holds, and the clipboard is
# empty meanwhile, now and then just as a test pastes.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb_pid=

# The 64-bit loader makes a prefix in which 32-bit programs run side by side (WoW64).
wine_prefix_ready() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "creating the Wine prefix $WINEPREFIX (once)"
  mkdir -p "$WINEPREFIX"
  timeout 300 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  if [ "$wine_dpi" != 96 ]; then
    timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
      /d "$wine_dpi" /f >/dev/null 2>&1
  fi
  timeout 60 wineserver -w || true
}

# Puts the program named (ui_driver.exe, say), and every program it starts, on a Wine
# virtual desktop that fills the virtual screen: Wine then draws the dialogs' frames and
# handles focus and input itself, as Windows does, instead of leaving them to an X window
# manager that Xvfb lacks. Set in the prefix for that program alone, so that the program
# started by scripts/run.sh still gets windows of its own; and not by starting it through
# "wine explorer /desktop=...", which under Wine 10, as on Windows, hands a console program
# it starts no standard handles of its own.
wine_desktop_for() {
  local exe=$1 size
  size=$(screen_size)
  local stamp=$WINEPREFIX/mdh-desktop-$exe
  [ "$(cat "$stamp" 2>/dev/null)" = "$size" ] && return 0
  timeout 60 wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\Explorer" /v Desktop \
    /d "mdhasher-$size" /f >/dev/null 2>&1
  timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "mdhasher-$size" \
    /d "$size" /f >/dev/null 2>&1
  timeout 60 wineserver -w || true
  echo "$size" >"$stamp"
}

# Xvfb on a display number of its own, which the server picks and reports (-displayfd): it
# alone knows every number in use, including those whose socket is only in the abstract
# namespace, as a server's in another root is, and two runs starting at once cannot pick the
# same one. DISPLAY points at it afterwards.
start_virtual_display() {
  local number_file n
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${MDH_SCREEN:-1024x768x24}" -nolisten tcp 3>"$number_file" \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    n=$(head -n1 "$number_file")
    if [ -n "$n" ]; then
      rm -f "$number_file"
      export DISPLAY=":$n"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  echo "Xvfb did not start" >&2
  return 1
}

stop_all() {
  timeout 30 wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}

# The virtual screen's width x height, for a Wine virtual desktop that fills it.
screen_size() { local s=${MDH_SCREEN:-1024x768x24}; echo "${s%x*}"; }

# Wine maps drive Z: to the root of the file system.
dos_path() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }
