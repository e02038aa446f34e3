#ifndef CLWERTUNGTABLEBASE_H
#define CLWERTUNGTABLEBASE_H

#include <memory>
#include <vector>
#include <wx/grid.h>

#include "modell/clTTSpiel.h"

class clTurnier;

// How participants are placed: by wins, sets and points won and lost (the first
// that differs decides); by the ITTF rule; or by wins, then set difference, then
// point difference, those still equal by the ITTF comparison among them.
enum modPlatzierung
{
    platzSiege = 0,
    platzITTF = 1,
    platzDifferenz = 2
};

// One participant's line of the standings.
struct tabWertung
{
    int m_AnzahlSpiele = 0;
    sWertung wertung;
};

// The standings: totals per participant and the placing order, kept up to date
// incrementally. It is also the grid table of the standings page and works
// without a grid attached.
class clWertungTableBase : public wxGridTableBase
{
public:
    explicit clWertungTableBase(clTurnier* t);
    ~clWertungTableBase() override;

    int GetNumberRows() override { return m_Rows; }
    int GetNumberCols() override { return m_Cols; }
    wxString GetValue(int row, int col) override;
    void SetValue(int row, int col, const wxString& value) override;
    wxString GetRowLabelValue(int row) override;
    wxString GetColLabelValue(int col) override;

    void addiereWertung(int startnr, const sWertung& w);
    void subtrahiereWertung(int startnr, const sWertung& w);
    static int vergleicheWertung(const sWertung& w1, const sWertung& w2);
    // Moves the participant to its place after its totals changed; true when it moved.
    bool korrigierePlatzierung(int startnr);
    void setzeAnzahl(int anz, bool fl_clear);

    modPlatzierung getPlatzierungsmodus() const { return m_Modus; }
    // Takes the placing for the following orders; the columns follow it.
    void setPlatzierungsmodus(modPlatzierung modus);
    // Fits the columns of the grid showing the table into its width.
    void setzeSpaltenBreiten();
    // Puts both participants of a match whose result changed on their places; in
    // a batch only notes that the standings have to be ordered.
    void platziere(int startnr1, int startnr2);

    // A change of many results at once (a load, a withdrawal, undo and redo, a
    // rebuild): while one is open the totals follow every result, but the
    // standings are ordered only once, when the outermost one closes. A table of
    // nullptr is allowed and changes nothing.
    class clStapel
    {
    public:
        explicit clStapel(clWertungTableBase* tabelle);
        ~clStapel();
        clStapel(const clStapel&) = delete;
        clStapel& operator=(const clStapel&) = delete;

    private:
        clWertungTableBase* m_Tabelle;
    };

    // Read access for views, printing and tests.
    int getAnzahl() const { return static_cast<int>(m_Platztabelle.size()); }
    // The start number of the participant on place (0-based), 0 outside the table.
    int getStartNrAufPlatz(int platz) const;
    // The 0-based place of the participant with this start number, -1 outside the table.
    int getPlatz(int startnr) const;
    // The line of the participant with this start number; a zero line outside the table.
    tabWertung getWertung(int startnr) const;
    // The place (0-based) shown for a position: participants that remain equal by
    // the ITTF rule share the place of the first of them.
    int getGeteilterPlatz(int platz) const;
    // The place shown for a position, "3"; empty while no match is counted, when
    // the order says nothing yet.
    wxString getPlatzText(int platz) const;
    // True when the position shares its place with others who have played all
    // their matches, so that only the lot can still decide.
    bool entscheidetLos(int platz) const;
    // An order decided for participants who share a place: their start numbers,
    // best first, and the note beside them ("Los" gives "Los: 1."). It orders them
    // while exactly they share one place; empty for none.
    void setEntscheidung(const std::vector<int>& startnummern, const wxString& hinweis);
    // True when the position belongs to the participants ordered by that decision.
    bool istEntschieden(int platz) const;

private:
    // Orders everybody anew: by the ITTF rule or by the differences from the totals
    // and the results of the tournament's matches, otherwise by the totals, equal
    // ones keeping their order.
    void ordne();
    // Orders by stufe (higher first); those of equal stufe by the matches among them.
    void ordneNachDirektemVergleich(const std::vector<int>& stufe);
    // Puts the decided order on the places its participants share, when exactly they share one.
    void wendeEntscheidungAn();
    // Participants with a counted match rank before those without; then vergleicheWertung.
    int vergleichePlaetze(int idx1, int idx2) const;
    // Participants with a counted match rank before those without; then wins, set
    // difference and point difference. 0 when all are equal.
    int vergleicheDifferenzen(int idx1, int idx2) const;
    void tauschePlaetze(int platz1, int platz2);

    clTurnier* m_Turnier;
    int m_Rows;
    int m_Cols;
    std::vector<tabWertung> m_Platztabelle;
    std::vector<int> m_Rangliste;
    std::vector<int> m_Platzierung;
    modPlatzierung m_Modus;
    // By the ITTF rule: for each position the first position of those equal with it.
    std::vector<int> m_GleichAb;
    // The decided order (start numbers) and its note; the first of its positions
    // while it orders them, else -1.
    std::vector<int> m_Entscheidung;
    wxString m_EntscheidungHinweis;
    int m_EntschiedenAb;
    // Counted matches, each counted for both participants.
    int m_Gezaehlt;
    // Open batches, and whether the standings have to be ordered when the last closes.
    int m_Stapel;
    bool m_Ungeordnet;
};

#endif
