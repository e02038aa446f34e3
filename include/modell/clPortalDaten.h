#ifndef CLPORTALDATEN_H
#define CLPORTALDATEN_H

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <wx/string.h>

class clTurnierDatei;

// What the day keeps of the federation's tournament portal: the portal's document
// as it was imported, the competition each imported class stands for, and the
// portal's id of each imported entry. The export writes the document back with
// the results, so that a day saved, reopened or recovered exports the same.
//
// Classes are named by their stable numbers, entries by theirs: both survive a
// new draw, a renumbering and undo.
class clPortalDaten
{
public:
    bool istLeer() const { return m_Dokument.empty(); }
    // The document as UTF-8 XML.
    const std::string& getDokument() const { return m_Dokument; }
    void setDokument(std::string dokument) { m_Dokument = std::move(dokument); }

    // The competition class klasse stands for, as clPortalDokument names it; empty for none.
    wxString getWettbewerb(int klasse) const;
    // The competitions of the classes imported, by the classes' stable numbers.
    const std::map<int, wxString>& getWettbewerbe() const { return m_Wettbewerbe; }
    // The class standing for the competition; 0 for none.
    int findeKlasse(const wxString& wettbewerb) const;
    void setWettbewerb(int klasse, const wxString& wettbewerb);
    // The portal's id of the entry; empty for an entry not from the portal.
    wxString getSpieler(int klasse, int kennung) const;
    // An empty id takes the entry's link away.
    void setSpieler(int klasse, int kennung, const wxString& id);
    void entferneKlasse(int klasse);

    // The sections "Turnierportal" and "Turnierportal Dokument". The file names an
    // entry by the number nummer gives it, as its classes number their entries;
    // nummer answers 0 for an entry or (asked with kennung 0) a class that is gone.
    void schreibe(clTurnierDatei& dat, const std::function<int(int klasse, int kennung)>& nummer) const;
    // Reads what schreibe wrote, the entries by those numbers; gibtEs(klasse, 0)
    // asks for a class. A link to a class or an entry that does not exist is
    // refused: grund names the line.
    bool lies(const clTurnierDatei& dat, const std::function<bool(int klasse, int nummer)>& gibtEs,
              wxString& grund);

private:
    std::string m_Dokument;
    std::map<int, wxString> m_Wettbewerbe;
    std::map<std::pair<int, int>, wxString> m_Spieler;
};

#endif
