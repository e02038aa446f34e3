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
struct sEntscheidung;

// The groups of a tournament in the form "Gruppen mit Endrunde" and, once every
// group match has its result, the knockout bracket drawn from their first q.
// Each group is a round robin of its own: a tournament with its own copies of its
// players (start numbers 1 … n within the group), its share of the tables and its
// standings, so that everything a round robin offers works in a group. A group
// player is known to the main roster by its start number there.
//
// In the tournament file each group is a section "Gruppe g": line 1 the main
// roster's start numbers of its players in group order, line 2 its skip list (a
// lone "\" when it is empty), then its round lines as in "Runden". When players
// share a place that decides who goes on, the order decided for them follows as
// the last line, "Los: 7,2,5" when the lot drew it, "Festgelegt: 7,2,5" when the
// organiser chose it (main start numbers, best first); without one there is no
// such line. The bracket is the section "Endrunde" (clEndrunde), its players given
// by their main start numbers.
//
// In the form "KO-System" there are no groups: the phase holds its own copies of
// the whole roster, drawn straight into the bracket by rating, and the file holds
// only the section "Endrunde".
class clGruppenphase : private clTurnierBeobachter
{
public:
    // ergebnis is told of every result typed into a group, with the step's name
    // when the group knows one.
    explicit clGruppenphase(std::function<void(const wxString&)> ergebnis);
    ~clGruppenphase() override;
    clGruppenphase(const clGruppenphase&) = delete;
    clGruppenphase& operator=(const clGruppenphase&) = delete;

    // The tables (1 … platten) of groups of the given numbers of players:
    // consecutive runs, as even as the count allows, the tables left over going to
    // the groups with the most matches (the earlier of equals); with fewer tables
    // than groups consecutive groups share one table, the first tables serving more.
    static std::vector<std::vector<int>> teilePlatten(int platten, const std::vector<int>& groessen);

    // Draws the main roster into alg.Gruppen groups (at most one per player) by
    // their ratings and clubs. Drops the bracket.
    void lose(const vecTeilnehmer& roster, const allgemein& alg, std::mt19937& zufall);
    // The knockout form: copies of the roster (at least two) drawn into a new
    // bracket, seeded by rating as group winners are (clEndrundenAuslosung), the
    // highest first, those without a rating last in an order by lot.
    void loseKO(const vecTeilnehmer& roster, const allgemein& alg, std::mt19937& zufall);
    // True in the knockout form.
    bool istKO() const { return !m_Feld.empty(); }
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

    // A changed main roster after the draw. neueNr gives for each old main start
    // number (at snr-1) the new one, 0 for a player removed. A removed player leaves
    // its group with its matches; each player added joins the group with the fewest
    // players (ties: the lowest number) with its matches against them. The groups
    // are not drawn again: a group that changes gets a new schedule that keeps every
    // pairing's entries, as a round robin keeps them.
    // Why such a change is refused: a drawn bracket, or a group left empty; empty
    // when it is not refused.
    wxString pruefeAenderung(const std::vector<int>& neueNr, size_t nachmeldungen) const;
    // What the change does, as the organiser is told before; nachmeldungen are the
    // display names of the players added. Empty when no group changes.
    wxString beschreibeAenderung(const std::vector<int>& neueNr, const wxArrayString& nachmeldungen) const;
    // Makes it; the players of roster (the new main roster) that neueNr does not
    // name are those added.
    void aendereTeilnehmer(const std::vector<int>& neueNr, const vecTeilnehmer& roster);

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
    // The group copy of the main roster's player startNr, which plays its matches; null for none.
    clTeilnehmer* getSpieler(int startNr) const;
    // True when some match of the group has an entry: it can then not be changed.
    bool hatErgebnisse(int g) const;
    // True when every match of group g, or of every group, has its result (walkovers count).
    bool istFertig(int g) const;
    bool sindGruppenFertig() const;

    // The draw of the bracket is offered when every group match has its result and
    // the bracket, if there is one, has no entry yet.
    bool kannEndrundeAuslosen() const;
    // The players of group g (main start numbers, in table order) who share a place
    // that decides who goes on, or as which of the group's first, once the group
    // has played every match; empty when nobody does.
    std::vector<int> getGleichstand(int g) const;
    // True when group g has such players and no order decided for them.
    bool brauchtEntscheidung(int g) const;
    // True when their order was drawn by lot, false when the organiser chose it or
    // there is none.
    bool istGelost(int g) const;
    // The players of group g that go on, in order, the winner first (main start
    // numbers): the group's placing with the order decided for shared places. The
    // first anzahl of them, or as many as the group's settings name (0).
    std::vector<int> getAufsteiger(int g, int anzahl = 0) const;
    // Where a player of the groups stands in its group, "1. Gr. 3"; empty for none.
    wxString getHerkunft(const clTeilnehmer* tn) const;
    // Draws the first q of each group into a new bracket, after taking the orders
    // decided for shared places (an empty order: drawn by lot here). Refused, and
    // nothing changed, when an order names other players than those sharing the
    // place or a group that needs one has none.
    bool loseEndrunde(const allgemein& alg, std::mt19937& zufall,
                      const std::vector<sEntscheidung>& entscheidungen);
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
    // The groups and bracket of a file whose participants, as read, are teilnehmer
    // (each group copies its own); null when the file holds no groups. A damaged
    // section leaves null and fehler naming the section and the line.
    static std::unique_ptr<clGruppenphase> lies(const clTurnierDatei& dat, const vecTeilnehmer& teilnehmer,
                                                const allgemein& alg,
                                                std::function<void(const wxString&)> ergebnis,
                                                wxString& fehler);

private:
    // Hands each player to tu with the main start number it plays under, the field's
    // first, then the groups' in their order; tu answers whether to go on.
    void fuerSpieler(const std::function<bool(int, clTeilnehmer*)>& tu) const;
    struct sGruppe;

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    // Remembers the groups' entries while there is a bracket.
    void merkeStand();
    // pruefeEndrunde for the lines' main start numbers, a bye clEndrundenAuslosung::Freilos.
    const wchar_t* pruefeLinien(const std::vector<int>& linien) const;
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
    // The players of group g (0-based) that the change neueNr keeps.
    size_t zaehleBleibende(size_t g, const std::vector<int>& neueNr) const;
    // The group (0-based) each of anzahl players added joins, in their order.
    std::vector<size_t> planeNachmeldungen(const std::vector<int>& neueNr, size_t anzahl) const;
    // The bracket tells where its players came from.
    void verbindeEndrunde();
    // Takes the order of group g (0-based) for its shared places into its standings.
    void entscheide(size_t g, const std::vector<int>& reihenfolge, bool gelost);
    // The players of the bracket's draw, each group's first (main start numbers);
    // in the knockout form each player alone, by rating, those without one by lot.
    std::vector<std::vector<int>> getErste(int aufsteiger, std::mt19937* zufall) const;
    // The section "Endrunde" of a file into the bracket, checked against the
    // groups or the knockout form's players; false and fehler naming the line when damaged.
    bool liesEndrunde(const clTurnierDatei& dat, wxString& fehler);
    // The knockout form's players: copies of the roster whose start numbers are those of the roster.
    void besetzeFeld(const vecTeilnehmer& roster);

    std::function<void(const wxString&)> m_Ergebnis;
    std::vector<std::unique_ptr<sGruppe>> m_Gruppen;
    // The knockout form's players; empty with groups.
    std::vector<std::unique_ptr<clTeilnehmer>> m_Feld;
    // Its players belong to the groups, so it goes first.
    std::unique_ptr<clEndrunde> m_Endrunde;
    // Results the tournament passes on itself are not told again.
    bool m_Still;
};

#endif
