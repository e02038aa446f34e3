#ifndef CLTURNIERTAG_H
#define CLTURNIERTAG_H

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>
#include <wx/string.h>

#include "modell/clPerson.h"
#include "modell/clPortalDaten.h"
#include "modell/clSpielbetrieb.h"
#include "modell/clTurnierBeobachter.h"

class clTurnier;
class clTurnierDatei;
class clTTSpiel;

// A call of the day's hall: the class it belongs to and the hall's table.
struct sHallenAufruf
{
    int konkurrenz = 0;
    sAufruf aufruf;
    // The hall's number of the table; aufruf.platte is the class's own.
    int platte = 0;
};

// A match of some class the hall can call, in the order of the whole hall.
struct sHallenVorschlag
{
    int konkurrenz = 0;
    sAufrufbar vorschlag;
    // The hall's table it would get, 0 while it waits (see clSpielbetrieb::getNaechste).
    int platte = 0;
};

// The tournament day: the general data, the hall's tables and its persons,
// shared by any number of classes ("Konkurrenzen"), each a clTurnier of its own
// form and settings. A person may be entered in several classes; the hall
// calls a match only when no person of it is on a table in any class, and
// tables are shared by all classes or given to a class of its own.
//
// The day keeps the classes' general data (title, organiser, venue, date) and,
// for the classes that share all tables, their number in step: what is applied
// to one class reaches the others. It tells its observers of every change of a
// class and of its own (classes added, renamed, removed).
//
// A day of one class, named after its type, with every table and no more than
// an entry knows of its persons, is written exactly as a tournament file of that
// class. Otherwise the file holds the sections "Turniertag" (title, organiser,
// date, venue, tables, minimum rest), "Personen" (clPerson::getSaveString),
// "Konkurrenzen" (a line "nr, name, tables" per class, the tables blank-separated
// or empty for all), for each class its sections with the names begun by
// "K<nr> ", among them "K<nr> Meldungen": the persons of each entry, in the
// order of its participants, blank-separated; and, after a portal import, what
// clPortalDaten writes.
class clTurniertag
{
public:
    static constexpr int MaxKonkurrenzen = 40;

    clTurniertag();
    ~clTurniertag();
    clTurniertag(const clTurniertag&) = delete;
    clTurniertag& operator=(const clTurniertag&) = delete;

    int getAnzahl() const { return static_cast<int>(m_Konkurrenzen.size()); }
    // Class i (from 0) in the order of the day; null beyond.
    clTurnier* getKonkurrenz(int i) const;
    // Where the class stands in the order of the day; -1 for none of the day.
    int finde(const clTurnier* k) const;
    // The class's name; one without a name of its own is called after its type.
    wxString getName(int i) const;
    // "Einzel", "Doppel" or "Mixed": a class without a name of its own is called so.
    static wxString getArtName(int art);
    // The class's stable number: the file names its sections by it.
    int getKennung(int i) const;
    // "Meldung", "Runden", "Gruppen", "Endrunde" or "beendet".
    wxString getStufe(int i) const;
    // Matches decided and all matches of the class.
    std::pair<int, int> getSpielstand(int i) const;
    // The hall's tables the class plays on, in the order of its own numbers; empty for all.
    const std::vector<int>& getEigenePlatten(int i) const;

    // Why name cannot be a class's name (empty, or another class's, ignoring
    // case); empty when it can. ausser is the class being renamed.
    wxString pruefeName(const wxString& name, int ausser = -1) const;
    // A new class with the day's general data and no entries; its index, -1 when refused.
    int fuegeHinzu(const wxString& name);
    bool benenneUm(int i, const wxString& name);
    // A new class with the settings and entries of class i, without draw or results.
    int kopiere(int i, const wxString& name);
    // What removing class i loses, as the organiser is told before; empty for nothing.
    wxString verloreneErgebnisse(int i) const;
    // The last class cannot be removed.
    bool entferne(int i);
    // Gives the class its own tables of the hall (empty: all); refused for a
    // table beyond the hall or named twice.
    bool setEigenePlatten(int i, const std::vector<int>& platten);

    // The persons of the day, by their numbers.
    const std::vector<clPerson>& getPersonen() const { return m_Personen; }
    const clPerson* getPerson(int nr) const;
    // The persons of an entry (its stable number) of class i: one, or two of a pair.
    std::vector<int> getPersonenVon(int i, int kennung) const;
    // The persons of both sides of a match of class i, as far as its players are known.
    std::vector<int> getPersonenDes(int i, const clTTSpiel* sp) const;
    // Takes the data of a person beyond an entry's (birth year, sex, licence, the
    // portal's number) for the person of the same number; false for none.
    bool setPersonendaten(const clPerson& daten);
    // The classes a person is entered in, in the order of the day.
    std::vector<int> getKonkurrenzenVon(int person) const;
    // Enters the person into class i as a new entry; false when refused (already
    // entered there, or the class takes no entry now).
    bool trageEin(int person, int i);
    // Why trageEin(person, i) is refused, as the organiser is told; empty when it is not.
    wxString pruefeEintrag(int person, int i) const;

    // The hall: the calls being played in every class, by the hall's table.
    std::vector<sHallenAufruf> getLaufende() const;
    // What the whole hall can call now, the first to call first: those who rested
    // longest, then the earlier rounds, then the classes in their order. Only the
    // ready matches that would still find a free table of their class keep one.
    std::vector<sHallenVorschlag> getNaechste() const;
    // Why a match of class i without a call cannot be called now, as the desk is
    // told: "Meier spielt an Platte 3, Herren A"; empty when nothing of the hall stops it.
    wxString getWartegrund(int i, const clTTSpiel* sp) const;
    // The hall's number of table platte of class i, and back (0 for none of the class).
    int getHallenPlatte(int i, int platte) const;
    int getEigenePlatte(int i, int hallenPlatte) const;
    // Calls a match of class i to the hall's table (0: the one it would get).
    bool rufeAuf(int i, clTTSpiel* sp, int hallenPlatte = 0);
    // The minimum rest counts for every class.
    bool setMindestpause(int minuten);
    int getMindestpause() const { return m_Mindestpause; }
    // The hall's tables, which the classes that share all tables play on.
    int getPlatten() const { return m_Platten; }
    void setUhr(std::function<std::time_t()> uhr);

    // What the day keeps of the tournament portal (see clPortalDaten).
    const clPortalDaten& getPortal() const { return m_Portal; }
    clPortalDaten& getPortal() { return m_Portal; }
    // Makes a change of many parts on a copy of the day and takes it as one step of
    // the organiser, named schritt: all of it or, when aenderung answers false,
    // nothing. The observers hear of it as aendKonkurrenzen.
    bool aendereInEinemSchritt(const std::function<bool(clTurniertag&)>& aenderung, const wxString& schritt);

    // Files: the whole file is read and checked before anything changes; fehler
    // names the file, the class and the line.
    bool speichere(const wxString& datei, wxString* fehler = nullptr);
    bool lies(const wxString& datei, wxString* fehler = nullptr);
    // The day as its file holds it, and back; restoring counts as a change.
    std::string getAbbild() const;
    bool setzeAbbild(const std::string& abbild);
    // Back to one class, the first, without persons: what a new tournament
    // starts from, before its first class is made new (clTurnier::Aktualisieren).
    void neu();
    bool istGeaendert() const;
    void setGeaendert(bool geaendert);

    // The observers hear of every class's changes and of the day's own, which come
    // as aendKonkurrenzen; getGeaenderte names the class of the latest (-1: the day).
    void addBeobachter(clTurnierBeobachter* b);
    void removeBeobachter(clTurnierBeobachter* b);
    int getGeaenderte() const { return m_Geaenderte; }
    // The class of the stable number; -1 for none.
    int findeKennung(int kennung) const;
    // The file's sections, and before its end those zusatz writes, as a recovery
    // file keeps them; whether the day has unsaved changes stays as it is.
    bool speichereMit(const wxString& datei, const std::function<void(clTurnierDatei&)>& zusatz,
                      wxString* fehler) const;

private:
    struct sKonkurrenz;
    class clWeiterleitung;
    friend class clWeiterleitung;

    // The class as the day holds it: observed, timed and in the hall.
    std::unique_ptr<sKonkurrenz> erzeuge(std::unique_ptr<clTurnier> turnier, int kennung,
                                         const wxString& name);
    void vorher(int i, modAenderung art);
    // Before any class object is destroyed.
    void meldeErsatz();
    void nachher(int i, modAenderung art, const wxString& schritt);
    // After class i's roster changed: links each entry to its person, a new one
    // to the same person of another class or to a new person, takes corrections
    // into the persons and hands them on to their other classes.
    void gleicheAb(int i);
    // After class i's general data changed: the others take the day's part of it.
    void uebertrageAllgemein(int i);
    // Persons entered in no class are dropped.
    void entferneLosePersonen();
    sHallenLage getLage(int i) const;
    // True when class i may play on the hall's table: one of its own, or, for a
    // class that shares the hall, one no class has for its own.
    bool spieltAn(int i, int hallenPlatte) const;
    bool brauchtTagesformat() const;
    // Every section; the end only when mitEnde.
    void schreibe(clTurnierDatei& dat, bool mitEnde = true) const;
    // Reads the whole file, then replaces the day; art tells it as loaded or restored.
    // Takes a file of one class, which lesen reads into the first class.
    bool uebernimmEinzelne(const std::function<bool()>& lesen, modAenderung art, const wxString& schritt);
    bool liesDatei(clTurnierDatei& dat, const wxString& name, wxString* fehler, modAenderung art,
                   const wxString& schritt = wxString());
    bool setzeAbbild(const std::string& abbild, modAenderung art, const wxString& schritt);
    int neueKennung() const;

    std::vector<std::unique_ptr<sKonkurrenz>> m_Konkurrenzen;
    std::vector<clPerson> m_Personen;
    clPortalDaten m_Portal;
    std::vector<clTurnierBeobachter*> m_Beobachter;
    std::function<std::time_t()> m_Uhr;
    int m_Platten = 1;
    int m_Mindestpause = 0;
    int m_Geaenderte = -1;
    bool m_Geaendert = false;
    // While the day hands a change on to its classes, their news is its own.
    bool m_Abgleich = false;
};

#endif
