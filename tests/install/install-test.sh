#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it from there: the installed durovid-cli on a
# declaration, the installed program's reference files and help, the desktop entry, the MIME type and
# the Debian package. Arguments: the build folder and the test program that opens the installed data.
set -euo pipefail
build=$1
installed_test=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/durovid bin/durovid-cli share/durovid/InspectionNumbers.xml share/durovid/Oksm.xml \
         share/durovid/help/runprogramm.htm share/durovid/help/contents.txt \
         share/applications/durovid.desktop share/icons/hicolor/scalable/apps/durovid.svg \
         share/mime/packages/durovid.xml share/doc/durovid/LICENSE; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done

cli=$prefix/bin/durovid-cli
"$cli" --version | grep -q '^durovid-cli (Durovid 2010) ' || fail "durovid-cli --version"
"$cli" new "$work/d.kv0" || fail "durovid-cli new"
set +e
"$cli" new "$work/d.kv0" 2>/dev/null; [ $? -eq 2 ] || fail "durovid-cli new replaced a file without --force"
out=$("$cli" check "$work/d.kv0"); [ $? -eq 1 ] || fail "durovid-cli check of a new declaration"
set -e
grep -q 'Не введен номер инспекции' <<<"$out" || fail "durovid-cli check: $out"
echo "installed durovid-cli works"

# The installed program finds its reference files and help beside bin/.
DUROVID_INSTALLED_PREFIX=$prefix QT_QPA_PLATFORM=offscreen "$installed_test" >"$work/installed.log" 2>&1 ||
  { cat "$work/installed.log" >&2; fail "the installed program's data"; }
echo "installed program finds its data"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/durovid.desktop" || fail "desktop-file-validate"
  echo "desktop entry valid"
else
  echo "SKIP: desktop-file-validate is missing (package desktop-file-utils)"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout "$prefix/share/mime/packages/durovid.xml" || fail "MIME type XML"
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database"
  grep -q 'application/x-durovid-declaration:\*\.kv0' "$prefix/share/mime/globs" || fail "*.kv0 not registered"
  grep -q 'application/x-durovid-declaration-2009:\*\.kv9' "$prefix/share/mime/globs" || fail "*.kv9 not registered"
  echo "MIME types registered"
else
  echo "SKIP: update-mime-database is missing (package shared-mime-info)"
fi

if command -v cpack >/dev/null && command -v dpkg-deb >/dev/null; then
  # Uncompressed: the test is about what goes in, and the debug build's programs are large.
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" \
     -D CPACK_DEBIAN_COMPRESSION_TYPE=none >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
  deb=$(ls "$work"/deb/*.deb)
  info=$(dpkg-deb --info "$deb")
  echo "$info" | grep -E '^ (Package|Version|Depends):'
  for dep in libqt6widgets6 libqt6printsupport6 libpugixml1v5 fonts-dejavu-core qt6-translations-l10n; do
    grep -q "Depends:.*$dep" <<<"$info" || fail "the package does not depend on $dep"
  done
  contents=$(dpkg-deb --contents "$deb")
  for f in ./usr/bin/durovid ./usr/bin/durovid-cli ./usr/share/durovid/help/runprogramm.htm \
           ./usr/share/applications/durovid.desktop ./usr/share/mime/packages/durovid.xml; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
  done
  echo "Debian package built: $(basename "$deb")"
else
  echo "SKIP: cpack or dpkg-deb is missing"
fi
