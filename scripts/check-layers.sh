#!/usr/bin/env bash
# The source folders include each other in one direction only: a folder may include its own
# headers and those of the folders listed before it. Portable folders never include windows.h
# (files ending in _win32 are the Windows side of a portable interface). Inside src/win32 the
# rooms follow the same rule among themselves. Every include names its header by its path from
# src/.
set -euo pipefail
cd "$(dirname "$0")/../src"
layers=(numeric platform settings face display formula engine tools sim win32)
rooms=(system windows panels chrome window features app)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
room_rank() { local i; for i in "${!rooms[@]}"; do [ "${rooms[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
status=0
while IFS= read -r file; do
  from=${file%%/*}
  from_rank=$(rank "$from")
  if [ "$from_rank" -lt 0 ]; then echo "check-layers: $file is in a folder with no place in the order"; status=1; continue; fi
  while IFS= read -r to; do
    to_rank=$(rank "$to")
    if [ "$to_rank" -lt 0 ] || [ "$to_rank" -gt "$from_rank" ]; then
      echo "check-layers: $file includes $to/, which is above $from/"; status=1
    fi
  done < <(sed -n 's|^#include "\([a-z0-9_]*\)/.*|\1|p' "$file" | sort -u)
  if grep -q '^#include "[^/"]*"' "$file"; then
    echo "check-layers: $file includes a header by a path that is not from src/"; status=1
  fi
  if [ "$from" = win32 ]; then
    room=$(echo "$file" | cut -d/ -f2)
    room_from=$(room_rank "$room")
    if [ "$room_from" -lt 0 ]; then echo "check-layers: $file is in no room of win32/"; status=1; continue; fi
    while IFS= read -r to; do
      if [ "$(room_rank "$to")" -lt 0 ] || [ "$(room_rank "$to")" -gt "$room_from" ]; then
        echo "check-layers: $file includes win32/$to/, which is above win32/$room/"; status=1
      fi
    done < <(sed -n 's|^#include "win32/\([a-z0-9_]*\)/.*|\1|p' "$file" | sort -u)
    # A feature's folder sees features/feature.h and its own files, never another feature's:
    # features meet through the context and the services they offer.
    if [ "$room" = features ]; then
      own=$(echo "$file" | cut -d/ -f3)
      while IFS= read -r other; do
        if [ "$other" != "$own" ]; then
          echo "check-layers: $file includes win32/features/$other/, another feature's folder"; status=1
        fi
      done < <(sed -n 's|^#include "win32/features/\([a-z0-9_]*\)/.*|\1|p' "$file" | sort -u)
    fi
  fi
  if [ "$from" != win32 ] && [[ "$file" != *_win32.* ]] && grep -q '^#include <windows.h>' "$file"; then
    echo "check-layers: $file is portable but includes windows.h"; status=1
  fi
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
[ "$status" -eq 0 ] && echo "check-layers: clean"
exit "$status"
