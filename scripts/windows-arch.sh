#!/usr/bin/env bash
# Prints the Windows architecture this machine builds and runs the program as: i686, as shipped,
# where the kernel runs 32-bit programs (32-bit Wine needs that), x86_64 where it has them switched
# off (ia32_emulation=off) and only 64-bit Wine can run. ORVANTA_WINDOWS_ARCH overrides the probe.
set -euo pipefail
if [ -n "${ORVANTA_WINDOWS_ARCH:-}" ]; then
  echo "$ORVANTA_WINDOWS_ARCH"
  exit 0
fi
# The smallest 32-bit x86 Linux program: one segment whose code is exit(0).
probe="$(mktemp)"
trap 'rm -f "$probe"' EXIT
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' >>"$probe"
printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe"
printf '\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
printf '\x31\xdb\x31\xc0\x40\xcd\x80' >>"$probe"
chmod +x "$probe"
if "$probe" 2>/dev/null; then echo i686; else echo x86_64; fi
