#include "modell/clTurnier.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <wx/intl.h>

#include "datei/clMaskierung.h"
#include "modell/clGruppenphase.h"
#include "modell/clRunde.h"
#include "tabellen/clSpieleTableBase.h"
#include "modell/clTTSpiel.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "datei/clTurnierDatei.h"
#include "tabellen/clWertungTableBase.h"
#include "datei/clZahl.h"

namespace
{
const int AnzModi = 3;
// Title, organiser, date, venue, tables, mode, sets to win, placing, and for
// groups form, number of groups, players going on, the bracket's sets to win and
// the match for third place, and for doubles the kind of class; further lines
// are not read.
const size_t AllgemeinZeilen = 14;
} // namespace

int clTurnier::zaehleTeilnehmer(const vecEditListe& el)
{
    return static_cast<int>(std::count_if(
        el.begin(), el.end(), [](const spEditData& ed) { return (ed.m_EditStatus & esDeleted) == 0; }));
}

clTurnier::clTurnier() = default;

clTurnier::clTurnier(const allgemein& alg) : m_Allgemein(alg) {}

clTurnier::~clTurnier()
{
    leereTeilnehmer();
}

void clTurnier::leereTeilnehmer()
{
    for (clTeilnehmer* tn : m_Teilnehmer)
        delete tn;
    m_Teilnehmer.clear();
}

bool clTurnier::schemaParameterGeaendert(const allgemein& alg) const
{
    return alg.Platten != m_Allgemein.Platten || alg.ModusIdx != m_Allgemein.ModusIdx ||
           alg.Turnierform != m_Allgemein.Turnierform;
}

bool clTurnier::wertungParameterGeaendert(const allgemein& alg) const
{
    return alg.Gewinnsaetze != m_Allgemein.Gewinnsaetze || alg.PlatzierungIdx != m_Allgemein.PlatzierungIdx;
}

namespace
{
// "Anna, Bernd und Carla".
wxString zaehleAuf(const std::vector<wxString>& teile)
{
    wxString text;
    for (size_t i = 0; i < teile.size(); ++i)
    {
        if (i > 0)
            text += i + 1 < teile.size() ? wxString(", ") : _(" und ");
        text += teile[i];
    }
    return text;
}

bool gruppenParameterGeaendert(const allgemein& a, const allgemein& b)
{
    return a.Turnierform != b.Turnierform || a.Gruppen != b.Gruppen || a.Aufsteiger != b.Aufsteiger ||
           a.GewinnsaetzeEndrunde != b.GewinnsaetzeEndrunde || a.SpielUmPlatz3 != b.SpielUmPlatz3;
}
} // namespace

void clTurnier::addBeobachter(clTurnierBeobachter* b)
{
    m_Beobachter.push_back(b);
}

void clTurnier::removeBeobachter(clTurnierBeobachter* b)
{
    m_Beobachter.erase(std::remove(m_Beobachter.begin(), m_Beobachter.end(), b), m_Beobachter.end());
}

void clTurnier::meldeVorher(modAenderung art)
{
    for (clTurnierBeobachter* b : std::vector<clTurnierBeobachter*>(m_Beobachter))
        b->turnierWirdGeaendert(art);
}

void clTurnier::melde(modAenderung art, const wxString& schritt)
{
    // The calls follow before anybody shows them.
    if (art == aendErgebnis)
        m_Spielbetrieb.folgeErgebnissen(getAlleSpiele());
    else if (art == aendTeilnehmer || art == aendAllgemein || art == aendAuslosung)
    {
        std::vector<sSpielKennung> kennungen;
        const std::vector<clTTSpiel*> alle = getAlleSpiele(&kennungen);
        m_Spielbetrieb.ordneZu(alle, kennungen, m_Allgemein.Platten);
    }
    else if (art == aendNeu)
        m_Spielbetrieb.leere();
    // A copy: an observer may remove itself when it is told.
    for (clTurnierBeobachter* b : std::vector<clTurnierBeobachter*>(m_Beobachter))
        b->turnierGeaendert(art, schritt);
}

void clTurnier::ersetzeGruppenphase(std::unique_ptr<clGruppenphase> neu)
{
    if (m_Gruppenphase != nullptr)
        for (clTurnierBeobachter* b : std::vector<clTurnierBeobachter*>(m_Beobachter))
            b->gruppenWerdenErsetzt();
    m_Gruppenphase = std::move(neu);
}

bool clTurnier::allgemeinGeaendert(const allgemein& alg) const
{
    return alg.Bezeichnung != m_Allgemein.Bezeichnung || alg.Veranstalter != m_Allgemein.Veranstalter ||
           alg.Ort != m_Allgemein.Ort || alg.Datum != m_Allgemein.Datum || schemaParameterGeaendert(alg) ||
           wertungParameterGeaendert(alg) || gruppenParameterGeaendert(alg, m_Allgemein) ||
           alg.Art != m_Allgemein.Art;
}

void clTurnier::setAllgemein(const allgemein* alg)
{
    if (allgemeinGeaendert(*alg))
    {
        meldeVorher(aendAllgemein);
        m_Geaendert = true;
    }
    if (schemaParameterGeaendert(*alg))
        m_SchemaVeraltet = true;
    if (wertungParameterGeaendert(*alg))
        m_WertungVeraltet = true;
    if (alg->Turnierform != m_Allgemein.Turnierform || alg->Gruppen != m_Allgemein.Gruppen)
        m_GruppenVeraltet = true;
    m_Allgemein = *alg;
    if (m_Allgemein.Art != artEinzel)
        return;
    // A singles class has no pairs: a display name made of the pair's surnames
    // becomes that of the player who stays.
    bool gestrichen = false;
    for (clTeilnehmer* tn : m_Teilnehmer)
    {
        if (!tn->istPaar())
            continue;
        const sPerson& p = tn->getPerson();
        if (clTeilnehmer::istAbgeleitet(tn->getAnzeige(), p.m_VName, p.m_Name, tn->getPartner()))
            tn->setAnzeige(clTeilnehmer::leiteAnzeigeAb(p.m_VName, p.m_Name, tn->getStartNr()));
        tn->setPartner(sPerson());
        gestrichen = true;
    }
    if (!gestrichen)
        return;
    clTeilnehmer::pruefeDuplikate(m_Teilnehmer);
    if (m_Gruppenphase != nullptr)
        m_Gruppenphase->uebernehmeNamen(m_Teilnehmer);
}

wxString clTurnier::verworfenePartner(const allgemein& alg) const
{
    if (alg.Art != artEinzel)
        return wxString();
    const int paare = static_cast<int>(std::count_if(m_Teilnehmer.begin(), m_Teilnehmer.end(),
                                                     [](const clTeilnehmer* tn) { return tn->istPaar(); }));
    if (paare == 0)
        return wxString();
    return wxString::Format(wxPLURAL(L"Im Einzel spielt jeder für sich: der Partner von %d Doppel wird "
                                     L"aus der Teilnehmerliste gestrichen.",
                                     L"Im Einzel spielt jeder für sich: die Partner von %d Doppeln werden "
                                     L"aus der Teilnehmerliste gestrichen.",
                                     paare),
                            paare);
}

clTeilnehmer* clTurnier::getTeilnehmer(int snr) const
{
    if (snr < 1 || snr > getAnzahlTeilnehmer())
        return nullptr;
    return m_Teilnehmer[snr - 1];
}

int clTurnier::getStartNrVon(int kennung) const
{
    const auto it = std::find_if(m_Teilnehmer.begin(), m_Teilnehmer.end(),
                                 [kennung](const clTeilnehmer* tn) { return tn->getKennung() == kennung; });
    return it == m_Teilnehmer.end() ? 0 : static_cast<int>(it - m_Teilnehmer.begin()) + 1;
}

void clTurnier::fillEditListe(vecEditListe& el) const
{
    // The rows a list has already are filled again where they stand: the
    // participants page's list is filled anew on every load.
    el.resize(m_Teilnehmer.size());
    for (size_t i = 0; i < m_Teilnehmer.size(); ++i)
        m_Teilnehmer[i]->fuelleEditData(el[i], static_cast<int>(i));
}

bool clTurnier::nurNamenGeaendert(const vecEditListe& el) const
{
    int pos = 0;
    for (const spEditData& ed : el)
    {
        const bool neu = (ed.m_EditStatus & esNew) != 0;
        const bool geloescht = (ed.m_EditStatus & esDeleted) != 0;
        if (neu && geloescht)
            continue;
        if (neu || geloescht || ed.m_OldPos != pos)
            return false;
        ++pos;
    }
    return pos == getAnzahlTeilnehmer();
}

bool clTurnier::hatErgebnisse() const
{
    for (int r = 1; r <= m_Schema.AnzRunden(); ++r)
    {
        const clRunde* runde = m_Schema.getRunde(r);
        for (int p = 1; p <= runde->AnzSpiele(); ++p)
        {
            if (runde->getSpiel(p)->hatEingaben())
                return true;
        }
    }
    return false;
}

std::vector<int> clTurnier::uebernommenePositionen(const vecEditListe& el, std::vector<bool>& bleibt) const
{
    const int alt = getAnzahlTeilnehmer();
    bleibt.assign(alt, false);
    std::vector<int> positionen;
    positionen.reserve(el.size());
    for (const spEditData& ed : el)
    {
        const bool gueltig = (ed.m_EditStatus & (esNew | esDeleted)) == 0 && ed.m_OldPos >= 0 &&
                             ed.m_OldPos < alt && !bleibt[ed.m_OldPos];
        positionen.push_back(gueltig ? ed.m_OldPos : -1);
        if (gueltig)
            bleibt[ed.m_OldPos] = true;
    }
    return positionen;
}

std::vector<int> clTurnier::neueStartNummern(const vecEditListe& el, wxArrayString* nachmeldungen) const
{
    std::vector<bool> bleibt;
    const std::vector<int> positionen = uebernommenePositionen(el, bleibt);
    std::vector<int> neu(bleibt.size(), 0);
    int snr = 0;
    for (size_t i = 0; i < el.size(); ++i)
    {
        if (el[i].m_EditStatus & esDeleted)
            continue;
        ++snr;
        if (positionen[i] >= 0)
            neu[positionen[i]] = snr;
        else if (nachmeldungen != nullptr)
            nachmeldungen->Add(
                el[i].m_Anzeige.empty()
                    ? clTeilnehmer::leiteAnzeigeAb(el[i].m_VName, el[i].m_Name, snr, el[i].m_Partner)
                    : el[i].m_Anzeige);
    }
    return neu;
}

namespace
{
// Why the entries of the list cannot make a class of the kind art; empty when they can.
wxString pruefeEintraege(const vecEditListe& el, int art)
{
    // Each person by the name as first typed.
    std::unordered_map<std::wstring, wxString> personen;
    int zeile = 0;
    for (const spEditData& ed : el)
    {
        if (ed.m_EditStatus & esDeleted)
            continue;
        ++zeile;
        const sPerson person = ed.getPerson();
        if (art != artEinzel && (!person.hatNamen() || !ed.m_Partner.hatNamen()))
            return wxString::Format(wxGetTranslation(L"Zeile %d: Zu einem Doppel gehören zwei Personen."),
                                    zeile);
        // Only a full name tells a person: rows of first names alone are quick
        // entries, told apart by their display names.
        for (const sPerson* p : {&person, &ed.m_Partner})
        {
            if (p->m_VName.empty() || p->m_Name.empty())
                continue;
            const auto neu = personen.emplace(p->getSchluessel().ToStdWstring(), p->getVollerName());
            if (!neu.second)
                return wxString::Format(wxGetTranslation(L"%s steht zweimal in dieser Konkurrenz."),
                                        neu.first->second);
        }
    }
    return wxString();
}
} // namespace

wxString clTurnier::pruefeTeilnehmerliste(const vecEditListe& el) const
{
    const wxString eintraege = pruefeEintraege(el, m_Allgemein.Art);
    if (!eintraege.empty())
        return eintraege;
    if (m_Gruppenphase == nullptr || nurNamenGeaendert(el))
        return wxString();
    wxArrayString nachmeldungen;
    const std::vector<int> neu = neueStartNummern(el, &nachmeldungen);
    return m_Gruppenphase->pruefeAenderung(neu, nachmeldungen.size());
}

wxString clTurnier::beschreibeGruppenAenderung(const vecEditListe& el) const
{
    if (m_Gruppenphase == nullptr || nurNamenGeaendert(el))
        return wxString();
    wxArrayString nachmeldungen;
    const std::vector<int> neu = neueStartNummern(el, &nachmeldungen);
    return m_Gruppenphase->beschreibeAenderung(neu, nachmeldungen);
}

wxString clTurnier::verloreneErgebnisse(const vecEditListe& el) const
{
    std::vector<bool> bleibt;
    uebernommenePositionen(el, bleibt);
    std::vector<bool> verliert(bleibt.size(), false);
    int anzahl = 0;
    // i1 and i2 are the roster positions of the match's players.
    const auto zaehle = [&](const clTTSpiel& sp, int i1, int i2)
    {
        if (!sp.hatEingaben() || (bleibt[i1] && bleibt[i2]))
            return;
        ++anzahl;
        for (int i : {i1, i2})
            if (!bleibt[i])
                verliert[i] = true;
    };
    for (const clTTSpiel& sp : m_Schema.getSpiele())
        zaehle(sp, sp.getT1()->getStartNr() - 1, sp.getT2()->getStartNr() - 1);
    // A group's players are known to the roster by their start number there.
    for (int g = 1; m_Gruppenphase != nullptr && g <= m_Gruppenphase->getAnzahlGruppen(); ++g)
        for (const clTTSpiel& sp : m_Gruppenphase->getGruppe(g)->getSchema().getSpiele())
            zaehle(sp, m_Gruppenphase->getStartNr(g, sp.getT1()->getStartNr()) - 1,
                   m_Gruppenphase->getStartNr(g, sp.getT2()->getStartNr()) - 1);
    if (anzahl == 0)
        return wxString();
    std::vector<wxString> namen;
    for (size_t i = 0; i < verliert.size(); ++i)
    {
        if (verliert[i])
            namen.push_back(m_Teilnehmer[i]->getAnzeige());
    }
    const wxString wer = zaehleAuf(namen);
    return wxString::Format(
        wxPLURAL("%d Ergebnis von %s geht verloren.", "%d Ergebnisse von %s gehen verloren.", anzahl), anzahl,
        wer);
}

bool clTurnier::verwirftSaetze(const allgemein& alg) const
{
    const std::vector<clTTSpiel>& spiele = m_Schema.getSpiele();
    if (std::any_of(spiele.begin(), spiele.end(),
                    [&alg](const clTTSpiel& sp) { return sp.hatSaetzeUeber(alg.Gewinnsaetze); }))
        return true;
    // The groups play by the same sets to win; the bracket keeps those it was drawn with.
    for (int g = 1; m_Gruppenphase != nullptr && g <= m_Gruppenphase->getAnzahlGruppen(); ++g)
        if (m_Gruppenphase->getGruppe(g)->verwirftSaetze(alg))
            return true;
    return false;
}

wxString clTurnier::verworfeneGruppen(const allgemein& alg) const
{
    if (m_Gruppenphase == nullptr ||
        (alg.Turnierform == m_Allgemein.Turnierform && alg.Gruppen == m_Allgemein.Gruppen))
        return wxString();
    int ergebnisse = 0;
    int aufrufe = 0;
    std::vector<clTTSpiel*> spiele;
    m_Gruppenphase->sammleSpiele(spiele);
    for (const clTTSpiel* sp : spiele)
    {
        ergebnisse += sp->hatEingaben() ? 1 : 0;
        aufrufe += m_Spielbetrieb.getAufruf(sp) != nullptr ? 1 : 0;
    }
    const int anzahl = m_Gruppenphase->getAnzahlGruppen();
    const bool ko = m_Gruppenphase->istKO();
    wxString text =
        ko ? wxGetTranslation(L"Mit einer anderen Turnierform wird das ausgeloste KO-Feld verworfen.")
        : alg.Turnierform != formGruppen
            ? wxString::Format(wxGetTranslation(L"Mit der Turnierform „%s“ werden die %d ausgelosten Gruppen "
                                                L"verworfen."),
                               alg.Turnierform == formKO ? _("KO-System") : _("Jeder gegen jeden"), anzahl)
            : wxString::Format(wxGetTranslation(L"Mit %d statt %d Gruppen werden die ausgelosten Gruppen "
                                                L"verworfen und müssen neu ausgelost werden."),
                               alg.Gruppen, anzahl);
    std::vector<wxString> verloren;
    if (ergebnisse > 0)
        verloren.push_back(
            wxString::Format(wxPLURAL("%d Ergebnis", "%d Ergebnisse", ergebnisse), ergebnisse));
    if (aufrufe > 0)
        verloren.push_back(wxString::Format(wxPLURAL("%d Aufruf", "%d Aufrufe", aufrufe), aufrufe));
    if (m_Gruppenphase->getEndrunde() != nullptr && !ko)
        verloren.push_back(_("die ausgeloste Endrunde"));
    if (!verloren.empty())
        text += wxString::Format(_(" Verloren gehen: %s."), zaehleAuf(verloren));
    return text;
}

void clTurnier::UpdateTeilnehmer(vecEditListe& el)
{
    if (!pruefeTeilnehmerliste(el).empty())
        return;
    meldeVorher(aendTeilnehmer);
    const bool nurNamen = nurNamenGeaendert(el);
    const std::vector<int> neueNr = neueStartNummern(el);
    std::vector<bool> bleibt;
    const std::vector<int> positionen = uebernommenePositionen(el, bleibt);
    bool geaendert = !nurNamen;
    // A newcomer gets a number nobody has had in this roster, not even one removed
    // meanwhile: the persons of a tournament day are linked to entries by it.
    int hoechsteKennung = m_HoechsteKennung;
    for (const clTeilnehmer* tn : m_Teilnehmer)
        hoechsteKennung = std::max(hoechsteKennung, tn->getKennung());
    vecTeilnehmer tl;
    for (size_t i = 0; i < el.size(); ++i)
    {
        const spEditData& ed = el[i];
        if (ed.m_EditStatus & esDeleted)
            continue;
        const bool neu = positionen[i] < 0;
        clTeilnehmer* tn = neu ? new clTeilnehmer : m_Teilnehmer[positionen[i]];
        if (neu)
            tn->setKennung(++hoechsteKennung);
        m_HoechsteKennung = hoechsteKennung;
        tl.push_back(tn);
        tn->setStartNr(static_cast<int>(tl.size()));
        if (ed.m_EditStatus != esClear || neu)
        {
            tn->updateEditData(ed);
            geaendert = true;
        }
    }
    vecTeilnehmer weg;
    for (size_t i = 0; i < bleibt.size(); ++i)
    {
        if (!bleibt[i])
            weg.push_back(m_Teilnehmer[i]);
    }
    clTeilnehmer::pruefeDuplikate(tl);
    m_Teilnehmer = tl;
    fillEditListe(el);
    if (geaendert)
        m_Geaendert = true;

    // With the same participants in the same places schedule, results and standings stay.
    if (nurNamen)
    {
        if (m_Gruppenphase != nullptr)
            m_Gruppenphase->uebernehmeNamen(m_Teilnehmer);
        if (m_SpieleTB != nullptr)
            m_SpieleTB->Anpassen();
    }
    else
    {
        if (m_Gruppenphase != nullptr)
            m_Gruppenphase->aendereTeilnehmer(neueNr, m_Teilnehmer);
        erneuereSchema();
        aktualisiereSpielplanAnzeigen();
    }
    // Destroyed only once the old schedule, whose matches refer to them, is replaced.
    for (clTeilnehmer* tn : weg)
        delete tn;
    melde(aendTeilnehmer, _("Teilnehmerliste"));
}

void clTurnier::erneuereSchema()
{
    const mapEingaben gemerkt = m_Schema.merkeEingaben();
    ErzeugeSchema();
    m_Schema.uebertrageEingaben(gemerkt);
}

void clTurnier::ErzeugeSchema()
{
    erzeugeSchema(wxString());
}

void clTurnier::erzeugeSchema(const wxString& auslasser)
{
    const modErzeugung modus = static_cast<modErzeugung>(m_Allgemein.ModusIdx + modDicht);
    m_Schema.setGewinnsaetze(m_Allgemein.Gewinnsaetze);
    // In groups everybody plays in a group, in the knockout form in the bracket: the
    // tournament's own schedule stays empty.
    vecTeilnehmer keine;
    m_Schema.neuerSpielplan(m_Allgemein.Platten,
                            m_Allgemein.Turnierform != formJederGegenJeden ? &keine : &m_Teilnehmer, modus,
                            auslasser);
    m_SchemaVeraltet = false;
}

wxString clTurnier::getSpielfrei(int rdx) const
{
    std::vector<int> frei;
    m_Schema.getRunde(rdx)->getSpielfrei(frei);
    // Appended in place: formatting the list anew for each name made the byes of
    // a large tournament take most of the time of printing its schedule.
    wxString text;
    for (size_t i = 0; i < frei.size(); ++i)
    {
        if (i > 0)
            text += L", ";
        if (const clTeilnehmer* tn = getTeilnehmer(frei[i]))
            text += tn->getAnzeige();
    }
    return text;
}

void clTurnier::pruefeWertung(clTTSpiel* sp)
{
    pruefeWertungen({sp});
}

void clTurnier::pruefeWertungen(const std::vector<clTTSpiel*>& spiele, const wxString& schritt)
{
    m_Geaendert = true;
    // Several matches at once are placed together.
    const clWertungTableBase::clStapel stapel(spiele.size() > 1 ? m_Turniertabelle : nullptr);
    for (clTTSpiel* sp : spiele)
        if (m_Gruppenphase == nullptr || !m_Gruppenphase->pruefeSpiel(sp))
            uebernehmeErgebnis(sp);
    melde(aendErgebnis, schritt);
}

std::vector<clTTSpiel*> clTurnier::getAlleSpiele(std::vector<sSpielKennung>* kennungen) const
{
    std::vector<clTTSpiel*> spiele;
    spiele.reserve(m_Schema.getSpiele().size());
    for (int r = 1; r <= m_Schema.AnzRunden(); ++r)
        for (int p = 1; clTTSpiel* sp = m_Schema.getSpiel(r, p); ++p)
        {
            spiele.push_back(sp);
            if (kennungen != nullptr)
                kennungen->emplace_back(phaseSpielplan, 0, sp->getT1()->getKennung(),
                                        sp->getT2()->getKennung());
        }
    if (m_Gruppenphase != nullptr)
        m_Gruppenphase->sammleSpiele(spiele, kennungen);
    return spiele;
}

sSpielKennung clTurnier::getKennung(const clTTSpiel* sp) const
{
    std::vector<sSpielKennung> kennungen;
    const std::vector<clTTSpiel*> alle = getAlleSpiele(&kennungen);
    const auto it = std::find(alle.begin(), alle.end(), sp);
    return it == alle.end() ? sSpielKennung() : kennungen[static_cast<size_t>(it - alle.begin())];
}

wxString clTurnier::getSpielort(const clTTSpiel* sp) const
{
    const sAufruf* aufruf = m_Spielbetrieb.getAufruf(sp);
    for (int r = 1; r <= m_Schema.AnzRunden(); ++r)
        for (int p = 1; clTTSpiel* s = m_Schema.getSpiel(r, p); ++p)
            if (s == sp)
                return wxString::Format(_("Runde %d, Platte %d"), r, aufruf != nullptr ? aufruf->platte : p);
    return m_Gruppenphase != nullptr ? m_Gruppenphase->getSpielort(sp, aufruf != nullptr ? aufruf->platte : 0)
                                     : wxString();
}

int clTurnier::getPlatte(const clTTSpiel* sp) const
{
    if (const sAufruf* aufruf = m_Spielbetrieb.getAufruf(sp))
        return aufruf->platte;
    for (int r = 1; r <= m_Schema.AnzRunden(); ++r)
        for (int p = 1; clTTSpiel* s = m_Schema.getSpiel(r, p); ++p)
            if (s == sp)
                return p;
    return m_Gruppenphase != nullptr ? m_Gruppenphase->getPlatte(sp) : 0;
}

bool clTurnier::meldeAufruf(bool erfolg, const wxString& schritt)
{
    if (erfolg)
    {
        m_Geaendert = true;
        melde(aendAufruf, schritt);
    }
    return erfolg;
}

namespace
{
// A match can be called, and named, only once both its players are known.
bool hatSpieler(const clTTSpiel* sp)
{
    return sp != nullptr && sp->getT1() != nullptr && sp->getT2() != nullptr;
}
} // namespace

bool clTurnier::rufeAuf(clTTSpiel* sp, int platte)
{
    if (!hatSpieler(sp))
        return false;
    meldeVorher(aendAufruf);
    return meldeAufruf(m_Spielbetrieb.rufeAuf(*this, sp, platte),
                       wxString::Format(_("Aufruf %s"), sp->getPaarung()));
}

bool clTurnier::nimmAufrufZurueck(clTTSpiel* sp)
{
    if (!m_Spielbetrieb.laeuft(sp))
        return false;
    meldeVorher(aendAufruf);
    return meldeAufruf(m_Spielbetrieb.nimmZurueck(sp),
                       wxString::Format(wxGetTranslation(L"Aufruf zurückgenommen: %s"), sp->getPaarung()));
}

bool clTurnier::verlegeAufruf(clTTSpiel* sp, int platte)
{
    meldeVorher(aendAufruf);
    return meldeAufruf(m_Spielbetrieb.verlege(sp, platte, m_Allgemein.Platten),
                       wxString::Format(_("Verlegung an Platte %d"), platte));
}

bool clTurnier::setMindestpause(int minuten)
{
    meldeVorher(aendAufruf);
    return meldeAufruf(m_Spielbetrieb.setMindestpause(minuten), _("Mindestpause"));
}

void clTurnier::stelleAufrufeWieder(const std::vector<sAufrufDaten>& aufrufe)
{
    if (aufrufe.empty())
        return;
    meldeVorher(aendAufruf);
    std::vector<sSpielKennung> kennungen;
    const std::vector<clTTSpiel*> alle = getAlleSpiele(&kennungen);
    meldeAufruf(m_Spielbetrieb.stelleWieder(aufrufe, alle, kennungen, m_Allgemein.Platten), _("Aufrufe"));
}

std::function<void(const wxString&)> clTurnier::getErgebnisMelder()
{
    return [this](const wxString& schritt)
    {
        m_Geaendert = true;
        melde(aendErgebnis, schritt);
    };
}

bool clTurnier::meldeAuslosung(bool erfolg, const wxString& schritt)
{
    if (erfolg)
    {
        m_Geaendert = true;
        if (m_SpieleTB != nullptr)
            m_SpieleTB->Anpassen();
        melde(aendAuslosung, schritt);
    }
    return erfolg;
}

wxString clTurnier::getAuslosungsSperre() const
{
    if (getAnzahlTeilnehmer() >= MindestAuslosung)
        return wxString();
    return wxString::Format(
        wxGetTranslation(L"Zum Auslosen braucht es mindestens %d Teilnehmer; übernommen sind %d."),
        MindestAuslosung, getAnzahlTeilnehmer());
}

bool clTurnier::loseGruppen(std::mt19937& zufall)
{
    if (m_Allgemein.Turnierform != formGruppen || !getAuslosungsSperre().empty())
        return false;
    if (m_Gruppenphase != nullptr)
        for (int g = 1; g <= m_Gruppenphase->getAnzahlGruppen(); ++g)
            if (m_Gruppenphase->hatErgebnisse(g))
                return false;
    meldeVorher(aendAuslosung);
    ersetzeGruppenphase(std::make_unique<clGruppenphase>(getErgebnisMelder()));
    m_Gruppenphase->lose(m_Teilnehmer, m_Allgemein, zufall);
    // The draw makes at most one group per player; the file names the groups there are.
    m_Allgemein.Gruppen = m_Gruppenphase->getAnzahlGruppen();
    m_GruppenVeraltet = false;
    return meldeAuslosung(true, _("Gruppenauslosung"));
}

bool clTurnier::tauscheGruppenspieler(int g1, int p1, int g2, int p2)
{
    if (m_Gruppenphase == nullptr || !m_Gruppenphase->kannTauschen(g1, p1, g2, p2))
        return false;
    const wxString schritt = wxString::Format(wxGetTranslation(L"Tausch %s – %s"),
                                              m_Gruppenphase->getGruppe(g1)->getTeilnehmer(p1)->getAnzeige(),
                                              m_Gruppenphase->getGruppe(g2)->getTeilnehmer(p2)->getAnzeige());
    meldeVorher(aendAuslosung);
    return meldeAuslosung(m_Gruppenphase->tausche(g1, p1, g2, p2), schritt);
}

wxString clTurnier::pruefeKOAuslosung() const
{
    if (m_Allgemein.Turnierform != formKO)
        return wxGetTranslation(L"Nur im KO-System wird das Feld ohne Gruppen ausgelost.");
    if (getAnzahlTeilnehmer() < MindestAuslosung)
        return getAuslosungsSperre();
    if (m_Gruppenphase != nullptr && !m_Gruppenphase->kannEndrundeAuslosen())
        return _("Die Endrunde hat schon Ergebnisse: sie bleibt, wie sie ist.");
    return wxString();
}

bool clTurnier::loseEndrunde(std::mt19937& zufall, const std::vector<sEntscheidung>& entscheidungen)
{
    if (m_Allgemein.Turnierform == formKO)
    {
        if (!pruefeKOAuslosung().empty() || !entscheidungen.empty())
            return false;
        meldeVorher(aendAuslosung);
        std::unique_ptr<clGruppenphase> feld = std::make_unique<clGruppenphase>(getErgebnisMelder());
        feld->loseKO(m_Teilnehmer, m_Allgemein, zufall);
        ersetzeGruppenphase(std::move(feld));
        m_GruppenVeraltet = false;
        return meldeAuslosung(true, _("KO-Auslosung"));
    }
    if (m_Gruppenphase == nullptr || !m_Gruppenphase->kannEndrundeAuslosen())
        return false;
    meldeVorher(aendAuslosung);
    return meldeAuslosung(m_Gruppenphase->loseEndrunde(m_Allgemein, zufall, entscheidungen),
                          _("Endrundenauslosung"));
}

bool clTurnier::tauscheEndrundenLinien(int l1, int l2)
{
    if (m_Gruppenphase == nullptr || !m_Gruppenphase->kannLinienTauschen(l1, l2))
        return false;
    const vecTeilnehmer& linien = m_Gruppenphase->getEndrunde()->getLinien();
    const auto name = [&linien](int l) -> wxString
    { return linien[l - 1] ? linien[l - 1]->getAnzeige() : _("Freilos"); };
    const wxString schritt = wxString::Format(wxGetTranslation(L"Tausch %s – %s"), name(l1), name(l2));
    meldeVorher(aendAuslosung);
    return meldeAuslosung(m_Gruppenphase->tauscheLinien(l1, l2), schritt);
}

const clTeilnehmer* clTurnier::getSpieler(int startnr) const
{
    return m_Gruppenphase != nullptr ? m_Gruppenphase->getSpieler(startnr) : getTeilnehmer(startnr);
}

std::vector<clTTSpiel*> clTurnier::getOffeneSpiele(int startnr) const
{
    const clTeilnehmer* tn = getSpieler(startnr);
    std::vector<clTTSpiel*> offen;
    for (clTTSpiel* sp : getAlleSpiele())
        if (tn != nullptr && hatSpieler(sp) && (sp->getT1() == tn || sp->getT2() == tn) && !sp->hatEingaben())
            offen.push_back(sp);
    return offen;
}

const clTTSpiel* clTurnier::getWartendesSpiel(int startnr) const
{
    const clTeilnehmer* tn = getSpieler(startnr);
    const clEndrunde* endrunde = m_Gruppenphase != nullptr ? m_Gruppenphase->getEndrunde() : nullptr;
    for (int k = 0; tn != nullptr && endrunde != nullptr && k < endrunde->getAnzahlSpiele(); ++k)
    {
        const clTTSpiel* sp = endrunde->getSpiel(k);
        if ((sp->getT1() == tn && sp->getT2() == nullptr && !endrunde->istFrei(sp, 2)) ||
            (sp->getT2() == tn && sp->getT1() == nullptr && !endrunde->istFrei(sp, 1)))
            return sp;
    }
    return nullptr;
}

void clTurnier::zieheZurueck(int startnr)
{
    const clTeilnehmer* tn = getSpieler(startnr);
    const std::vector<clTTSpiel*> offen = getOffeneSpiele(startnr);
    if (offen.empty())
        return;
    for (clTTSpiel* sp : offen)
        sp->setAusfall(ausfKampflos, sp->getT1() == tn ? 1 : 2);
    if (m_SpieleTB != nullptr)
        m_SpieleTB->Anpassen();
    // One step, however many matches it gives away; in the bracket the opponent goes on.
    pruefeWertungen(offen,
                    wxString::Format(wxGetTranslation(L"Rückzug %s"), getTeilnehmer(startnr)->getAnzeige()));
}

void clTurnier::uebernehmeErgebnis(clTTSpiel* sp, bool tabelleNeu)
{
    if (m_Turniertabelle == nullptr || sp == nullptr || sp->getT1() == nullptr || sp->getT2() == nullptr)
        return;
    const int t1 = sp->getT1()->getStartNr();
    const int t2 = sp->getT2()->getStartNr();
    sWertung w1, w2;
    bool geaendert = false;
    // Standings begun anew hold nothing to take out, and the result is derived again below.
    if (!tabelleNeu && sp->altesErgebnis(w1, w2))
    {
        m_Turniertabelle->subtrahiereWertung(t1, w1);
        m_Turniertabelle->subtrahiereWertung(t2, w2);
        geaendert = true;
    }
    if (sp->bestimmeErgebnis(w1, w2))
    {
        m_Turniertabelle->addiereWertung(t1, w1);
        m_Turniertabelle->addiereWertung(t2, w2);
        geaendert = true;
    }
    if (geaendert)
        m_Turniertabelle->platziere(t1, t2);
}

void clTurnier::Aktualisieren(bool neu)
{
    if (neu || m_GruppenVeraltet)
        ersetzeGruppenphase(nullptr);
    else if (m_Gruppenphase != nullptr)
        m_Gruppenphase->uebernehme(m_Allgemein);
    m_GruppenVeraltet = false;
    if (neu)
    {
        leereTeilnehmer();
        ErzeugeSchema();
        AktualisiereAnzeigen();
        // General data typed for the new tournament are work to be saved.
        m_Geaendert = allgemeinGeaendert(allgemein());
    }
    else if (m_SchemaVeraltet)
    {
        // The roster is the same: participants typed but not applied yet stay on their page.
        erneuereSchema();
        aktualisiereSpielplanAnzeigen();
    }
    else if (m_WertungVeraltet)
    {
        // The pairings do not depend on the sets to win: schedule and results stay.
        m_Schema.setGewinnsaetze(m_Allgemein.Gewinnsaetze);
        aktualisiereSpielplanAnzeigen();
    }
    else if (m_SpieleTB != nullptr)
        m_SpieleTB->Anpassen();
    melde(neu ? aendNeu : aendAllgemein, _("Turnierdaten"));
}

void clTurnier::AktualisiereAnzeigen()
{
    if (m_TeilnehmerTB != nullptr)
        m_TeilnehmerTB->Aktualisieren();
    aktualisiereSpielplanAnzeigen();
}

void clTurnier::aktualisiereSpielplanAnzeigen()
{
    if (m_SpieleTB != nullptr)
        m_SpieleTB->Anpassen();
    m_WertungVeraltet = false;
    if (m_Turniertabelle == nullptr)
        return;
    // The standings start again from the results the schedule holds, so that a
    // refresh never leaves totals that the matches do not back up.
    const clWertungTableBase::clStapel stapel(m_Turniertabelle);
    m_Turniertabelle->setPlatzierungsmodus(static_cast<modPlatzierung>(m_Allgemein.PlatzierungIdx));
    m_Turniertabelle->setzeAnzahl(getAnzahlTeilnehmer(), true);
    for (clTTSpiel& sp : m_Schema.getSpiele())
        uebernehmeErgebnis(&sp, true);
}

// ---- the tournament file

void clTurnier::schreibeAbschnitte(clTurnierDatei& dat) const
{
    schreibeAllgemein(dat);
    schreibeTeilnehmer(dat);
    schreibeTurnierplan(dat);
    schreibeRunden(dat);
    if (m_Gruppenphase != nullptr)
        m_Gruppenphase->schreibe(dat);
    schreibeSpielbetrieb(dat);
}

void clTurnier::schreibeSpielbetrieb(clTurnierDatei& dat) const
{
    // A tournament run without calls is written without the section.
    if (m_Spielbetrieb.istLeer())
        return;
    // The file names players by their start numbers.
    std::unordered_map<int, int> startNr;
    for (const clTeilnehmer* tn : m_Teilnehmer)
        startNr[tn->getKennung()] = tn->getStartNr();
    dat.writeSektion("Spielbetrieb", m_Spielbetrieb.getSaveStrings([&startNr](int k) { return startNr[k]; }));
}

bool clTurnier::speichereTurnierDaten(const wxString& datei, wxString* fehler)
{
    clTurnierDatei dat(datei);
    schreibeAbschnitte(dat);
    schreibeEOF(dat);
    if (!dat.speichern(fehler))
        return false;
    m_Geaendert = false;
    return true;
}

bool clTurnier::speichereMit(const wxString& datei, const std::function<void(clTurnierDatei&)>& zusatz,
                             wxString* fehler) const
{
    clTurnierDatei dat(datei);
    schreibeAbschnitte(dat);
    zusatz(dat);
    schreibeEOF(dat);
    return dat.speichern(fehler);
}

std::string clTurnier::getAbbild() const
{
    clTurnierDatei dat(wxString{});
    schreibeAbschnitte(dat);
    schreibeEOF(dat);
    return dat.getAusgabe();
}

bool clTurnier::setzeAbbild(const std::string& abbild)
{
    // Typed rows keep to the participants they were made from, wherever these are
    // now (ordneEingabenZu).
    vecEditListe eingaben;
    std::vector<wxString> herkunft;
    std::vector<int> altePos;
    if (m_TeilnehmerTB != nullptr && m_TeilnehmerTB->hatAenderungen())
        eingaben = m_TeilnehmerTB->getEditListe();
    for (const spEditData& ed : eingaben)
    {
        const bool alt = ed.m_OldPos >= 0 && ed.m_OldPos < getAnzahlTeilnehmer();
        herkunft.push_back(alt ? m_Teilnehmer[ed.m_OldPos]->getSaveString() : wxString());
        altePos.push_back(alt ? ed.m_OldPos : -1);
    }
    clTurnierDatei dat(wxString{});
    dat.setInhalt(abbild);
    if (!lies(dat, wxString(), nullptr))
        return false;
    if (!eingaben.empty())
        m_TeilnehmerTB->setzeEditListe(ordneEingabenZu(eingaben, herkunft, altePos));
    m_Geaendert = true;
    melde(aendAbbild);
    return true;
}

vecEditListe clTurnier::ordneEingabenZu(vecEditListe eingaben, const std::vector<wxString>& herkunft,
                                        const std::vector<int>& altePos) const
{
    // A row finds its participant by the text it was made from, else, as after an
    // undone rename, at its place.
    // Each participant's line made once, not once for every row.
    std::vector<wxString> zeilenJetzt;
    zeilenJetzt.reserve(m_Teilnehmer.size());
    for (const clTeilnehmer* tn : m_Teilnehmer)
        zeilenJetzt.push_back(tn->getSaveString());
    std::vector<bool> vergeben(m_Teilnehmer.size(), false);
    for (size_t i = 0; i < eingaben.size(); ++i)
    {
        eingaben[i].m_OldPos = -1;
        for (size_t k = 0; k < m_Teilnehmer.size() && !herkunft[i].empty(); ++k)
            if (!vergeben[k] && zeilenJetzt[k] == herkunft[i])
            {
                eingaben[i].m_OldPos = static_cast<int>(k);
                vergeben[k] = true;
                break;
            }
    }
    for (size_t i = 0; i < eingaben.size(); ++i)
        if (eingaben[i].m_OldPos < 0 && altePos[i] >= 0 &&
            altePos[i] < static_cast<int>(m_Teilnehmer.size()) && !vergeben[altePos[i]])
        {
            eingaben[i].m_OldPos = altePos[i];
            vergeben[altePos[i]] = true;
        }
    // A row nobody typed in shows its participant as it is now, and is dropped with
    // it; a typed row whose participant is gone is a new one.
    vecEditListe zeilen;
    for (spEditData& ed : eingaben)
    {
        const bool getippt = ed.m_EditStatus != esClear;
        if (ed.m_OldPos >= 0 && !getippt)
            m_Teilnehmer[ed.m_OldPos]->fuelleEditData(ed, ed.m_OldPos);
        else if (ed.m_OldPos < 0 && !getippt)
            continue;
        else if (ed.m_OldPos < 0)
            ed.m_EditStatus |= esNew;
        zeilen.push_back(std::move(ed));
    }
    // Participants no row names, as one whose striking was undone, stay, each
    // before the first row of a later participant.
    for (size_t k = 0; k < m_Teilnehmer.size(); ++k)
    {
        if (vergeben[k])
            continue;
        const auto spaeter =
            std::find_if(zeilen.begin(), zeilen.end(),
                         [k](const spEditData& ed) { return ed.m_OldPos > static_cast<int>(k); });
        m_Teilnehmer[k]->fuelleEditData(*zeilen.insert(spaeter, spEditData()), static_cast<int>(k));
    }
    return zeilen;
}

bool clTurnier::liesTurnierDaten(const wxString& datei, wxString* fehler)
{
    clTurnierDatei dat(datei);
    if (!dat.lesen(fehler) || !lies(dat, datei, fehler))
        return false;
    m_Geaendert = false;
    melde(aendGeladen);
    return true;
}

bool clTurnier::lies(const clTurnierDatei& dat, const wxString& name, wxString* fehler)
{
    std::wstring teilnehmerText;
    std::vector<std::wstring_view> teilnehmer;
    // Read once: the groups copy their players from these.
    vecTeilnehmer gelesen;
    wxString grund;
    allgemein alg;
    std::unique_ptr<clGruppenphase> gruppen;
    std::vector<eingaben> spiele;
    std::vector<size_t> rundenEnde;
    clSpielbetrieb spielbetrieb;
    if (!dat.hatSektion("Allgemein"))
        grund = wxString::Format(
            wxGetTranslation(L"„%s“ ist keine Turnierdatei: der Abschnitt „Allgemein“ fehlt."), name);
    else if (!dat.getSektion("Teilnehmer", teilnehmerText, teilnehmer, MaxTeilnehmer))
        grund =
            wxString::Format(wxGetTranslation(L"„%s“ hat mehr als %d Teilnehmer; Quobel lädt höchstens %d."),
                             name, MaxTeilnehmer, MaxTeilnehmer);
    else
    {
        alg = liesAllgemein(dat);
        gelesen = liesTeilnehmer(teilnehmer);
        grund = pruefePaare(gelesen, alg, name);
        if (grund.empty())
            grund = liesRunden(dat, alg, static_cast<int>(teilnehmer.size()), name, spiele, rundenEnde);
        wxString schaden;
        if (grund.empty() && alg.Turnierform != formJederGegenJeden)
            gruppen = clGruppenphase::lies(dat, gelesen, alg, getErgebnisMelder(), schaden);
        wxArrayString aufrufe;
        // Only calls need the identities of the matches; the first line is the least pause.
        if (grund.empty() && schaden.empty() && dat.getSektion("Spielbetrieb", aufrufe, SIZE_MAX))
            spielbetrieb.lies(aufrufe,
                              aufrufe.size() > 1
                                  ? getKennungen(teilnehmer.size(), alg, liesTurnierplan(dat), gruppen.get())
                                  : std::vector<sSpielKennung>(),
                              alg.Platten, schaden);
        if (!schaden.empty())
            grund = wxString::Format(wxGetTranslation(L"„%s“ ist beschädigt: %s"), name, schaden);
    }
    if (!grund.empty())
    {
        for (clTeilnehmer* tn : gelesen)
            delete tn;
        if (fehler != nullptr)
            *fehler = grund;
        return false;
    }
    // Everything is read: only now the tournament is replaced.
    m_Allgemein = alg;
    ersetzeGruppenphase(std::move(gruppen));
    m_GruppenVeraltet = false;
    besetze(std::move(gelesen), liesTurnierplan(dat), spiele, rundenEnde);
    // Only calls need the identities of the matches.
    std::vector<sSpielKennung> kennungen;
    const std::vector<clTTSpiel*> alle = getAlleSpiele(spielbetrieb.istLeer() ? nullptr : &kennungen);
    m_Spielbetrieb.uebernehme(std::move(spielbetrieb), alle, kennungen);
    return true;
}

void clTurnier::besetze(vecTeilnehmer tl, const wxString& auslasser, const std::vector<eingaben>& spiele,
                        const std::vector<size_t>& rundenEnde)
{
    leereTeilnehmer();
    m_Teilnehmer = std::move(tl);
    m_HoechsteKennung = 0;
    for (size_t i = 0; i < m_Teilnehmer.size(); ++i)
    {
        m_Teilnehmer[i]->setStartNr(static_cast<int>(i) + 1);
        m_HoechsteKennung = std::max(m_HoechsteKennung, m_Teilnehmer[i]->getKennung());
    }
    erzeugeSchema(auslasser);
    for (size_t r = 0, k = 0; r < rundenEnde.size(); ++r)
    {
        const clRunde* runde = m_Schema.getRunde(static_cast<int>(r) + 1);
        for (int p = 1; k < rundenEnde[r]; ++p, ++k)
            if (clTTSpiel* sp = runde->getSpiel(p))
                sp->setEingaben(spiele[k]);
    }
    // The views and the standings follow the scores read, marks of walkovers included.
    AktualisiereAnzeigen();
}

wxString clTurnier::pruefePaare(const vecTeilnehmer& teilnehmer, const allgemein& alg, const wxString& name)
{
    if (alg.Art != artEinzel)
        return wxString();
    for (size_t i = 0; i < teilnehmer.size(); ++i)
    {
        if (teilnehmer[i]->istPaar())
            return wxString::Format(wxGetTranslation(L"„%s“ ist beschädigt: Zeile %d des Abschnitts "
                                                     L"„Teilnehmer“ nennt ein Doppel, der Abschnitt "
                                                     L"„Allgemein“ aber ein Einzel."),
                                    name, static_cast<int>(i) + 1);
    }
    return wxString();
}

std::vector<sSpielKennung> clTurnier::getKennungen(size_t teilnehmer, const allgemein& alg,
                                                   const wxString& auslasser, const clGruppenphase* gruppen)
{
    std::vector<sSpielKennung> kennungen;
    if (alg.Turnierform == formJederGegenJeden)
    {
        // The schedule is made as the tournament will make it, of stand-ins for the players.
        std::vector<clTeilnehmer> spieler(teilnehmer);
        vecTeilnehmer tl;
        for (size_t i = 0; i < spieler.size(); ++i)
        {
            spieler[i].setStartNr(static_cast<int>(i) + 1);
            spieler[i].setKennung(static_cast<int>(i) + 1);
            tl.push_back(&spieler[i]);
        }
        clSchema schema;
        schema.neuerSpielplan(alg.Platten, &tl, static_cast<modErzeugung>(alg.ModusIdx + modDicht),
                              auslasser);
        for (int r = 1; r <= schema.AnzRunden(); ++r)
            for (int p = 1; const clTTSpiel* sp = schema.getSpiel(r, p); ++p)
                kennungen.emplace_back(phaseSpielplan, 0, sp->getT1()->getKennung(),
                                       sp->getT2()->getKennung());
    }
    std::vector<clTTSpiel*> spiele;
    if (gruppen != nullptr)
        gruppen->sammleSpiele(spiele, &kennungen);
    return kennungen;
}

void clTurnier::schreibeAllgemein(clTurnierDatei& dat) const
{
    wxArrayString sek;
    for (const wxString* text :
         {&m_Allgemein.Bezeichnung, &m_Allgemein.Veranstalter, &m_Allgemein.Datum, &m_Allgemein.Ort})
        sek.Add(clMaskierung::maskiereZeile(clMaskierung::maskiere(*text)));
    sek.Add(wxString::Format("%d", m_Allgemein.Platten));
    sek.Add(wxString::Format("%d", m_Allgemein.ModusIdx));
    // A round robin of singles by the default rules is written without these
    // lines; each line is there when one after it is.
    const allgemein standard;
    const bool doppel = m_Allgemein.Art != artEinzel;
    const bool gruppen = m_Allgemein.Turnierform != formJederGegenJeden || doppel;
    if (wertungParameterGeaendert(standard) || gruppen)
    {
        sek.Add(wxString::Format("%d", m_Allgemein.Gewinnsaetze));
        sek.Add(wxString::Format("%d", m_Allgemein.PlatzierungIdx));
    }
    if (gruppen)
        for (int wert : {m_Allgemein.Turnierform, m_Allgemein.Gruppen, m_Allgemein.Aufsteiger,
                         m_Allgemein.GewinnsaetzeEndrunde, m_Allgemein.SpielUmPlatz3 ? 1 : 0})
            sek.Add(wxString::Format("%d", wert));
    if (doppel)
        sek.Add(wxString::Format("%d", m_Allgemein.Art));
    dat.writeSektion("Allgemein", sek);
}

void clTurnier::schreibeTeilnehmer(clTurnierDatei& dat) const
{
    wxArrayString sek;
    for (const clTeilnehmer* tn : m_Teilnehmer)
        sek.Add(tn->getSaveString());
    dat.writeSektion("Teilnehmer", sek);
}

void clTurnier::schreibeTurnierplan(clTurnierDatei& dat) const
{
    wxArrayString sek;
    sek.Add(m_Schema.gibSaveString());
    dat.writeSektion("Spielplan", sek);
}

void clTurnier::schreibeRunden(clTurnierDatei& dat) const
{
    wxArrayString sek;
    for (int r = 1; r <= m_Schema.AnzRunden(); ++r)
        sek.Add(m_Schema.getRunde(r)->getSaveString());
    dat.writeSektion("Runden", sek);
}

void clTurnier::schreibeEOF(clTurnierDatei& dat) const
{
    dat.writeSektion("EOF", wxArrayString());
}

allgemein clTurnier::liesAllgemein(const clTurnierDatei& dat)
{
    wxArrayString sek;
    dat.getSektion("Allgemein", sek, AllgemeinZeilen);
    allgemein alg;
    wxString* texte[] = {&alg.Bezeichnung, &alg.Veranstalter, &alg.Datum, &alg.Ort};
    for (size_t i = 0; i < 4 && i < sek.size(); ++i)
        *texte[i] = clMaskierung::demaskiere(sek[i]);
    if (sek.size() > 4)
        alg.Platten = std::clamp(clZahl::lies(sek[4]), 1, MaxPlatten);
    // A value out of range falls back to the default.
    const auto liesIndex = [&sek](size_t zeile, int& feld, int von, int bis)
    {
        const int wert = zeile < sek.size() ? clZahl::lies(sek[zeile]) : feld;
        if (wert >= von && wert <= bis)
            feld = wert;
    };
    liesIndex(5, alg.ModusIdx, 0, AnzModi - 1);
    liesIndex(6, alg.Gewinnsaetze, clTTSpiel::MinGewinnsaetze, clTTSpiel::MaxGewinnsaetze);
    liesIndex(7, alg.PlatzierungIdx, platzSiege, platzDifferenz);
    liesIndex(8, alg.Turnierform, formJederGegenJeden, formKO);
    liesIndex(9, alg.Gruppen, 1, MaxTeilnehmer);
    liesIndex(10, alg.Aufsteiger, 1, 2);
    liesIndex(11, alg.GewinnsaetzeEndrunde, clTTSpiel::MinGewinnsaetze, clTTSpiel::MaxGewinnsaetze);
    int platz3 = alg.SpielUmPlatz3 ? 1 : 0;
    liesIndex(12, platz3, 0, 1);
    alg.SpielUmPlatz3 = platz3 == 1;
    liesIndex(13, alg.Art, artEinzel, artMixed);
    return alg;
}

vecTeilnehmer clTurnier::liesTeilnehmer(const std::vector<std::wstring_view>& zeilen)
{
    vecTeilnehmer tl;
    tl.reserve(zeilen.size());
    for (std::wstring_view zeile : zeilen)
    {
        clTeilnehmer* tn = new clTeilnehmer;
        tn->setFromSaveString(zeile);
        tl.push_back(tn);
        // A loaded roster numbers its players afresh, as the file does.
        tn->setStartNr(static_cast<int>(tl.size()));
        tn->setKennung(tn->getStartNr());
    }
    return tl;
}

wxString clTurnier::liesTurnierplan(const clTurnierDatei& dat)
{
    wxArrayString sek;
    dat.getSektion("Spielplan", sek, 1);
    return sek.empty() ? wxString() : sek[0];
}

wxString clTurnier::liesRunden(const clTurnierDatei& dat, const allgemein& alg, int teilnehmer,
                               const wxString& name, std::vector<eingaben>& spiele,
                               std::vector<size_t>& rundenEnde)
{
    // Only the lines of the rounds the schedule will have, and of each only as many
    // groups as it has tables, are read.
    const size_t anzahl = static_cast<size_t>(clSchema::zaehleRunden(teilnehmer, alg.Platten));
    const int platten = clSchema::zaehlePlatten(teilnehmer, alg.Platten);
    spiele.reserve(anzahl * static_cast<size_t>(platten));
    wxString grund;
    // The bytes are read as they stand: a round's signs are ASCII in every encoding.
    dat.fuerRohzeilen("Runden", anzahl,
                      [&](std::string_view zeile)
                      {
                          wxString falsch;
                          if (!clRunde::liesSaveString(zeile, platten, spiele, falsch))
                              grund = wxString::Format(
                                  wxGetTranslation(L"„%s“ ist beschädigt: in Zeile %d des Abschnitts "
                                                   L"„Runden“ ist „%s“ weder ein Satz noch eine Markierung."),
                                  name, static_cast<int>(rundenEnde.size()) + 1, falsch);
                          rundenEnde.push_back(spiele.size());
                          return grund.empty();
                      });
    return grund;
}
