#ifndef CLTTSPIEL_H
#define CLTTSPIEL_H

#include <vector>
#include <wx/string.h>

class clTeilnehmer;

// The score of one set; -1 marks a side that has not been entered.
struct satz
{
    int P1 = -1;
    int P2 = -1;
};

// One count seen from one side: own and opponent.
struct teilwertung
{
    int eigene = 0;
    int gegner = 0;
};

// A match result, or a sum of results, seen from one participant. m_Spielpunkte
// are the match points of the ITTF placing: 2 for a win, 1 for a loss at the
// table, 0 for a loss by walkover or retirement.
struct sWertung
{
    teilwertung m_Spiel;
    teilwertung m_Satz;
    teilwertung m_Punkte;
    teilwertung m_Spielpunkte;
};

// How a match ended other than by its sets: a side did not play ("kampflos",
// written w.o.) or retired ("Aufgabe").
enum modAusfall
{
    ausfKeiner = 0,
    ausfKampflos = 1,
    ausfAufgabe = 2
};

// Everything typed into a match: the sets and a walkover or retirement.
struct eingaben
{
    // Best of seven at the most, four sets to win.
    static constexpr int MaxSaetze = 7;
    satz saetze[MaxSaetze];
    modAusfall ausfall = ausfKeiner;
    // The side of the walkover or retirement, 0 without one.
    int seite = 0;
    // Every set not entered and no mark, field by field in place: a whole record
    // built aside and copied in was read back before its stores had landed, for
    // every match of a file and of a schedule.
    void leere();
    bool operator==(const eingaben& e) const;
    bool operator!=(const eingaben& e) const { return !(*this == e); }
};

// One match of the round robin: best of 2G-1 sets, G the sets to win.
class clTTSpiel
{
public:
    static constexpr int MinGewinnsaetze = 2;
    static constexpr int MaxGewinnsaetze = 4;
    static constexpr int MaxSaetze = 2 * MaxGewinnsaetze - 1;
    static_assert(MaxSaetze == eingaben::MaxSaetze, "a match holds the sets its entries can");

    clTTSpiel();
    clTTSpiel(clTeilnehmer* t1, clTeilnehmer* t2);

    int getGewinnsaetze() const { return m_Gewinnsaetze; }
    // The number of sets a match can have: 2G-1.
    int getAnzSaetze() const { return 2 * m_Gewinnsaetze - 1; }
    // Sets beyond the new 2G-1 are discarded; the result is not derived again.
    void setGewinnsaetze(int g);
    // True when a set beyond 2g-1 has an entry.
    bool hatSaetzeUeber(int g) const;

    clTeilnehmer* getT1() const { return m_T1; }
    clTeilnehmer* getT2() const { return m_T2; }
    // "Anna – Bernd" by the display names, or by first name and surname when
    // vollerName; a side without a player is empty.
    wxString getPaarung(bool vollerName = false) const;

    // Stores set snr (1 to 2G-1); -1 leaves that side unchanged. Other set numbers are ignored.
    void setSatzErg(int snr, int p1, int p2);
    // The whole result at once: the sets in order, every later set not entered,
    // and no walkover or retirement. Sets beyond 2G-1 are left out.
    void setSaetze(const std::vector<satz>& saetze);
    // Sets one side of set snr back to "not entered" (side 1 or 2).
    void loescheSatzErg(int snr, int seite);
    // A copy of set snr; an empty set for a number outside 1 to 2G-1.
    satz getSatzErg(int snr) const;
    // True when at least one side of one set, or a walkover or retirement, has been entered.
    bool hatEingaben() const;
    // The set in which one side reached G sets, by the sets as entered; 0 while
    // the sets decide nothing. Walkover and retirement are not looked at.
    int getEntscheidungssatz() const;

    eingaben getEingaben() const;
    // Takes every set up to 2G-1 and the walkover or retirement; the result is not derived again.
    void setEingaben(const eingaben& e);

    // Marks side seite (1 or 2) as not played or retired; ausfKeiner (or a side
    // other than 1 or 2) clears the mark. The sets stay as they were entered.
    void setAusfall(modAusfall art, int seite);
    modAusfall getAusfallArt() const { return m_Eingaben.ausfall; }
    // The side that did not play or retired, 0 when there is none.
    int getAusfallSeite() const { return m_Eingaben.seite; }

    bool bestimmeErgebnis(sWertung& W1, sWertung& W2);
    // The result of the current set scores, as bestimmeErgebnis derives it, but
    // without replacing the result the standings have counted.
    bool getErgebnis(sWertung& W1, sWertung& W2) const;
    bool altesErgebnis(sWertung& w1, sWertung& w2);
    // The result bestimmeErgebnis stored last, which the standings count when it
    // is decided; answers whether it is.
    bool getGespeichertesErgebnis(sWertung& w1, sWertung& w2) const;
    static sWertung getNullwertung();

    wxString getSaveString() const;
    // The same, appended to str: a round line is written of its matches in one text.
    void haengeSaveStringAn(wxString& str) const;
    // What the save string holds after the players' names, without the closing
    // parenthesis: ",11:7,9:11" and a walkover or retirement mark; empty for none.
    void haengeEingabenAn(wxString& str) const;
    // The entries of a match group from anfang to ende, without its parentheses:
    // the sets by position and a walkover or retirement mark. False when a piece
    // is neither a set nor a mark; falsch is then that piece. Z is wchar_t for
    // text, char for the bytes of a file as they stand. maskiert false tells that
    // the text holds no backslash: the names then end at the first comma.
    template <typename Z>
    static bool liesSaveString(const Z* anfang, const Z* ende, eingaben& e, wxString& falsch,
                               bool maskiert = true);
    // In a knockout bracket the players of a later match are found as it goes on.
    void setTeilnehmer(clTeilnehmer* t1, clTeilnehmer* t2)
    {
        m_T1 = t1;
        m_T2 = t2;
    }

private:
    void initialisieren();

    clTeilnehmer* m_T1;
    clTeilnehmer* m_T2;
    int m_Gewinnsaetze;
    // Kept as one record, which scoring reads where it stands: a copy for each
    // result derived was a tenth of loading a large round robin.
    eingaben m_Eingaben;
    // The result kept for side 1; side 2's is the same seen from the other side. A
    // large round robin holds tens of thousands of matches, and loading one walks
    // them several times: the smaller a match, the fewer of them miss the cache.
    sWertung m_W1;
    // True while m_W1 is what the entries give; every change of the
    // entries, and taking the result out of the standings, clears it.
    bool m_ErgebnisGilt;
};

#endif
