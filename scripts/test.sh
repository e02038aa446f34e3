#!/usr/bin/env bash
# Installs what is missing, builds Quobel with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test; the window tests run under Xvfb.
set -euo pipefail
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$wurzel/scripts/abhaengigkeiten.sh" test

bau="$wurzel/build-test"
if [ ! -f "$bau/build.ninja" ]; then
    cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Asan \
        -DCMAKE_CXX_COMPILER=clang++ -DQUOBEL_FUZZ=ON
fi
cmake --build "$bau"

cd "$bau"
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --output-on-failure "$@"
