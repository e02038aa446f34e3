#include "modell/clTurniertag.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <wx/intl.h>

#include "datei/clMaskierung.h"
#include "datei/clPortalDokument.h"
#include "datei/clTurnierDatei.h"
#include "datei/clZahl.h"
#include "modell/clEndrunde.h"
#include "modell/clGruppenphase.h"
#include "modell/clTTSpiel.h"
#include "modell/clTurnier.h"
#include "tabellen/clWertungTableBase.h"

namespace
{
// The persons of an entry, by the entry's stable number: one, or two of a pair.
struct sMeldung
{
    int kennung = 0;
    int anzahl = 0;
    std::array<int, 2> personen{};

    const int* begin() const { return personen.data(); }
    const int* end() const { return personen.data() + anzahl; }
    void fuegeAn(int person) { personen[static_cast<size_t>(anzahl++)] = person; }
};
// The entries of a class, ordered by their numbers: a flat list, which every load
// makes anew, without a heap block for each entry.
typedef std::vector<sMeldung> vecMeldungen;

// The entry of the number; null for none.
const sMeldung* findeMeldung(const vecMeldungen& meldungen, int kennung)
{
    const auto it = std::lower_bound(meldungen.begin(), meldungen.end(), kennung,
                                     [](const sMeldung& m, int k) { return m.kennung < k; });
    return it != meldungen.end() && it->kennung == kennung ? &*it : nullptr;
}

// Orders entries appended in the roster's order, which is mostly theirs already.
void ordne(vecMeldungen& meldungen)
{
    const auto kleiner = [](const sMeldung& a, const sMeldung& b) { return a.kennung < b.kennung; };
    if (!std::is_sorted(meldungen.begin(), meldungen.end(), kleiner))
        std::sort(meldungen.begin(), meldungen.end(), kleiner);
}
} // namespace

struct clTurniertag::sKonkurrenz
{
    std::unique_ptr<clTurnier> turnier;
    // Its standings, kept whether a window shows the class or not; they go before the class.
    std::unique_ptr<clWertungTableBase> tabelle;
    std::unique_ptr<clWeiterleitung> weiterleitung;
    int kennung = 0;
    // Empty: called after its type.
    wxString name;
    std::vector<int> platten;
    // The persons of each entry.
    vecMeldungen personen;

    ~sKonkurrenz();
};

// Hands what a class tells on to the day, which knows then which class it was.
class clTurniertag::clWeiterleitung : public clTurnierBeobachter
{
public:
    clWeiterleitung(clTurniertag* tag, const clTurnier* turnier) : m_Tag(tag), m_Turnier(turnier) {}
    void turnierWirdGeaendert(modAenderung art) override { m_Tag->vorher(m_Tag->finde(m_Turnier), art); }
    void gruppenWerdenErsetzt() override
    {
        m_Tag->m_Geaenderte = m_Tag->finde(m_Turnier);
        for (clTurnierBeobachter* b : m_Tag->m_Beobachter)
            b->gruppenWerdenErsetzt();
    }
    void turnierGeaendert(modAenderung art, const wxString& schritt) override
    {
        m_Tag->nachher(m_Tag->finde(m_Turnier), art, schritt);
    }

private:
    clTurniertag* m_Tag;
    const clTurnier* m_Turnier;
};

clTurniertag::sKonkurrenz::~sKonkurrenz()
{
    if (turnier != nullptr && weiterleitung != nullptr)
        turnier->removeBeobachter(weiterleitung.get());
}

namespace
{
const wxString Praefix = "K%d ";

bool istEntschieden(const clTTSpiel* sp)
{
    sWertung w1, w2;
    return sp->getErgebnis(w1, w2);
}

// The person with the number nr in a list ordered by number; the list's end for none.
template <typename Liste>
auto findePerson(Liste& personen, int nr)
{
    const auto it = std::lower_bound(personen.begin(), personen.end(), nr,
                                     [](const clPerson& p, int n) { return p.getKennung() < n; });
    return it != personen.end() && it->getKennung() == nr ? it : personen.end();
}

// Reads "3 17": the numbers of a line, blank-separated; false when one is not a number.
bool liesNummern(std::wstring_view text, std::vector<int>& nummern)
{
    nummern.clear();
    for (size_t anfang = 0; anfang < text.size();)
    {
        const size_t ende = std::min(text.find(L' ', anfang), text.size());
        const std::wstring_view teil = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        long n = 0;
        if (teil.empty())
            continue;
        if (!clZahl::liesZahl(teil, n) || n < 1 || n > 1000000)
            return false;
        nummern.push_back(static_cast<int>(n));
    }
    return true;
}

wxString schreibeNummern(const std::vector<int>& nummern)
{
    wxString zeile;
    for (int n : nummern)
    {
        if (!zeile.empty())
            zeile += L' ';
        clZahl::haengeAn(zeile, n);
    }
    return zeile;
}
} // namespace

wxString clTurniertag::getArtName(int art)
{
    return art == artDoppel ? _("Doppel") : art == artMixed ? _("Mixed") : _("Einzel");
}

clTurniertag::clTurniertag() : m_Uhr([] { return std::time(nullptr); })
{
    neu();
}

clTurniertag::~clTurniertag()
{
    // The classes go before the observers they tell.
    m_Konkurrenzen.clear();
}

std::unique_ptr<clTurniertag::sKonkurrenz> clTurniertag::erzeuge(std::unique_ptr<clTurnier> turnier,
                                                                 int kennung, const wxString& name)
{
    auto k = std::make_unique<sKonkurrenz>();
    k->turnier = std::move(turnier);
    k->tabelle = std::make_unique<clWertungTableBase>(k->turnier.get());
    // Standings of a class read before it had them.
    k->turnier->aktualisiereSpielplanAnzeigen();
    k->kennung = kennung;
    k->name = name;
    k->weiterleitung = std::make_unique<clWeiterleitung>(this, k->turnier.get());
    k->turnier->addBeobachter(k->weiterleitung.get());
    k->turnier->setUhr(m_Uhr);
    k->turnier->m_Spielbetrieb.m_Mindestpause = m_Mindestpause;
    const clTurnier* t = k->turnier.get();
    k->turnier->m_Spielbetrieb.setUmfeld([this, t] { return getLage(finde(t)); });
    return k;
}

void clTurniertag::neu()
{
    if (m_Konkurrenzen.empty())
        m_Konkurrenzen.push_back(erzeuge(std::make_unique<clTurnier>(), 1, wxString()));
    if (getAnzahl() > 1)
        meldeErsatz();
    m_Konkurrenzen.erase(m_Konkurrenzen.begin() + 1, m_Konkurrenzen.end());
    m_Konkurrenzen[0]->name.clear();
    m_Konkurrenzen[0]->platten.clear();
    m_Konkurrenzen[0]->personen.clear();
    m_Personen.clear();
    m_Portal = clPortalDaten();
    m_Platten = getKonkurrenz(0)->getAllgemein()->Platten;
    m_Mindestpause = 0;
    m_Geaendert = false;
}

clTurnier* clTurniertag::getKonkurrenz(int i) const
{
    return i >= 0 && i < getAnzahl() ? m_Konkurrenzen[i]->turnier.get() : nullptr;
}

int clTurniertag::finde(const clTurnier* k) const
{
    for (int i = 0; i < getAnzahl(); ++i)
        if (m_Konkurrenzen[i]->turnier.get() == k)
            return i;
    return -1;
}

wxString clTurniertag::getName(int i) const
{
    if (i < 0 || i >= getAnzahl())
        return wxString();
    return m_Konkurrenzen[i]->name.empty() ? getArtName(getKonkurrenz(i)->getAllgemein()->Art)
                                           : m_Konkurrenzen[i]->name;
}

int clTurniertag::getKennung(int i) const
{
    return i >= 0 && i < getAnzahl() ? m_Konkurrenzen[i]->kennung : 0;
}

const std::vector<int>& clTurniertag::getEigenePlatten(int i) const
{
    static const std::vector<int> alle;
    return i >= 0 && i < getAnzahl() ? m_Konkurrenzen[i]->platten : alle;
}

std::pair<int, int> clTurniertag::getSpielstand(int i) const
{
    const clTurnier* k = getKonkurrenz(i);
    if (k == nullptr)
        return {0, 0};
    int entschieden = 0, alle = 0;
    for (const clTTSpiel* sp : k->getAlleSpiele())
    {
        ++alle;
        entschieden += istEntschieden(sp) ? 1 : 0;
    }
    return {entschieden, alle};
}

wxString clTurniertag::getStufe(int i) const
{
    const clTurnier* k = getKonkurrenz(i);
    if (k == nullptr)
        return wxString();
    const auto [entschieden, alle] = getSpielstand(i);
    if (k->getAllgemein()->Turnierform == formJederGegenJeden)
    {
        // One entry has no match to play: the class is over before it began.
        if (k->getAnzahlTeilnehmer() == 0 || (alle > 0 && entschieden == 0))
            return _("Meldung");
        return entschieden == alle ? _("beendet") : _("Runden");
    }
    const clGruppenphase* gp = k->getGruppenphase();
    if (gp == nullptr)
        return _("Meldung");
    if (gp->getEndrunde() == nullptr)
        return _("Gruppen");
    return entschieden == alle ? _("beendet") : _("Endrunde");
}

wxString clTurniertag::pruefeName(const wxString& name, int ausser) const
{
    const wxString n = clTeilnehmer::ohneSteuerzeichen(name).Strip(wxString::both);
    if (n.empty())
        return _("Die Konkurrenz braucht einen Namen.");
    for (int i = 0; i < getAnzahl(); ++i)
        if (i != ausser && getName(i).CmpNoCase(n) == 0)
            return wxString::Format(wxGetTranslation(L"Eine Konkurrenz „%s“ gibt es schon."), getName(i));
    return wxString();
}

int clTurniertag::neueKennung() const
{
    int hoechste = 0;
    for (const auto& k : m_Konkurrenzen)
        hoechste = std::max(hoechste, k->kennung);
    return hoechste + 1;
}

int clTurniertag::fuegeHinzu(const wxString& name)
{
    if (!pruefeName(name).empty() || getAnzahl() >= MaxKonkurrenzen)
        return -1;
    vorher(-1, aendKonkurrenzen);
    m_Abgleich = true;
    // The new class takes the day's data and the hall; its rules start afresh.
    const allgemein& tag = *getKonkurrenz(0)->getAllgemein();
    allgemein alg;
    alg.Bezeichnung = tag.Bezeichnung;
    alg.Veranstalter = tag.Veranstalter;
    alg.Ort = tag.Ort;
    alg.Datum = tag.Datum;
    alg.Platten = m_Platten;
    auto turnier = std::make_unique<clTurnier>();
    turnier->setAllgemein(&alg);
    turnier->Aktualisieren(true);
    m_Konkurrenzen.push_back(erzeuge(std::move(turnier), neueKennung(),
                                     clTeilnehmer::ohneSteuerzeichen(name).Strip(wxString::both)));
    m_Abgleich = false;
    m_Geaendert = true;
    const int neu = getAnzahl() - 1;
    nachher(-1, aendKonkurrenzen, wxString::Format(wxGetTranslation(L"Neue Konkurrenz „%s“"), getName(neu)));
    return neu;
}

bool clTurniertag::benenneUm(int i, const wxString& name)
{
    if (i < 0 || i >= getAnzahl() || !pruefeName(name, i).empty())
        return false;
    const wxString neu = clTeilnehmer::ohneSteuerzeichen(name).Strip(wxString::both);
    if (neu == getName(i))
        return false;
    vorher(-1, aendKonkurrenzen);
    m_Konkurrenzen[i]->name = neu;
    m_Geaendert = true;
    nachher(-1, aendKonkurrenzen, wxString::Format(wxGetTranslation(L"Konkurrenz „%s“ umbenannt"), neu));
    return true;
}

int clTurniertag::kopiere(int i, const wxString& name)
{
    const clTurnier* vorlage = getKonkurrenz(i);
    if (vorlage == nullptr || !pruefeName(name).empty() || getAnzahl() >= MaxKonkurrenzen)
        return -1;
    vorher(-1, aendKonkurrenzen);
    m_Abgleich = true;
    auto turnier = std::make_unique<clTurnier>();
    turnier->setAllgemein(vorlage->getAllgemein());
    turnier->Aktualisieren(true);
    vecEditListe el;
    vorlage->fillEditListe(el);
    for (spEditData& ed : el)
    {
        ed.m_EditStatus = esNew;
        ed.m_OldPos = -1;
    }
    turnier->UpdateTeilnehmer(el);
    auto k = erzeuge(std::move(turnier), neueKennung(),
                     clTeilnehmer::ohneSteuerzeichen(name).Strip(wxString::both));
    k->platten = m_Konkurrenzen[i]->platten;
    // The copies are entries of the same persons, in the same order.
    const clTurnier* kopie = k->turnier.get();
    for (int snr = 1; snr <= kopie->getAnzahlTeilnehmer(); ++snr)
        if (const sMeldung* m =
                findeMeldung(m_Konkurrenzen[i]->personen, vorlage->getTeilnehmer(snr)->getKennung()))
        {
            k->personen.push_back(*m);
            k->personen.back().kennung = kopie->getTeilnehmer(snr)->getKennung();
        }
    ordne(k->personen);
    m_Konkurrenzen.push_back(std::move(k));
    m_Abgleich = false;
    m_Geaendert = true;
    const int neu = getAnzahl() - 1;
    nachher(-1, aendKonkurrenzen, wxString::Format(wxGetTranslation(L"Konkurrenz „%s“ kopiert"), getName(i)));
    return neu;
}

wxString clTurniertag::verloreneErgebnisse(int i) const
{
    const clTurnier* k = getKonkurrenz(i);
    if (k == nullptr)
        return wxString();
    int ergebnisse = 0;
    for (const clTTSpiel* sp : k->getAlleSpiele())
        ergebnisse += sp->hatEingaben() ? 1 : 0;
    wxString text;
    if (k->getAnzahlTeilnehmer() > 0)
        text = wxString::Format(wxPLURAL("%d Meldung", "%d Meldungen", k->getAnzahlTeilnehmer()),
                                k->getAnzahlTeilnehmer());
    if (ergebnisse > 0)
        text += wxString::Format(wxPLURAL(" und %d Ergebnis", " und %d Ergebnisse", ergebnisse), ergebnisse);
    return text;
}

bool clTurniertag::entferne(int i)
{
    if (i < 0 || i >= getAnzahl() || getAnzahl() == 1)
        return false;
    const wxString name = getName(i);
    vorher(-1, aendKonkurrenzen);
    meldeErsatz();
    m_Portal.entferneKlasse(getKennung(i));
    m_Konkurrenzen.erase(m_Konkurrenzen.begin() + i);
    entferneLosePersonen();
    m_Geaendert = true;
    nachher(-1, aendKonkurrenzen, wxString::Format(wxGetTranslation(L"Konkurrenz „%s“ entfernt"), name));
    return true;
}

bool clTurniertag::setEigenePlatten(int i, const std::vector<int>& platten)
{
    if (i < 0 || i >= getAnzahl() || platten == m_Konkurrenzen[i]->platten)
        return false;
    std::set<int> gesehen;
    for (int p : platten)
        if (p < 1 || p > m_Platten || !gesehen.insert(p).second)
            return false;
    vorher(-1, aendKonkurrenzen);
    m_Abgleich = true;
    m_Konkurrenzen[i]->platten = platten;
    clTurnier* k = m_Konkurrenzen[i]->turnier.get();
    allgemein alg = *k->getAllgemein();
    alg.Platten = platten.empty() ? m_Platten : static_cast<int>(platten.size());
    k->setAllgemein(&alg);
    k->Aktualisieren(false);
    m_Abgleich = false;
    m_Geaendert = true;
    nachher(-1, aendKonkurrenzen, wxString::Format(_("Platten von %s"), getName(i)));
    return true;
}

const clPerson* clTurniertag::getPerson(int nr) const
{
    const auto it = findePerson(m_Personen, nr);
    return it != m_Personen.end() ? &*it : nullptr;
}

bool clTurniertag::setPersonendaten(const clPerson& daten)
{
    const auto it = findePerson(m_Personen, daten.getKennung());
    if (it == m_Personen.end())
        return false;
    it->Jahrgang = daten.Jahrgang;
    it->Geschlecht = daten.Geschlecht;
    it->Lizenz = daten.Lizenz;
    it->InterneNr = daten.InterneNr;
    m_Geaendert = true;
    return true;
}

std::vector<int> clTurniertag::getPersonenVon(int i, int kennung) const
{
    if (i < 0 || i >= getAnzahl())
        return {};
    const sMeldung* m = findeMeldung(m_Konkurrenzen[i]->personen, kennung);
    return m != nullptr ? std::vector<int>(m->begin(), m->end()) : std::vector<int>();
}

std::vector<int> clTurniertag::getPersonenDes(int i, const clTTSpiel* sp) const
{
    std::vector<int> personen;
    for (const clTeilnehmer* tn : {sp->getT1(), sp->getT2()})
        if (tn != nullptr)
            for (int p : getPersonenVon(i, tn->getKennung()))
                personen.push_back(p);
    return personen;
}

std::vector<int> clTurniertag::getKonkurrenzenVon(int person) const
{
    std::vector<int> klassen;
    for (int i = 0; i < getAnzahl(); ++i)
        for (const sMeldung& m : m_Konkurrenzen[i]->personen)
            if (std::find(m.begin(), m.end(), person) != m.end())
            {
                klassen.push_back(i);
                break;
            }
    return klassen;
}

namespace
{
// The roster of class k with the person entered as a new entry.
vecEditListe mitEintrag(const clTurnier& k, const clPerson& p)
{
    vecEditListe el;
    k.fillEditListe(el);
    spEditData ed;
    ed.m_EditStatus = esNew;
    ed.m_VName = p.Vorname;
    ed.m_Name = p.Name;
    ed.m_Verein = p.Verein;
    ed.m_TTR = p.TTR;
    el.push_back(ed);
    return el;
}
} // namespace

wxString clTurniertag::pruefeEintrag(int person, int i) const
{
    const clPerson* p = getPerson(person);
    const clTurnier* k = getKonkurrenz(i);
    if (p == nullptr || k == nullptr)
        return _("Diese Person oder Konkurrenz gibt es nicht.");
    const std::vector<int> schon = getKonkurrenzenVon(person);
    if (std::find(schon.begin(), schon.end(), i) != schon.end())
        return wxString::Format(_("%s %s ist in %s schon gemeldet."), p->Vorname, p->Name, getName(i));
    // A drawn class has its groups or bracket: a new entry would have no place in it.
    if (k->getGruppenphase() != nullptr)
        return wxString::Format(wxGetTranslation(L"%s ist schon ausgelost (%s): neue Meldungen nimmt die "
                                                 L"Konkurrenz nicht mehr an."),
                                getName(i), getStufe(i));
    return k->pruefeTeilnehmerliste(mitEintrag(*k, *p));
}

bool clTurniertag::trageEin(int person, int i)
{
    if (!pruefeEintrag(person, i).empty())
        return false;
    clTurnier* k = getKonkurrenz(i);
    const int vorher = k->getAnzahlTeilnehmer();
    vecEditListe el = mitEintrag(*k, *getPerson(person));
    k->UpdateTeilnehmer(el);
    return k->getAnzahlTeilnehmer() > vorher;
}

void clTurniertag::gleicheAb(int i)
{
    sKonkurrenz& kon = *m_Konkurrenzen[i];
    const clTurnier* k = kon.turnier.get();
    // The persons the entries still in the class held before keep to them; a new
    // entry is the person of that name who is in no entry of this class yet. Every
    // load passes here: no key is made, no person copied, no entry a heap block.
    std::vector<int> gehalten;
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
        if (const sMeldung* m = findeMeldung(kon.personen, k->getTeilnehmer(snr)->getKennung()))
            gehalten.insert(gehalten.end(), m->begin(), m->end());
    std::sort(gehalten.begin(), gehalten.end());
    // The free persons by their keys' numbers and, within one, by their own: the
    // first free one of the key is taken.
    struct sFrei
    {
        size_t wert;
        int nr;
        size_t index;
    };
    std::vector<sFrei> frei;
    frei.reserve(m_Personen.size());
    for (size_t n = 0; n < m_Personen.size(); ++n)
    {
        const clPerson& p = m_Personen[n];
        if (!std::binary_search(gehalten.begin(), gehalten.end(), p.getKennung()))
            frei.push_back({sPerson::getSchluesselwert(p.Vorname, p.Name, p.Verein), p.getKennung(), n});
    }
    std::sort(frei.begin(), frei.end(),
              [](const sFrei& a, const sFrei& b)
              { return a.wert < b.wert || (a.wert == b.wert && a.nr < b.nr); });
    vecMeldungen neu;
    neu.reserve(static_cast<size_t>(k->getAnzahlTeilnehmer()));
    std::set<int> korrigiert;
    // New persons are added at the end at once: growing the list copies every person.
    std::vector<const sPerson*> dazu;
    int naechste = m_Personen.empty() ? 1 : m_Personen.back().getKennung() + 1;
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
    {
        const clTeilnehmer* tn = k->getTeilnehmer(snr);
        const sMeldung* bisher = findeMeldung(kon.personen, tn->getKennung());
        sMeldung& nummern = neu.emplace_back();
        nummern.kennung = tn->getKennung();
        for (const sPerson* d : {&tn->getPerson(), &tn->getPartner()})
        {
            if (d == &tn->getPartner() && !tn->istPaar())
                break;
            const int n = nummern.anzahl;
            int nr = bisher != nullptr && n < bisher->anzahl ? bisher->personen[static_cast<size_t>(n)] : 0;
            if (nr != 0 && getPerson(nr) != nullptr)
            {
                // The entry was the person's before: what was typed corrects the person.
                clPerson& p = const_cast<clPerson&>(*getPerson(nr));
                if (!p.gleicheMeldedaten(*d))
                {
                    p.setMeldedaten(*d);
                    korrigiert.insert(nr);
                }
            }
            else
            {
                // A day opened anew has no free person: no key is made.
                const size_t wert =
                    frei.empty() ? 0 : sPerson::getSchluesselwert(d->m_VName, d->m_Name, d->m_Verein);
                auto f = std::lower_bound(frei.begin(), frei.end(), wert,
                                          [](const sFrei& a, size_t w) { return a.wert < w; });
                for (; f != frei.end() && f->wert == wert; ++f)
                {
                    const clPerson& p = m_Personen[f->index];
                    if (f->nr != 0 && sPerson::hatSchluessel(*d, p.Vorname, p.Name, p.Verein))
                        break;
                }
                if (f != frei.end() && f->wert == wert)
                {
                    nr = f->nr;
                    f->nr = 0;
                }
                else
                {
                    nr = naechste++;
                    dazu.push_back(d);
                }
            }
            nummern.fuegeAn(nr);
        }
    }
    ordne(neu);
    m_Personen.reserve(m_Personen.size() + dazu.size());
    for (size_t n = 0; n < dazu.size(); ++n)
    {
        clPerson& p = m_Personen.emplace_back();
        p.setMeldedaten(*dazu[n]);
        p.setKennung(naechste - static_cast<int>(dazu.size() - n));
    }
    kon.personen = std::move(neu);
    entferneLosePersonen();
    if (korrigiert.empty())
        return;
    // Each other class takes the corrections into its entries of these persons.
    for (int j = 0; j < getAnzahl(); ++j)
    {
        if (j == i)
            continue;
        clTurnier* andere = m_Konkurrenzen[j]->turnier.get();
        vecEditListe el;
        andere->fillEditListe(el);
        bool geaendert = false;
        for (spEditData& ed : el)
        {
            const clTeilnehmer* tn = andere->getTeilnehmer(ed.m_OldPos + 1);
            const std::vector<int> personen =
                tn != nullptr ? getPersonenVon(j, tn->getKennung()) : std::vector<int>();
            for (size_t n = 0; n < personen.size(); ++n)
            {
                if (korrigiert.count(personen[n]) == 0)
                    continue;
                const clPerson& p = *getPerson(personen[n]);
                if (n == 0 && clTeilnehmer::istAbgeleitet(ed.m_Anzeige, ed.m_VName, ed.m_Name))
                    ed.m_Anzeige.clear();
                wxString& vname = n == 0 ? ed.m_VName : ed.m_Partner.m_VName;
                wxString& nachname = n == 0 ? ed.m_Name : ed.m_Partner.m_Name;
                wxString& verein = n == 0 ? ed.m_Verein : ed.m_Partner.m_Verein;
                int& ttr = n == 0 ? ed.m_TTR : ed.m_Partner.m_TTR;
                vname = p.Vorname;
                nachname = p.Name;
                verein = p.Verein;
                ttr = p.TTR;
                ed.m_EditStatus |= esDirty;
                geaendert = true;
            }
        }
        if (geaendert)
            andere->UpdateTeilnehmer(el);
    }
}

void clTurniertag::entferneLosePersonen()
{
    // The persons are ordered by their numbers, the last has the highest.
    const int hoechste = m_Personen.empty() ? 0 : m_Personen.back().getKennung();
    std::vector<bool> gemeldet(static_cast<size_t>(std::max(hoechste, 0)) + 1, false);
    for (const auto& k : m_Konkurrenzen)
        for (const sMeldung& m : k->personen)
            for (int p : m)
                if (p >= 0 && p <= hoechste)
                    gemeldet[static_cast<size_t>(p)] = true;
    m_Personen.erase(std::remove_if(m_Personen.begin(), m_Personen.end(),
                                    [&gemeldet, hoechste](const clPerson& p)
                                    {
                                        return p.getKennung() < 0 || p.getKennung() > hoechste ||
                                               !gemeldet[static_cast<size_t>(p.getKennung())];
                                    }),
                     m_Personen.end());
}

void clTurniertag::uebertrageAllgemein(int i)
{
    const allgemein quelle = *getKonkurrenz(i)->getAllgemein();
    if (m_Konkurrenzen[i]->platten.empty())
        m_Platten = quelle.Platten;
    for (int j = 0; j < getAnzahl(); ++j)
    {
        clTurnier* k = getKonkurrenz(j);
        allgemein alg = *k->getAllgemein();
        alg.Bezeichnung = quelle.Bezeichnung;
        alg.Veranstalter = quelle.Veranstalter;
        alg.Ort = quelle.Ort;
        alg.Datum = quelle.Datum;
        // A class of its own tables keeps them, as far as the hall still has them.
        std::vector<int>& eigene = m_Konkurrenzen[j]->platten;
        eigene.erase(std::remove_if(eigene.begin(), eigene.end(), [this](int p) { return p > m_Platten; }),
                     eigene.end());
        alg.Platten = eigene.empty() ? m_Platten : static_cast<int>(eigene.size());
        const allgemein& bisher = *k->getAllgemein();
        if (alg.Bezeichnung == bisher.Bezeichnung && alg.Veranstalter == bisher.Veranstalter &&
            alg.Ort == bisher.Ort && alg.Datum == bisher.Datum && alg.Platten == bisher.Platten)
            continue;
        k->setAllgemein(&alg);
        k->Aktualisieren(false);
    }
}

void clTurniertag::vorher(int i, modAenderung art)
{
    if (m_Abgleich)
        return;
    m_Geaenderte = i;
    for (clTurnierBeobachter* b : m_Beobachter)
        b->turnierWirdGeaendert(art);
}

void clTurniertag::meldeErsatz()
{
    for (clTurnierBeobachter* b : m_Beobachter)
        b->konkurrenzenWerdenErsetzt();
}

void clTurniertag::nachher(int i, modAenderung art, const wxString& schritt)
{
    if (m_Abgleich)
        return;
    m_Geaenderte = i;
    if (i >= 0 && (art == aendTeilnehmer || art == aendAllgemein || art == aendGeladen || art == aendAbbild ||
                   art == aendNeu))
    {
        m_Abgleich = true;
        // A class made new brings its tables as much as a class edited: the hall counts them.
        if (art == aendAllgemein || art == aendNeu)
            uebertrageAllgemein(i);
        if (art != aendAllgemein)
        {
            // A class read anew has new entries: they find their persons by name.
            if (art != aendTeilnehmer)
                m_Konkurrenzen[i]->personen.clear();
            gleicheAb(i);
        }
        m_Abgleich = false;
    }
    for (clTurnierBeobachter* b : m_Beobachter)
        b->turnierGeaendert(art, schritt);
}

void clTurniertag::addBeobachter(clTurnierBeobachter* b)
{
    if (std::find(m_Beobachter.begin(), m_Beobachter.end(), b) == m_Beobachter.end())
        m_Beobachter.push_back(b);
}

void clTurniertag::removeBeobachter(clTurnierBeobachter* b)
{
    m_Beobachter.erase(std::remove(m_Beobachter.begin(), m_Beobachter.end(), b), m_Beobachter.end());
}

bool clTurniertag::istGeaendert() const
{
    if (m_Geaendert)
        return true;
    return std::any_of(m_Konkurrenzen.begin(), m_Konkurrenzen.end(),
                       [](const auto& k) { return k->turnier->istGeaendert(); });
}

void clTurniertag::setGeaendert(bool geaendert)
{
    m_Geaendert = geaendert;
    if (!geaendert)
        for (const auto& k : m_Konkurrenzen)
            k->turnier->setGeaendert(false);
}

// ---- The hall ----

int clTurniertag::getHallenPlatte(int i, int platte) const
{
    const std::vector<int>& eigene = getEigenePlatten(i);
    if (eigene.empty())
        return platte;
    return platte >= 1 && platte <= static_cast<int>(eigene.size()) ? eigene[platte - 1] : 0;
}

int clTurniertag::getEigenePlatte(int i, int hallenPlatte) const
{
    const std::vector<int>& eigene = getEigenePlatten(i);
    if (eigene.empty())
        return hallenPlatte >= 1 && hallenPlatte <= m_Platten ? hallenPlatte : 0;
    const auto it = std::find(eigene.begin(), eigene.end(), hallenPlatte);
    return it != eigene.end() ? static_cast<int>(it - eigene.begin()) + 1 : 0;
}

bool clTurniertag::spieltAn(int i, int hallenPlatte) const
{
    if (getEigenePlatte(i, hallenPlatte) == 0)
        return false;
    if (!getEigenePlatten(i).empty())
        return true;
    return std::none_of(
        m_Konkurrenzen.begin(), m_Konkurrenzen.end(),
        [hallenPlatte](const auto& k)
        { return std::find(k->platten.begin(), k->platten.end(), hallenPlatte) != k->platten.end(); });
}

std::vector<sHallenAufruf> clTurniertag::getLaufende() const
{
    std::vector<sHallenAufruf> laufende;
    for (int i = 0; i < getAnzahl(); ++i)
        for (const sAufruf& a : getKonkurrenz(i)->getSpielbetrieb().getLaufende())
            laufende.push_back({i, a, getHallenPlatte(i, a.platte)});
    std::sort(laufende.begin(), laufende.end(),
              [](const sHallenAufruf& a, const sHallenAufruf& b) { return a.platte < b.platte; });
    return laufende;
}

sHallenLage clTurniertag::getLage(int i) const
{
    sHallenLage lage;
    if (i < 0 || getAnzahl() == 1)
        return lage;
    // The persons on a table now and when each last ended a match, in every class.
    std::unordered_set<int> amTisch;
    std::unordered_map<int, std::time_t> zuletzt;
    for (int j = 0; j < getAnzahl(); ++j)
    {
        const clSpielbetrieb& sb = getKonkurrenz(j)->getSpielbetrieb();
        const auto personen = [this, j](const clTTSpiel* sp) { return getPersonenDes(j, sp); };
        for (const clSpielbetrieb::sEintrag& e : sb.m_Aufrufe)
        {
            const std::vector<int> ps = personen(e.aufruf.spiel);
            if (e.aufruf.ende == 0)
            {
                amTisch.insert(ps.begin(), ps.end());
                if (j != i)
                    if (const int eigene = getEigenePlatte(i, getHallenPlatte(j, e.aufruf.platte)))
                        lage.belegt.insert(eigene);
            }
            else
                for (int p : ps)
                    zuletzt[p] = std::max(zuletzt[p], e.aufruf.ende);
        }
        for (const auto& [spiel, zeit] : sb.m_Eingaenge)
            if (zeit != 0)
                for (int p : personen(spiel))
                    zuletzt[p] = std::max(zuletzt[p], zeit);
    }
    // Tables given to a class are its own: the classes that share the hall keep off them.
    if (m_Konkurrenzen[i]->platten.empty())
        for (const auto& k : m_Konkurrenzen)
            lage.belegt.insert(k->platten.begin(), k->platten.end());
    for (const sMeldung& m : m_Konkurrenzen[i]->personen)
        for (int p : m)
        {
            if (amTisch.count(p) != 0)
                lage.amTisch.insert(m.kennung);
            if (const auto it = zuletzt.find(p); it != zuletzt.end())
                lage.zuletzt[m.kennung] = std::max(lage.zuletzt[m.kennung], it->second);
        }
    return lage;
}

std::vector<sHallenVorschlag> clTurniertag::getNaechste() const
{
    std::vector<sHallenVorschlag> alle;
    for (int i = 0; i < getAnzahl(); ++i)
        for (const sAufrufbar& a : getKonkurrenz(i)->getSpielbetrieb().getAufrufbare(*getKonkurrenz(i)))
            alle.push_back({i, a, 0});
    std::stable_sort(alle.begin(), alle.end(),
                     [](const sHallenVorschlag& x, const sHallenVorschlag& y)
                     {
                         return std::make_tuple(!x.vorschlag.bereit, x.vorschlag.zuletzt, x.vorschlag.runde,
                                                x.konkurrenz) <
                                std::make_tuple(!y.vorschlag.bereit, y.vorschlag.zuletzt, y.vorschlag.runde,
                                                y.konkurrenz);
                     });
    std::set<int> frei;
    for (int p = 1; p <= m_Platten; ++p)
        frei.insert(frei.end(), p);
    for (const sHallenAufruf& a : getLaufende())
        frei.erase(a.platte);
    // A person called before is on a table then, and their next match waits.
    std::set<int> gerufen;
    for (sHallenVorschlag& v : alle)
    {
        const std::vector<int> personen = getPersonenDes(v.konkurrenz, v.vorschlag.spiel);
        if (!v.vorschlag.bereit || std::any_of(personen.begin(), personen.end(),
                                               [&gerufen](int p) { return gerufen.count(p) != 0; }))
            continue;
        // Its own table or the lowest free one of its class, unless an earlier call took it.
        int platte = getHallenPlatte(v.konkurrenz, v.vorschlag.platte);
        if (frei.count(platte) == 0 || !spieltAn(v.konkurrenz, platte))
        {
            platte = 0;
            for (int p : frei)
                if (spieltAn(v.konkurrenz, p))
                {
                    platte = p;
                    break;
                }
        }
        if (platte == 0)
            continue;
        v.platte = platte;
        frei.erase(platte);
        gerufen.insert(personen.begin(), personen.end());
    }
    return alle;
}

wxString clTurniertag::getWartegrund(int i, const clTTSpiel* sp) const
{
    if (getKonkurrenz(i) == nullptr || sp == nullptr)
        return wxString();
    const std::vector<int> personen = getPersonenDes(i, sp);
    for (const sHallenAufruf& a : getLaufende())
    {
        if (a.aufruf.spiel == sp)
            return wxString();
        for (int p : getPersonenDes(a.konkurrenz, a.aufruf.spiel))
            if (std::find(personen.begin(), personen.end(), p) != personen.end())
                return wxString::Format(_("%s spielt an Platte %d, %s"), getPerson(p)->getRufname(), a.platte,
                                        getName(a.konkurrenz));
    }
    return wxString();
}

bool clTurniertag::rufeAuf(int i, clTTSpiel* sp, int hallenPlatte)
{
    clTurnier* k = getKonkurrenz(i);
    if (k == nullptr)
        return false;
    const int platte = hallenPlatte == 0 ? 0 : getEigenePlatte(i, hallenPlatte);
    if (hallenPlatte != 0 && platte == 0)
        return false;
    return k->rufeAuf(sp, platte);
}

bool clTurniertag::setMindestpause(int minuten)
{
    minuten = std::clamp(minuten, 0, clSpielbetrieb::MaxMindestpause);
    if (minuten == m_Mindestpause)
        return false;
    vorher(-1, aendAufruf);
    m_Mindestpause = minuten;
    for (const auto& k : m_Konkurrenzen)
        k->turnier->m_Spielbetrieb.m_Mindestpause = minuten;
    m_Geaendert = true;
    nachher(-1, aendAufruf, _("Mindestpause"));
    return true;
}

void clTurniertag::setUhr(std::function<std::time_t()> uhr)
{
    m_Uhr = std::move(uhr);
    for (const auto& k : m_Konkurrenzen)
        k->turnier->setUhr(m_Uhr);
}

// ---- The file ----

bool clTurniertag::brauchtTagesformat() const
{
    if (getAnzahl() != 1 || !m_Konkurrenzen[0]->name.empty() || !m_Konkurrenzen[0]->platten.empty() ||
        !m_Portal.istLeer())
        return true;
    // An entry holds its persons' names, club and rating; more needs the persons' section.
    return std::any_of(m_Personen.begin(), m_Personen.end(),
                       [](const clPerson& p) { return p.hatZusatzdaten(); });
}

void clTurniertag::schreibe(clTurnierDatei& dat, bool mitEnde) const
{
    if (!brauchtTagesformat())
    {
        getKonkurrenz(0)->schreibeAbschnitte(dat);
        if (mitEnde)
            getKonkurrenz(0)->schreibeEOF(dat);
        return;
    }
    const allgemein& alg = *getKonkurrenz(0)->getAllgemein();
    wxArrayString sek;
    for (const wxString* text : {&alg.Bezeichnung, &alg.Veranstalter, &alg.Datum, &alg.Ort})
        sek.Add(clMaskierung::maskiereZeile(clMaskierung::maskiere(*text)));
    sek.Add(wxString::Format("%d", m_Platten));
    sek.Add(wxString::Format("%d", m_Mindestpause));
    dat.writeSektion("Turniertag", sek);
    sek.clear();
    for (const clPerson& p : m_Personen)
        sek.Add(p.getSaveString());
    dat.writeSektion("Personen", sek);
    sek.clear();
    for (int i = 0; i < getAnzahl(); ++i)
        sek.Add(clMaskierung::maskiereZeile(wxString::Format("%d, ", getKennung(i)) +
                                            clMaskierung::maskiere(m_Konkurrenzen[i]->name, ",") + ", " +
                                            schreibeNummern(m_Konkurrenzen[i]->platten)));
    dat.writeSektion("Konkurrenzen", sek);
    for (int i = 0; i < getAnzahl(); ++i)
    {
        const clTurnier* k = getKonkurrenz(i);
        dat.setPraefix(wxString::Format(Praefix, getKennung(i)));
        k->schreibeAbschnitte(dat);
        sek.clear();
        for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
            sek.Add(schreibeNummern(getPersonenVon(i, k->getTeilnehmer(snr)->getKennung())));
        dat.writeSektion("Meldungen", sek);
    }
    dat.setPraefix(wxString());
    m_Portal.schreibe(dat,
                      [this](int klasse, int kennung)
                      {
                          const clTurnier* k = getKonkurrenz(findeKennung(klasse));
                          return k == nullptr ? 0 : kennung == 0 ? 1 : k->getStartNrVon(kennung);
                      });
    if (mitEnde)
        getKonkurrenz(0)->schreibeEOF(dat);
}

bool clTurniertag::speichereMit(const wxString& datei, const std::function<void(clTurnierDatei&)>& zusatz,
                                wxString* fehler) const
{
    clTurnierDatei dat(datei);
    schreibe(dat, false);
    zusatz(dat);
    getKonkurrenz(0)->schreibeEOF(dat);
    return dat.speichern(fehler);
}

int clTurniertag::findeKennung(int kennung) const
{
    for (int i = 0; i < getAnzahl(); ++i)
        if (m_Konkurrenzen[i]->kennung == kennung)
            return i;
    return -1;
}

bool clTurniertag::speichere(const wxString& datei, wxString* fehler)
{
    clTurnierDatei dat(datei);
    schreibe(dat);
    if (!dat.speichern(fehler))
        return false;
    setGeaendert(false);
    return true;
}

std::string clTurniertag::getAbbild() const
{
    clTurnierDatei dat(wxString{});
    schreibe(dat);
    return dat.getAusgabe();
}

bool clTurniertag::setzeAbbild(const std::string& abbild)
{
    return setzeAbbild(abbild, aendAbbild, wxString());
}

bool clTurniertag::setzeAbbild(const std::string& abbild, modAenderung art, const wxString& schritt)
{
    clTurnierDatei dat(wxString{});
    dat.setInhalt(abbild);
    if (dat.hatSektion("Turniertag"))
        return liesDatei(dat, wxString(), nullptr, art, schritt);
    // The first class keeps the participants typed on its page but not applied.
    return uebernimmEinzelne([this, &abbild] { return getKonkurrenz(0)->setzeAbbild(abbild); }, art, schritt);
}

bool clTurniertag::aendereInEinemSchritt(const std::function<bool(clTurniertag&)>& aenderung,
                                         const wxString& schritt)
{
    clTurniertag arbeit;
    arbeit.setUhr(m_Uhr);
    if (!arbeit.setzeAbbild(getAbbild()) || !aenderung(arbeit))
        return false;
    vorher(-1, aendKonkurrenzen);
    return setzeAbbild(arbeit.getAbbild(), aendKonkurrenzen, schritt);
}

bool clTurniertag::uebernimmEinzelne(const std::function<bool()>& lesen, modAenderung art,
                                     const wxString& schritt)
{
    m_Abgleich = true;
    clTurnier* k = getKonkurrenz(0);
    const bool gelesen = lesen();
    if (gelesen)
    {
        neu();
        m_Mindestpause = k->getSpielbetrieb().getMindestpause();
        gleicheAb(0);
    }
    m_Abgleich = false;
    if (!gelesen)
        return false;
    m_Geaendert = art != aendGeladen;
    nachher(-1, art, schritt);
    return true;
}

bool clTurniertag::lies(const wxString& datei, wxString* fehler)
{
    clTurnierDatei dat(datei);
    return dat.lesen(fehler) && liesDatei(dat, datei, fehler, aendGeladen);
}

bool clTurniertag::liesDatei(clTurnierDatei& dat, const wxString& name, wxString* fehler, modAenderung art,
                             const wxString& schritt)
{
    const bool geladen = art == aendGeladen;
    if (!dat.hatSektion("Turniertag"))
        return uebernimmEinzelne(
            [&]
            {
                // A file of one class is read into the first class, which stays as it is on failure.
                clTurnier* k = getKonkurrenz(0);
                if (!k->lies(dat, name, fehler))
                    return false;
                k->m_Geaendert = false;
                k->melde(aendGeladen);
                return true;
            },
            art, schritt);

    wxString grund;
    const auto zeilenFehler = [&grund](const wxString& sektion, size_t zeile, const wxString& was)
    {
        if (grund.empty())
            grund = wxString::Format(_("%s, Zeile %d: %s"), sektion, static_cast<int>(zeile) + 1, was);
    };
    wxArrayString sek;
    dat.getSektion("Turniertag", sek, 6);
    allgemein tag;
    wxString* texte[] = {&tag.Bezeichnung, &tag.Veranstalter, &tag.Datum, &tag.Ort};
    for (size_t z = 0; z < 4 && z < sek.size(); ++z)
        *texte[z] = clMaskierung::demaskiere(sek[z]);
    long platten = 0, pause = 0;
    if (sek.size() != 6 || !sek[4].ToLong(&platten) || platten < 1 || platten > clTurnier::MaxPlatten ||
        !sek[5].ToLong(&pause) || pause < 0 || pause > clSpielbetrieb::MaxMindestpause)
        zeilenFehler("Turniertag", std::min<size_t>(sek.size(), 5), _("Platten oder Mindestpause"));

    // Read in place, each person made where it stays: a day holds hundreds of them.
    std::vector<clPerson> personen;
    std::wstring personenText;
    std::vector<std::wstring_view> personenZeilen;
    dat.getSektion("Personen", personenText, personenZeilen, SIZE_MAX);
    personen.reserve(personenZeilen.size());
    for (size_t z = 0; z < personenZeilen.size() && grund.empty(); ++z)
    {
        clPerson& p = personen.emplace_back();
        if (!p.setFromSaveString(personenZeilen[z]) ||
            (z > 0 && p.getKennung() <= personen[z - 1].getKennung()))
            zeilenFehler("Personen", z, _("keine Person, oder die Nummer steht nicht aufsteigend"));
    }

    struct sGelesen
    {
        int kennung = 0;
        wxString name;
        std::vector<int> platten;
        std::unique_ptr<clTurnier> turnier;
        vecMeldungen personen;
    };
    std::vector<sGelesen> gelesen;
    wxArrayString konkurrenzen;
    if (!dat.getSektion("Konkurrenzen", konkurrenzen, MaxKonkurrenzen) || konkurrenzen.empty())
        zeilenFehler("Konkurrenzen", std::min<size_t>(konkurrenzen.size(), MaxKonkurrenzen),
                     _("keine oder zu viele Konkurrenzen"));
    for (size_t z = 0; z < konkurrenzen.size() && grund.empty(); ++z)
    {
        size_t pos = 0;
        const wxString nr = clMaskierung::trenne(konkurrenzen[z], ',', pos);
        wxString kname =
            clMaskierung::demaskiere(clMaskierung::trenne(konkurrenzen[z], ',', pos)).Strip(wxString::both);
        sGelesen g;
        long n = 0;
        std::set<int> tische;
        const bool tischeGelesen = liesNummern(clMaskierung::sicht(konkurrenzen[z]).substr(pos), g.platten);
        for (int p : g.platten)
            if (p > platten || !tische.insert(p).second)
                tische.clear();
        if (!nr.Strip(wxString::both).ToLong(&n) || n < 1 || n > 1000000 || !tischeGelesen ||
            tische.size() != g.platten.size())
        {
            zeilenFehler("Konkurrenzen", z, _("Nummer oder Platten"));
            break;
        }
        g.kennung = static_cast<int>(n);
        g.name = clTeilnehmer::ohneSteuerzeichen(kname);
        for (const sGelesen& andere : gelesen)
            if (andere.kennung == g.kennung || (!g.name.empty() && andere.name.CmpNoCase(g.name) == 0))
                zeilenFehler("Konkurrenzen", z, _("die Konkurrenz steht zweimal"));
        if (!grund.empty())
            break;
        wxString anzeige = g.name;
        g.turnier = std::make_unique<clTurnier>();
        dat.setPraefix(wxString::Format(Praefix, g.kennung));
        wxString warum;
        const bool klasseGelesen = g.turnier->lies(dat, name, &warum);
        if (anzeige.empty())
            anzeige = getArtName(g.turnier->getAllgemein()->Art);
        if (!klasseGelesen)
            grund = wxString::Format(wxGetTranslation(L"Konkurrenz „%s“: %s"), anzeige, warum);
        else if (g.turnier->getAllgemein()->Platten !=
                 (g.platten.empty() ? platten : static_cast<long>(g.platten.size())))
            zeilenFehler("Konkurrenzen", z, _("die Zahl der Platten passt nicht"));
        std::wstring meldungenText;
        std::vector<std::wstring_view> meldungen;
        const clTurnier* t = g.turnier.get();
        if (grund.empty() && (!dat.getSektion("Meldungen", meldungenText, meldungen, SIZE_MAX) ||
                              static_cast<int>(meldungen.size()) != t->getAnzahlTeilnehmer()))
            grund = wxString::Format(
                wxGetTranslation(L"Konkurrenz „%s“: die Meldungen passen nicht zu den Teilnehmern."),
                anzeige);
        // Who of the persons is entered in this class already, by their place in the list.
        std::vector<bool> gemeldet(personen.size(), false);
        for (size_t m = 0; m < meldungen.size() && grund.empty(); ++m)
        {
            std::vector<int> nummern;
            const bool paar = t->getTeilnehmer(static_cast<int>(m) + 1)->istPaar();
            bool gut = liesNummern(meldungen[m], nummern) && nummern.size() == (paar ? 2u : 1u);
            for (int p : nummern)
            {
                const auto person = findePerson(personen, p);
                gut = gut && person != personen.end() && !gemeldet[person - personen.begin()];
                if (gut)
                    gemeldet[person - personen.begin()] = true;
            }
            if (!gut)
                grund = wxString::Format(wxGetTranslation(L"Konkurrenz „%s“: Meldungen, Zeile %d: die Person "
                                                          L"gibt es nicht, oder sie ist zweimal gemeldet"),
                                         anzeige, static_cast<int>(m) + 1);
            else
            {
                sMeldung& meldung = g.personen.emplace_back();
                meldung.kennung = t->getTeilnehmer(static_cast<int>(m) + 1)->getKennung();
                for (int p : nummern)
                    meldung.fuegeAn(p);
            }
        }
        ordne(g.personen);
        gelesen.push_back(std::move(g));
    }
    dat.setPraefix(wxString());

    clPortalDaten portal;
    wxString portalFehler;
    // A class read numbers its entries by their start numbers, as the links are written.
    const auto gibtEs = [&gelesen](int klasse, int nummer)
    {
        for (const sGelesen& g : gelesen)
            if (g.kennung == klasse)
                return nummer == 0 || findeMeldung(g.personen, nummer) != nullptr;
        return false;
    };
    if (grund.empty() && !portal.lies(dat, gibtEs, portalFehler))
        grund = portalFehler;
    if (grund.empty() && !portal.istLeer())
    {
        // The export writes into the document: it must be one, with the competitions the classes stand for.
        clPortalDokument dok;
        if (!dok.lies(portal.getDokument(), wxString(), &portalFehler))
            grund = _("Turnierportal Dokument: ") + portalFehler;
        for (const auto& [klasse, wettbewerb] : portal.getWettbewerbe())
            if (grund.empty() && dok.findeWettbewerb(wettbewerb) == nullptr)
                grund = wxString::Format(
                    wxGetTranslation(L"Turnierportal: den Wettbewerb „%s“ gibt es im Dokument nicht"),
                    wettbewerb.BeforeFirst('\t') + ' ' + wettbewerb.AfterFirst('\t'));
    }

    // The hall across the classes: a table and a person play one match at a time.
    std::map<int, int> tischBelegt;
    std::map<int, int> personAmTisch;
    for (size_t i = 0; i < gelesen.size() && grund.empty(); ++i)
        for (const sAufruf& a : gelesen[i].turnier->getSpielbetrieb().getLaufende())
        {
            const int halle = gelesen[i].platten.empty() ? a.platte : gelesen[i].platten[a.platte - 1];
            bool doppelt = !tischBelegt.emplace(halle, static_cast<int>(i)).second;
            for (const clTeilnehmer* tn : {a.spiel->getT1(), a.spiel->getT2()})
                if (const sMeldung* m = findeMeldung(gelesen[i].personen, tn->getKennung()))
                    for (int p : *m)
                        doppelt = doppelt || !personAmTisch.emplace(p, static_cast<int>(i)).second;
            if (doppelt && grund.empty())
                grund = wxString::Format(wxGetTranslation(L"Spielbetrieb: an Platte %d oder mit einer Person "
                                                          L"dieses Spiels läuft schon ein Spiel."),
                                         halle);
        }

    if (!grund.empty())
    {
        if (fehler != nullptr)
            *fehler = name.empty()
                          ? grund
                          : wxString::Format(wxGetTranslation(L"„%s“ ist beschädigt: %s"), name, grund);
        return false;
    }

    // Everything is read: only now the day is replaced.
    meldeErsatz();
    m_Abgleich = true;
    m_Konkurrenzen.clear();
    m_Personen = std::move(personen);
    m_Platten = static_cast<int>(platten);
    m_Mindestpause = static_cast<int>(pause);
    for (sGelesen& g : gelesen)
    {
        auto k = erzeuge(std::move(g.turnier), g.kennung, g.name);
        k->platten = std::move(g.platten);
        k->personen = std::move(g.personen);
        k->turnier->m_Geaendert = false;
        m_Konkurrenzen.push_back(std::move(k));
    }
    for (const auto& k : m_Konkurrenzen)
    {
        allgemein alg = *k->turnier->getAllgemein();
        alg.Bezeichnung = tag.Bezeichnung;
        alg.Veranstalter = tag.Veranstalter;
        alg.Ort = tag.Ort;
        alg.Datum = tag.Datum;
        k->turnier->m_Allgemein = alg;
    }
    m_Abgleich = false;
    m_Portal = std::move(portal);
    m_Geaendert = !geladen;
    nachher(-1, art, schritt);
    return true;
}
