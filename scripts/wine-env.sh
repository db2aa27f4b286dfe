# Sourced by the scripts that run Windows programs: Wine for this machine's architecture, the
# Chinese locale, and a prefix. Test runs, screenshots and probes get the tests' own prefix;
# `make run` sets WINEPREFIX_ORVANTA to the user's prefix, which no test ever touches.
ORVANTA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVANTA_WINDOWS_ARCH="${ORVANTA_WINDOWS_ARCH:-$("$ORVANTA_ROOT/scripts/windows-arch.sh")}"
export ORVANTA_WINDOWS_ARCH
if [ "$ORVANTA_WINDOWS_ARCH" = x86_64 ]; then
  export WINEARCH=win64
  # /usr/bin/wine prefers the 32-bit loader, which this kernel cannot start.
  ORVANTA_WINE="$(command -v wine64 || echo /usr/lib/wine/wine64)"
else
  export WINEARCH=win32
  ORVANTA_WINE=wine
fi
export ORVANTA_WINE
# The build whose programs this Wine runs: the `win32` preset (i686, as shipped) or `win64`.
if [ "$ORVANTA_WINDOWS_ARCH" = i686 ]; then
  ORVANTA_BUILD="$ORVANTA_ROOT/build/win32"
else
  ORVANTA_BUILD="$ORVANTA_ROOT/build/win64"
fi
export ORVANTA_BUILD
ORVANTA_USER_PREFIX="$ORVANTA_ROOT/build/wineprefix-$ORVANTA_WINDOWS_ARCH"
ORVANTA_TEST_PREFIX="$ORVANTA_ROOT/build/wineprefix-tests-$ORVANTA_WINDOWS_ARCH"
export WINEPREFIX="${WINEPREFIX_ORVANTA:-$ORVANTA_TEST_PREFIX}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

orvanta_wine() { "$ORVANTA_WINE" "$@"; }

# Creates the prefix once; later calls only check the stamp.
orvanta_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.orvanta-ready" ]; then
    echo "wine: creating prefix $WINEPREFIX (once)" >&2
    mkdir -p "$WINEPREFIX"
    orvanta_wine wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.orvanta-ready"
  fi
  if [ ! -f "$WINEPREFIX/.orvanta-cjk-font-4" ]; then
    # "宋体" (SimSun) and "新宋体" (NSimSun) are not installed here. AR PL UMing CN stands in: a
    # Song face of SimSun's proportions (a 12-pixel font fills 12 pixels, as the panels' rows
    # expect) with hand-made 12-pixel strikes, and with every symbol of the unit and constants
    # tables. WenQuanYi Micro Hei, used before, maps "℃" and "℉" to empty glyphs, which font
    # linking cannot mend since the face claims them; the bitmap strikes of WenQuanYi Zen Hei
    # break strokes at 12 pixels ("显示" reads "显六"); Noto Sans CJK's taller lines are cut by
    # the grids' rows. Message boxes, menus and dialogs ask for Tahoma or "MS Shell Dlg".
    local name
    for name in SimSun 宋体 NSimSun 新宋体 Tahoma "MS Shell Dlg" "MS Shell Dlg 2" \
      "Microsoft Sans Serif"; do
      orvanta_wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "$name" /d "AR PL UMing CN" /f >/dev/null 2>&1 || true
    done
    orvanta_wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 2 /f >/dev/null 2>&1 || true
    orvanta_wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f \
      >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.orvanta-cjk-font-4"
  fi
  if [ "$WINEPREFIX" = "$ORVANTA_TEST_PREFIX" ] && [ ! -f "$WINEPREFIX/.orvanta-unmanaged" ]; then
    # Xvfb has no window manager: Wine would wait two seconds for one at every hidden or closed
    # window. The user's prefix stays managed for a real desktop.
    orvanta_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.orvanta-unmanaged"
  fi
}
