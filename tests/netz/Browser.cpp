#include "Browser.h"

#include <gtest/gtest.h>
#include <wx/string.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "netz/clLiveServer.h"

std::string domImBrowser(const spLiveSeiten& seiten, const std::string& pfad)
{
    if (std::system("command -v chromium >/dev/null") != 0)
    {
        ADD_FAILURE() << "chromium fehlt: scripts/abhaengigkeiten.sh test installiert es";
        return std::string();
    }
    clLiveServer server;
    server.veroeffentliche(seiten);
    wxString fehler;
    if (!server.starte("127.0.0.1", 0, fehler))
    {
        ADD_FAILURE() << fehler;
        return std::string();
    }
    char muster[] = "/tmp/quobel-chromium-XXXXXX";
    const char* profil = mkdtemp(muster);
    if (profil == nullptr)
    {
        ADD_FAILURE() << "kein Ordner für Chromiums Profil";
        return std::string();
    }
    // Chromium is no program of ours: the sanitizers' settings are not for it.
    const std::string befehl =
        std::string(
            "env -u ASAN_OPTIONS -u LSAN_OPTIONS -u UBSAN_OPTIONS timeout 60 chromium --headless "
            "--no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
            "--disable-component-update --disable-sync --user-data-dir=") +
        profil + " --dump-dom http://127.0.0.1:" + std::to_string(server.getPort()) + pfad + " 2>/dev/null";
    std::string dom;
    if (FILE* rohr = popen(befehl.c_str(), "r"))
    {
        char puffer[4096];
        for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0;)
            dom.append(puffer, n);
        const int ende = pclose(rohr);
        EXPECT_EQ(0, ende) << befehl;
    }
    std::filesystem::remove_all(profil);
    return dom;
}
