#!/usr/bin/env bash
# Installs what is missing, builds Quobel and starts it; arguments go to Quobel.
set -euo pipefail
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$wurzel/scripts/abhaengigkeiten.sh"

bau="$wurzel/build"
if [ ! -f "$bau/build.ninja" ]; then
    cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUOBEL_TESTS=OFF -DQUOBEL_BENCH=OFF
fi
cmake --build "$bau" --target quobel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quobel: kein Bildschirm gefunden (DISPLAY ist nicht gesetzt); bitte in einer grafischen Sitzung starten." >&2
    exit 1
fi
exec "$bau/quobel" "$@"
