#ifndef CLTTSPIEL_H
#define CLTTSPIEL_H

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

// A match result, or a sum of results, seen from one participant.
struct sWertung
{
    teilwertung m_Spiel;
    teilwertung m_Satz;
    teilwertung m_Punkte;
};

// One match of the round robin: up to three sets, best of three.
class clTTSpiel
{
public:
    static constexpr int AnzSaetze = 3;
    // Points of one side in one set count at most this much.
    static constexpr int MaxPunkte = 21;

    clTTSpiel();
    clTTSpiel(clTeilnehmer* t1, clTeilnehmer* t2);
    virtual ~clTTSpiel();

    clTeilnehmer* getT1() const { return m_T1; }
    clTeilnehmer* getT2() const { return m_T2; }

    // Stores set snr (1 to 3); -1 leaves that side unchanged. Other set numbers are ignored.
    void setSatzErg(int snr, int p1, int p2);
    // Sets one side of set snr back to "not entered" (side 1 or 2).
    void loescheSatzErg(int snr, int seite);
    // A copy of set snr; an empty set for a number outside 1 to 3.
    satz getSatzErg(int snr) const;
    // True when at least one side of one set has been entered.
    bool hatEingaben() const;

    bool bestimmeErgebnis(sWertung& W1, sWertung& W2);
    // The result of the current set scores, as bestimmeErgebnis derives it, but
    // without replacing the result the standings have counted.
    bool getErgebnis(sWertung& W1, sWertung& W2) const;
    bool altesErgebnis(sWertung& w1, sWertung& w2);
    static sWertung getNullwertung();

    wxString getSaveString() const;
    void setFromSaveString(const wxString& str);

private:
    void initialisieren();

    clTeilnehmer* m_T1;
    clTeilnehmer* m_T2;
    satz m_Saetze[AnzSaetze];
    sWertung m_W1;
    sWertung m_W2;
};

#endif
