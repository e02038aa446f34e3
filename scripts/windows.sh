#!/usr/bin/env bash
# Builds Quobel for Windows on Debian and tests it under Wine:
#  1. installs what is missing (MinGW-w64, NSIS, Wine, ...),
#  2. fetches Debian's sources of libpng, wxWidgets, libmicrohttpd, qrcodegen and pugixml
#     with an apt setup of its own,
#  3. cross-builds the libraries once into ~/.cache/quobel/mingw-<versions> (later
#     runs reuse them),
#  4. cross-builds Quobel.exe and the model tests into build-windows/,
#  5. makes the installer dist/Quobel-<version>-setup.exe with NSIS,
#  6. runs the model tests under Wine, installs Quobel silently into a fresh Wine
#     prefix and starts it under Xvfb with a tournament file.
set -euo pipefail
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Seconds since the start, also in the part that runs under Xvfb.
export QUOBEL_BEGINN="${QUOBEL_BEGINN:-$(date +%s)}"
# The step under way; a check that fails names it.
schritt="Vorbereitung"
melde() {
    schritt="$*"
    echo "Quobel/Windows [$(($(date +%s) - QUOBEL_BEGINN)) s]: $*"
}

# ---- Checks under Wine ----------------------------------------------------------
# Much of what a check looks at happens after the program that causes it has
# returned: the uninstaller hands its work to a copy of itself in %TEMP% and
# returns at once, Quobel saves and quits while the script goes on, and Wine's
# server learns a little later that a process has gone. So no check looks after
# a fixed time: each one waits for its condition, within a limit.

# warte <seconds> <what is awaited> <condition and its arguments>: asks the
# condition again and again until it holds. After the limit the check fails,
# naming the step, what was awaited and what the condition printed the last
# time. What it printed when it held is left in $gesehen.
warte() {
    local grenze="$1" was="$2"
    shift 2
    local ende=$((SECONDS + grenze))
    until "$@" >"$ausgabe" 2>&1; do
        if [ "$SECONDS" -ge "$ende" ]; then
            echo "Quobel/Windows: Schritt \"$schritt\": nach $grenze s nicht erreicht: $was" >&2
            sed 's/^/    gesehen: /' "$ausgabe" >&2
            return 1
        fi
        sleep 0.3
    done
    gesehen="$(cat "$ausgabe")"
}

# Conditions for warte: each prints what it sees.
dateien_da() {
    local datei fehlt=0
    for datei in "$@"; do
        [ -f "$datei" ] || { echo "fehlt: $datei"; fehlt=1; }
    done
    return $fehlt
}
weg() {
    local pfad rest=0
    for pfad in "$@"; do
        [ ! -e "$pfad" ] || { find "$pfad" | head -n 20 | sed 's/^/noch da: /'; rest=1; }
    done
    return $rest
}
# The registry is read through Wine's server, which holds it; the prefix's
# .reg files are written later. reg prints in the console's code page, where
# an umlaut is another byte.
eintrag_mit() {
    local text
    text="$(timeout 60 "$wine" reg query "$1" 2>&1)"
    printf '%s\n' "$text"
    LC_ALL=C grep -qi -- "$2" <<<"$text"
}
# Gone means reg says so; reg failing for another reason does not count.
eintraege_weg() {
    local schluessel text rest=0
    for schluessel in "$@"; do
        text="$(timeout 60 "$wine" reg query "$schluessel" 2>&1)" || true
        grep -q "Unable to find the specified registry key" <<<"$text" ||
            { printf '%s\n' "$schluessel:" "$text"; rest=1; }
    done
    return $rest
}
sichtbare_fenster() {
    echo "offene Fenster:"
    xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sort -u || true
}
# Prints the id of the X window with exactly this title.
fenster_da() {
    local ids
    ids="$(xdotool search --name "^$1\$" 2>/dev/null)" || { sichtbare_fenster; return 1; }
    echo "${ids%%$'\n'*}"
}
fenster_zu() {
    if xdotool search --name "^$1\$" >/dev/null 2>&1; then
        sichtbare_fenster
        return 1
    fi
}
maximiert() {
    local breite
    breite="$(xwininfo -id "$1" | sed -n 's/^ *Width: //p')"
    echo "$breite Pixel breit"
    [ "${breite:-0}" -ge 1500 ]
}
fensterverwalter_da() {
    local text
    text="$(xprop -root _NET_SUPPORTING_WM_CHECK 2>&1)"
    echo "$text"
    grep -q 'window id' <<<"$text"
}
wine_prozesse() {
    echo "laufende Windows-Programme:"
    ps -eo pid,args | grep -i '[.]exe' || true
}
beendet() {
    if kill -0 "$1" 2>/dev/null; then
        wine_prozesse
        return 1
    fi
}
# Wine's server ends a few seconds after the last program of the prefix, and
# only once it has seen every one of them go.
wine_beendet() {
    timeout 2 "$wineserver" -w && return 0
    wine_prozesse
    return 1
}
# The file was replaced by a new one (saving writes a new file and then puts
# it in place of the old one) with the bytes of the given file.
ersetzt() {
    local knoten
    knoten="$(stat -c %i "$1" 2>/dev/null)" || { echo "keine Datei $1"; return 1; }
    [ "$knoten" != "$2" ] || { echo "noch die alte Datei (Inode $2)"; return 1; }
    cmp "$1" "$3"
}
# The screen has settled when two pictures in a row are alike.
bild_vorher=""
ruhig() {
    local jetzt
    jetzt="$(import -window root rgb:- | md5sum)"
    [ "$jetzt" = "$bild_vorher" ] && return 0
    bild_vorher="$jetzt"
    echo "das Bild ändert sich noch"
    return 1
}
bild() {
    bild_vorher=""
    warte 30 "ein ruhiges Bild für $(basename "$1")" ruhig
    import -window root "$1"
}

# The tests under Wine, for which the script runs itself under Xvfb: the model
# tests, a silent install into a fresh Wine prefix, the installed Quobel with a
# tournament file (screenshots of the window and the About dialog in
# build-windows/), saving it, and the uninstaller.
pruefe_unter_wine() {
    local bau="$1" installer="$2"
    # Wine's menu builder would enter Quobel and its file type into this
    # machine's own menus, and reads Quobel.exe in a process of its own while
    # the uninstaller removes it.
    export LANG=C.UTF-8 WINEPREFIX="$bau/wine" WINEARCH=win64 WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
    rm -rf "$WINEPREFIX"
    # Maximising is a window manager's job, as on a real desktop.
    openbox >/dev/null 2>&1 &
    fensterverwalter=$!
    melde "Wine richtet sich ein"
    "$wine" wineboot --init >/dev/null 2>&1
    warte 300 "Wine eingerichtet und beendet" wine_beendet

    melde "Modelltests unter Wine"
    "$wine" "$bau/tests/quobel_model_tests.exe" --gtest_brief=1
    melde "Modelltests bestanden"

    melde "installiere still (/S) für den Benutzer"
    "$wine" "$installer" /S /CurrentUser
    local benutzer="$WINEPREFIX/drive_c/users/$(id -un)"
    local programm="$benutzer/AppData/Local/Programs/Quobel"
    local startmenue="$benutzer/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quobel.lnk"
    warte 60 "Programm, Logo, deutsche Texte und Startmenü-Eintrag installiert" \
        dateien_da "$programm/Quobel.exe" "$programm/quobel_logo.png" "$programm/de/wxstd-3.2.mo" "$startmenue"
    warte 60 "Turnierdateien öffnen mit Quobel.exe" \
        eintrag_mit 'HKCU\Software\Classes\Quobel.Turnier\shell\open\command' 'Quobel\.exe'

    # A tournament as Quobel writes it, opened by a Windows path with a blank and
    # an umlaut given on the command line, as Explorer does on a double click.
    melde "Quobel mit einem Turnier"
    mkdir -p "$WINEPREFIX/drive_c/Turniere"
    local datei="$WINEPREFIX/drive_c/Turniere/Vereinsmeisterschaft Süd.quobel"
    local trenner="################################################################"
    printf '%s\n' "$trenner" "#!! Allgemein" "Vereinsmeisterschaft 2026" "TTC Grün-Weiß" "6.12.2026" \
        "Sporthalle Süd" 1 0 "$trenner" "#!! Teilnehmer" "Müller, Anna, Anna" "Schulz, Bernd, Bernd" \
        "Weber, Carla, Carla" "$trenner" "#!! Spielplan" 4 "$trenner" "#!! Runden" \
        "(Bernd:Carla,11: 9, 8:11,11: 7)" "(Carla:Anna)" "(Anna:Bernd,11: 5,11: 3)" "$trenner" "#!! EOF" >"$datei"
    cp "$datei" "$bau/Vereinsmeisterschaft-linux.quobel"
    warte 30 "ein Fensterverwalter läuft" fensterverwalter_da
    "$wine" "$programm/Quobel.exe" 'C:\Turniere\Vereinsmeisterschaft Süd.quobel' &
    local quobel=$!
    local titel='Vereinsmeisterschaft Süd.quobel - Quobel'
    warte 120 "Fenster \"$titel\"" fenster_da "$titel"
    local fenster="$gesehen"
    warte 30 "Fenster maximiert (mindestens 1500 Pixel breit)" maximiert "$fenster"
    xwininfo -id "$fenster" | grep -E 'Width|Height'
    bild "$bau/wine-quobel.png"

    xdotool windowfocus --sync "$fenster" key F1
    warte 30 "Fenster \"Über das Programm\" nach F1" fenster_da 'Über das Programm'
    local ueber="$gesehen"
    bild "$bau/wine-ueber.png"
    xdotool windowfocus --sync "$ueber" key Return
    warte 30 "Fenster \"Über das Programm\" nach Enter geschlossen" fenster_zu 'Über das Programm'

    # Saved on Windows (a new file replaces the old one), the file is byte for
    # byte what Linux wrote, and it is the first of the recent files.
    local vorher
    vorher="$(stat -c %i "$datei")"
    xdotool windowfocus --sync "$fenster" key ctrl+s
    warte 60 "Strg+S ersetzt die Datei durch eine neue, Byte für Byte wie unter Linux" \
        ersetzt "$datei" "$vorher" "$bau/Vereinsmeisterschaft-linux.quobel"
    warte 60 "die Datei zuoberst unter den zuletzt geöffneten in der Registry" \
        eintrag_mit 'HKCU\Software\Quobel\Dateiverlauf' 'file1.*C:\\Turniere\\Vereinsmeisterschaft S.d\.quobel'
    xdotool windowfocus --sync "$fenster" key alt+F4
    warte 60 "Quobel nach Alt+F4 beendet" beendet "$quobel"
    wait "$quobel"
    # Until Wine's server has seen Quobel go, Quobel.exe counts as running and
    # cannot be removed.
    warte 120 "Wine beendet" wine_beendet

    melde "deinstalliere still für den Benutzer"
    "$wine" "$programm/Deinstallieren.exe" /S /CurrentUser
    warte 120 "Programmordner und Startmenü-Eintrag entfernt" weg "$programm" "$startmenue"
    warte 60 "Dateityp und Eintrag unter \"Apps und Features\" entfernt" eintraege_weg \
        'HKCU\Software\Classes\.quobel' 'HKCU\Software\Classes\Quobel.Turnier' \
        'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quobel'
    warte 120 "Wine beendet" wine_beendet

    # Run by an administrator, as Wine's user is, the installer installs for all users.
    melde "installiere still für alle Benutzer"
    "$wine" "$installer" /S
    local alle="$WINEPREFIX/drive_c/Program Files/Quobel"
    local alle_startmenue="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quobel.lnk"
    warte 60 "Programm und Startmenü-Eintrag für alle installiert" dateien_da "$alle/Quobel.exe" "$alle_startmenue"
    warte 60 "Dateityp .quobel für alle eingetragen" \
        eintrag_mit 'HKLM\Software\Classes\.quobel' 'Quobel\.Turnier'

    melde "deinstalliere still für alle Benutzer"
    "$wine" "$alle/Deinstallieren.exe" /S /AllUsers
    warte 120 "Programmordner und Startmenü-Eintrag entfernt" weg "$alle" "$alle_startmenue"
    warte 60 "Dateityp und Eintrag unter \"Apps und Features\" entfernt" eintraege_weg \
        'HKLM\Software\Classes\.quobel' 'HKLM\Software\Classes\Quobel.Turnier' \
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quobel'
    warte 120 "Wine beendet" wine_beendet
    melde "unter Wine alles in Ordnung"
}
if [ "${1:-}" = "--unter-xvfb" ]; then
    set -E
    trap 'echo "Quobel/Windows: Prüfung unter Wine fehlgeschlagen in Zeile $LINENO: $BASH_COMMAND" >&2' ERR
    ausgabe="$(mktemp)"
    wine="" wineserver="" fensterverwalter=""
    # Nothing of Wine or the window manager outlives the checks, failed or not.
    trap '[ -z "$wineserver" ] || "$wineserver" -k 2>/dev/null || true
        [ -z "$fensterverwalter" ] || kill "$fensterverwalter" 2>/dev/null || true
        rm -f "$ausgabe"' EXIT
    pruefe_unter_wine "$2" "$3"
    exit 0
fi

"$wurzel/scripts/abhaengigkeiten.sh" windows

cache="${XDG_CACHE_HOME:-$HOME/.cache}/quobel"
mkdir -p "$cache"
# Runs from several worktrees share the cache: one of them fetches and builds
# at a time, the others wait for it (a first build takes a quarter of an hour
# or more) instead of removing what it is building. Taken after the packages,
# whose services would keep it.
exec 9>"$cache/sperre"
if ! flock -n 9; then
    melde "wartet auf einen anderen Lauf, der $cache füllt"
    flock -w 3600 9 || { echo "Quobel/Windows: $cache ist nach einer Stunde noch belegt" >&2; exit 1; }
fi
# The long outputs of the library builds go to a log, shown when a step fails.
protokoll="$cache/bau.log"
: >"$protokoll"
trap 'echo "Quobel/Windows: fehlgeschlagen, die letzten Zeilen von $protokoll:" >&2; tail -n 30 "$protokoll" >&2' ERR

ziel=x86_64-w64-mingw32
# The build machine's triplet, from dpkg: no native compiler is needed.
hier="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE 2>/dev/null)"
export CC=$ziel-gcc-posix CXX=$ziel-g++-posix
bau="$wurzel/build-windows"
jobs=2

# ---- Debian's sources, without touching the machine's apt setup ----------------
quellen="$cache/quellen"
mkdir -p "$quellen/listen/partial" "$quellen/apt/archives/partial" "$quellen/teile"
cat >"$quellen/sources.list" <<EOF
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
EOF
apt_opt=(-o "Dir::Etc::SourceList=$quellen/sources.list" -o "Dir::Etc::SourceParts=$quellen/teile"
    -o "Dir::State::Lists=$quellen/listen" -o "Dir::Cache=$quellen/apt" -o "APT::Sandbox::User=root")
melde "Quellpakete"
apt-get "${apt_opt[@]}" -qq update

# Downloads a source package and prints the path of its .dsc. A security update
# whose files the mirror does not have yet falls back to the release's version.
hole_quelle() {
    local art dsc
    for art in "$1" "$1/bookworm"; do
        if (cd "$quellen" && apt-get "${apt_opt[@]}" -qq source --download-only "$art" >/dev/null 2>&1); then
            dsc="$(cd "$quellen" && apt-get "${apt_opt[@]}" --print-uris source "$art" 2>/dev/null |
                sed -n "s/^'[^']*' \([^ ]*\.dsc\) .*/\1/p; s/^Skipping already downloaded file '\([^']*\.dsc\)'.*/\1/p")"
            echo "$quellen/$dsc"
            return 0
        fi
    done
    echo "Quobel/Windows: die Quellen von $1 sind nicht zu bekommen" >&2
    return 1
}
version_von() { basename "$1" .dsc | cut -d_ -f2; }
# Downloads a source package and prints the path of its upstream tarball,
# checked against the .dsc, for a library of which Quobel compiles upstream's
# files only. Debian's own part of the package is not needed and may be missing
# on a mirror.
hole_urquelle() {
    local dsc urquelle
    (cd "$quellen" && apt-get "${apt_opt[@]}" -qq source --download-only "$1" >/dev/null 2>&1) || true
    dsc="$(ls "$quellen/$1"_*.dsc 2>/dev/null | tail -n 1)"
    urquelle="$(sed -n '/^Checksums-Sha256:/,/^[^ ]/s/^ [0-9a-f]* [0-9]* \(.*\.orig\.tar\.[a-z0-9]*\)$/\1/p' "$dsc" 2>/dev/null)"
    if [ -z "$urquelle" ] || ! (cd "$quellen" && sed -n "s/^ \([0-9a-f]\{64\}\) [0-9]* $urquelle\$/\1  $urquelle/p" "$dsc" |
        sha256sum -c --status); then
        echo "Quobel/Windows: die Quellen von $1 sind nicht zu bekommen" >&2
        return 1
    fi
    echo "$quellen/$urquelle"
}
wx_dsc="$(hole_quelle wxwidgets3.2)"
png_dsc="$(hole_quelle libpng1.6)"
gcc_version="$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)"
# CMake's wxWidgets module takes the folder for a regular expression: no '+' in it.
prefix="$cache/mingw-wx$(version_von "$wx_dsc")-png$(version_von "$png_dsc")-gcc$gcc_version"
prefix="$(echo "$prefix" | tr '+~:' '---')"

# ---- libpng and a static wxWidgets for Windows, once ---------------------------
if [ ! -f "$prefix/fertig" ]; then
    melde "baue libpng und wxWidgets nach $prefix (einmalig)"
    rm -rf "$prefix"
    arbeit="$prefix/arbeit"
    mkdir -p "$arbeit"
    dpkg-source -q -x "$png_dsc" "$arbeit/libpng" >>"$protokoll" 2>&1
    (cd "$arbeit/libpng" &&
        ./configure --host=$ziel --build="$hier" --prefix="$prefix" --disable-shared --enable-static &&
        make -j$jobs install) >>"$protokoll" 2>&1
    melde "libpng fertig"

    dpkg-source -q -x "$wx_dsc" "$arbeit/wx" >>"$protokoll" 2>&1
    # Only what Quobel uses: base (with regular expressions), core and html;
    # png and zlib from above, no jpeg, tiff, expat, OpenGL or web view.
    mkdir -p "$arbeit/wx/bau"
    (cd "$arbeit/wx/bau" &&
        ../configure --host=$ziel --build="$hier" --prefix="$prefix" \
            --with-msw --disable-shared --enable-unicode --disable-debug_flag \
            CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
            --with-libpng=sys --with-zlib=sys --with-regex=builtin \
            --without-libjpeg --without-libtiff --without-expat --without-liblzma --without-opengl \
            --disable-xrc --disable-aui --disable-ribbon --disable-propgrid \
            --disable-richtext --disable-stc --disable-webview --disable-mediactrl \
            --disable-sockets --disable-debugreport &&
        make -j$jobs &&
        make install) >>"$protokoll" 2>&1
    rm -rf "$arbeit"
    touch "$prefix/fertig"
    melde "wxWidgets fertig"
else
    melde "libpng und wxWidgets aus $prefix"
fi

# ---- The web server's library and the QR code's source, once ------------------
# libmicrohttpd from Debian's source with Debian's patches, static and without
# TLS (the live site is plain HTTP in the hall's network), into the prefix
# above; qrcodegen's C++ source, compiled into Quobel.
mhd_dsc="$(hole_quelle libmicrohttpd)"
mhd_fertig="$prefix/libmicrohttpd-$(version_von "$mhd_dsc" | tr '+~:' '---')-fertig"
if [ ! -f "$mhd_fertig" ]; then
    melde "baue libmicrohttpd nach $prefix (einmalig)"
    arbeit="$prefix/arbeit-mhd"
    rm -rf "$arbeit"
    dpkg-source -q -x "$mhd_dsc" "$arbeit" >>"$protokoll" 2>&1
    (cd "$arbeit" &&
        ./configure --host=$ziel --build="$hier" --prefix="$prefix" --disable-shared --enable-static \
            --disable-https --without-gnutls --disable-curl --disable-doc --disable-examples \
            --disable-postprocessor --disable-bauth --disable-dauth &&
        make -j$jobs &&
        make install) >>"$protokoll" 2>&1
    rm -rf "$arbeit"
    touch "$mhd_fertig"
    melde "libmicrohttpd fertig"
fi
# Unpacks the files of an upstream tarball that Quobel compiles in, once, and
# prints the folder: packe_aus <name> <tarball> <folders to strip> <pattern>.
packe_aus() {
    local ziel
    ziel="$cache/$1-$(basename "$2" | sed 's/\.orig\.tar\..*//; s/[+~:]/-/g')"
    if [ ! -f "$ziel/fertig" ]; then
        melde "packe $1 aus" >&2
        rm -rf "$ziel"
        mkdir -p "$ziel"
        tar -xf "$2" -C "$ziel" --strip-components="$3" --wildcards "$4"
        touch "$ziel/fertig"
    fi
    echo "$ziel"
}
qrcodegen="$(packe_aus qrcodegen "$(hole_urquelle qr-code-generator)" 2 '*/cpp/qrcodegen.?pp')"
pugixml="$(packe_aus pugixml "$(hole_urquelle pugixml)" 2 '*/src/pugi*')"

# ---- GoogleTest from Debian's googletest package, once -------------------------
gtest="$prefix/googletest"
if [ ! -f "$gtest/fertig" ]; then
    melde "baue GoogleTest"
    cmake -S /usr/src/googletest -B "$gtest/bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$wurzel/cmake/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$gtest" \
        -DBUILD_GMOCK=OFF >>"$protokoll" 2>&1
    cmake --build "$gtest/bau" -j $jobs >>"$protokoll" 2>&1
    cmake --install "$gtest/bau" >>"$protokoll" 2>&1
    rm -rf "$gtest/bau"
    touch "$gtest/fertig"
fi
exec 9>&-

trap - ERR

# ---- Quobel ---------------------------------------------------------------------
melde "baue Quobel"
if [ ! -f "$bau/build.ninja" ] || ! grep -q "$prefix" "$bau/CMakeCache.txt" ||
    ! grep -q "MHD_BIBLIOTHEK:FILEPATH=$prefix/lib/libmicrohttpd.a$" "$bau/CMakeCache.txt" ||
    ! grep -q "QUOBEL_QRCODEGEN_QUELLE:PATH=$qrcodegen$" "$bau/CMakeCache.txt" ||
    ! grep -q "QUOBEL_PUGIXML_QUELLE:PATH=$pugixml$" "$bau/CMakeCache.txt"; then
    rm -rf "$bau"
    cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$wurzel/cmake/mingw-w64.cmake" \
        -DQUOBEL_MINGW_PREFIX="$prefix" -DwxWidgets_CONFIG_EXECUTABLE="$prefix/bin/wx-config" \
        -DGTest_DIR="$gtest/lib/cmake/GTest" -DQUOBEL_BENCH=OFF \
        -DQUOBEL_QRCODEGEN_QUELLE="$qrcodegen" -DQUOBEL_PUGIXML_QUELLE="$pugixml" \
        -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON >/dev/null
fi
cmake --build "$bau" -j $jobs --target quobel quobel_model_tests

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bau/CMakeCache.txt")"
melde "baue den Installer"
mkdir -p "$wurzel/dist"
installer="$wurzel/dist/Quobel-$version-setup.exe"
# The toolkit's German texts: Debian's catalog of the same wxWidgets release.
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DBAU="$bau" -DQUELLEN="$wurzel" \
    -DKATALOG=/usr/share/locale/de/LC_MESSAGES/wxstd-3.2.mo -DAUSGABE="$installer" "$wurzel/installer/quobel.nsi"

# ---- Under Wine -----------------------------------------------------------------
melde "teste unter Wine"
xvfb-run -a -s "-screen 0 1600x1200x24" "$wurzel/scripts/windows.sh" --unter-xvfb "$bau" "$installer"

melde "fertig: $installer"
