#ifndef CLTEILNEHMER_H
#define CLTEILNEHMER_H

#include <deque>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>
#include <wx/string.h>

class clTeilnehmer;
typedef std::vector<clTeilnehmer*> vecTeilnehmer;

// Status bits of a row of the participants' edit list.
const int esClear = 0;
const int esNew = 1;
const int esDirty = 2;
const int esDeleted = 4;

// The columns of a participant row, in the order of the participants page.
enum eTeilnehmerSpalte
{
    spalteVorname,
    spalteName,
    spalteAnzeige,
    spalteVerein,
    spalteTTR,
    // The partner of a doubles pair; a singles class shows only the columns above.
    spaltePartnerVorname,
    spaltePartnerName,
    spaltePartnerVerein,
    spaltePartnerTTR,
    AnzahlTeilnehmerSpalten
};
const int AnzahlEinzelSpalten = spaltePartnerVorname;

// The rating of a participant who has none.
const int KeineTTR = -1;

// The fields of one person of an entry: the player of a singles class, each of
// the two of a doubles pair.
struct sPerson
{
    wxString m_VName;
    wxString m_Name;
    wxString m_Verein;
    int m_TTR = KeineTTR;

    bool hatNamen() const { return !m_VName.empty() || !m_Name.empty(); }
    // "Anna Meier", the names without blanks around them.
    wxString getVollerName() const;
    // Alike for the same person: first name, surname and club, regardless of case
    // and of blanks around them.
    wxString getSchluessel() const;
    // The key of these three texts as a number, equal for equal keys, and whether it is
    // the key of p: both worked out where the texts stand, without making the key, as a
    // day matches its persons to the entries on every load.
    static size_t getSchluesselwert(const wxString& vname, const wxString& name, const wxString& verein);
    static bool hatSchluessel(const sPerson& p, const wxString& vname, const wxString& name,
                              const wxString& verein);
};

// One row of the edit list: a participant as shown and edited on the participants page.
struct spEditData
{
    int m_EditStatus = esClear;
    int m_OldPos = -1; // roster position the row was made from; meaningless for new rows
    wxString m_Name;
    wxString m_VName;
    wxString m_Anzeige;
    wxString m_Verein;
    int m_TTR = KeineTTR;
    // Empty in a singles class.
    sPerson m_Partner{};

    // The first person of the row as a record.
    sPerson getPerson() const { return {m_VName, m_Name, m_Verein, m_TTR}; }
    // A column as the participants page shows it, and setting it from a typed or
    // read text: no control characters, a rating that is not a whole number is none.
    wxString getSpalte(int spalte) const;
    void setSpalte(int spalte, const wxString& wert);
};
typedef std::vector<spEditData> vecEditListe;

// A field of a file line, still escaped, and whether it is plain: without an
// escape or a control character, as names almost always are.
struct sFeld
{
    std::wstring_view text;
    bool schlicht = true;
};

// Working record of the duplicate resolution of display names.
struct strSort
{
    clTeilnehmer* tn = nullptr;
    int pidx = 0;
    wxString anzeige;
    wxString erweiterung;
};
typedef std::deque<strSort> quSort;

class clTeilnehmer
{
public:
    clTeilnehmer();
    virtual ~clTeilnehmer();

    wxString getName() const { return m_Daten->person.m_Name; }
    wxString getVName() const { return m_Daten->person.m_VName; }
    const wxString& getAnzeige() const { return m_Daten->anzeige; }
    int getStartNr() const { return m_StartNr; }
    // A number of its own that stays while the roster is renumbered, the groups are
    // drawn anew or the bracket is made again: a group's copy of a player has the
    // player's number. Calls and undo steps name matches by it (sSpielKennung).
    int getKennung() const { return m_Kennung; }
    void setKennung(int kennung) { m_Kennung = kennung; }
    // The club as shown: of a pair from different clubs both, "TTC A / TSV B".
    wxString getVerein() const;
    // The rating by which the entry is seeded: of a pair the sum of both, none
    // when either has none.
    int getTTR() const;
    const sPerson& getPerson() const { return m_Daten->person; }
    const sPerson& getPartner() const { return m_Daten->partner; }
    // A doubles pair: the entry has a partner with a name.
    bool istPaar() const { return m_Daten->partner.hatNamen(); }
    // First name and surname for what is printed, published and shown in the hall,
    // with the club in brackets when mitVerein and there is one; of a pair both
    // persons, "Anna Meier / Berta Schulz". The display name stands in for a
    // participant of whom neither name is known.
    wxString getVollerName(bool mitVerein = false) const;
    // Names are single lines: the setters turn control characters into blanks.
    void setName(wxString name) { aendere().person.m_Name = ohneSteuerzeichen(std::move(name)); }
    void setVName(wxString vname) { aendere().person.m_VName = ohneSteuerzeichen(std::move(vname)); }
    void setAnzeige(wxString anzeige) { aendere().anzeige = ohneSteuerzeichen(std::move(anzeige)); }
    void setStartNr(int startnr) { m_StartNr = startnr; }
    void setVerein(wxString verein) { aendere().person.m_Verein = ohneSteuerzeichen(std::move(verein)); }
    void setTTR(int ttr) { aendere().person.m_TTR = ttr; }
    void setPartner(const sPerson& partner);

    void addEditData(vecEditListe& el) const;
    // The row of the participant at position pos of the roster, filled in place:
    // a row of a list filled again keeps its texts' memory.
    void fuelleEditData(spEditData& ed, int pos) const;
    void updateEditData(const spEditData& ed);

    wxString getSaveString() const;
    void setFromSaveString(std::wstring_view str);
    void setFromSaveString(const wxString& str)
    {
        setFromSaveString(std::wstring_view(str.wc_str(), str.length()));
    }

    static void pruefeDuplikate(vecTeilnehmer& tl);
    static void entferneDuplikate(quSort& dq);

    // A run of control characters (a tab or a line break that came with a name from
    // a file, a cell or a list) becomes one blank.
    static wxString ohneSteuerzeichen(wxString text);
    // Splits a file line in one pass into anzahl fields at each comma not escaped,
    // as clMaskierung::trenne does, the blank after a comma skipped; the fields
    // beyond the line are empty. Gives what is left of the line after them.
    static std::wstring_view trenneFelder(std::wstring_view zeile, sFeld* felder, size_t anzahl);
    // An escaped field of a file line as a name into ziel: unescaped, with control
    // characters made blanks as above, and without blanks around it when getrimmt.
    static void liesFeld(const sFeld& feld, wxString& ziel, bool getrimmt = false);
    // A rating as typed: a whole number of up to five digits, else KeineTTR.
    static int liesTTR(std::wstring_view text);
    static int liesTTR(const wxString& text)
    {
        return liesTTR(std::wstring_view(text.wc_str(), text.length()));
    }
    // The display name Quobel gives a participant for whom none was typed: of a
    // pair the surnames, "Meier/Schulz".
    static wxString leiteAnzeigeAb(const wxString& vname, const wxString& name, int startnr,
                                   const sPerson& partner = sPerson());
    // True when anzeige is a display name Quobel derived from these names, with the
    // letters or the number that told it apart from a namesake, rather than one the
    // organiser typed. Only the names decide, so a loaded file tells it as well.
    static bool istAbgeleitet(const wxString& anzeige, const wxString& vname, const wxString& name,
                              const sPerson& partner = sPerson());

private:
    // The names and ratings of the entry. A copy of an entry shares them until one of
    // the two is changed: every player of a tournament in groups has a copy in its group.
    struct sDaten
    {
        sPerson person;
        // Empty but in a doubles class.
        sPerson partner;
        wxString anzeige;
    };

    void checkAndcorrectAnzeige();
    // The data to change, no longer shared with a copy.
    sDaten& aendere();

    std::shared_ptr<sDaten> m_Daten;
    int m_StartNr;
    int m_Kennung;
};

#endif
