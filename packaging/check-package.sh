#!/usr/bin/env bash
# Builds the Debian package from a built tree (build/, or $BUILD_DIR) and
# checks it: lintian without errors, and the desktop entry and AppStream
# metadata as they are in the package. A fault in the packaging fails here.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}

cmake --build "$build" -j"$(nproc)"
rm -f "$build"/vantor_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/vantor_*.deb)
echo "Package: $deb"

lintian --fail-on error --info "$deb"

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
for page in "$contents"/usr/share/man/man1/*.1.gz; do
    # man prints a warning for every fault in a page's mark-up.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done
echo "Package checked: $(basename "$deb")"
