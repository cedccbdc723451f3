#!/usr/bin/env bash
# Builds the archives that the extraction tests read: a small product-like tree packed solid with
# LZMA2 and the BCJ2 filter for programs, a damaged and a truncated copy, archives whose item names
# try to leave their target folder, and one with many items. No time stamps are stored, so the
# bytes do not depend on when they were built.
# Usage: make-fixtures.sh OUTPUT-FOLDER PROGRAM-TO-PACK
set -euo pipefail
out=$1
program=$2
tree=$out/tree
rm -rf "$out"
mkdir -p "$tree/InstallDir/1.1.6.0/layout" "$tree/AppData" "$tree/Other" "$tree/many/InstallDir"

printf 'fonts\n' > "$tree/InstallDir/1.1.6.0/layout/fonts.xml"
printf 'new product\n' > "$tree/InstallDir/OrviZelo.exe"
cp "$program" "$tree/InstallDir/zelolauncher.exe"
cp "$program" "$tree/InstallDir/1.1.6.0/setupmetrics.exe"
printf 'release notes\n' > "$tree/AppData/ReleaseNotes.txt"
: > "$tree/AppData/install.dat"
printf 'other root\n' > "$tree/Other/readme.txt"
printf 'top level\n' > "$tree/toplevel.txt"
for i in $(seq -w 1 40); do printf 'item %s\n' "$i" > "$tree/many/InstallDir/f$i.txt"; done

common=(-t7z -ms=on -mmt=1 -mtm=off -mtc=off -mta=off)
pack() {  # pack ARCHIVE ITEMS... (from the tree): everything but programs in one LZMA2 block
  local archive=$1
  shift
  (cd "$tree" && 7zz a "${common[@]}" -m0=LZMA2 -mf=off "$archive" "$@" '-xr!*.exe' >/dev/null)
}
add_programs() {  # add_programs ARCHIVE FOLDER: its programs in a block of their own, BCJ2
  local archive=$1
  (cd "$tree" && find "$2" -name '*.exe' | LC_ALL=C sort \
      | xargs 7zz a "${common[@]}" -m0=LZMA2 -mf=BCJ2 "$archive" >/dev/null)
}

pack "$out/good.7z" InstallDir AppData Other toplevel.txt
add_programs "$out/good.7z" InstallDir
(cd "$tree/many" && 7zz a "${common[@]}" -m0=LZMA2 "$out/many.7z" InstallDir >/dev/null)

# A flipped byte in the packed streams (which start right after the 32-byte signature header).
cp "$out/good.7z" "$out/damaged.7z"
byte=$(od -An -tu1 -j 200 -N 1 "$out/damaged.7z" | tr -d ' ')
printf "$(printf '\\%03o' $(( byte ^ 0xFF )))" | dd of="$out/damaged.7z" bs=1 seek=200 conv=notrunc status=none
# Cut before the end: the archive's header at the end is incomplete.
size=$(stat -c %s "$out/good.7z")
head -c $(( size - 40 )) "$out/good.7z" > "$out/truncated.7z"

hostile() {  # hostile ARCHIVE NEW-NAME
  pack "$1" toplevel.txt
  7zz rn "$1" toplevel.txt "$2" >/dev/null
}
hostile "$out/hostile-dotdot.7z" 'InstallDir/../../escaped.txt'
hostile "$out/hostile-drive.7z" 'InstallDir/C:\escaped.txt'
hostile "$out/hostile-rooted.7z" 'InstallDir/\escaped.txt'
hostile "$out/hostile-bare.7z" '..'
rm -rf "$tree/many"
