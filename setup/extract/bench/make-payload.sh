#!/usr/bin/env bash
# Generates the benchmark's payload, about 48 MB unpacked, and packs it like the product archive
# (solid LZMA2, programs in their own BCJ2 block). Program-like files are stripped copies of the
# build's own programs, each made distinct; text-like files are generated word streams. The same
# inputs give the same bytes.
# Usage: make-payload.sh PROGRAM-FOLDER OUTPUT-ARCHIVE
set -euo pipefail
programs=$1
archive=$2
work=$(dirname "$archive")/payload-tree
rm -rf "$work" "$archive"
mkdir -p "$work/InstallDir/1.1.6.0/bin" "$work/InstallDir/1.1.6.0/docs" "$work/AppData"

i=0
total=0
while [ $total -lt 24000000 ]; do
  for exe in "$programs"/*.exe; do
    i=$((i + 1))
    out="$work/InstallDir/1.1.6.0/bin/module$i.exe"
    i686-w64-mingw32-strip -o "$out" "$exe"
    printf 'variant %08d' "$i" >> "$out"
    total=$((total + $(stat -c %s "$out")))
    [ $total -ge 24000000 ] && break
  done
done

awk 'BEGIN {
  srand(42);
  split("install folder version product window layout anchor item scene view paint image " \
        "string archive block stream registry shortcut process thread timer event widget", w, " ");
  for (f = 1; f <= 48; f++) {
    name = sprintf("'"$work"'/InstallDir/1.1.6.0/docs/text%02d.txt", f);
    for (line = 0; line < 6300; line++) {
      s = "";
      for (k = 0; k < 8; k++) s = s w[int(rand() * 24) + 1] " " int(rand() * 1000) " ";
      print s > name;
    }
    close(name);
  }
}'
printf 'release notes\n' > "$work/AppData/ReleaseNotes.txt"

common=(-t7z -ms=on -mmt=1 -mtm=off -mtc=off -mta=off -m0=LZMA2)
(cd "$work" && 7zz a "${common[@]}" -mf=off "$archive" InstallDir AppData '-xr!*.exe' >/dev/null)
(cd "$work" && find InstallDir -name '*.exe' | LC_ALL=C sort \
   | xargs 7zz a "${common[@]}" -mf=BCJ2 "$archive" >/dev/null)
rm -rf "$work"
