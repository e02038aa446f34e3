#ifndef CLCSVEXPORT_H
#define CLCSVEXPORT_H

#include <wx/string.h>

class clTurnier;

// The standings and all results as CSV for spreadsheets: UTF-8 with a byte order
// mark, fields separated by semicolons as German spreadsheet programs expect,
// every field quoted. Won and lost counts and the two sides of a set get columns
// of their own: a field like "2:1" would be read as a time of day.
class clCsvExport
{
public:
    explicit clCsvExport(clTurnier* turnier);

    // One line per place, in placing order, after a line of column titles.
    wxString erzeugeTabelle() const;
    // One line per match, round by round and table by table, after a line of column titles.
    wxString erzeugeErgebnisse() const;

    // Both write the text to datei; on failure fehler says why.
    bool schreibeTabelle(const wxString& datei, wxString* fehler) const;
    bool schreibeErgebnisse(const wxString& datei, wxString* fehler) const;

    static wxString feld(const wxString& text);

private:
    static bool schreibe(const wxString& datei, const wxString& text, wxString* fehler);

    clTurnier* m_Turnier;
};

#endif
