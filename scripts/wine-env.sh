# Sourced by the scripts that run Windows programs: the build's own Wine prefix, Chinese locale.
ORVANTA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX_ORVANTA:-$ORVANTA_ROOT/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

# Creates the prefix once; later calls only check the stamp.
orvanta_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.orvanta-ready" ]; then
    echo "wine: creating prefix $WINEPREFIX (once)" >&2
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.orvanta-ready"
  fi
  if [ ! -f "$WINEPREFIX/.orvanta-fonts" ]; then
    # "宋体" (SimSun) is not installed here and would fall back to WenQuanYi Zen Hei, whose
    # 12-pixel bitmaps lack ASCII glyphs such as "-"; its sharp face draws small sizes cleanly.
    for name in SimSun 宋体; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "$name" /d "WenQuanYi Zen Hei Sharp" /f >/dev/null 2>&1 || true
    done
    wineserver -w
    touch "$WINEPREFIX/.orvanta-fonts"
  fi
}
