#ifndef CLCSVEXPORT_H
#define CLCSVEXPORT_H

#include <vector>
#include <wx/string.h>

#include "modell/clEndrunde.h"

class clTurnier;
class clTurniertag;

// The standings and all results as CSV for spreadsheets: UTF-8 with a byte order
// mark, fields separated by semicolons as German spreadsheet programs expect,
// every field quoted. Won and lost counts and the two sides of a set get columns
// of their own: a field like "2:1" would be read as a time of day.
class clCsvExport
{
public:
    explicit clCsvExport(clTurnier* turnier);

    // One line per place, in placing order, after a line of column titles; in
    // groups every group's, each line beginning with its group.
    wxString erzeugeTabelle() const;
    // One line per match, round by round and table by table, after a line of
    // column titles; in groups every group's, each line beginning with its group
    // and naming the real table, for a called match the one it was played on.
    wxString erzeugeErgebnisse() const;
    // The results of every class of the day, each line beginning with its class
    // ("Konkurrenz"), in the order of the day; the columns are those of all of
    // them. A day of one class gives that class's results as they are.
    static wxString erzeugeErgebnisse(const clTurniertag& tag);

    // One line per match of the bracket in playing order, as the results are
    // written, after the round's name and the match's number in it.
    static wxString erzeugeEndrunde(const clEndrunde& er);
    // One line per player of the final placing, an open place empty.
    static wxString erzeugeEndstand(const vecPlatzierung& endstand);

    // Each writes its text to datei; on failure fehler says why.
    bool schreibeTabelle(const wxString& datei, wxString* fehler) const;
    bool schreibeErgebnisse(const wxString& datei, wxString* fehler) const;
    static bool schreibeErgebnisse(const wxString& datei, const clTurniertag& tag, wxString* fehler);
    static bool schreibeEndrunde(const wxString& datei, const clEndrunde& er, wxString* fehler);
    static bool schreibeEndstand(const wxString& datei, const vecPlatzierung& endstand, wxString* fehler);

    static wxString feld(const wxString& text);

private:
    // The round robins to write: the groups, or the tournament itself.
    struct sTeil
    {
        wxString name; // the group's, empty for the tournament itself
        const clTurnier* turnier;
        std::vector<int> platten; // the real tables of a group
    };
    std::vector<sTeil> getTeile() const;
    // The columns of the results that vary: those of several classes are the union.
    struct sSpalten
    {
        bool gruppen = false;
        int saetze = 0;
        bool ausfaelle = false;
    };
    void ergaenzeSpalten(sSpalten& spalten) const;
    // The line of column titles, beginning with the class's when konkurrenz.
    static std::vector<wxString> ergebnisTitel(const sSpalten& spalten, bool konkurrenz);
    // The results' lines, each beginning with konkurrenz when it is given, the
    // tables named by hallenPlatten (the hall's numbers of the class's own tables; empty: as they are).
    void haengeErgebnisseAn(wxString& text, const sSpalten& spalten, const wxString& konkurrenz,
                            const std::vector<int>& hallenPlatten) const;
    static bool schreibe(const wxString& datei, const wxString& text, wxString* fehler);

    clTurnier* m_Turnier;
};

#endif
