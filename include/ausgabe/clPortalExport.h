#ifndef CLPORTALEXPORT_H
#define CLPORTALEXPORT_H

#include <string>
#include <vector>
#include <wx/string.h>

class clTurniertag;

// The result file for the tournament portal: the document imported, with every
// element and attribute as read, and for each class imported from it the matches
// played and each entry's final place. A walkover is no match played and is left
// out; a retirement goes with the sets as played and the match to the opponent.
// An entry typed in Quobel has no id at the portal: its matches are left out and
// it is named.
class clPortalExport
{
public:
    explicit clPortalExport(const clTurniertag& tag);

    // The document as UTF-8 XML; false when the day holds nothing from the portal.
    bool erzeuge(std::string& xml, wxString* fehler);
    // Writes the file in one piece; fehler names it.
    bool schreibe(const wxString& pfad, wxString* fehler);
    // The entries left out for having no id at the portal, "Anna Meier (Jugend 15 Einzel)",
    // as the latest erzeuge found them.
    const std::vector<wxString>& getOhneKennung() const { return m_OhneKennung; }
    // The matches written by the latest erzeuge.
    int getAnzahlSpiele() const { return m_Spiele; }

private:
    const clTurniertag& m_Tag;
    std::vector<wxString> m_OhneKennung;
    int m_Spiele = 0;
};

#endif
