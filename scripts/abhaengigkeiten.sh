#!/usr/bin/env bash
# Installs the Debian packages Quobel needs to build, run and test, but only
# those that are missing: on a machine that has everything it does nothing.
# Usage: scripts/abhaengigkeiten.sh [test|windows]
set -euo pipefail

pakete=(cmake ninja-build g++ libwxgtk3.2-dev wx3.2-i18n libmicrohttpd-dev libqrcodegencpp-dev libpugixml-dev
    libmimalloc-dev)
if [ "${1:-}" = "test" ]; then
    # cpp-httplib: the tests' HTTP client.
    pakete+=(clang libclang-rt-14-dev libgtest-dev libbenchmark-dev libcpp-httplib-dev xvfb xauth x11-utils
        chromium)
fi
if [ "${1:-}" = "windows" ]; then
    # Cross-building, the installer and the tests under Wine, which need none of
    # the above: wxWidgets, libpng and libmicrohttpd are built from Debian's sources, GoogleTest
    # from the googletest package.
    pakete=(cmake ninja-build make dpkg-dev xz-utils g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
        googletest wx3.2-i18n nsis wine64 xvfb xauth x11-utils xdotool openbox imagemagick)
fi

fehlend=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        fehlend+=("$p")
    fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Quobel: installiere ${fehlend[*]}"
als_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Quobel: sudo fehlt, bitte als root ausfuehren" >&2; exit 1; }
    als_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${als_root[@]}" apt-get update -qq
"${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
