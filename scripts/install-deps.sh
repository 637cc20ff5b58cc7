#!/bin/sh
# Installs the Debian packages the project needs, and only those that are missing. One list per purpose:
# the build and run packages always; the others by group.
# Usage: scripts/install-deps.sh [test] [qt6] [package] [bench] [fuzz] [xvfb] [translations] [desktopfonts]
set -eu

# Building and running (make build, make run).
build="cmake make g++ pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools libqrencode-dev
fonts-wqy-microhei fonts-dejavu-core libzxing-dev libqt5svg5-dev zlib1g-dev"
# Only the tests use these (an independent barcode writer, PDF and SVG rasterisers, the JSON Schema
# and desktop validators).
test="libzint-dev poppler-utils librsvg2-bin python3-jsonschema desktop-file-utils appstream libxml2-utils
shared-mime-info file"
# The same build on Qt 6 (make test-qt6).
qt6="qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libgl-dev"
# Fonts an ordinary desktop has besides the project's, a metric-compatible Arial among them. The tests
# see only the fonts of the build list; CI installs these to prove it.
desktopfonts="fonts-urw-base35 fonts-liberation2"
# make package: the Debian package and its checks.
package="dpkg-dev file lintian"

packages="$build"
for extra in "$@"; do
    case "$extra" in
    test) packages="$packages $test" ;;
    qt6) packages="$packages $qt6" ;;
    package) packages="$packages $package" ;;
    bench) packages="$packages libbenchmark-dev libzint-dev zint" ;;
    fuzz) packages="$packages clang libclang-rt-14-dev" ;;
    xvfb) packages="$packages xvfb xauth" ;;
    translations) packages="$packages python3" ;;
    desktopfonts) packages="$packages $desktopfonts" ;;
    *) echo "install-deps: unknown group '$extra'" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "install-deps: installing$missing"
$sudo apt-get -o DPkg::Lock::Timeout=300 update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends $missing
