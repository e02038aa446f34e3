#include "datei/clPortalImport.h"

#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"

#include <algorithm>
#include <map>
#include <wx/intl.h>

namespace
{
// What tells the entry apart as sPortalSpieler::getIdentitaet does; by the names
// and clubs alone when nurNamen.
wxString identitaet(const clTurniertag& tag, int i, int kennung, bool nurNamen)
{
    std::vector<wxString> teile;
    for (int nr : tag.getPersonenVon(i, kennung))
        if (const clPerson* p = tag.getPerson(nr))
            teile.push_back(p->getIdentitaet(nurNamen));
    return sPortalSpieler::verbinde(teile);
}

// Takes the persons' names, clubs and ratings into a row of the participants page.
void setzeZeile(spEditData& ed, const std::vector<clPerson>& personen)
{
    ed.m_VName = personen[0].Vorname;
    ed.m_Name = personen[0].Name;
    ed.m_Verein = personen[0].Verein;
    ed.m_TTR = personen[0].TTR;
    if (personen.size() == 2)
        ed.m_Partner = personen[1].getMeldedaten();
}

wxString liste(const std::vector<wxString>& namen)
{
    wxString text;
    for (const wxString& n : namen)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}
} // namespace

clPortalImport::clPortalImport(const clTurniertag& tag, const clPortalDokument& dok,
                               const std::set<wxString>& aufnehmen)
    : m_Tag(tag), m_Dok(dok), m_Aufnehmen(aufnehmen)
{
    int neueKlassen = 0;
    bool ersteVergeben = false;
    for (const sPortalWettbewerb& w : dok.getWettbewerbe())
    {
        m_Plaene.push_back(plane(w, ersteVergeben));
        const sPlan& p = m_Plaene.back();
        neueKlassen += p.klasse == 0 && !p.ersteKlasse;
        if (!p.grund.empty() && m_Fehler.empty())
            m_Fehler = wxString::Format(wxGetTranslation(L"„%s“: %s Es wird nichts importiert."), w.getName(),
                                        p.grund);
    }
    if (tag.getAnzahl() + neueKlassen > clTurniertag::MaxKonkurrenzen)
        m_Fehler =
            wxString::Format(wxGetTranslation(L"Ein Turniertag hat höchstens %d Konkurrenzen; der Import "
                                              L"brächte %d."),
                             clTurniertag::MaxKonkurrenzen, tag.getAnzahl() + neueKlassen);
}

clPortalImport::sPlan clPortalImport::plane(const sPortalWettbewerb& w, bool& ersteVergeben) const
{
    sPlan p;
    p.wettbewerb = &w;
    const clPortalDaten& portal = m_Tag.getPortal();
    p.klasse = portal.findeKlasse(w.getSchluessel());
    const int i = m_Tag.findeKennung(p.klasse);
    if (i < 0)
    {
        p.klasse = 0;
        // A new tournament starts with one empty class: the first competition takes it.
        const clTurnier* erste = m_Tag.getKonkurrenz(0);
        p.ersteKlasse = !ersteVergeben && m_Tag.getAnzahl() == 1 && erste->getAnzahlTeilnehmer() == 0 &&
                        portal.getWettbewerb(m_Tag.getKennung(0)).empty();
        ersteVergeben = ersteVergeben || p.ersteKlasse;
        for (size_t s = 0; s < w.spieler.size(); ++s)
            (nimmt(w.spieler[s]) ? p.neu : p.warteliste).push_back(s);
        // The class's own check of its entries, on a class of the competition's type.
        clTurnier probe;
        allgemein alg = *probe.getAllgemein();
        alg.Art = w.getKonkurrenzArt();
        probe.setAllgemein(&alg);
        p.grund = probe.pruefeTeilnehmerliste(baueListe(probe, p, false, nullptr));
        return p;
    }
    const clTurnier* k = m_Tag.getKonkurrenz(i);
    // Entries by what tells them apart; those typed in Quobel also by their names.
    std::map<wxString, int> nachIdentitaet, nachNamen;
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
    {
        const int kennung = k->getTeilnehmer(snr)->getKennung();
        nachIdentitaet[identitaet(m_Tag, i, kennung, false)] = kennung;
        if (portal.getSpieler(p.klasse, kennung).empty())
            nachNamen[identitaet(m_Tag, i, kennung, true)] = kennung;
    }
    std::set<int> getroffen;
    for (size_t s = 0; s < w.spieler.size(); ++s)
    {
        const sPortalSpieler& sp = w.spieler[s];
        int kennung = 0;
        const auto a = nachIdentitaet.find(sp.getIdentitaet());
        const auto b = nachNamen.find(sp.getIdentitaet(true));
        if (a != nachIdentitaet.end() && getroffen.count(a->second) == 0)
            kennung = a->second;
        else if (b != nachNamen.end() && getroffen.count(b->second) == 0)
            kennung = b->second;
        if (kennung != 0)
        {
            getroffen.insert(kennung);
            p.treffer.emplace_back(kennung, s);
        }
        else if (!nimmt(sp))
            p.warteliste.push_back(s);
        else if (k->getGruppenphase() != nullptr)
            p.abgewiesen.push_back(s);
        else
            p.neu.push_back(s);
    }
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
    {
        const int kennung = k->getTeilnehmer(snr)->getKennung();
        if (getroffen.count(kennung) == 0 && !portal.getSpieler(p.klasse, kennung).empty())
            p.entfallend.push_back(kennung);
    }
    vecEditListe el = baueListe(*k, p, true, &p.geaendert);
    p.grund = k->pruefeTeilnehmerliste(el);
    p.verloren = k->verloreneErgebnisse(el);
    return p;
}

vecEditListe clPortalImport::baueListe(const clTurnier& k, const sPlan& p, bool entfernen, int* geaendert)
{
    vecEditListe el;
    k.fillEditListe(el);
    std::map<int, size_t> zeileVon;
    for (size_t z = 0; z < el.size(); ++z)
        zeileVon[k.getTeilnehmer(el[z].m_OldPos + 1)->getKennung()] = z;
    const bool ausgelost = k.getGruppenphase() != nullptr;
    for (const auto& [kennung, s] : p.treffer)
    {
        spEditData& ed = el[zeileVon[kennung]];
        std::vector<clPerson> personen = p.wettbewerb->spieler[s].personen;
        // A pair keeps its order: the portal's persons go where the entry has them.
        if (personen.size() == 2 &&
            personen[1].getMeldedaten().getSchluessel() == ed.getPerson().getSchluessel())
            std::swap(personen[0], personen[1]);
        const spEditData vorher = ed;
        const wxString anzeige = ed.m_Anzeige;
        setzeZeile(ed, personen);
        const bool namenNeu = ed.m_VName != vorher.m_VName || ed.m_Name != vorher.m_Name;
        // A display name Quobel made follows the new names; one the organiser typed stays.
        if (namenNeu && clTeilnehmer::istAbgeleitet(anzeige, vorher.m_VName, vorher.m_Name, vorher.m_Partner))
            ed.m_Anzeige.clear();
        if (namenNeu || ed.m_Verein != vorher.m_Verein || ed.m_TTR != vorher.m_TTR ||
            ed.m_Partner.getSchluessel() != vorher.m_Partner.getSchluessel() ||
            ed.m_Partner.m_TTR != vorher.m_Partner.m_TTR)
        {
            ed.m_EditStatus |= esDirty;
            if (geaendert != nullptr)
                ++*geaendert;
        }
    }
    if (entfernen && !ausgelost)
        for (int kennung : p.entfallend)
            el[zeileVon[kennung]].m_EditStatus |= esDeleted;
    for (size_t s : p.neu)
    {
        spEditData ed;
        ed.m_EditStatus = esNew;
        setzeZeile(ed, p.wettbewerb->spieler[s].personen);
        el.push_back(ed);
    }
    return el;
}

wxString clPortalImport::getZusammenfassung() const
{
    wxString text = wxString::Format(wxGetTranslation(L"Turnier „%s“:\n"), m_Dok.getTurnier());
    std::map<wxString, std::set<const sPortalWettbewerb*>> personen;
    int meldungen = 0;
    for (const sPlan& p : m_Plaene)
    {
        const sPortalWettbewerb& w = *p.wettbewerb;
        const bool neu = p.klasse == 0;
        const wxString name = neu ? w.getName() : m_Tag.getName(m_Tag.findeKennung(p.klasse));
        if (neu)
            text += wxString::Format(wxGetTranslation(L"• „%s“ (neu): %d Meldungen"), name,
                                     static_cast<int>(p.neu.size()));
        else
            text += wxString::Format(wxGetTranslation(L"• „%s“: %d neu, %d geändert, %d nicht mehr gemeldet"),
                                     name, static_cast<int>(p.neu.size()), p.geaendert,
                                     static_cast<int>(p.entfallend.size()));
        std::vector<wxString> warten, abgewiesen;
        for (size_t s : p.warteliste)
            warten.push_back(w.spieler[s].getName());
        for (size_t s : p.abgewiesen)
            abgewiesen.push_back(w.spieler[s].getName());
        if (!warten.empty())
            text += wxString::Format(_(", %d auf der Warteliste (%s)"), static_cast<int>(warten.size()),
                                     liste(warten));
        if (!abgewiesen.empty())
            text += wxString::Format(wxGetTranslation(L"; schon ausgelost, nicht mehr aufgenommen: %s"),
                                     liste(abgewiesen));
        text += '\n';
        for (const sPortalSpieler& s : w.spieler)
            if (nimmt(s))
            {
                ++meldungen;
                for (const clPerson& pp : s.personen)
                    personen[pp.getIdentitaet()].insert(&w);
            }
    }
    const int mehrere = static_cast<int>(
        std::count_if(personen.begin(), personen.end(), [](const auto& e) { return e.second.size() > 1; }));
    text += wxString::Format(
        wxGetTranslation(
            L"Zusammen %d Konkurrenzen, %d Meldungen, %d Personen, davon %d in mehreren Konkurrenzen.\n"),
        static_cast<int>(m_Plaene.size()), meldungen, static_cast<int>(personen.size()), mehrere);
    for (const wxString& h : m_Dok.getHinweise())
        text += h + '\n';
    return text;
}

wxString clPortalImport::getEntfallende() const
{
    wxString text;
    for (const sPlan& p : m_Plaene)
    {
        const int i = m_Tag.findeKennung(p.klasse);
        if (p.entfallend.empty())
            continue;
        const clTurnier* k = m_Tag.getKonkurrenz(i);
        std::vector<wxString> namen;
        for (int kennung : p.entfallend)
            namen.push_back(k->getTeilnehmer(k->getStartNrVon(kennung))->getVollerName());
        text += wxString::Format(wxGetTranslation(L"„%s“: %s"), m_Tag.getName(i), liste(namen));
        if (k->getGruppenphase() != nullptr)
            text += wxGetTranslation(L" (schon ausgelost: bleiben in der Konkurrenz)");
        else if (!p.verloren.empty())
            text += " – " + p.verloren;
        text += '\n';
    }
    return text;
}

bool clPortalImport::wendeAn(clTurniertag& tag, bool entfernen) const
{
    if (!m_Fehler.empty())
        return false;
    return tag.aendereInEinemSchritt(
        [this, entfernen](clTurniertag& arbeit) { return fuehreAus(arbeit, entfernen); },
        m_Aufnehmen.empty() ? _("Import aus dem Turnierportal") : _("Von der Warteliste aufgenommen"));
}

bool clPortalImport::fuehreAus(clTurniertag& tag, bool entfernen) const
{
    // A day still without a title of its own takes the portal's name and date.
    clTurnier* erste = tag.getKonkurrenz(0);
    allgemein tagesdaten = *erste->getAllgemein();
    if (tagesdaten.Bezeichnung == allgemein().Bezeichnung && !m_Dok.getTurnier().empty())
    {
        tagesdaten.Bezeichnung = m_Dok.getTurnier();
        if (!m_Dok.getDatum().empty())
            tagesdaten.Datum = m_Dok.getDatum();
        erste->setAllgemein(&tagesdaten);
        erste->Aktualisieren(false);
    }
    for (const sPlan& p : m_Plaene)
    {
        const sPortalWettbewerb& w = *p.wettbewerb;
        int i = tag.findeKennung(p.klasse);
        if (p.klasse == 0)
        {
            wxString name = w.getName();
            for (int n = 2; !tag.pruefeName(name, p.ersteKlasse ? 0 : -1).empty(); ++n)
                name = wxString::Format("%s %d", w.getName(), n);
            i = p.ersteKlasse ? 0 : tag.fuegeHinzu(name);
            if (i < 0 || (p.ersteKlasse && tag.getName(0) != name && !tag.benenneUm(0, name)))
                return false;
            clTurnier* k = tag.getKonkurrenz(i);
            allgemein alg = *k->getAllgemein();
            alg.Art = w.getKonkurrenzArt();
            // A field of more than a few is played in groups of about four and a
            // bracket, not each against each: the organiser may choose otherwise
            // before the draw.
            const int anzahl = static_cast<int>(p.neu.size());
            if (anzahl > 6)
            {
                alg.Turnierform = formGruppen;
                alg.Gruppen = (anzahl + 2) / 4;
            }
            k->setAllgemein(&alg);
            k->Aktualisieren(false);
        }
        clTurnier* k = tag.getKonkurrenz(i);
        vecEditListe el = baueListe(*tag.getKonkurrenz(i), p, entfernen, nullptr);
        if (!k->pruefeTeilnehmerliste(el).empty())
            return false;
        k->UpdateTeilnehmer(el);
        tag.getPortal().setWettbewerb(tag.getKennung(i), w.getSchluessel());
        verknuepfe(tag, i, p);
    }
    tag.getPortal().setDokument(m_Dok.getText());
    return true;
}

void clPortalImport::verknuepfe(clTurniertag& tag, int i, const sPlan& p) const
{
    const int klasse = tag.getKennung(i);
    const clTurnier* k = tag.getKonkurrenz(i);
    const sPortalWettbewerb& w = *p.wettbewerb;
    clPortalDaten& portal = tag.getPortal();
    for (int kennung : p.entfallend)
        portal.setSpieler(klasse, kennung, wxString());
    std::vector<std::pair<int, size_t>> paare = p.treffer;
    // The new entries are found by their names: their persons know nothing else yet.
    std::map<wxString, int> neueNachNamen;
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
    {
        const int kennung = k->getTeilnehmer(snr)->getKennung();
        if (portal.getSpieler(klasse, kennung).empty())
            neueNachNamen[identitaet(tag, i, kennung, true)] = kennung;
    }
    for (size_t s : p.neu)
    {
        const auto it = neueNachNamen.find(w.spieler[s].getIdentitaet(true));
        if (it != neueNachNamen.end())
            paare.emplace_back(it->second, s);
    }
    for (const auto& [kennung, s] : paare)
    {
        const sPortalSpieler& sp = w.spieler[s];
        portal.setSpieler(klasse, kennung, sp.id);
        for (int nr : tag.getPersonenVon(i, kennung))
            for (clPerson daten : sp.personen)
                if (daten.getIdentitaet(true) == tag.getPerson(nr)->getIdentitaet(true))
                {
                    daten.setKennung(nr);
                    tag.setPersonendaten(daten);
                }
    }
}

std::vector<const sPortalSpieler*> clPortalImport::getWarteliste(const clTurniertag& tag,
                                                                 const clPortalDokument& dok, int i)
{
    std::vector<const sPortalSpieler*> warten;
    const sPortalWettbewerb* w = dok.findeWettbewerb(tag.getPortal().getWettbewerb(tag.getKennung(i)));
    if (w == nullptr)
        return warten;
    std::set<wxString> eingetragen;
    const clTurnier* k = tag.getKonkurrenz(i);
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
        eingetragen.insert(
            tag.getPortal().getSpieler(tag.getKennung(i), k->getTeilnehmer(snr)->getKennung()));
    for (const sPortalSpieler& s : w->spieler)
        if (s.warteliste && eingetragen.count(s.id) == 0)
            warten.push_back(&s);
    return warten;
}
