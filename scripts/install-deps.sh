#!/bin/sh
# Installs the Debian packages the project needs, and only those that are missing.
# Usage: scripts/install-deps.sh [bench] [fuzz] [xvfb] [translations]   (the build and test packages always)
set -eu

packages="cmake make g++ pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools libqrencode-dev
fonts-wqy-microhei fonts-dejavu-core libzint-dev libzxing-dev python3-jsonschema"
for extra in "$@"; do
    case "$extra" in
    bench) packages="$packages libbenchmark-dev libzint-dev" ;;
    fuzz) packages="$packages clang libclang-rt-14-dev" ;;
    xvfb) packages="$packages xvfb xauth" ;;
    translations) packages="$packages python3" ;;
    *) echo "install-deps: unknown group '$extra'" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
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
