#!/usr/bin/env bash
# Copies a 7z archive and flips one byte in the middle of its packed data, where the decoder
# meets it as a data or CRC error.
# Usage: damage-archive.sh IN OUT
set -euo pipefail
cp "$1" "$2"
offset=$(( $(stat -c %s "$2") / 2 ))
byte=$(od -An -tu1 -j "$offset" -N 1 "$2" | tr -d ' ')
printf "$(printf '\\%03o' $(( byte ^ 0xFF )))" | dd of="$2" bs=1 seek="$offset" conv=notrunc status=none
