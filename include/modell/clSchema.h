#ifndef CLSCHEMA_H
#define CLSCHEMA_H

#include <list>
#include <map>
#include <memory>
#include <utility>
#include <vector>
#include <wx/string.h>

#include "modell/clRunde.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"

// How the rounds played with one table fewer are chosen.
enum modErzeugung
{
    modDicht = 1200,
    modGlvt = 1201,
    modZfvt = 1202
};

typedef std::list<int> lstAuslasser;
typedef std::vector<clRunde> vecRunden;
// What was entered into the matches of a schedule, by the participants of each
// pairing, side 1 first.
typedef std::map<std::pair<const clTeilnehmer*, const clTeilnehmer*>, eingaben> mapEingaben;

// The round-robin schedule: the pairings of the circle method poured into rounds.
// It owns its rounds and the matches they refer to.
class clSchema
{
public:
    clSchema();
    virtual ~clSchema();
    clSchema(const clSchema&) = delete;
    clSchema& operator=(const clSchema&) = delete;

    void neuerSpielplan(int pl, vecTeilnehmer* tl, modErzeugung me, const wxString& str);
    // The tables a schedule for n participants uses when pl are there (the most
    // matches a round has), and its number of rounds.
    static int zaehlePlatten(int n, int pl);
    static int zaehleRunden(int n, int pl);

    int AnzRunden() const { return m_anzRunden; }
    int AnzPlatten() const { return m_Platten; }
    int getOrdnung() const { return m_Ordnung; }
    bool isEven() const { return m_Even; }
    const clRunde* getRunde(int idx) const;
    clTTSpiel* getSpiel(int rdx, int pdx) const;
    // Every match of the schedule, in the order they were drawn.
    const std::vector<clTTSpiel>& getSpiele() const { return m_Spiele; }
    std::vector<clTTSpiel>& getSpiele() { return m_Spiele; }

    // Every match with an entry.
    mapEingaben merkeEingaben() const;
    // Every match whose pairing has an entry in gemerkt takes it, its sides exchanged
    // where the pairing is now drawn the other way round. The results are not derived again.
    void uebertrageEingaben(const mapEingaben& gemerkt);

    // The sets to win of every match, now and of the matches drawn later.
    void setGewinnsaetze(int g);
    int getGewinnsaetze() const { return m_Gewinnsaetze; }

    wxString gibSaveString() const;
    void liesAuslasser(lstAuslasser& al, const wxString& str);

private:
    void bereinigeSpielplan();
    void erzeugeAuslasser(lstAuslasser& mal);
    void erstelleSpielplan(vecTeilnehmer* tl, lstAuslasser& al);
    void neuesSpiel(clRunde& runde, clTeilnehmer* t1, clTeilnehmer* t2);

    int m_Ordnung;
    int m_Platten;
    modErzeugung m_Modus;
    lstAuslasser m_Auslasser;
    int m_anzRunden;
    int m_anzAnsetzungen;
    bool m_Even;
    int m_Gewinnsaetze;
    vecRunden m_Runden;
    // All matches of the schedule in one block; room for all of them is reserved
    // before the first is made, so the rounds' pointers stay valid.
    std::vector<clTTSpiel> m_Spiele;
    // Answered by getRunde for a round number outside the schedule.
    clRunde m_LeereRunde;
};

#endif
