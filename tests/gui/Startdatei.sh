#!/usr/bin/env bash
# Quobel opens the tournament file named on its command line, as the file
# manager starts it: the window title then names the file.
# Usage: Startdatei.sh PATH-TO-QUOBEL (on the tests' X display)
set -euo pipefail
quobel="$1"
command -v xwininfo >/dev/null || { echo "xwininfo fehlt (Paket x11-utils)" >&2; exit 1; }

ordner="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$ordner"' EXIT
trenner="$(printf '#%.0s' $(seq 64))"
printf '%s\n#!! Allgemein\nStartturnier\nein Verein\nheute\nhier\n1\n0\n%s\n#!! EOF\n' \
    "$trenner" "$trenner" >"$ordner/start.quobel"

# A home of its own, so that the list of recent files of the user stays as it is.
cd "$ordner"
HOME="$ordner" "$quobel" start.quobel &
pid=$!
for _ in $(seq 150); do
    if xwininfo -root -tree | grep -qF '"start.quobel - Quobel"'; then
        echo "1 passed, 0 failed"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
echo "Quobel hat start.quobel nicht geoeffnet; Fenster:" >&2
xwininfo -root -tree | grep -F 'Quobel' >&2 || true
exit 1
