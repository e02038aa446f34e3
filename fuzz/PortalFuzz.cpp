// Feeds arbitrary bytes to the tournament portal's reader. What it takes must
// import into a day, and the day must export and save; what it refuses leaves
// the day as it was.
#include <cstdint>
#include <string>

#include "ausgabe/clPortalExport.h"
#include "datei/clPortalDokument.h"
#include "datei/clPortalImport.h"
#include "modell/clTurniertag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    clTurniertag tag;
    const std::string leer = tag.getAbbild();
    clPortalDokument dok;
    wxString fehler;
    if (!dok.lies(bytes, "fuzz.xml", &fehler))
    {
        if (fehler.empty() || tag.getAbbild() != leer)
            __builtin_trap();
        return 0;
    }
    const clPortalImport import(tag, dok);
    if (!import.getFehler().empty())
        return 0;
    import.getZusammenfassung();
    if (!import.wendeAn(tag, true))
        __builtin_trap();
    // The day as imported reads back as itself and exports.
    clTurniertag geladen;
    std::string xml;
    if (!geladen.setzeAbbild(tag.getAbbild()) || geladen.getAbbild() != tag.getAbbild() ||
        !clPortalExport(geladen).erzeuge(xml, &fehler))
        __builtin_trap();
    return 0;
}
