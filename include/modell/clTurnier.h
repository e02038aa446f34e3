#ifndef CLTURNIER_H
#define CLTURNIER_H

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

#include "modell/clSchema.h"
#include "modell/clSpielbetrieb.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnierBeobachter.h"

class clSpieleTableBase;
class clTeilnehmerTableBase;
class clWertungTableBase;
class clTTSpiel;
class clTurnierDatei;
class clGruppenphase;

// How the tournament is played: everybody against everybody, in groups whose
// first players go on into a knockout bracket ("Endrunde"), or every entry straight
// into such a bracket ("KO-System").
enum modTurnierform
{
    formJederGegenJeden = 0,
    formGruppen = 1,
    formKO = 2
};

// Who makes an entry of a class: one player, or a pair (two men or two women, or
// a man and a woman; Quobel knows no one's sex, so both pairs are alike to it).
enum modKonkurrenzArt
{
    artEinzel = 0,
    artDoppel = 1,
    artMixed = 2
};

// The general data of a tournament.
struct allgemein
{
    wxString Bezeichnung = L"ein Turnier";
    wxString Veranstalter = L"ein Verein";
    wxString Ort = L"hier";
    wxString Datum = L"heute";
    int Platten = 1;
    int ModusIdx = 0;
    // Sets to win a match (2 to 4: best of 3, 5 or 7).
    int Gewinnsaetze = 2;
    // The placing: 0 by wins, sets and points, 1 by the ITTF rule, 2 by wins and
    // differences (modPlatzierung).
    int PlatzierungIdx = 0;
    // modTurnierform; the fields below count only for groups, the last two also
    // for the knockout form.
    int Turnierform = formJederGegenJeden;
    // The number of groups N.
    int Gruppen = 4;
    // The players of each group that reach the bracket (1 or 2).
    int Aufsteiger = 2;
    // Sets to win in the bracket; Gewinnsaetze are those of the groups.
    int GewinnsaetzeEndrunde = 2;
    bool SpielUmPlatz3 = false;
    // modKonkurrenzArt.
    int Art = artEinzel;
};

// The order the organiser gives players of a group who share a place that decides
// who goes on: their main start numbers, best first; empty for a lot drawn by the program.
struct sEntscheidung
{
    int gruppe = 0;
    std::vector<int> reihenfolge;
};

// The tournament: general data, roster, schedule and the three views that show it.
class clTurnier
{
    // The tournament day writes, reads and times its classes.
    friend class clTurniertag;

public:
    // The settings dialog offers 1 to MaxPlatten tables; a file is held to the same.
    static constexpr int MaxPlatten = 100;
    // With one table every round knows every participant, so the schedule grows with
    // the cube of their number: beyond this a roster is refused before it exhausts memory.
    static constexpr int MaxTeilnehmer = 500;
    // The number of participants a list would leave after applying it.
    static int zaehleTeilnehmer(const vecEditListe& el);
    // Groups or a knockout field are drawn from this many participants on: with
    // fewer there is at most one match, which needs no draw.
    static constexpr int MindestAuslosung = 3;
    // Why the roster is too small to be drawn into groups or a knockout field;
    // empty when it is not.
    wxString getAuslosungsSperre() const;

    clTurnier();
    // With the general data alg from the start, as the groups of a class are made:
    // general data made only to be replaced cost a group four texts.
    explicit clTurnier(const allgemein& alg);
    virtual ~clTurnier();
    clTurnier(const clTurnier&) = delete;
    clTurnier& operator=(const clTurnier&) = delete;

    allgemein* getAllgemein() { return &m_Allgemein; }
    const allgemein* getAllgemein() const { return &m_Allgemein; }
    void setAllgemein(const allgemein* alg);

    void setSpieleTableBase(clSpieleTableBase* tb) { m_SpieleTB = tb; }
    void setTeilnehmerTableBase(clTeilnehmerTableBase* tb) { m_TeilnehmerTB = tb; }
    void setWertungTableBase(clWertungTableBase* tb) { m_Turniertabelle = tb; }
    clWertungTableBase* getWertungTableBase() const { return m_Turniertabelle; }

    int getAnzahlTeilnehmer() const { return static_cast<int>(m_Teilnehmer.size()); }
    clTeilnehmer* getTeilnehmer(int snr) const;
    // The start number of the participant of the stable number; 0 for none.
    int getStartNrVon(int kennung) const;

    void fillEditListe(vecEditListe& el) const;
    void UpdateTeilnehmer(vecEditListe& el);
    // The results applying the edit list would lose, those of the participants it
    // removes, as the organiser is told of them; empty when none is lost.
    wxString verloreneErgebnisse(const vecEditListe& el) const;
    // Why the edit list cannot be applied to the drawn groups; empty when it can.
    // UpdateTeilnehmer leaves a refused list and the tournament as they are.
    // Refused too: in a doubles class an entry without both persons, and anywhere
    // a person entered twice.
    wxString pruefeTeilnehmerliste(const vecEditListe& el) const;
    // What applying the edit list does to the drawn groups, as the organiser is
    // told before; empty when no group changes.
    wxString beschreibeGruppenAenderung(const vecEditListe& el) const;
    // True when fewer sets to win in alg would discard sets entered beyond the new last set.
    bool verwirftSaetze(const allgemein& alg) const;
    // What taking alg would discard of the drawn groups (another form or number of
    // groups needs a new draw): the draw, its results, calls and bracket, as the
    // organiser is told before; empty when the groups stay.
    wxString verworfeneGruppen(const allgemein& alg) const;
    // What taking alg would drop of the entries: a pair's partner when a doubles
    // class becomes singles, as the organiser is told before; empty when nothing is.
    wxString verworfenePartner(const allgemein& alg) const;
    // True when some side of some set of the schedule has been entered.
    bool hatErgebnisse() const;

    void ErzeugeSchema();
    int getAnzahlRunden() const { return m_Schema.AnzRunden(); }
    clTTSpiel* getSpiel(int runde, int platte) const { return m_Schema.getSpiel(runde, platte); }
    const clSchema& getSchema() const { return m_Schema; }
    // The sets a match of the schedule can have: 2G-1.
    int getAnzSaetze() const { return 2 * m_Schema.getGewinnsaetze() - 1; }
    wxString getSpielfrei(int rdx) const;

    void pruefeWertung(clTTSpiel* sp);
    // Several changed matches as one change, which undo takes back at once.
    void pruefeWertungen(const std::vector<clTTSpiel*>& spiele, const wxString& schritt = wxString());
    // The matches of a participant that have no entry yet and whose opponent is
    // known: in the schedule, in its group and its current match in the bracket. A
    // withdrawal gives each of them to the opponent by walkover.
    std::vector<clTTSpiel*> getOffeneSpiele(int startnr) const;
    // The participant withdraws: each match without an entry is lost by walkover.
    void zieheZurueck(int startnr);
    // The bracket match in which the participant waits for an opponent not known
    // yet; null for none.
    const clTTSpiel* getWartendesSpiel(int startnr) const;

    // Every match: the schedule's round by round, then those of the groups and the
    // bracket; kennungen, when given, gets the identity of each.
    std::vector<clTTSpiel*> getAlleSpiele(std::vector<sSpielKennung>* kennungen = nullptr) const;
    // The identity of a match of the tournament; an empty one for none.
    sSpielKennung getKennung(const clTTSpiel* sp) const;
    // Takes tl as the roster (start numbers 1 … in this order; the tournament owns
    // them then), makes the schedule with the skip list auslasser and gives its
    // matches, round by round in table order, the entries spiele, each round ending
    // at its rundenEnde. Nobody is told: a group is made so before it is shown.
    void besetze(vecTeilnehmer tl, const wxString& auslasser, const std::vector<eingaben>& spiele,
                 const std::vector<size_t>& rundenEnde);
    // "Runde 3, Platte 2", "Gruppe 2, Runde 1, Platte 3" or the bracket round of a match.
    wxString getSpielort(const clTTSpiel* sp) const;

    // In the form "Gruppen mit Endrunde": the groups and the bracket once they are
    // drawn, else null.
    clGruppenphase* getGruppenphase() const { return m_Gruppenphase.get(); }
    // Draws the roster into groups by the participants' ratings and clubs. Refused
    // when the form is not groups or a group has a result.
    bool loseGruppen(std::mt19937& zufall);
    // Exchanges two players of different groups (group numbers and start numbers
    // within them) while neither group has a result.
    bool tauscheGruppenspieler(int g1, int p1, int g2, int p2);
    // Draws the bracket when every group match has its result and the bracket has
    // none, with the orders decided for shared places (clGruppenphase::loseEndrunde);
    // in the knockout form the roster by rating (clGruppenphase::loseKO).
    bool loseEndrunde(std::mt19937& zufall, const std::vector<sEntscheidung>& entscheidungen = {});
    // Why the knockout form cannot draw its bracket now; empty when it can.
    wxString pruefeKOAuslosung() const;
    // Exchanges two lines of the bracket (1 … B) while it has no entry.
    bool tauscheEndrundenLinien(int l1, int l2);

    // The hall: the matches being played at its tables and those to call next.
    const clSpielbetrieb& getSpielbetrieb() const { return m_Spielbetrieb; }
    // The clock of the calls, for tests.
    void setUhr(std::function<std::time_t()> uhr) { m_Spielbetrieb.setUhr(std::move(uhr)); }
    // Calls sp to table platte (0: the table it would get, see sAufrufbar), takes a
    // call back, moves a running match to another free table, sets the minimum
    // rest; each is one step of undo, false when refused.
    bool rufeAuf(clTTSpiel* sp, int platte = 0);
    bool nimmAufrufZurueck(clTTSpiel* sp);
    bool verlegeAufruf(clTTSpiel* sp, int platte);
    bool setMindestpause(int minuten);
    // Brings back calls that a change of results dropped (clSpielbetrieb::getVerworfene),
    // as undo of that change does; a step of its own only when something came back.
    void stelleAufrufeWieder(const std::vector<sAufrufDaten>& aufrufe);
    // The table a match is played on: that of its call when it has one, else its
    // table in the schedule (for a group the hall's real number); 0 for a bracket
    // match without a call.
    int getPlatte(const clTTSpiel* sp) const;

    // Both answer whether they succeeded; on failure fehler (when given) says why,
    // naming the file, and a failed load leaves the tournament as it was.
    bool speichereTurnierDaten(const wxString& datei, wxString* fehler = nullptr);
    bool liesTurnierDaten(const wxString& datei, wxString* fehler = nullptr);
    // The file's sections and, before its end, those that zusatz writes, as a
    // recovery file keeps them. Whether it has unsaved changes stays as it is.
    bool speichereMit(const wxString& datei, const std::function<void(clTurnierDatei&)>& zusatz,
                      wxString* fehler) const;
    // The whole tournament as a file would hold it, and back; restoring it counts
    // as a change. Participants typed but not applied stay on their page.
    std::string getAbbild() const;
    bool setzeAbbild(const std::string& abbild);

    void Aktualisieren(bool neu);
    void AktualisiereAnzeigen();

    // Observers are told of every change until they are removed; the tournament
    // does not own them.
    void addBeobachter(clTurnierBeobachter* b);
    void removeBeobachter(clTurnierBeobachter* b);

    // Whether the tournament has changes that have not been saved.
    bool istGeaendert() const { return m_Geaendert; }
    void setGeaendert(bool geaendert) { m_Geaendert = geaendert; }

private:
    // The rows typed before a restore, matched to the restored roster: each row
    // made from the participant whose file line was herkunft at place altePos.
    vecEditListe ordneEingabenZu(vecEditListe eingaben, const std::vector<wxString>& herkunft,
                                 const std::vector<int>& altePos) const;
    // Before a change of the kind art, while everything still stands as before.
    void meldeVorher(modAenderung art);
    // A change of the groups or the bracket, told as one step.
    bool meldeAuslosung(bool erfolg, const wxString& schritt);
    // What a group tells of a typed result reaches the tournament's observers.
    std::function<void(const wxString&)> getErgebnisMelder();
    void melde(modAenderung art, const wxString& schritt = wxString());
    // Tells the observers before the groups are replaced by neu (null: dropped).
    void ersetzeGruppenphase(std::unique_ptr<clGruppenphase> neu);
    // Takes the match's counted result out of the standings, puts its current one
    // in and both participants on their places. Standings begun anew (tabelleNeu)
    // hold no result yet: the one counted before is only forgotten.
    void uebernehmeErgebnis(clTTSpiel* sp, bool tabelleNeu = false);
    // The schedule for the roster and general data, with a stored skip list or,
    // when it is empty, a new one.
    void erzeugeSchema(const wxString& auslasser);
    // True when the list keeps every participant in place and only names may change.
    bool nurNamenGeaendert(const vecEditListe& el) const;
    // For each row of the list the roster position of the participant it takes over,
    // -1 for a deleted row or a new participant; bleibt tells for each roster position
    // whether a row takes it over. A row whose position is invalid or taken already
    // makes a new participant.
    std::vector<int> uebernommenePositionen(const vecEditListe& el, std::vector<bool>& bleibt) const;
    // For each roster position the start number it has once the list is applied, 0
    // for a participant it removes; nachmeldungen (when given) gets the display
    // names of the participants it adds.
    std::vector<int> neueStartNummern(const vecEditListe& el, wxArrayString* nachmeldungen = nullptr) const;
    // The participant as its matches know it: in groups the group's copy.
    const clTeilnehmer* getSpieler(int startnr) const;
    // A new schedule for the roster and general data in which every pairing that is
    // drawn again keeps what was entered for it. The participants of the old schedule
    // must still exist.
    void erneuereSchema();
    void leereTeilnehmer();
    bool schemaParameterGeaendert(const allgemein& alg) const;
    bool wertungParameterGeaendert(const allgemein& alg) const;
    // True when alg differs from the tournament's general data in any field.
    bool allgemeinGeaendert(const allgemein& alg) const;
    // Re-fits the rounds grid and rebuilds the standings from the schedule's results.
    void aktualisiereSpielplanAnzeigen();

    // Every section of the file but the last.
    void schreibeAbschnitte(clTurnierDatei& dat) const;
    // Takes the tournament from a file whose bytes are read; name is for messages.
    bool lies(const clTurnierDatei& dat, const wxString& name, wxString* fehler);
    void schreibeAllgemein(clTurnierDatei& dat) const;
    void schreibeTeilnehmer(clTurnierDatei& dat) const;
    void schreibeTurnierplan(clTurnierDatei& dat) const;
    void schreibeRunden(clTurnierDatei& dat) const;
    void schreibeSpielbetrieb(clTurnierDatei& dat) const;
    // A change of the calls, told as one step.
    bool meldeAufruf(bool erfolg, const wxString& schritt);
    void schreibeEOF(clTurnierDatei& dat) const;
    // Reading changes nothing until the whole file has been read: the general data,
    // the skip-list text and the entries of every match come back by value.
    static allgemein liesAllgemein(const clTurnierDatei& dat);
    static vecTeilnehmer liesTeilnehmer(const std::vector<std::wstring_view>& zeilen);
    // A message naming the line when a singles class lists a pair, else an empty text.
    static wxString pruefePaare(const vecTeilnehmer& teilnehmer, const allgemein& alg, const wxString& name);
    // The identities of the matches a file describes, in the order of getAlleSpiele,
    // players by their start numbers there: only a file with calls needs them.
    static std::vector<sSpielKennung> getKennungen(size_t teilnehmer, const allgemein& alg,
                                                   const wxString& auslasser, const clGruppenphase* gruppen);
    static wxString liesTurnierplan(const clTurnierDatei& dat);
    // The entries of the matches round by round, in table order, and where each
    // round's end in them; a message naming the line when a match group is
    // damaged, else an empty text.
    static wxString liesRunden(const clTurnierDatei& dat, const allgemein& alg, int teilnehmer,
                               const wxString& name, std::vector<eingaben>& spiele,
                               std::vector<size_t>& rundenEnde);

    allgemein m_Allgemein;
    clSchema m_Schema;
    clSpieleTableBase* m_SpieleTB = nullptr;
    clTeilnehmerTableBase* m_TeilnehmerTB = nullptr;
    clWertungTableBase* m_Turniertabelle = nullptr;
    vecTeilnehmer m_Teilnehmer;
    // Tables or mode changed since the schedule was made.
    bool m_SchemaVeraltet = false;
    // Sets to win or placing changed since the standings were made.
    bool m_WertungVeraltet = false;
    // Form or number of groups changed since the groups were drawn.
    bool m_GruppenVeraltet = false;
    bool m_Geaendert = false;
    // The highest stable number a participant has had since the roster was read.
    int m_HoechsteKennung = 0;
    std::vector<clTurnierBeobachter*> m_Beobachter;
    std::unique_ptr<clGruppenphase> m_Gruppenphase;
    clSpielbetrieb m_Spielbetrieb;
};

#endif
