#include "modell/clSpielbetrieb.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <unordered_map>
#include <wx/datetime.h>
#include <wx/intl.h>

#include "datei/clZahl.h"
#include "modell/clEndrunde.h"
#include "modell/clGruppenphase.h"
#include "modell/clTTSpiel.h"
#include "modell/clTurnier.h"

namespace
{
bool istEntschieden(const clTTSpiel* sp)
{
    sWertung w1, w2;
    return sp->getErgebnis(w1, w2);
}

// The stable numbers of a match's players, the smaller first, as an identity holds them.
std::pair<int, int> paarung(const clTTSpiel* sp)
{
    const auto nr = [](const clTeilnehmer* tn) { return tn != nullptr ? tn->getKennung() : 0; };
    return std::minmax(nr(sp->getT1()), nr(sp->getT2()));
}

// Calls are timed within these years; a time beyond them is a damaged file.
const std::time_t FruehesteZeit = 946684800;  // 2000-01-01
const std::time_t SpaetesteZeit = 4102444800; // 2100-01-01

// A round robin whose rounds are called in order, or the bracket, whose matches
// wait only for their players. The rounds are read as they are looked at: a round
// robin is seldom looked at beyond its first rounds that are not all called.
struct sFolge
{
    // The round robin; null for the bracket.
    const clTurnier* runden = nullptr;
    std::vector<int> platten;
    // The bracket's matches whose players are known.
    std::vector<clTTSpiel*> spiele;

    int getAnzahlRunden() const { return runden != nullptr ? runden->getAnzahlRunden() : 1; }
    // Match k (from 0) of round r (from 0); null after the last.
    clTTSpiel* getSpiel(size_t r, size_t k) const
    {
        if (runden != nullptr)
            return runden->getSpiel(static_cast<int>(r) + 1, static_cast<int>(k) + 1);
        return k < spiele.size() ? spiele[k] : nullptr;
    }
};

std::vector<sFolge> sammleFolgen(const clTurnier& turnier)
{
    std::vector<sFolge> folgen;
    folgen.push_back({&turnier, {}, {}});
    const clGruppenphase* gp = turnier.getGruppenphase();
    if (gp == nullptr)
        return folgen;
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
        folgen.push_back({gp->getGruppe(g), gp->getPlatten(g), {}});
    if (const clEndrunde* er = gp->getEndrunde())
    {
        sFolge f;
        for (int k = 0; k < er->getAnzahlSpiele(); ++k)
            if (er->istSpielbar(er->getSpiel(k)))
                f.spiele.push_back(er->getSpiel(k));
        folgen.push_back(std::move(f));
    }
    return folgen;
}
} // namespace

wxString clSpielbetrieb::getUhrzeit(std::time_t zeit)
{
    return wxDateTime(zeit).Format("%H:%M");
}

clSpielbetrieb::clSpielbetrieb() : m_Uhr([] { return std::time(nullptr); }), m_Mindestpause(0) {}

const sAufruf* clSpielbetrieb::getAufruf(const clTTSpiel* sp) const
{
    const auto it = m_Index.find(sp);
    return it == m_Index.end() ? nullptr : &m_Aufrufe[it->second].aufruf;
}

void clSpielbetrieb::indiziere()
{
    m_Index.clear();
    for (size_t k = 0; k < m_Aufrufe.size(); ++k)
        m_Index[m_Aufrufe[k].aufruf.spiel] = k;
}

bool clSpielbetrieb::laeuft(const clTTSpiel* sp) const
{
    const sAufruf* a = getAufruf(sp);
    return a != nullptr && a->ende == 0;
}

clTTSpiel* clSpielbetrieb::getSpielAn(int platte) const
{
    for (const sEintrag& e : m_Aufrufe)
        if (e.aufruf.ende == 0 && e.aufruf.platte == platte)
            return e.aufruf.spiel;
    return nullptr;
}

std::vector<sAufruf> clSpielbetrieb::getLaufende() const
{
    std::vector<sAufruf> laufende;
    for (const sEintrag& e : m_Aufrufe)
        if (e.aufruf.ende == 0)
            laufende.push_back(e.aufruf);
    std::sort(laufende.begin(), laufende.end(),
              [](const sAufruf& a, const sAufruf& b) { return a.platte < b.platte; });
    return laufende;
}

std::vector<sAufruf> clSpielbetrieb::getBeendete(size_t anzahl) const
{
    // Each with its place here: of two ended at the same time the first here comes first.
    std::vector<std::pair<sAufruf, size_t>> beendet;
    beendet.reserve(m_Aufrufe.size() + m_Eingaenge.size());
    for (const sEintrag& e : m_Aufrufe)
        if (e.aufruf.ende != 0)
            beendet.emplace_back(e.aufruf, beendet.size());
    for (const auto& [spiel, zeit] : m_Eingaenge)
        if (zeit != 0)
            beendet.emplace_back(sAufruf{spiel, 0, 0, zeit}, beendet.size());
    const auto frueher = [](const std::pair<sAufruf, size_t>& a, const std::pair<sAufruf, size_t>& b)
    { return a.first.ende > b.first.ende || (a.first.ende == b.first.ende && a.second < b.second); };
    // A day has thousands of results and a page lists a few: only those are put in order.
    const auto ende = beendet.begin() + static_cast<std::ptrdiff_t>(std::min(anzahl, beendet.size()));
    if (ende != beendet.end())
        std::nth_element(beendet.begin(), ende, beendet.end(), frueher);
    std::sort(beendet.begin(), ende, frueher);
    std::vector<sAufruf> neueste;
    neueste.reserve(static_cast<size_t>(ende - beendet.begin()));
    for (auto it = beendet.begin(); it != ende; ++it)
        neueste.push_back(it->first);
    return neueste;
}

std::vector<sAufrufbar> clSpielbetrieb::getAufrufbare(const clTurnier& turnier) const
{
    const int platten = turnier.getAllgemein()->Platten;
    const sHallenLage lage = getLage();
    std::vector<bool> frei(platten + 1, true);
    for (int p : lage.belegt)
        if (p >= 1 && p <= platten)
            frei[p] = false;
    std::set<const clTeilnehmer*> amTisch;
    for (const sEintrag& e : m_Aufrufe)
        if (e.aufruf.ende == 0)
        {
            amTisch.insert({e.aufruf.spiel->getT1(), e.aufruf.spiel->getT2()});
            if (e.aufruf.platte <= platten)
                frei[e.aufruf.platte] = false;
        }
    const auto ersteFreie = [&]
    {
        for (int p = 1; p <= platten; ++p)
            if (frei[p])
                return p;
        return 0;
    };

    struct sRang
    {
        sAufrufbar a;
        size_t runde, folge, nr;
    };
    std::vector<sRang> raenge;
    const std::vector<sFolge> folgen = sammleFolgen(turnier);
    for (size_t f = 0; f < folgen.size(); ++f)
    {
        const sFolge& folge = folgen[f];
        const bool geordnet = folge.runden != nullptr;
        for (size_t r = 0; r < static_cast<size_t>(folge.getAnzahlRunden()); ++r)
        {
            bool rundeVergeben = true;
            for (size_t k = 0; clTTSpiel* sp = folge.getSpiel(r, k); ++k)
            {
                const bool erledigt = getAufruf(sp) != nullptr || istEntschieden(sp);
                rundeVergeben = rundeVergeben && erledigt;
                if (erledigt || sp->getT1() == nullptr || sp->getT2() == nullptr ||
                    amTisch.count(sp->getT1()) != 0 || amTisch.count(sp->getT2()) != 0 ||
                    lage.amTisch.count(sp->getT1()->getKennung()) != 0 ||
                    lage.amTisch.count(sp->getT2()->getKennung()) != 0)
                    continue;
                sAufrufbar a;
                a.spiel = sp;
                const int eigene = clGruppenphase::getPlattenNummer(folge.platten, static_cast<int>(k) + 1);
                a.platte = geordnet && eigene <= platten && frei[eigene] ? eigene : ersteFreie();
                a.runde = geordnet ? static_cast<int>(r) : 0;
                raenge.push_back({a, geordnet ? r : 0, f, k});
            }
            // Within a round robin a round waits for every earlier one to be on the tables.
            if (geordnet && !rundeVergeben)
                break;
        }
    }

    // When the players of these matches ended their last called match: one look at
    // every ended match, for only these players.
    std::unordered_map<const clTeilnehmer*, std::time_t> zuletzt;
    zuletzt.reserve(2 * raenge.size());
    for (const sRang& r : raenge)
        for (const clTeilnehmer* tn : {r.a.spiel->getT1(), r.a.spiel->getT2()})
            zuletzt.emplace(tn, 0);
    const auto beendet = [&zuletzt](const clTTSpiel* sp, std::time_t ende)
    {
        for (const clTeilnehmer* tn : {sp->getT1(), sp->getT2()})
            if (const auto it = zuletzt.find(tn); it != zuletzt.end())
                it->second = std::max(it->second, ende);
    };
    if (!zuletzt.empty())
    {
        for (const sEintrag& e : m_Aufrufe)
            if (e.aufruf.ende != 0)
                beendet(e.aufruf.spiel, e.aufruf.ende);
        for (const auto& [spiel, zeit] : m_Eingaenge)
            if (zeit != 0)
                beendet(spiel, zeit);
    }
    const std::time_t pause = static_cast<std::time_t>(m_Mindestpause) * 60;
    const std::time_t jetzt = m_Uhr();
    for (sRang& r : raenge)
    {
        r.a.zuletzt = std::max(zuletzt[r.a.spiel->getT1()], zuletzt[r.a.spiel->getT2()]);
        for (const clTeilnehmer* tn : {r.a.spiel->getT1(), r.a.spiel->getT2()})
            if (const auto it = lage.zuletzt.find(tn->getKennung()); it != lage.zuletzt.end())
                r.a.zuletzt = std::max(r.a.zuletzt, it->second);
        r.a.bereit = r.a.zuletzt == 0 || jetzt >= r.a.zuletzt + pause;
    }

    std::sort(raenge.begin(), raenge.end(),
              [](const sRang& x, const sRang& y)
              {
                  return std::make_tuple(!x.a.bereit, x.a.zuletzt, x.runde, x.folge, x.nr) <
                         std::make_tuple(!y.a.bereit, y.a.zuletzt, y.runde, y.folge, y.nr);
              });
    std::vector<sAufrufbar> aufrufbar;
    aufrufbar.reserve(raenge.size());
    for (const sRang& r : raenge)
        aufrufbar.push_back(r.a);
    return aufrufbar;
}

bool clSpielbetrieb::rufeAuf(const clTurnier& turnier, clTTSpiel* sp, int platte)
{
    for (const sAufrufbar& a : getAufrufbare(turnier))
    {
        if (a.spiel != sp)
            continue;
        if (platte == 0)
            platte = a.platte;
        if (platte < 1 || platte > turnier.getAllgemein()->Platten || getSpielAn(platte) != nullptr ||
            getLage().belegt.count(platte) != 0)
            return false;
        sEintrag e;
        e.aufruf = {sp, platte, m_Uhr(), 0};
        e.kennung = turnier.getKennung(sp);
        m_Aufrufe.push_back(e);
        indiziere();
        return true;
    }
    return false;
}

bool clSpielbetrieb::nimmZurueck(const clTTSpiel* sp)
{
    const auto it =
        std::find_if(m_Aufrufe.begin(), m_Aufrufe.end(),
                     [sp](const sEintrag& e) { return e.aufruf.spiel == sp && e.aufruf.ende == 0; });
    if (it == m_Aufrufe.end())
        return false;
    m_Aufrufe.erase(it);
    indiziere();
    return true;
}

bool clSpielbetrieb::verlege(const clTTSpiel* sp, int platte, int platten)
{
    for (sEintrag& e : m_Aufrufe)
    {
        if (e.aufruf.spiel != sp || e.aufruf.ende != 0)
            continue;
        if (platte < 1 || platte > platten || getSpielAn(platte) != nullptr ||
            getLage().belegt.count(platte) != 0)
            return false;
        e.aufruf.platte = platte;
        return true;
    }
    return false;
}

bool clSpielbetrieb::setMindestpause(int minuten)
{
    minuten = std::clamp(minuten, 0, MaxMindestpause);
    if (minuten == m_Mindestpause)
        return false;
    m_Mindestpause = minuten;
    return true;
}

void clSpielbetrieb::folgeErgebnissen(const std::vector<clTTSpiel*>& alle)
{
    for (clTTSpiel* sp : alle)
    {
        const bool entschieden = getAufruf(sp) == nullptr && istEntschieden(sp);
        const auto it = findeEingang(sp);
        const bool bekannt = it != m_Eingaenge.end() && it->first == sp;
        if (entschieden && !bekannt)
            m_Eingaenge.emplace(it, sp, m_Uhr());
        else if (!entschieden && bekannt)
            m_Eingaenge.erase(it);
    }
    m_Verworfen.clear();
    for (size_t k = 0; k < m_Aufrufe.size();)
    {
        sAufruf& a = m_Aufrufe[k].aufruf;
        const sSpielKennung& kennung = m_Aufrufe[k].kennung;
        // A correction earlier in the bracket put other players into the match.
        bool weg = paarung(a.spiel) != std::make_pair(kennung.t1, kennung.t2);
        if (!weg && istEntschieden(a.spiel))
        {
            if (a.ende == 0)
                a.ende = m_Uhr();
        }
        else if (!weg && a.ende != 0)
        {
            // Its result was taken back: it is played again where it was, if that
            // table and both players are still free.
            const sHallenLage lage = getLage();
            if (getSpielAn(a.platte) == nullptr && !amTisch(kennung) && lage.belegt.count(a.platte) == 0 &&
                lage.amTisch.count(kennung.t1) == 0 && lage.amTisch.count(kennung.t2) == 0)
                a.ende = 0;
            else
                weg = true;
        }
        if (weg)
        {
            m_Verworfen.push_back({kennung, a.platte, a.beginn, a.ende});
            m_Aufrufe.erase(m_Aufrufe.begin() + static_cast<std::ptrdiff_t>(k));
        }
        else
            ++k;
    }
    indiziere();
}

bool clSpielbetrieb::amTisch(const sSpielKennung& k) const
{
    for (const sEintrag& e : m_Aufrufe)
        if (e.aufruf.ende == 0)
            for (int t : {e.kennung.t1, e.kennung.t2})
                if (t == k.t1 || t == k.t2)
                    return true;
    return false;
}

std::map<sSpielKennung, clTTSpiel*> clSpielbetrieb::verzeichne(const std::vector<clTTSpiel*>& alle,
                                                               const std::vector<sSpielKennung>& kennungen)
{
    std::map<sSpielKennung, clTTSpiel*> spiele;
    for (size_t k = 0; k < alle.size() && k < kennungen.size(); ++k)
        spiele.emplace(kennungen[k], alle[k]);
    return spiele;
}

bool clSpielbetrieb::ordneEin(sEintrag e, const std::map<sSpielKennung, clTTSpiel*>& spiele, int platten,
                              const sHallenLage& lage)
{
    const auto it = spiele.find(e.kennung);
    if (it == spiele.end())
        return false;
    e.aufruf.spiel = it->second;
    if (getAufruf(e.aufruf.spiel) != nullptr)
        return false;
    if (e.aufruf.ende == 0)
    {
        // A running match needs its table and both its players.
        if (e.aufruf.platte > platten || getSpielAn(e.aufruf.platte) != nullptr || amTisch(e.kennung) ||
            lage.belegt.count(e.aufruf.platte) != 0 || lage.amTisch.count(e.kennung.t1) != 0 ||
            lage.amTisch.count(e.kennung.t2) != 0)
            return false;
    }
    m_Aufrufe.push_back(e);
    m_Index[e.aufruf.spiel] = m_Aufrufe.size() - 1;
    return true;
}

void clSpielbetrieb::ordneZu(const std::vector<clTTSpiel*>& alle, const std::vector<sSpielKennung>& kennungen,
                             int platten)
{
    // The matches may be new objects: a call finds its match by its identity alone.
    std::vector<sEintrag> bisher;
    bisher.swap(m_Aufrufe);
    m_Index.clear();
    // The results taken name matches that may be gone; the hall, which reads them
    // for the rest of the persons, must not see them (they are made anew below).
    m_Eingaenge.clear();
    const std::map<sSpielKennung, clTTSpiel*> spiele = verzeichne(alle, kennungen);
    const sHallenLage lage = getLage();
    for (const sEintrag& e : bisher)
        ordneEin(e, spiele, platten, lage);
    vergissEingaenge(alle);
}

bool clSpielbetrieb::stelleWieder(const std::vector<sAufrufDaten>& aufrufe,
                                  const std::vector<clTTSpiel*>& alle,
                                  const std::vector<sSpielKennung>& kennungen, int platten)
{
    bool wieder = false;
    const std::map<sSpielKennung, clTTSpiel*> spiele = verzeichne(alle, kennungen);
    const sHallenLage lage = getLage();
    for (const sAufrufDaten& a : aufrufe)
        if (ordneEin({{nullptr, a.platte, a.beginn, a.ende}, a.kennung}, spiele, platten, lage))
        {
            if (const auto it = findeEingang(m_Aufrufe.back().aufruf.spiel);
                it != m_Eingaenge.end() && it->first == m_Aufrufe.back().aufruf.spiel)
                m_Eingaenge.erase(it);
            wieder = true;
        }
    return wieder;
}

void clSpielbetrieb::vergissEingaenge(const std::vector<clTTSpiel*>& alle)
{
    m_Eingaenge.clear();
    // Room for all at once: a loaded tournament has thousands of results.
    m_Eingaenge.reserve(alle.size());
    for (clTTSpiel* sp : alle)
        if (getAufruf(sp) == nullptr && istEntschieden(sp))
            m_Eingaenge.emplace_back(sp, 0);
    m_EingaengeGeordnet = false;
}

clSpielbetrieb::vecEingaenge::iterator clSpielbetrieb::findeEingang(const clTTSpiel* sp)
{
    // Put in order when first searched, not when loading: sorting the results of
    // a tournament in groups took a twentieth of opening it.
    if (!m_EingaengeGeordnet)
    {
        std::sort(m_Eingaenge.begin(), m_Eingaenge.end());
        m_EingaengeGeordnet = true;
    }
    return std::lower_bound(m_Eingaenge.begin(), m_Eingaenge.end(), sp,
                            [](const std::pair<clTTSpiel*, std::time_t>& e, const clTTSpiel* s)
                            { return std::less<const clTTSpiel*>()(e.first, s); });
}

void clSpielbetrieb::leere()
{
    m_Aufrufe.clear();
    m_Index.clear();
    m_Eingaenge.clear();
    m_Mindestpause = 0;
}

wxArrayString clSpielbetrieb::getSaveStrings(const std::function<int(int)>& nummer) const
{
    wxArrayString zeilen;
    zeilen.Add(wxString::Format("%d", m_Mindestpause));
    for (const sEintrag& e : m_Aufrufe)
        zeilen.Add(wxString::Format("%s,%d,%lld,%lld", e.kennung.getText(nummer), e.aufruf.platte,
                                    static_cast<long long>(e.aufruf.beginn),
                                    static_cast<long long>(e.aufruf.ende)));
    return zeilen;
}

bool clSpielbetrieb::lies(const wxArrayString& zeilen, const std::vector<sSpielKennung>& kennungen,
                          int platten, wxString& fehler)
{
    m_Aufrufe.clear();
    m_Mindestpause = 0;
    const std::set<sSpielKennung> bekannt(kennungen.begin(), kennungen.end());
    std::vector<long> z;
    std::set<sSpielKennung> spiele;
    std::set<long> besetzt;
    std::set<int> amTisch;
    for (size_t k = 0; k < zeilen.size() && fehler.empty(); ++k)
    {
        z.clear();
        // The match by its identity, or as a plain number by its place among all.
        const size_t komma = zeilen[k].find(',');
        sSpielKennung kennung;
        const bool alsKennung = k > 0 && komma != wxString::npos && zeilen[k].find(':') < komma;
        if (alsKennung)
            z.push_back(0);
        const bool gelesen = clZahl::liesListe(alsKennung ? zeilen[k].Mid(komma + 1) : zeilen[k], z) &&
                             z.size() == (k == 0 ? 1u : 4u) &&
                             (!alsKennung || sSpielKennung::liesText(zeilen[k].Left(komma), kennung));
        if (gelesen && k > 0 && !alsKennung)
        {
            if (z[0] >= 0 && static_cast<size_t>(z[0]) < kennungen.size())
                kennung = kennungen[static_cast<size_t>(z[0])];
        }
        if (!gelesen)
            fehler = _("keine Zahlen");
        else if (k == 0 && (z[0] < 0 || z[0] > MaxMindestpause))
            fehler = _("Mindestpause");
        else if (k == 0)
            m_Mindestpause = static_cast<int>(z[0]);
        else if (bekannt.count(kennung) == 0 || kennung.t1 == 0 || !spiele.insert(kennung).second)
            fehler = wxGetTranslation(L"das Spiel gibt es nicht, oder es ist zweimal aufgerufen");
        else if (z[1] < 1 || z[1] > platten || (z[3] == 0 && !besetzt.insert(z[1]).second))
            fehler = _("die Platte gibt es nicht, oder sie ist besetzt");
        else if (z[2] < FruehesteZeit || z[2] >= SpaetesteZeit ||
                 (z[3] != 0 && (z[3] < FruehesteZeit || z[3] >= SpaetesteZeit)))
            fehler = _("die Zeit liegt nicht zwischen 2000 und 2099");
        else if (z[3] == 0 && (!amTisch.insert(kennung.t1).second || !amTisch.insert(kennung.t2).second))
            fehler = wxGetTranslation(L"ein Spieler läuft an zwei Platten");
        else
            m_Aufrufe.push_back({{nullptr, static_cast<int>(z[1]), static_cast<std::time_t>(z[2]),
                                  static_cast<std::time_t>(z[3])},
                                 kennung});
        if (!fehler.empty())
            fehler = wxString::Format(wxGetTranslation(L"Spielbetrieb, Zeile %d: %s"),
                                      static_cast<int>(k) + 1, fehler);
    }
    return fehler.empty();
}

void clSpielbetrieb::uebernehme(clSpielbetrieb&& gelesen, const std::vector<clTTSpiel*>& alle,
                                const std::vector<sSpielKennung>& kennungen)
{
    m_Mindestpause = gelesen.m_Mindestpause;
    m_Aufrufe.clear();
    m_Index.clear();
    // lies checked the tables and players already. Without calls no match needs finding.
    const std::map<sSpielKennung, clTTSpiel*> spiele =
        gelesen.m_Aufrufe.empty() ? std::map<sSpielKennung, clTTSpiel*>() : verzeichne(alle, kennungen);
    for (const sEintrag& e : gelesen.m_Aufrufe)
        ordneEin(e, spiele, std::numeric_limits<int>::max(), sHallenLage());
    // Ends what the file holds as played though it has its result; indexes the calls.
    folgeErgebnissen({});
    vergissEingaenge(alle);
}
