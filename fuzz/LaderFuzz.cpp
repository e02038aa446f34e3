// Feeds arbitrary bytes to the tournament loader. Whatever loads must save, and the
// saved file must load back to a tournament that saves the very same bytes; what
// is refused leaves the open tournament as it was.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <wx/filename.h>
#include <wx/utils.h>

#include "ModellHilfen.h"

namespace
{
wxString tempPfad(int nr)
{
    return wxFileName(wxFileName::GetTempDir(),
                      wxString::Format("quobel-fuzz-%lu-%d.tur", wxGetProcessId(), nr))
        .GetFullPath();
}

const wxString& pfad(int nr)
{
    static const wxString pfade[] = {tempPfad(0), tempPfad(1), tempPfad(2)};
    return pfade[nr];
}

void raeumeAuf()
{
    for (int nr = 0; nr < 3; ++nr)
        wxRemoveFile(pfad(nr));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The paths must exist before the handler is registered, so that they outlive it.
    pfad(0);
    std::atexit(raeumeAuf);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    schreibeBytes(pfad(0), std::string(reinterpret_cast<const char*>(daten), groesse));
    TestTurnier offen;
    offen.erstelleN(4);
    const std::string vorher = offen.turnier.getAbbild();
    if (!offen.turnier.liesTurnierDaten(pfad(0)))
    {
        if (offen.turnier.getAbbild() != vorher)
            std::abort();
        return 0;
    }
    TestTurnier wieder;
    if (!offen.turnier.speichereTurnierDaten(pfad(1)) || !wieder.turnier.liesTurnierDaten(pfad(1)) ||
        !wieder.turnier.speichereTurnierDaten(pfad(2)) || liesBytes(pfad(1)) != liesBytes(pfad(2)))
        std::abort();
    return 0;
}
