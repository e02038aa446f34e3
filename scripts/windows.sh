#!/usr/bin/env bash
# Builds Quobel for Windows on Debian and tests it under Wine:
#  1. installs what is missing (MinGW-w64, NSIS, Wine, ...),
#  2. fetches Debian's sources of libpng and wxWidgets with an apt setup of its own,
#  3. cross-builds both once into ~/.cache/quobel/mingw-<versions> (later runs reuse it),
#  4. cross-builds Quobel.exe and the model tests into build-windows/,
#  5. makes the installer dist/Quobel-<version>-setup.exe with NSIS,
#  6. runs the model tests under Wine, installs Quobel silently into a fresh Wine
#     prefix and starts it under Xvfb with a tournament file.
set -euo pipefail
wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Seconds since the start, also in the part that runs under Xvfb.
export QUOBEL_BEGINN="${QUOBEL_BEGINN:-$(date +%s)}"
melde() { echo "Quobel/Windows [$(($(date +%s) - QUOBEL_BEGINN)) s]: $*"; }
# Prints the X window with this title once it is there; fails after the given seconds.
warte_auf_fenster() {
    local titel="$1" fenster
    for _ in $(seq "$2"); do
        fenster="$(xdotool search --name "^$titel\$" 2>/dev/null | head -n1 || true)"
        [ -n "$fenster" ] && { echo "$fenster"; return 0; }
        sleep 1
    done
    echo "Quobel/Windows: kein Fenster \"$titel\"" >&2
    return 1
}

# The tests under Wine, for which the script runs itself under Xvfb: the model
# tests, a silent install into a fresh Wine prefix, the installed Quobel with a
# tournament file (screenshots of the window and the About dialog in
# build-windows/), saving it, and the uninstaller.
pruefe_unter_wine() {
    local bau="$1" installer="$2"
    export LANG=C.UTF-8 WINEPREFIX="$bau/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    local wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
    rm -rf "$WINEPREFIX"
    # Maximising is a window manager's job, as on a real desktop.
    openbox >/dev/null 2>&1 &
    local fensterverwalter=$!
    melde "Wine richtet sich ein"
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w

    melde "Modelltests unter Wine"
    "$wine" "$bau/tests/quobel_model_tests.exe" --gtest_brief=1
    melde "Modelltests bestanden"

    melde "installiere still (/S) für den Benutzer"
    "$wine" "$installer" /S /CurrentUser
    "$wineserver" -w
    local benutzer="$WINEPREFIX/drive_c/users/$(id -un)"
    local programm="$benutzer/AppData/Local/Programs/Quobel"
    test -f "$programm/Quobel.exe"
    test -f "$programm/quobel_logo.png"
    test -f "$programm/de/wxstd-3.2.mo"
    local startmenue="$benutzer/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quobel.lnk"
    test -f "$startmenue"
    "$wine" reg query 'HKCU\Software\Classes\Quobel.Turnier\shell\open\command' | grep 'Quobel.exe' >/dev/null

    # A tournament as Quobel writes it, opened by a Windows path with a blank and
    # an umlaut given on the command line, as Explorer does on a double click.
    mkdir -p "$WINEPREFIX/drive_c/Turniere"
    local datei="$WINEPREFIX/drive_c/Turniere/Vereinsmeisterschaft Süd.quobel"
    local trenner="################################################################"
    printf '%s\n' "$trenner" "#!! Allgemein" "Vereinsmeisterschaft 2026" "TTC Grün-Weiß" "6.12.2026" \
        "Sporthalle Süd" 1 0 "$trenner" "#!! Teilnehmer" "Müller, Anna, Anna" "Schulz, Bernd, Bernd" \
        "Weber, Carla, Carla" "$trenner" "#!! Spielplan" 4 "$trenner" "#!! Runden" \
        "(Bernd:Carla,11: 9, 8:11,11: 7)" "(Carla:Anna)" "(Anna:Bernd,11: 5,11: 3)" "$trenner" "#!! EOF" >"$datei"
    cp "$datei" "$bau/Vereinsmeisterschaft-linux.quobel"
    "$wine" "$programm/Quobel.exe" 'C:\Turniere\Vereinsmeisterschaft Süd.quobel' &
    local quobel=$!
    local fenster
    fenster="$(warte_auf_fenster 'Vereinsmeisterschaft Süd.quobel - Quobel' 120)"
    sleep 3
    xwininfo -id "$fenster" | grep -E 'Width|Height'
    local breite
    breite="$(xwininfo -id "$fenster" | sed -n 's/^ *Width: //p')"
    [ "$breite" -ge 1500 ] || { echo "Quobel/Windows: Fenster nicht maximiert" >&2; return 1; }
    import -window root "$bau/wine-quobel.png"

    xdotool windowfocus --sync "$fenster" key F1
    local ueber
    ueber="$(warte_auf_fenster 'Über das Programm' 30)"
    sleep 2
    import -window root "$bau/wine-ueber.png"
    xdotool windowfocus --sync "$ueber" key Return
    sleep 2

    # Saved on Windows (a new file replaces the old one), the file is byte for
    # byte what Linux wrote.
    local vorher
    vorher="$(stat -c %i "$datei")"
    xdotool windowfocus --sync "$fenster" key ctrl+s
    sleep 3
    [ "$(stat -c %i "$datei")" != "$vorher" ] || { echo "Quobel/Windows: Strg+S hat nicht gespeichert" >&2; return 1; }
    cmp "$datei" "$bau/Vereinsmeisterschaft-linux.quobel"
    # reg prints in the console's code page, where the umlaut is another byte;
    # grep reads all of it, or reg would be cut off.
    "$wine" reg query 'HKCU\Software\Quobel\Dateiverlauf' | LC_ALL=C grep -i 'file1.*C:\\Turniere\\Vereinsmeisterschaft S.d\.quobel' >/dev/null
    xdotool windowfocus --sync "$fenster" key alt+F4
    wait "$quobel"
    "$wineserver" -w

    melde "deinstalliere still"
    "$wine" "$programm/Deinstallieren.exe" /S /CurrentUser
    "$wineserver" -w
    kill "$fensterverwalter"
    sleep 2
    test ! -e "$programm"
    test ! -e "$startmenue"
    if "$wine" reg query 'HKCU\Software\Classes\Quobel.Turnier' >/dev/null 2>&1; then
        echo "Quobel/Windows: der Dateityp ist nach der Deinstallation noch eingetragen" >&2
        return 1
    fi

    # Run by an administrator, as Wine's user is, the installer installs for all users.
    melde "installiere und deinstalliere still für alle Benutzer"
    "$wine" "$installer" /S
    "$wineserver" -w
    local alle="$WINEPREFIX/drive_c/Program Files/Quobel"
    test -f "$alle/Quobel.exe"
    test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quobel.lnk"
    "$wine" reg query 'HKLM\Software\Classes\.quobel' | grep 'Quobel.Turnier' >/dev/null
    "$wine" "$alle/Deinstallieren.exe" /S /AllUsers
    "$wineserver" -w
    sleep 2
    test ! -e "$alle"
    melde "unter Wine alles in Ordnung"
}
if [ "${1:-}" = "--unter-xvfb" ]; then
    set -E
    trap 'echo "Quobel/Windows: Prüfung unter Wine fehlgeschlagen in Zeile $LINENO: $BASH_COMMAND" >&2' ERR
    pruefe_unter_wine "$2" "$3"
    exit 0
fi

# The long outputs of the library builds go to a log, shown when a step fails.
protokoll="${XDG_CACHE_HOME:-$HOME/.cache}/quobel/bau.log"
mkdir -p "$(dirname "$protokoll")"
: >"$protokoll"
trap 'echo "Quobel/Windows: fehlgeschlagen, die letzten Zeilen von $protokoll:" >&2; tail -n 30 "$protokoll" >&2' ERR

"$wurzel/scripts/abhaengigkeiten.sh" windows

ziel=x86_64-w64-mingw32
# The build machine's triplet, from dpkg: no native compiler is needed.
hier="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE 2>/dev/null)"
export CC=$ziel-gcc-posix CXX=$ziel-g++-posix
cache="${XDG_CACHE_HOME:-$HOME/.cache}/quobel"
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

trap - ERR

# ---- Quobel ---------------------------------------------------------------------
melde "baue Quobel"
if [ ! -f "$bau/build.ninja" ] || ! grep -q "$prefix" "$bau/CMakeCache.txt"; then
    rm -rf "$bau"
    cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$wurzel/cmake/mingw-w64.cmake" \
        -DQUOBEL_MINGW_PREFIX="$prefix" -DwxWidgets_CONFIG_EXECUTABLE="$prefix/bin/wx-config" \
        -DGTest_DIR="$gtest/lib/cmake/GTest" -DQUOBEL_BENCH=OFF \
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
