#ifndef CLTURNIERDATEI_H
#define CLTURNIERDATEI_H

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

// The line-and-section layer of the tournament file. One object serves one save
// or one load. A save collects all lines and only replaces the file once they are
// all written; a load reads the whole file before anything is used, and keeps it
// as bytes: a line becomes text only when a section asks for it.
class clTurnierDatei
{
public:
    // A tournament of clTurnier::MaxTeilnehmer with every result takes about 5.6 MB,
    // and a day keeps beside its classes the tournament portal's document of up to
    // 16 MB; a larger file is something else and is refused before it fills the memory.
    static constexpr size_t MaxGroesse = 64 * 1024 * 1024;

    explicit clTurnierDatei(const wxString& name);
    virtual ~clTurnierDatei();
    clTurnierDatei(const clTurnierDatei&) = delete;
    clTurnierDatei& operator=(const clTurnierDatei&) = delete;

    // Section names written and asked for from now on begin with praefix: the
    // classes of a tournament day keep their sections apart so.
    void setPraefix(const wxString& praefix) { m_Praefix = praefix; }
    void writeSektion(const wxString& seknam, const wxArrayString& sek);
    void writeSektionHeader(const wxString& seknam);
    void writeZeile(const wxString& z);
    // Writes the collected lines to a temporary file beside the target and renames
    // it over the target. On failure the target is untouched and fehler says why.
    bool speichern(wxString* fehler);

    // The bytes a save would write.
    const std::string& getAusgabe() const { return m_Ausgabe; }
    // Takes bytes as if they had been read from the file.
    void setInhalt(const std::string& bytes);

    // Reads the whole file: UTF-8, or Windows-1252 when it is not valid UTF-8; a
    // byte order mark is skipped in both.
    bool lesen(wxString* fehler);
    bool hatSektion(const wxString& sn) const;
    // Appends the data lines of the section to sek (nothing when it is missing), at
    // most hoechstens of them; false when the section holds more.
    bool getSektion(const wxString& sn, wxArrayString& sek, size_t hoechstens) const;
    // Hands the data lines of the section to tu one after the other, at most
    // hoechstens of them (false when the section holds more); tu answers whether
    // to go on. A line's text lasts only for its call.
    bool fuerZeilen(const wxString& sn, size_t hoechstens,
                    const std::function<bool(std::wstring_view)>& tu) const;
    // The same with each line's bytes as they stand in the file, in its encoding:
    // lines made of ASCII signs around texts, as rounds are, need no decoding.
    bool fuerRohzeilen(const wxString& sn, size_t hoechstens,
                       const std::function<bool(std::string_view)>& tu) const;
    // The lines as views into text, which then holds them all (both are replaced):
    // a section is read without a string for each line.
    bool getSektion(const wxString& sn, std::wstring& text, std::vector<std::wstring_view>& zeilen,
                    size_t hoechstens) const;
    // The same for the anzahl sections namen[0…] into one text: the lines of section
    // i are zeilen[enden[i - 1]] up to zeilen[enden[i]]. A tournament in groups reads
    // a section per group, and a text for each took a tenth of loading it. fehlt
    // becomes the index of the first name with no section, anzahl when all have one.
    bool getSektionen(const wxString* namen, size_t anzahl, std::wstring& text,
                      std::vector<std::wstring_view>& zeilen, std::vector<size_t>& enden, size_t hoechstens,
                      size_t& fehlt) const;

    // The bytes of a text file as text: UTF-8, or Windows-1252 when they are not
    // valid UTF-8; a byte order mark in front is skipped in both.
    static wxString dekodiere(const std::string& bytes);
    // Reads a whole file of at most hoechstens bytes, held to while reading, since
    // a file may grow or not know its size. On failure fehler names the file and
    // says why; a file too large is told with zuGross.
    static bool liesBytes(const wxString& pfad, size_t hoechstens, const wxString& zuGross,
                          std::string& bytes, wxString* fehler);

private:
    // Where the line after the section's header line begins, or npos.
    size_t findZeile(const wxString& mz) const;
    // Notes where each section begins, in one pass over the bytes: a tournament in
    // groups asks for a section per group, and each ask must not read the file again.
    void indiziere();
    // The line that begins at pos, without its line end; pos moves to the next line.
    std::string_view naechsteZeile(size_t& pos) const;
    // fuerRohzeilen for the section whose lines begin at pos (npos: none).
    template <typename Tu>
    bool fuerRohzeilenAb(size_t pos, size_t hoechstens, const Tu& tu) const;

    wxString m_Name;
    wxString m_Praefix;
    std::string m_Ausgabe;
    // The file as read, without its byte order mark.
    std::string m_Bytes;
    bool m_Utf8;
    // The first section of each name: where the line after its header begins.
    std::unordered_map<std::string, size_t> m_Sektionen;
};

#endif
