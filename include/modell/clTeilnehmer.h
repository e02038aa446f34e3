#ifndef CLTEILNEHMER_H
#define CLTEILNEHMER_H

#include <deque>
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
    AnzahlTeilnehmerSpalten
};

// The rating of a participant who has none.
const int KeineTTR = -1;

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

    // A column as the participants page shows it, and setting it from a typed or
    // read text: no control characters, a rating that is not a whole number is none.
    wxString getSpalte(int spalte) const;
    void setSpalte(int spalte, const wxString& wert);
};
typedef std::vector<spEditData> vecEditListe;

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

    wxString getName() const { return m_Name; }
    wxString getVName() const { return m_VName; }
    const wxString& getAnzeige() const { return m_Anzeige; }
    int getStartNr() const { return m_StartNr; }
    // A number of its own that stays while the roster is renumbered, the groups are
    // drawn anew or the bracket is made again: a group's copy of a player has the
    // player's number. Calls and undo steps name matches by it (sSpielKennung).
    int getKennung() const { return m_Kennung; }
    void setKennung(int kennung) { m_Kennung = kennung; }
    const wxString& getVerein() const { return m_Verein; }
    int getTTR() const { return m_TTR; }
    // First name and surname for what is printed, published and shown in the hall,
    // with the club in brackets when mitVerein and there is one; the display name
    // stands in for a participant of whom neither name is known.
    wxString getVollerName(bool mitVerein = false) const;
    // Names are single lines: the setters turn control characters into blanks.
    void setName(const wxString& name) { m_Name = ohneSteuerzeichen(name); }
    void setVName(const wxString& vname) { m_VName = ohneSteuerzeichen(vname); }
    void setAnzeige(const wxString& anzeige) { m_Anzeige = ohneSteuerzeichen(anzeige); }
    void setStartNr(int startnr) { m_StartNr = startnr; }
    void setVerein(const wxString& verein) { m_Verein = ohneSteuerzeichen(verein); }
    void setTTR(int ttr) { m_TTR = ttr; }

    void addEditData(vecEditListe& el) const;
    void updateEditData(const spEditData& ed);

    wxString getSaveString() const;
    void setFromSaveString(const wxString& str);

    static void pruefeDuplikate(vecTeilnehmer& tl);
    static void entferneDuplikate(quSort& dq);

    // A run of control characters (a tab or a line break that came with a name from
    // a file, a cell or a list) becomes one blank.
    static wxString ohneSteuerzeichen(const wxString& text);
    // A rating as typed: a whole number of up to five digits, else KeineTTR.
    static int liesTTR(const wxString& text);
    // The display name Quobel gives a participant for whom none was typed.
    static wxString leiteAnzeigeAb(const wxString& vname, const wxString& name, int startnr);
    // True when anzeige is a display name Quobel derived from these names, with the
    // letters or the number that told it apart from a namesake, rather than one the
    // organiser typed. Only the names decide, so a loaded file tells it as well.
    static bool istAbgeleitet(const wxString& anzeige, const wxString& vname, const wxString& name);

private:
    void checkAndcorrectAnzeige();

    wxString m_Name;
    wxString m_VName;
    wxString m_Anzeige;
    wxString m_Verein;
    int m_TTR;
    int m_StartNr;
    int m_Kennung;
};

#endif
