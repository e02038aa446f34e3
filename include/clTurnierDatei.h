#ifndef CLTURNIERDATEI_H
#define CLTURNIERDATEI_H

#include <string>
#include <wx/arrstr.h>
#include <wx/string.h>

// The line-and-section layer of the tournament file. One object serves one save
// or one load. A save collects all lines and only replaces the file once they are
// all written; a load reads and decodes the whole file before anything is used.
class clTurnierDatei
{
public:
    explicit clTurnierDatei(const wxString& name);
    virtual ~clTurnierDatei();
    clTurnierDatei(const clTurnierDatei&) = delete;
    clTurnierDatei& operator=(const clTurnierDatei&) = delete;

    void writeSektion(const wxString& seknam, const wxArrayString& sek);
    void writeSektionHeader(const wxString& seknam);
    void writeZeile(const wxString& z);
    // Writes the collected lines to a temporary file beside the target and renames
    // it over the target. On failure the target is untouched and fehler says why.
    bool speichern(wxString* fehler);

    // Reads the whole file: UTF-8, or Windows-1252 when it is not valid UTF-8.
    bool lesen(wxString* fehler);
    bool hatSektion(const wxString& sn) const;
    // Appends the data lines of the section to sek (nothing when it is missing).
    void getSektion(const wxString& sn, wxArrayString& sek) const;

    static bool istKopfzeile(const wxString& zeile);
    // The bytes of a text file as text: UTF-8, or Windows-1252 when they are not valid UTF-8.
    static wxString dekodiere(const std::string& bytes);

private:
    // Index of the line after the section's header line, or -1.
    long findZeile(const wxString& mz) const;

    wxString m_Name;
    std::string m_Ausgabe;
    wxArrayString m_Zeilen;
};

#endif
