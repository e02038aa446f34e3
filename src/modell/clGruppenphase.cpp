#include "modell/clGruppenphase.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <limits>
#include <numeric>
#include <utility>
#include <wx/intl.h>
#include <wx/log.h>

#include "datei/clMaskierung.h"
#include "datei/clTurnierDatei.h"
#include "datei/clZahl.h"
#include "modell/clEndrundenAuslosung.h"
#include "modell/clGruppenAuslosung.h"
#include "modell/clRunde.h"
#include "modell/clSchema.h"
#include "modell/clTurnier.h"
#include "tabellen/clWertungTableBase.h"

// The standings are destroyed before the group they register with. Both stand in
// place: a group is made of few blocks of memory, as a tournament in groups is
// made of many groups on every load.
struct clGruppenphase::sGruppe
{
    explicit sGruppe(const allgemein& alg) : turnier(alg), tabelle(&turnier) {}

    clTurnier turnier;
    clWertungTableBase tabelle;
    std::vector<int> startNr;
    std::vector<int> platten;
    // The order decided for players sharing a place (main start numbers), and how.
    std::vector<int> entscheidung;
    bool gelost = false;
    // The entries of its matches while the bracket stands, which was drawn from them.
    std::vector<std::pair<clTTSpiel*, eingaben>> stand;
};

namespace
{
// Written for an empty skip list, which the reader would skip as an empty line.
const wchar_t* const KeineAuslasser = L"\\";
// The heads of a group's line with the order decided for a shared place.
const wchar_t* const Gelost = L"Los: ";
const wchar_t* const Festgelegt = L"Festgelegt: ";

// The general data of a group: those of the tournament, as a round robin on its tables.
allgemein fuerGruppe(const allgemein& alg, size_t platten)
{
    allgemein ga = alg;
    ga.Turnierform = formJederGegenJeden;
    ga.Platten = static_cast<int>(platten);
    return ga;
}

// "Endrunde, Zeile 2: …" for the line zeile (0-based) of a section.
wxString zeilenFehler(const wxString& abschnitt, size_t zeile, const wchar_t* grund)
{
    return wxString::Format(wxGetTranslation(L"%s, Zeile %d: %s"), abschnitt, static_cast<int>(zeile) + 1,
                            wxGetTranslation(grund));
}
} // namespace

clGruppenphase::clGruppenphase(std::function<void(const wxString&)> ergebnis)
    : m_Ergebnis(std::move(ergebnis)), m_Still(false)
{
}

clGruppenphase::~clGruppenphase() = default;

std::vector<std::vector<int>> clGruppenphase::teilePlatten(int platten, const std::vector<int>& groessen)
{
    const int anzahl = static_cast<int>(groessen.size());
    std::vector<std::vector<int>> teilung(groessen.size());
    if (anzahl == 0)
        return teilung;
    platten = std::max(platten, 1);
    if (platten >= anzahl)
    {
        // A group's time is its matches: the tables over go to the groups with the most.
        std::vector<int> folge(groessen.size());
        std::iota(folge.begin(), folge.end(), 0);
        std::stable_sort(folge.begin(), folge.end(),
                         [&groessen](int a, int b) { return groessen[a] > groessen[b]; });
        std::vector<int> anteil(groessen.size(), platten / anzahl);
        for (int k = 0; k < platten % anzahl; ++k)
            ++anteil[folge[k]];
        // Group g gets its run of tables.
        int naechste = 1;
        for (int g = 0; g < anzahl; ++g)
            for (int k = 0; k < anteil[g]; ++k)
                teilung[g].push_back(naechste++);
        return teilung;
    }
    // Table t serves its run of groups; the first tables one more.
    int g = 0;
    for (int t = 1; t <= platten; ++t)
        for (int k = 0; k < anzahl / platten + (t <= anzahl % platten ? 1 : 0); ++k)
            teilung[g++].push_back(t);
    return teilung;
}

void clGruppenphase::erzeugeGruppe(size_t g, const std::vector<int>& startNr, const vecTeilnehmer& spieler,
                                   const allgemein& alg, const wxString& auslasser,
                                   const std::vector<eingaben>& spiele, const std::vector<size_t>& rundenEnde)
{
    std::unique_ptr<sGruppe> gr(new sGruppe(alg));
    gr->startNr = startNr;
    // The group's own copies of its players, with their stable numbers.
    vecTeilnehmer kopien;
    kopien.reserve(spieler.size());
    for (const clTeilnehmer* tn : spieler)
        kopien.push_back(new clTeilnehmer(*tn));
    gr->turnier.besetze(std::move(kopien), auslasser, spiele, rundenEnde);
    gr->turnier.addBeobachter(this);
    if (m_Gruppen.size() <= g)
        m_Gruppen.resize(g + 1);
    m_Gruppen[g] = std::move(gr);
}

void clGruppenphase::lose(const vecTeilnehmer& roster, const allgemein& alg, std::mt19937& zufall)
{
    m_Endrunde.reset();
    m_Gruppen.clear();
    const int n = static_cast<int>(roster.size());
    if (n == 0)
        return;
    vecLosSpieler los;
    for (const clTeilnehmer* tn : roster)
        los.push_back({tn->getStartNr(), tn->getTTR(), tn->getPerson().m_Verein, tn->getPartner().m_Verein});
    const int anzahl = std::clamp(alg.Gruppen, 1, n);
    const vecGruppen gruppen = clGruppenAuslosung(los).lose(anzahl, zufall);
    std::vector<int> groessen;
    for (const std::vector<int>& gruppe : gruppen)
        groessen.push_back(static_cast<int>(gruppe.size()));
    const std::vector<std::vector<int>> platten = teilePlatten(alg.Platten, groessen);
    for (size_t g = 0; g < gruppen.size(); ++g)
    {
        vecTeilnehmer spieler;
        for (int snr : gruppen[g])
            spieler.push_back(roster[snr - 1]);
        erzeugeGruppe(g, gruppen[g], spieler, fuerGruppe(alg, platten[g].size()), wxString(), {}, {});
        m_Gruppen[g]->platten = platten[g];
    }
}

void clGruppenphase::besetzeFeld(const vecTeilnehmer& roster)
{
    m_Endrunde.reset();
    m_Gruppen.clear();
    m_Feld.clear();
    for (const clTeilnehmer* tn : roster)
        m_Feld.push_back(std::make_unique<clTeilnehmer>(*tn));
}

void clGruppenphase::loseKO(const vecTeilnehmer& roster, const allgemein& alg, std::mt19937& zufall)
{
    besetzeFeld(roster);
    loseEndrunde(alg, zufall, {});
}

bool clGruppenphase::kannTauschen(int g1, int p1, int g2, int p2) const
{
    const clTurnier* t1 = getGruppe(g1);
    const clTurnier* t2 = getGruppe(g2);
    return t1 != nullptr && t2 != nullptr && g1 != g2 && t1->getTeilnehmer(p1) != nullptr &&
           t2->getTeilnehmer(p2) != nullptr && !hatErgebnisse(g1) && !hatErgebnisse(g2);
}

bool clGruppenphase::tausche(int g1, int p1, int g2, int p2)
{
    if (!kannTauschen(g1, p1, g2, p2))
        return false;
    m_Endrunde.reset();
    std::vector<int> nr1 = m_Gruppen[g1 - 1]->startNr;
    std::vector<int> nr2 = m_Gruppen[g2 - 1]->startNr;
    std::swap(nr1[p1 - 1], nr2[p2 - 1]);
    const std::pair<int, std::vector<int>*> neu[] = {{g1, &nr1}, {g2, &nr2}};
    // Both groups' players, copied before either group is made anew.
    std::vector<clTeilnehmer> spieler[2];
    for (int i = 0; i < 2; ++i)
        for (int snr : *neu[i].second)
            spieler[i].push_back(*getSpieler(snr));
    for (int i = 0; i < 2; ++i)
    {
        sGruppe& alt = *m_Gruppen[neu[i].first - 1];
        const std::vector<int> platten = alt.platten;
        const allgemein ga = *alt.turnier.getAllgemein();
        vecTeilnehmer zeiger;
        for (clTeilnehmer& tn : spieler[i])
            zeiger.push_back(&tn);
        erzeugeGruppe(neu[i].first - 1, *neu[i].second, zeiger, ga, wxString(), {}, {});
        m_Gruppen[neu[i].first - 1]->platten = platten;
    }
    return true;
}

void clGruppenphase::uebernehme(const allgemein& alg)
{
    std::vector<int> groessen;
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
        groessen.push_back(static_cast<int>(gr->startNr.size()));
    const std::vector<std::vector<int>> platten = teilePlatten(alg.Platten, groessen);
    m_Still = true;
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
    {
        const allgemein ga = fuerGruppe(alg, platten[g].size());
        m_Gruppen[g]->turnier.setAllgemein(&ga);
        m_Gruppen[g]->turnier.Aktualisieren(false);
        m_Gruppen[g]->platten = platten[g];
    }
    m_Still = false;
    merkeStand();
}

void clGruppenphase::uebernehmeNamen(const vecTeilnehmer& roster)
{
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
        for (size_t p = 0; p < gr->startNr.size(); ++p)
            if (gr->startNr[p] >= 1 && gr->startNr[p] <= static_cast<int>(roster.size()))
                gr->turnier.getTeilnehmer(static_cast<int>(p) + 1)
                    ->setFromSaveString(roster[gr->startNr[p] - 1]->getSaveString());
    for (const std::unique_ptr<clTeilnehmer>& tn : m_Feld)
        if (tn->getStartNr() >= 1 && tn->getStartNr() <= static_cast<int>(roster.size()))
            tn->setFromSaveString(roster[tn->getStartNr() - 1]->getSaveString());
}

size_t clGruppenphase::zaehleBleibende(size_t g, const std::vector<int>& neueNr) const
{
    const std::vector<int>& nr = m_Gruppen[g]->startNr;
    return static_cast<size_t>(
        std::count_if(nr.begin(), nr.end(), [&](int snr) { return neueNr[snr - 1] > 0; }));
}

std::vector<size_t> clGruppenphase::planeNachmeldungen(const std::vector<int>& neueNr, size_t anzahl) const
{
    std::vector<size_t> groesse;
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
        groesse.push_back(zaehleBleibende(g, neueNr));
    std::vector<size_t> ziel;
    for (size_t k = 0; k < anzahl && !groesse.empty(); ++k)
    {
        ziel.push_back(
            static_cast<size_t>(std::min_element(groesse.begin(), groesse.end()) - groesse.begin()));
        ++groesse[ziel.back()];
    }
    return ziel;
}

wxString clGruppenphase::pruefeAenderung(const std::vector<int>& neueNr, size_t nachmeldungen) const
{
    if (m_Endrunde != nullptr && (std::count(neueNr.begin(), neueNr.end(), 0) > 0 || nachmeldungen > 0))
        return istKO() ? wxGetTranslation(
                             L"Das KO-Feld ist ausgelost: Teilnehmer können nicht mehr gestrichen oder "
                             L"nachgemeldet werden. Wer nicht mehr antritt, wird mit „Rückzug...“ "
                             L"zurückgezogen; sein Spiel wird kampflos für den Gegner gewertet.")
                       : wxGetTranslation(
                             L"Die Endrunde ist ausgelost: Teilnehmer können nicht mehr gestrichen oder "
                             L"nachgemeldet werden. Wer nicht mehr antritt, wird mit „Rückzug...“ "
                             L"zurückgezogen; seine Spiele werden kampflos für die Gegner gewertet.");
    const std::vector<size_t> ziel = planeNachmeldungen(neueNr, nachmeldungen);
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
        if (zaehleBleibende(g, neueNr) + std::count(ziel.begin(), ziel.end(), g) == 0)
            return wxString::Format(wxGetTranslation(L"Gruppe %d bliebe ohne Spieler; dafür müssen die "
                                                     L"Gruppen neu ausgelost werden."),
                                    static_cast<int>(g) + 1);
    return wxString();
}

wxString clGruppenphase::beschreibeAenderung(const std::vector<int>& neueNr,
                                             const wxArrayString& nachmeldungen) const
{
    wxString text;
    const auto satz = [&text](const wxString& s) { text += (text.empty() ? "" : " ") + s; };
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
        for (size_t p = 0; p < m_Gruppen[g]->startNr.size(); ++p)
            if (neueNr[m_Gruppen[g]->startNr[p] - 1] == 0)
            {
                const wxString& name =
                    m_Gruppen[g]->turnier.getTeilnehmer(static_cast<int>(p) + 1)->getAnzeige();
                satz(wxString::Format(wxGetTranslation(L"%s wird aus Gruppe %d gestrichen; die Spiele von %s "
                                                       L"entfallen samt ihren Aufrufen."),
                                      name, static_cast<int>(g) + 1, name));
            }
    const std::vector<size_t> ziel = planeNachmeldungen(neueNr, nachmeldungen.size());
    for (size_t k = 0; k < ziel.size(); ++k)
    {
        const size_t gegner =
            zaehleBleibende(ziel[k], neueNr) + std::count(ziel.begin(), ziel.end(), ziel[k]) - 1;
        satz(wxString::Format(wxGetTranslation(L"%s kommt in die kleinste Gruppe, Gruppe %d, und spielt dort "
                                               L"gegen %d Gegner."),
                              nachmeldungen[k], static_cast<int>(ziel[k]) + 1, static_cast<int>(gegner)));
    }
    if (!text.empty())
        satz(wxGetTranslation(L"Die Gruppen werden nicht neu ausgelost; alle anderen Ergebnisse und Aufrufe "
                              L"bleiben erhalten."));
    return text;
}

void clGruppenphase::aendereTeilnehmer(const std::vector<int>& neueNr, const vecTeilnehmer& roster)
{
    std::vector<bool> bekannt(roster.size() + 1, false);
    for (int snr : neueNr)
        bekannt[snr] = true;
    std::vector<int> nachmeldungen;
    for (int snr = 1; snr <= static_cast<int>(roster.size()); ++snr)
        if (!bekannt[snr])
            nachmeldungen.push_back(snr);
    const std::vector<size_t> ziel = planeNachmeldungen(neueNr, nachmeldungen.size());
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
    {
        sGruppe& gr = *m_Gruppen[g];
        // The group's own roster change: its players stay the same objects, so that
        // their results and calls follow them into the new schedule.
        vecEditListe el;
        gr.turnier.fillEditListe(el);
        std::vector<int> startNr;
        bool geaendert = false;
        for (size_t p = 0; p < gr.startNr.size(); ++p)
        {
            const int snr = neueNr[gr.startNr[p] - 1];
            if (snr > 0)
                startNr.push_back(snr);
            else
                el[p].m_EditStatus |= esDeleted;
            geaendert = geaendert || snr == 0;
        }
        for (size_t k = 0; k < ziel.size(); ++k)
            if (ziel[k] == g)
            {
                roster[nachmeldungen[k] - 1]->addEditData(el);
                el.back().m_EditStatus = esNew;
                startNr.push_back(nachmeldungen[k]);
                geaendert = true;
            }
        gr.startNr = startNr;
        if (geaendert)
            gr.turnier.UpdateTeilnehmer(el);
    }
    // The knockout form's players are all kept (pruefeAenderung), only renumbered.
    for (const std::unique_ptr<clTeilnehmer>& tn : m_Feld)
        tn->setStartNr(neueNr[tn->getStartNr() - 1]);
    uebernehmeNamen(roster);
}

clTurnier* clGruppenphase::getGruppe(int g) const
{
    return g >= 1 && g <= getAnzahlGruppen() ? &m_Gruppen[g - 1]->turnier : nullptr;
}

std::vector<int> clGruppenphase::getPlatten(int g) const
{
    return g >= 1 && g <= getAnzahlGruppen() ? m_Gruppen[g - 1]->platten : std::vector<int>();
}

int clGruppenphase::getPlattenNummer(const std::vector<int>& platten, int p)
{
    return p >= 1 && p <= static_cast<int>(platten.size()) ? platten[p - 1] : p;
}

int clGruppenphase::getStartNr(int g, int p) const
{
    if (g < 1 || g > getAnzahlGruppen() || p < 1 || p > static_cast<int>(m_Gruppen[g - 1]->startNr.size()))
        return 0;
    return m_Gruppen[g - 1]->startNr[p - 1];
}

int clGruppenphase::getStartNr(const clTeilnehmer* tn) const
{
    for (const std::unique_ptr<clTeilnehmer>& k : m_Feld)
        if (k.get() == tn)
            return tn->getStartNr();
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
    {
        const int p = tn->getStartNr();
        if (m_Gruppen[g]->turnier.getTeilnehmer(p) == tn)
            return getStartNr(static_cast<int>(g) + 1, p);
    }
    return 0;
}

void clGruppenphase::fuerSpieler(const std::function<bool(int, clTeilnehmer*)>& tu) const
{
    for (const std::unique_ptr<clTeilnehmer>& tn : m_Feld)
        if (!tu(tn->getStartNr(), tn.get()))
            return;
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
        for (size_t p = 0; p < gr->startNr.size(); ++p)
            if (!tu(gr->startNr[p], gr->turnier.getTeilnehmer(static_cast<int>(p) + 1)))
                return;
}

clTeilnehmer* clGruppenphase::getSpieler(int startNr) const
{
    clTeilnehmer* spieler = nullptr;
    fuerSpieler(
        [startNr, &spieler](int snr, clTeilnehmer* tn)
        {
            if (snr == startNr)
                spieler = tn;
            return spieler == nullptr;
        });
    return spieler;
}

bool clGruppenphase::hatErgebnisse(int g) const
{
    const clTurnier* t = getGruppe(g);
    return t != nullptr && t->hatErgebnisse();
}

bool clGruppenphase::istFertig(int g) const
{
    const clTurnier* gruppe = getGruppe(g);
    if (gruppe == nullptr)
        return false;
    for (const clTTSpiel& sp : gruppe->getSchema().getSpiele())
    {
        sWertung w1, w2;
        if (!sp.getErgebnis(w1, w2))
            return false;
    }
    return true;
}

bool clGruppenphase::sindGruppenFertig() const
{
    for (int g = 1; g <= getAnzahlGruppen(); ++g)
        if (!istFertig(g))
            return false;
    return true;
}

bool clGruppenphase::kannEndrundeAuslosen() const
{
    return (!m_Gruppen.empty() || istKO()) && sindGruppenFertig() &&
           (m_Endrunde == nullptr || !m_Endrunde->hatEingaben());
}

std::vector<int> clGruppenphase::getGleichstand(int g) const
{
    const clTurnier* gruppe = getGruppe(g);
    if (gruppe == nullptr)
        return std::vector<int>();
    const clWertungTableBase* stand = gruppe->getWertungTableBase();
    const int aufsteiger = std::clamp(gruppe->getAllgemein()->Aufsteiger, 1, 2);
    // Of the first q places only one can be shared by more than one player.
    for (int p = 0; p < aufsteiger && p < stand->getAnzahl(); ++p)
    {
        if (!stand->entscheidetLos(p))
            continue;
        std::vector<int> gleich;
        const int erster = stand->getGeteilterPlatz(p);
        for (int q = erster; q < stand->getAnzahl() && stand->getGeteilterPlatz(q) == erster; ++q)
            gleich.push_back(getStartNr(g, stand->getStartNrAufPlatz(q)));
        return gleich;
    }
    return std::vector<int>();
}

bool clGruppenphase::brauchtEntscheidung(int g) const
{
    const std::vector<int> gleich = getGleichstand(g);
    const clTurnier* gruppe = getGruppe(g);
    return !gleich.empty() &&
           !gruppe->getWertungTableBase()->istEntschieden(
               gruppe->getWertungTableBase()->getPlatz(getSpieler(gleich[0])->getStartNr()));
}

bool clGruppenphase::istGelost(int g) const
{
    return !getGleichstand(g).empty() && !brauchtEntscheidung(g) && m_Gruppen[g - 1]->gelost;
}

std::vector<int> clGruppenphase::getAufsteiger(int g, int anzahl) const
{
    std::vector<int> aufsteiger;
    const clTurnier* gruppe = getGruppe(g);
    if (gruppe == nullptr)
        return aufsteiger;
    const clWertungTableBase* stand = gruppe->getWertungTableBase();
    const int q = std::clamp(anzahl > 0 ? anzahl : gruppe->getAllgemein()->Aufsteiger, 1, 2);
    aufsteiger.reserve(static_cast<size_t>(q));
    for (int p = 0; p < q && p < stand->getAnzahl(); ++p)
        aufsteiger.push_back(getStartNr(g, stand->getStartNrAufPlatz(p)));
    return aufsteiger;
}

wxString clGruppenphase::getHerkunft(const clTeilnehmer* tn) const
{
    for (int g = 1; tn != nullptr && g <= getAnzahlGruppen(); ++g)
    {
        const clTurnier* gruppe = getGruppe(g);
        if (gruppe->getTeilnehmer(tn->getStartNr()) == tn)
            return wxString::Format(_("%d. Gr. %d"),
                                    gruppe->getWertungTableBase()->getPlatz(tn->getStartNr()) + 1, g);
    }
    return wxString();
}

void clGruppenphase::verbindeEndrunde()
{
    m_Endrunde->setHerkunft([this](const clTeilnehmer* tn) { return getHerkunft(tn); });
}

void clGruppenphase::entscheide(size_t g, const std::vector<int>& reihenfolge, bool gelost)
{
    sGruppe& gr = *m_Gruppen[g];
    gr.entscheidung = reihenfolge;
    gr.gelost = gelost;
    std::vector<int> startnummern;
    for (int snr : reihenfolge)
        startnummern.push_back(getSpieler(snr)->getStartNr());
    gr.tabelle.setEntscheidung(startnummern, gelost ? _("Los") : _("Festgelegt"));
}

bool clGruppenphase::loseEndrunde(const allgemein& alg, std::mt19937& zufall,
                                  const std::vector<sEntscheidung>& entscheidungen)
{
    if (!kannEndrundeAuslosen())
        return false;
    std::vector<bool> entschieden(m_Gruppen.size(), false);
    for (const sEntscheidung& e : entscheidungen)
    {
        std::vector<int> gleich = getGleichstand(e.gruppe);
        std::vector<int> reihenfolge = e.reihenfolge;
        std::sort(gleich.begin(), gleich.end());
        std::sort(reihenfolge.begin(), reihenfolge.end());
        if (gleich.empty() || (!reihenfolge.empty() && reihenfolge != gleich) || entschieden[e.gruppe - 1])
            return false;
        entschieden[e.gruppe - 1] = true;
    }
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
        if (!entschieden[g] && brauchtEntscheidung(static_cast<int>(g) + 1))
            return false;
    for (const sEntscheidung& e : entscheidungen)
    {
        std::vector<int> reihenfolge = e.reihenfolge;
        if (reihenfolge.empty())
        {
            reihenfolge = getGleichstand(e.gruppe);
            std::shuffle(reihenfolge.begin(), reihenfolge.end(), zufall);
        }
        entscheide(static_cast<size_t>(e.gruppe) - 1, reihenfolge, e.reihenfolge.empty());
    }
    const int aufsteiger = istKO() ? 1 : std::clamp(alg.Aufsteiger, 1, 2);
    vecTeilnehmer linien;
    for (int snr : clEndrundenAuslosung(getErste(aufsteiger, &zufall), aufsteiger).lose(zufall))
        linien.push_back(snr == clEndrundenAuslosung::Freilos ? nullptr : getSpieler(snr));
    m_Endrunde.reset(new clEndrunde(linien, alg.GewinnsaetzeEndrunde, alg.SpielUmPlatz3));
    verbindeEndrunde();
    merkeStand();
    return true;
}

std::vector<std::vector<int>> clGruppenphase::getErste(int aufsteiger, std::mt19937* zufall) const
{
    std::vector<std::vector<int>> erste;
    erste.reserve(m_Gruppen.size() + m_Feld.size());
    for (int g = 1; g <= getAnzahlGruppen(); ++g)
        erste.push_back(getAufsteiger(g, aufsteiger));
    std::vector<const clTeilnehmer*> feld;
    for (const std::unique_ptr<clTeilnehmer>& tn : m_Feld)
        feld.push_back(tn.get());
    // Equal ratings, and no rating (KeineTTR, below every rating), in an order by lot.
    if (zufall != nullptr)
        std::shuffle(feld.begin(), feld.end(), *zufall);
    std::stable_sort(feld.begin(), feld.end(),
                     [](const clTeilnehmer* a, const clTeilnehmer* b) { return a->getTTR() > b->getTTR(); });
    for (const clTeilnehmer* tn : feld)
        erste.push_back({tn->getStartNr()});
    return erste;
}

const wchar_t* clGruppenphase::pruefeEndrunde() const
{
    // Each player's main start number, as getStartNr finds it, but by one walk
    // through the players: a search through every group for each line was slow.
    std::vector<std::pair<const clTeilnehmer*, int>> nummern;
    size_t spieler = m_Feld.size();
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
        spieler += gr->startNr.size();
    nummern.reserve(spieler);
    fuerSpieler(
        [&nummern](int snr, clTeilnehmer* tn)
        {
            nummern.emplace_back(tn, snr);
            return true;
        });
    std::sort(nummern.begin(), nummern.end());
    std::vector<int> linien;
    for (const clTeilnehmer* tn : m_Endrunde->getLinien())
    {
        const auto it = std::lower_bound(nummern.begin(), nummern.end(), std::make_pair(tn, INT_MIN));
        linien.push_back(tn == nullptr                            ? clEndrundenAuslosung::Freilos
                         : it != nummern.end() && it->first == tn ? it->second
                                                                  : 0);
    }
    return pruefeLinien(linien);
}

const wchar_t* clGruppenphase::pruefeLinien(const std::vector<int>& linien) const
{
    if (!sindGruppenFertig())
        return L"die Endrunde ist ausgelost, aber nicht jedes Gruppenspiel hat ein Ergebnis.";
    // The players going on may have been changed in the settings after the draw:
    // the bracket keeps those it was drawn with.
    // The number the settings name is tried first: mostly it is the one.
    const int zuerst =
        m_Gruppen.empty() ? 1 : std::clamp(m_Gruppen[0]->turnier.getAllgemein()->Aufsteiger, 1, 2);
    for (int aufsteiger : {zuerst, 3 - zuerst})
        if (clEndrundenAuslosung(getErste(aufsteiger, nullptr), aufsteiger).hatSpieler(linien))
            return nullptr;
    return istKO() ? L"auf den Linien stehen nicht genau die Teilnehmer."
                   : L"auf den Linien stehen nicht die Aufsteiger der Gruppen.";
}

bool clGruppenphase::kannLinienTauschen(int l1, int l2) const
{
    if (m_Endrunde == nullptr || m_Endrunde->hatEingaben() || l1 == l2)
        return false;
    const vecTeilnehmer& linien = m_Endrunde->getLinien();
    const auto gilt = [&linien](int l) { return l >= 1 && l <= static_cast<int>(linien.size()); };
    return gilt(l1) && gilt(l2) && (linien[l1 - 1] != nullptr || linien[l2 - 1] != nullptr);
}

bool clGruppenphase::tauscheLinien(int l1, int l2)
{
    if (!kannLinienTauschen(l1, l2))
        return false;
    vecTeilnehmer linien = m_Endrunde->getLinien();
    std::swap(linien[l1 - 1], linien[l2 - 1]);
    m_Endrunde.reset(new clEndrunde(linien, m_Endrunde->getGewinnsaetze(), m_Endrunde->hatSpielUmPlatz3()));
    verbindeEndrunde();
    return true;
}

vecPlatzierung clGruppenphase::getEndstand() const
{
    if (m_Endrunde == nullptr)
        return vecPlatzierung();
    vecPlatzierung endstand = m_Endrunde->getEndstand();
    const vecTeilnehmer& linien = m_Endrunde->getLinien();
    vecPlatzierung uebrige;
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
    {
        // Those who went on count as the group's first, also when a result
        // corrected after the bracket's draw has moved somebody past them.
        const clWertungTableBase* stand = gr->turnier.getWertungTableBase();
        std::vector<clTeilnehmer*> draussen;
        for (int p = 0; p < stand->getAnzahl(); ++p)
        {
            clTeilnehmer* tn = gr->turnier.getTeilnehmer(stand->getStartNrAufPlatz(p));
            if (tn != nullptr && std::find(linien.begin(), linien.end(), tn) == linien.end())
                draussen.push_back(tn);
        }
        const int weiter = stand->getAnzahl() - static_cast<int>(draussen.size());
        for (size_t i = 0; i < draussen.size(); ++i)
            uebrige.push_back({draussen[i], weiter + static_cast<int>(i) + 1});
    }
    clEndrunde::haengeAn(endstand, std::move(uebrige));
    return endstand;
}

void clGruppenphase::sammleSpiele(std::vector<clTTSpiel*>& spiele,
                                  std::vector<sSpielKennung>* kennungen) const
{
    const auto nr = [](const clTeilnehmer* tn) { return tn != nullptr ? tn->getKennung() : 0; };
    size_t anzahl = spiele.size() + (m_Endrunde != nullptr ? m_Endrunde->getAnzahlSpiele() : 0);
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
        anzahl += gr->turnier.getSchema().getSpiele().size();
    spiele.reserve(anzahl);
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
        for (int r = 1; r <= m_Gruppen[g]->turnier.getAnzahlRunden(); ++r)
            for (int p = 1; clTTSpiel* sp = m_Gruppen[g]->turnier.getSpiel(r, p); ++p)
            {
                spiele.push_back(sp);
                if (kennungen != nullptr)
                    kennungen->emplace_back(phaseGruppe, static_cast<int>(g) + 1, nr(sp->getT1()),
                                            nr(sp->getT2()));
            }
    for (int k = 0; m_Endrunde != nullptr && k < m_Endrunde->getAnzahlSpiele(); ++k)
    {
        clTTSpiel* sp = m_Endrunde->getSpiel(k);
        spiele.push_back(sp);
        if (kennungen != nullptr)
            kennungen->emplace_back(phaseEndrunde, k + 1, nr(sp->getT1()), nr(sp->getT2()));
    }
}

int clGruppenphase::findeGruppe(const clTTSpiel* sp) const
{
    const std::less<const clTTSpiel*> vor;
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
    {
        const std::vector<clTTSpiel>& spiele = m_Gruppen[g]->turnier.getSchema().getSpiele();
        if (!spiele.empty() && !vor(sp, spiele.data()) && vor(sp, spiele.data() + spiele.size()))
            return static_cast<int>(g);
    }
    return -1;
}

bool clGruppenphase::pruefeSpiel(clTTSpiel* sp)
{
    const int g = findeGruppe(sp);
    if (g >= 0)
    {
        m_Still = true;
        m_Gruppen[g]->turnier.pruefeWertung(sp);
        m_Still = false;
        merkeStand();
        return true;
    }
    if (m_Endrunde == nullptr || m_Endrunde->getIndex(sp) < 0)
        return false;
    m_Endrunde->pruefeSpiel(sp);
    return true;
}

bool clGruppenphase::findeOrt(const clTTSpiel* sp, int& g, int& r, int& p) const
{
    g = findeGruppe(sp);
    if (g < 0)
        return false;
    const clTurnier& gruppe = m_Gruppen[g]->turnier;
    for (r = 1; r <= gruppe.getAnzahlRunden(); ++r)
        for (p = 1; const clTTSpiel* s = gruppe.getSpiel(r, p); ++p)
            if (s == sp)
                return true;
    return false;
}

int clGruppenphase::getPlatte(const clTTSpiel* sp) const
{
    int g, r, p;
    if (!findeOrt(sp, g, r, p))
        return 0;
    const std::vector<int>& platten = m_Gruppen[g]->platten;
    return platten[std::min<size_t>(p, platten.size()) - 1];
}

wxString clGruppenphase::getSpielort(const clTTSpiel* sp, int platte) const
{
    int g, r, p;
    if (findeOrt(sp, g, r, p))
        return wxString::Format(_("Gruppe %d, Runde %d, Platte %d"), g + 1, r,
                                platte > 0 ? platte : getPlatte(sp));
    if (m_Endrunde == nullptr || m_Endrunde->getIndex(sp) < 0)
        return wxString();
    wxString ort = m_Endrunde->getSpielname(sp);
    for (int r2 = 1; r2 <= m_Endrunde->getAnzahlRunden(); ++r2)
        for (int nr = 1; nr <= m_Endrunde->getAnzahlSpiele(r2); ++nr)
            if (m_Endrunde->getSpiel(r2, nr) == sp && m_Endrunde->getAnzahlSpiele(r2) > 1)
                ort = wxString::Format("%s %d", m_Endrunde->getRundenname(r2), nr);
    return platte > 0 ? wxString::Format(_("%s, Platte %d"), ort, platte) : ort;
}

void clGruppenphase::turnierGeaendert(modAenderung art, const wxString& schritt)
{
    if (art != aendErgebnis || m_Still)
        return;
    // A result typed into a group that would leave it open or send others on than
    // the bracket holds is taken back: the file could not hold it.
    if (m_Endrunde != nullptr && pruefeEndrunde() != nullptr)
    {
        m_Still = true;
        for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
        {
            std::vector<clTTSpiel*> zurueck;
            for (const auto& [sp, e] : gr->stand)
                if (sp->getEingaben() != e)
                {
                    sp->setEingaben(e);
                    zurueck.push_back(sp);
                }
            if (!zurueck.empty())
                gr->turnier.pruefeWertungen(zurueck);
        }
        m_Still = false;
        // The organiser must learn why the typed value is gone again.
        wxLogWarning(
            wxGetTranslation(L"Das Ergebnis wurde nicht übernommen: Die Endrunde ist schon ausgelost, "
                             L"und mit ihm bliebe eine Gruppe offen oder kämen andere Spieler weiter. "
                             L"Um es zu ändern, zuerst die Auslosung der Endrunde rückgängig machen."));
        return;
    }
    merkeStand();
    m_Ergebnis(schritt);
}

void clGruppenphase::merkeStand()
{
    for (const std::unique_ptr<sGruppe>& gr : m_Gruppen)
    {
        gr->stand.clear();
        if (m_Endrunde == nullptr)
            continue;
        // Straight from the schedule, without a list of its matches for each group.
        gr->stand.reserve(gr->turnier.getSchema().getSpiele().size());
        for (int r = 1; r <= gr->turnier.getAnzahlRunden(); ++r)
            for (int p = 1; clTTSpiel* sp = gr->turnier.getSpiel(r, p); ++p)
                gr->stand.emplace_back(sp, sp->getEingaben());
    }
}

// ---- the tournament file

void clGruppenphase::schreibe(clTurnierDatei& dat) const
{
    for (size_t g = 0; g < m_Gruppen.size(); ++g)
    {
        const sGruppe& gr = *m_Gruppen[g];
        wxArrayString sek;
        wxString nummern;
        for (int snr : gr.startNr)
        {
            if (!nummern.empty())
                nummern += L',';
            clZahl::haengeAn(nummern, snr);
        }
        sek.Add(nummern);
        const wxString auslasser = gr.turnier.getSchema().gibSaveString();
        sek.Add(auslasser.empty() ? wxString(KeineAuslasser) : auslasser);
        for (int r = 1; r <= gr.turnier.getAnzahlRunden(); ++r)
            sek.Add(gr.turnier.getSchema().getRunde(r)->getSaveString());
        // Only an order that still orders the shared place.
        if (!getGleichstand(static_cast<int>(g) + 1).empty() && !brauchtEntscheidung(static_cast<int>(g) + 1))
        {
            wxString reihenfolge;
            for (int snr : gr.entscheidung)
                reihenfolge << (reihenfolge.empty() ? "" : ",") << snr;
            sek.Add((gr.gelost ? Gelost : Festgelegt) + reihenfolge);
        }
        dat.writeSektion(wxString::Format(L"Gruppe %d", static_cast<int>(g) + 1), sek);
    }
    if (m_Endrunde != nullptr)
        dat.writeSektion("Endrunde", m_Endrunde->getSaveStrings([this](const clTeilnehmer* tn)
                                                                { return getStartNr(tn); }));
}

std::unique_ptr<clGruppenphase> clGruppenphase::lies(const clTurnierDatei& dat,
                                                     const vecTeilnehmer& teilnehmer, const allgemein& alg,
                                                     std::function<void(const wxString&)> ergebnis,
                                                     wxString& fehler)
{
    std::unique_ptr<clGruppenphase> gp(new clGruppenphase(std::move(ergebnis)));
    const auto abbruch = [&fehler](const wxString& abschnitt, size_t zeile, const wchar_t* grund)
    {
        fehler = zeilenFehler(abschnitt, zeile, grund);
        return std::unique_ptr<clGruppenphase>();
    };
    // Asked for several times a group: formatting the name took a twentieth of loading.
    const auto gruppe = [](int g)
    {
        wxString name = L"Gruppe ";
        clZahl::haengeAn(name, g);
        return name;
    };
    if (alg.Turnierform == formKO)
    {
        if (dat.hatSektion(gruppe(1)))
            return abbruch(gruppe(1), 0, L"ein KO-System hat keine Gruppen.");
        if (!dat.hatSektion("Endrunde"))
            return nullptr;
        if (teilnehmer.size() < 2)
            return abbruch("Endrunde", 0, L"ein KO-System braucht mindestens zwei Teilnehmer.");
        gp->besetzeFeld(teilnehmer);
        return gp->liesEndrunde(dat, fehler) ? std::move(gp) : nullptr;
    }
    if (!dat.hatSektion(gruppe(1)))
    {
        if (dat.hatSektion("Endrunde"))
            return abbruch("Endrunde", 0, L"die Gruppen fehlen.");
        return nullptr;
    }
    // The draw makes as many groups as the general data ask, at most one per player.
    const int anzahl = std::clamp(alg.Gruppen, 1, std::max(1, static_cast<int>(teilnehmer.size())));
    std::vector<wxString> namen;
    namen.reserve(static_cast<size_t>(anzahl));
    for (int g = 1; g <= anzahl; ++g)
        namen.push_back(gruppe(g));
    // Every group's lines are views into one text.
    std::wstring text;
    std::vector<std::wstring_view> zeilen;
    std::vector<size_t> enden;
    size_t fehlt = 0;
    dat.getSektionen(namen.data(), namen.size(), text, zeilen, enden, std::numeric_limits<size_t>::max(),
                     fehlt);
    if (fehlt < namen.size())
    {
        // Line 10 of the general data holds the number of groups.
        fehler =
            wxString::Format(wxGetTranslation(L"Allgemein, Zeile 10: %d Gruppen, aber „Gruppe %d“ fehlt."),
                             anzahl, static_cast<int>(fehlt) + 1);
        return nullptr;
    }
    if (dat.hatSektion(gruppe(anzahl + 1)))
        return abbruch(gruppe(anzahl + 1), 0, L"die Turnierdaten nennen weniger Gruppen.");
    // The tables follow the groups' sizes, as they did when the groups were made.
    std::vector<std::wstring_view> sek;
    const auto abschnitt = [&](int g)
    {
        sek.assign(zeilen.begin() + static_cast<std::ptrdiff_t>(g > 1 ? enden[g - 2] : 0),
                   zeilen.begin() + static_cast<std::ptrdiff_t>(enden[g - 1]));
    };
    std::vector<int> groessen;
    groessen.reserve(static_cast<size_t>(anzahl));
    std::vector<long> nummern;
    for (int g = 1; g <= anzahl; ++g)
    {
        abschnitt(g);
        nummern.clear();
        groessen.push_back(
            !sek.empty() && clZahl::liesListe(sek[0], nummern) ? static_cast<int>(nummern.size()) : 0);
    }
    std::vector<std::vector<int>> platten = teilePlatten(alg.Platten, groessen);
    std::vector<bool> vergeben(teilnehmer.size() + 1, false);
    // What a group is read into, made once for all groups: a group is small, and
    // fresh memory for each took a tenth of loading.
    wxString geschrieben;
    std::vector<int> startNr;
    vecTeilnehmer spieler;
    std::vector<long> auslasser;
    std::vector<eingaben> eingelesen;
    std::vector<size_t> rundenEnde;
    allgemein ga = fuerGruppe(alg, 0);
    gp->m_Gruppen.reserve(static_cast<size_t>(anzahl));
    for (int g = 1; g <= anzahl; ++g)
    {
        abschnitt(g);
        nummern.clear();
        startNr.clear();
        spieler.clear();
        auslasser.clear();
        eingelesen.clear();
        rundenEnde.clear();
        if (sek.empty() || !clZahl::liesListe(sek[0], nummern))
            return abbruch(namen[g - 1], 0, L"die Startnummern sind nicht lesbar.");
        for (long snr : nummern)
        {
            if (snr < 1 || snr >= static_cast<long>(vergeben.size()) || vergeben[snr])
                return abbruch(namen[g - 1], 0,
                               L"eine Startnummer nennt keinen Teilnehmer oder einen zweimal.");
            vergeben[snr] = true;
            startNr.push_back(static_cast<int>(snr));
            spieler.push_back(teilnehmer[snr - 1]);
        }
        if (sek.size() < 2 || (sek[1] != KeineAuslasser && !clZahl::liesListe(sek[1], auslasser)))
            return abbruch(namen[g - 1], 1, L"der Spielplan ist nicht lesbar.");
        // The order decided for a shared place, when the group has one, is its last line.
        const size_t letzte = sek.size() - 1;
        const auto beginntMit = [&sek, letzte](std::wstring_view kopf)
        { return sek[letzte].substr(0, kopf.size()) == kopf; };
        const bool gelost = beginntMit(Gelost);
        const bool entschieden = letzte >= 2 && (gelost || beginntMit(Festgelegt));
        const std::wstring_view reihenfolge =
            entschieden ? sek[letzte].substr(std::wstring_view(gelost ? Gelost : Festgelegt).size())
                        : std::wstring_view();
        const size_t anzahlRunden = sek.size() - 2 - (entschieden ? 1 : 0);
        const std::wstring_view* const runden = sek.data() + 2;
        // The group takes only round lines whose pieces are sets and marks, and of
        // those only the rounds and tables its schedule has.
        ga.Platten = static_cast<int>(platten[g - 1].size());
        const int n = static_cast<int>(startNr.size());
        wxString falsch;
        for (size_t k = 0; k < anzahlRunden; ++k)
        {
            if (static_cast<int>(k) >= clSchema::zaehleRunden(n, ga.Platten) ||
                !clRunde::liesSaveString(runden[k], clSchema::zaehlePlatten(n, ga.Platten), eingelesen,
                                         falsch))
                return abbruch(namen[g - 1], k + 2, L"die Runde ist nicht lesbar.");
            rundenEnde.push_back(eingelesen.size());
        }
        gp->erzeugeGruppe(g - 1, startNr, spieler, ga,
                          sek[1] == KeineAuslasser ? wxString() : wxString(sek[1].data(), sek[1].size()),
                          eingelesen, rundenEnde);
        gp->m_Gruppen[g - 1]->platten = std::move(platten[g - 1]);
        // Whatever a round line holds that the group does not take back makes it damaged.
        const clTurnier& gr = gp->m_Gruppen[g - 1]->turnier;
        for (size_t k = 0; k < anzahlRunden; ++k)
        {
            geschrieben.clear();
            gr.getSchema().getRunde(static_cast<int>(k) + 1)->haengeSaveStringAn(geschrieben);
            if (!clMaskierung::gleichOhneLeerzeichen(geschrieben.wc_str(),
                                                     geschrieben.wc_str() + geschrieben.length(),
                                                     runden[k].data(), runden[k].data() + runden[k].size()))
                return abbruch(namen[g - 1], k + 2, L"die Runde ist nicht lesbar.");
        }
        if (entschieden)
        {
            // Exactly the players who share the place, each once.
            std::vector<long> gelesen;
            std::vector<int> folge;
            for (long snr : clZahl::liesListe(reihenfolge, gelesen) ? gelesen : std::vector<long>())
                folge.push_back(static_cast<int>(snr));
            std::vector<int> sortiert = folge;
            std::vector<int> gleich = gp->getGleichstand(g);
            std::sort(sortiert.begin(), sortiert.end());
            std::sort(gleich.begin(), gleich.end());
            if (gleich.empty() || sortiert != gleich)
                return abbruch(namen[g - 1], letzte,
                               L"die Reihenfolge nennt andere Spieler als die, die sich den Platz teilen.");
            gp->entscheide(static_cast<size_t>(g) - 1, folge, gelost);
        }
    }
    for (size_t snr = 1; snr < vergeben.size(); ++snr)
        if (!vergeben[snr])
            return abbruch("Teilnehmer", snr - 1, L"der Teilnehmer ist in keiner Gruppe.");
    if (dat.hatSektion("Endrunde") && !gp->liesEndrunde(dat, fehler))
        return nullptr;
    return gp;
}

bool clGruppenphase::liesEndrunde(const clTurnierDatei& dat, wxString& fehler)
{
    std::wstring text;
    std::vector<std::wstring_view> sek;
    dat.getSektion("Endrunde", text, sek, std::numeric_limits<size_t>::max());
    // The players by their main start numbers, as getSpieler finds them, but found
    // once: a search through every group for each line of a large bracket was slow.
    std::vector<clTeilnehmer*> spieler;
    fuerSpieler(
        [&spieler](int snr, clTeilnehmer* tn)
        {
            if (snr >= 1 && static_cast<size_t>(snr) >= spieler.size())
                spieler.resize(static_cast<size_t>(snr) + 1, nullptr);
            if (snr >= 1 && spieler[snr] == nullptr)
                spieler[snr] = tn;
            return true;
        });
    m_Endrunde = clEndrunde::lies(
        sek,
        [&spieler](int snr)
        { return snr >= 1 && snr < static_cast<int>(spieler.size()) ? spieler[snr] : nullptr; },
        fehler);
    if (m_Endrunde == nullptr)
        return false;
    verbindeEndrunde();
    // The lines' start numbers are those the file names, which the bracket was read by.
    std::vector<long> referenzen;
    clZahl::liesListe(sek[1], referenzen);
    std::vector<int> linien;
    for (long ref : referenzen)
        linien.push_back(ref == -1 ? clEndrundenAuslosung::Freilos : static_cast<int>(ref));
    if (const wchar_t* grund = pruefeLinien(linien))
    {
        fehler = zeilenFehler("Endrunde", 1, grund);
        return false;
    }
    merkeStand();
    return true;
}
