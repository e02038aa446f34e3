#ifndef CLPORTALIMPORT_H
#define CLPORTALIMPORT_H

#include <set>
#include <vector>
#include <wx/string.h>

#include "datei/clPortalDokument.h"
#include "modell/clTeilnehmer.h"

class clTurnier;
class clTurniertag;

// The import of the portal's registrations into a tournament day, planned before
// anything changes so that the organiser sees what it does. Each competition
// becomes a class, or goes into the class imported from it before; a registration
// becomes an entry, or updates the entry it was imported as (names, club, rating).
// A person is one person of the day however many competitions they play.
//
// Registrations on the waiting list stay off the class until the organiser takes
// them in. Entries imported before and no longer registered are named and removed
// only when the organiser says so; entries typed in Quobel stay. A class already
// drawn takes no new entry and loses none.
class clPortalImport
{
public:
    // dok must outlive the plan. aufnehmen: ids of the waiting list taken in.
    clPortalImport(const clTurniertag& tag, const clPortalDokument& dok,
                   const std::set<wxString>& aufnehmen = {});

    // What the import does, class by class, and in all: as the organiser is told before.
    wxString getZusammenfassung() const;
    // The entries no longer registered, and the results removing them loses; empty for none.
    wxString getEntfallende() const;
    // Why the import cannot be made at all; empty when it can.
    const wxString& getFehler() const { return m_Fehler; }
    // Imports as one step of undo; the entries no longer registered go only when entfernen.
    bool wendeAn(clTurniertag& tag, bool entfernen) const;

    // The registrations of class i on the portal's waiting list that are not entered.
    static std::vector<const sPortalSpieler*> getWarteliste(const clTurniertag& tag,
                                                            const clPortalDokument& dok, int i);

private:
    struct sPlan
    {
        const sPortalWettbewerb* wettbewerb = nullptr;
        // The class's stable number; 0 for a class made by the import.
        int klasse = 0;
        // The day's only class, still empty, becomes the competition's.
        bool ersteKlasse = false;
        // Entries (stable numbers) and the registrations (their index) they are.
        std::vector<std::pair<int, size_t>> treffer;
        std::vector<size_t> neu;
        std::vector<size_t> warteliste;
        // New registrations a drawn class cannot take.
        std::vector<size_t> abgewiesen;
        // Entries imported before and no longer registered.
        std::vector<int> entfallend;
        int geaendert = 0;
        // Why the class cannot take it (a person twice, …): nothing is imported then.
        wxString grund;
        wxString verloren;
    };

    // ersteVergeben: a competition before took the day's empty first class.
    sPlan plane(const sPortalWettbewerb& w, bool& ersteVergeben) const;
    // The participants page's list of class k after the plan.
    static vecEditListe baueListe(const clTurnier& k, const sPlan& p, bool entfernen, int* geaendert);
    bool fuehreAus(clTurniertag& tag, bool entfernen) const;
    // Links the class's entries to the registrations and gives their persons the portal's data.
    void verknuepfe(clTurniertag& tag, int i, const sPlan& p) const;
    bool nimmt(const sPortalSpieler& s) const { return !s.warteliste || m_Aufnehmen.count(s.id) != 0; }

    const clTurniertag& m_Tag;
    const clPortalDokument& m_Dok;
    std::set<wxString> m_Aufnehmen;
    std::vector<sPlan> m_Plaene;
    wxString m_Fehler;
};

#endif
