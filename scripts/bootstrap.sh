#!/usr/bin/env bash
# Installs everything the build, the tests and `make run` need, from Debian's archive only.
# Idempotent: packages already present are not installed again. `bootstrap.sh fuzz` also
# installs clang and its runtime (libFuzzer, the sanitizers) for `make fuzz`.
set -euo pipefail

packages=(
  cmake ninja-build make g++ git pkg-config clang-format
  googletest libbenchmark-dev
  libgmp-dev bc  # yardsticks of the big-number benchmark only; the program links neither
  xvfb x11-utils xdotool imagemagick
  fonts-wqy-zenhei fonts-wqy-microhei fonts-dejavu-core fonts-dejavu-extra locales
  fonts-arphic-uming  # the Wine prefixes' "宋体" (scripts/wine-env.sh)
  python3 python3-pil python3-numpy espeak-ng sox
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)
fi

# Both Windows builds are made everywhere: the program as shipped is 32-bit, and a 64-bit build
# stands beside it. Wine runs the tests in the architecture the kernel allows: 32-bit Wine where
# it runs 32-bit programs, 64-bit Wine elsewhere (scripts/windows-arch.sh).
packages+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
arch="$("$(dirname "${BASH_SOURCE[0]}")/windows-arch.sh")"
if [ "$arch" = i686 ]; then
  packages+=(wine wine32:i386)
else
  packages+=(wine wine64)
fi

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ "$arch" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  sudo_if_needed apt-get update -qq
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
elif [ "${need_update:-0}" = 1 ]; then
  sudo_if_needed apt-get update -qq
fi

# Wine's ANSI code page follows the locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "bootstrap: generating the zh_CN.UTF-8 locale"
  sudo_if_needed sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
  sudo_if_needed locale-gen >/dev/null
fi
