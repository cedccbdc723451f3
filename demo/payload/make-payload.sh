#!/usr/bin/env bash
# Lays out the demo product and packs it into the installer's payload archive: a solid 7z with
# LZMA2, the programs in a block of their own behind the BCJ2 filter. No time stamps are stored
# and the inputs are listed in a fixed order, so the archive's bytes depend only on its inputs.
# Usage: make-payload.sh ARCHIVE FILES-FOLDER RUNTIME-FOLDER PROGRAM...
#   PROGRAM: a built program or DLL, given as DESTINATION=SOURCE with DESTINATION relative to
#   the archive's root (for example InstallDir/OrviZelo.exe=/path/to/OrviZelo.exe).
set -euo pipefail
archive=$1
files=$2
runtime=$3
shift 3
stage=$archive.stage
rm -rf "$stage" "$archive"
install=$stage/InstallDir
version=$install/1.1.6.0
mkdir -p "$version/layout" "$version/config" "$install/Microsoft.VC90.CRT" "$stage/AppData"

cp "$files/Launcher.xml" "$install/"
cp "$files/ReleaseNotes.txt" "$files/readme.txt" "$version/"
cp "$files/fonts.xml" "$version/layout/"
cp "$files/config.ini" "$version/config/"
cp "$runtime/Microsoft.VC90.CRT.manifest" "$runtime/Microsoft.VC90.CRT.policy" \
   "$install/Microsoft.VC90.CRT/"
cp "$files/ReleaseNotes.txt" "$files/lang.config" "$stage/AppData/"
: > "$stage/AppData/install.dat"
for program in "$@"; do
  destination=${program%%=*}
  mkdir -p "$(dirname "$stage/$destination")"
  cp "${program#*=}" "$stage/$destination"
done

common=(-t7z -ms=on -mmt=1 -mtm=off -mtc=off -mta=off -m0=LZMA2 -mx=9)
cd "$stage"
7zz a "${common[@]}" -mf=off "$archive" InstallDir AppData '-xr!*.exe' '-xr!*.dll' >/dev/null
find . -name '*.exe' -o -name '*.dll' | sed 's|^\./||' | LC_ALL=C sort \
  | xargs 7zz a "${common[@]}" -mf=BCJ2 "$archive" >/dev/null
cd /
rm -rf "$stage"
