#!/usr/bin/env bash
# Runs the settings test for a folder that takes no new file under Wine, which ignores the deny
# ACE the test sets on Windows: the settings folder of the tests' prefix is made immutable
# (chattr +i: no file added, renamed or removed, the files inside still writable) for the run.
# Usage: sealed_folder.sh <e2e_tests.exe>. Exits 77 (skipped) where chattr is not allowed.
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
orvanta_wine_prefix
folder="$WINEPREFIX/drive_c/ProgramData/Talvenor"
unseal() { chattr -i "$folder" 2>/dev/null || true; }
unseal  # a run stopped before its clean-up may have left it sealed
mkdir -p "$folder"
rm -f "$folder"/*
printf '[Setup]\r\nDevice_sound=1\r\n' >"$folder/Talvenor.ini"
if ! chattr +i "$folder" 2>/dev/null; then
  echo "sealed_folder: chattr +i is not allowed here; skipped"
  exit 77
fi
trap 'unseal; rm -f "$folder"/*' EXIT
trap 'exit 143' INT TERM
ORVANTA_E2E_SEALED_FOLDER=1 "$ORVANTA_WINE" "$1" --gtest_filter='FolderTakingNoNewFile.*'
