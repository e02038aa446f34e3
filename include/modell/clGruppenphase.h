#ifndef CLGRUPPENPHASE_H
#define CLGRUPPENPHASE_H

#include <functional>
#include <memory>
#include <random>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

#include "modell/clEndrunde.h"
#include "modell/sSpielKennung.h"
#include "modell/clTurnierBeobachter.h"

class clTurnier;
class clTurnierDatei;
class clWertungTableBase;
struct allgemein;

// The groups of a tournament in the form "Gruppen mit Endrunde" and, once every
// group match has its result, the knockout bracket drawn from their first q.
// Each group is a round robin of its own: a tournament with its own copies of its
// players (start numbers 1 … n within the group), its share of the tables and its
// standings, so that everything a round robin offers works in a group. A group
// player is known to the main roster by its start number there.
//
// In the tournament file each group is a section "Gruppe g": line 1 the main
// roster's start numbers of its players in group order, line 2 its skip list (a
// lone "\" when it is empty), then its round lines as in "Runden". The bracket is
// the section "Endrunde" (clEndrunde), its players given by their main start
// numbers.
class clGruppenphase : private clTurnierBeobachter
{
public:
    // ergebnis is told of every result typed into a group, with the step's name
    // when the group knows one.
    explicit clGruppenphase(std::function<void(const wxString&)> ergebnis);
    ~clGruppenphase() override;
    clGruppenphase(const clGruppenphase&) = delete;
    clGruppenphase& operator=(const clGruppenphase&) = delete;

    // The tables (1 … platten) of each of anzahl groups: consecutive runs, as even
    // as the count allows, the longer runs first; with fewer tables than groups
    // consecutive groups share one table, the first tables serving more.
    static std::vector<std::vector<int>> teilePlatten(int platten, int anzahl);

    // Draws the main roster into alg.Gruppen groups (at most one per player) by
    // their ratings and clubs. Drops the bracket.
    void lose(const vecTeilnehmer& roster, const allgemein& alg, std::mt19937& zufall);
    // Whether player p1 of group g1 and player p2 of another group g2 (group start
    // numbers) can be exchanged: while neither group has a result.
    bool kannTauschen(int g1, int p1, int g2, int p2) const;
    // Exchanges them, each taking the other's place in a new schedule of its group;
    // drops the bracket.
    bool tausche(int g1, int p1, int g2, int p2);
    // Takes changed tables, mode, sets to win or placing into every group,
    // keeping each group's results.
    void uebernehme(const allgemein& alg);
    // Takes new names (or other data) of the main roster into the groups' copies.
    void uebernehmeNamen(const vecTeilnehmer& roster);

    int getAnzahlGruppen() const { return static_cast<int>(m_Gruppen.size()); }
    // Group g (1 … N); null outside.
    clTurnier* getGruppe(int g) const;
    // The real table numbers group g plays on (tables shared with other groups included).
    std::vector<int> getPlatten(int g) const;
    // The real number of table p of a group that plays on platten; p itself when
    // platten does not name it, as for a tournament that is no group.
    static int getPlattenNummer(const std::vector<int>& platten, int p);
    // The main start number of group g's player with group start number p, 0 for none.
    int getStartNr(int g, int p) const;
    // True when some match of the group has an entry: it can then not be changed.
    bool hatErgebnisse(int g) const;
    // True when every match of every group has its result (walkovers count).
    bool sindGruppenFertig() const;

    // The draw of the bracket is offered when every group match has its result and
    // the bracket, if there is one, has no entry yet.
    bool kannEndrundeAuslosen() const;
    // Draws the first q of each group's placing into a new bracket.
    bool loseEndrunde(const allgemein& alg, std::mt19937& zufall);
    // The players of each group that go on, q at most, in the group's order, by
    // their main start numbers: those the bracket is drawn from.
    std::vector<std::vector<int>> getAufsteiger(int aufsteiger) const;
    // Null while the bracket fits the groups: every group match has its result and
    // the lines hold exactly the players going on; else what contradicts.
    const wchar_t* pruefeEndrunde() const;
    clEndrunde* getEndrunde() const { return m_Endrunde.get(); }
    // Whether lines l1 and l2 (1 … B) of the bracket can be exchanged: two
    // different lines, at least one of them a player, while the bracket has no entry.
    bool kannLinienTauschen(int l1, int l2) const;
    // Exchanges them in a new bracket with the same sets to win and match for third place.
    bool tauscheLinien(int l1, int l2);
    // The final placing: the bracket's, then the players who did not reach it by
    // their group place; empty before the bracket is drawn.
    vecPlatzierung getEndstand() const;

    // Every match: group 1's schedule first, …, then the bracket in playing order;
    // kennungen, when given, gets the identity of each.
    void sammleSpiele(std::vector<clTTSpiel*>& spiele, std::vector<sSpielKennung>* kennungen = nullptr) const;
    // A match of the groups or the bracket after its entries changed: the group's
    // standings or the bracket follow, without telling anybody. False when the
    // match is none of them.
    bool pruefeSpiel(clTTSpiel* sp);
    // "Gruppe 2, Runde 1, Platte 3" or the bracket round of a match, with ", Platte 3"
    // when platte is given; empty for none. platte replaces the group's own table.
    wxString getSpielort(const clTTSpiel* sp, int platte) const;
    // The real table of a group match in its group's schedule; 0 for any other.
    int getPlatte(const clTTSpiel* sp) const;

    void schreibe(clTurnierDatei& dat) const;
    // The groups and bracket of a file whose participant lines are teilnehmer; null
    // when the file holds no groups. A damaged section leaves null and fehler naming
    // the section and the line.
    static std::unique_ptr<clGruppenphase> lies(const clTurnierDatei& dat, const wxArrayString& teilnehmer,
                                                const allgemein& alg,
                                                std::function<void(const wxString&)> ergebnis,
                                                wxString& fehler);

private:
    struct sGruppe;

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    // Remembers the groups' entries while there is a bracket.
    void merkeStand();
    // Makes group g (0-based) of the main start numbers startNr with copies of
    // spieler, a skip list and the entries of its matches (clTurnier::besetze).
    void erzeugeGruppe(size_t g, const std::vector<int>& startNr, const vecTeilnehmer& spieler,
                       const allgemein& alg, const wxString& auslasser, const std::vector<eingaben>& spiele,
                       const std::vector<size_t>& rundenEnde);
    // Where a group match is: its group (0-based), round and place in the round.
    bool findeOrt(const clTTSpiel* sp, int& g, int& r, int& p) const;
    // The group a match belongs to, -1 for none.
    int findeGruppe(const clTTSpiel* sp) const;
    // The main start number of a group player, 0 for none.
    int getStartNr(const clTeilnehmer* tn) const;
    clTeilnehmer* getSpieler(int startNr) const;

    std::function<void(const wxString&)> m_Ergebnis;
    std::vector<std::unique_ptr<sGruppe>> m_Gruppen;
    // Its players belong to the groups, so it goes first.
    std::unique_ptr<clEndrunde> m_Endrunde;
    // Results the tournament passes on itself are not told again.
    bool m_Still;
};

#endif
