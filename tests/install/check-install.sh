#!/bin/sh
# Installs the build into a scratch prefix and checks the tree as a desktop would read it.
# Usage: check-install.sh BUILD_DIR APP_ID MIME_TYPE MIME_CHECK_PROGRAM
# Exit 77 (skipped) when a validator is not installed (scripts/install-deps.sh installs them for tests).
set -eu
build=$1 id=$2 mimetype=$3 mimecheck=$4

for tool in desktop-file-validate appstreamcli xmllint update-mime-database; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
status=0
fail() { echo "FAIL: $*"; status=1; }

for f in bin/spr-designer bin/sprtool \
    share/applications/$id.desktop share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png share/man/man1/spr-designer.1.gz \
    share/doc/spr-designer/copyright; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
for f in bin/spr-designer bin/sprtool; do
    [ -x "$prefix/$f" ] || fail "$f is not executable"
done
for page in "$share"/man/man1/*.gz; do
    gzip -t "$page" || fail "$page is not a valid gzip file"
done
file "$share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' || fail "the 48 px icon is not 48 x 48"
file "$share/icons/hicolor/256x256/apps/$id.png" | grep -q '256 x 256' || fail "the 256 px icon is not 256 x 256"
xmllint --noout "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is not well-formed"

# desktop-file-validate prints its findings and exits non-zero on errors; hints and warnings count too.
out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "Exec=spr-designer %f" "$share/applications/$id.desktop" || fail "Exec line"
grep -qx "MimeType=$mimetype;" "$share/applications/$id.desktop" || fail "MimeType line"

appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

xmllint --noout "$share/mime/packages/$id.xml" || fail "the MIME package is not well-formed"
out=$(XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1) || fail "update-mime-database failed"
[ -z "$out" ] || fail "update-mime-database: $out"

# What the desktop's MIME database now says about .spr files, by name and by content.
XDG_DATA_DIRS="$share:/usr/share" "$mimecheck" "$mimetype" || fail "MIME detection"

exit $status
