#include "ausgabe/clPortalExport.h"

#include "datei/clPortalDokument.h"
#include "datei/clTurnierDatei.h"
#include "modell/clEndrunde.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "tabellen/clWertungTableBase.h"

#include <map>
#include <pugixml.hpp>
#include <set>
#include <wx/intl.h>

namespace
{
void setze(pugi::xml_node knoten, const char* name, const std::string& wert)
{
    pugi::xml_attribute a = knoten.attribute(name);
    (a ? a : knoten.append_attribute(name)).set_value(wert.c_str());
}

std::string utf8(const wxString& text)
{
    return std::string(text.utf8_str());
}

// The final place of each entry (stable number) that has one.
std::map<int, int> plaetze(const clTurniertag& tag, int i)
{
    std::map<int, int> platz;
    const clTurnier* k = tag.getKonkurrenz(i);
    if (const clGruppenphase* gp = k->getGruppenphase())
    {
        for (const sPlatzierung& p : gp->getEndstand())
            if (p.platz > 0 && p.tn != nullptr)
                platz[p.tn->getKennung()] = p.platz;
        return platz;
    }
    // A round robin has its final places once every match is decided.
    const auto [entschieden, alle] = tag.getSpielstand(i);
    const clWertungTableBase* wt = k->getWertungTableBase();
    if (alle == 0 || entschieden != alle || wt == nullptr)
        return platz;
    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
        if (wt->getPlatz(snr) >= 0)
            platz[k->getTeilnehmer(snr)->getKennung()] = wt->getGeteilterPlatz(wt->getPlatz(snr)) + 1;
    return platz;
}

wxString stufe(const clTurnier& k, const clTTSpiel* sp, const sSpielKennung& kennung)
{
    if (kennung.phase == phaseGruppe)
        return wxString::Format(_("Gruppe %d"), kennung.nr);
    if (kennung.phase == phaseEndrunde && k.getGruppenphase() != nullptr &&
        k.getGruppenphase()->getEndrunde() != nullptr)
        return k.getGruppenphase()->getEndrunde()->getSpielname(sp);
    return _("Gruppe 1");
}
} // namespace

clPortalExport::clPortalExport(const clTurniertag& tag) : m_Tag(tag) {}

bool clPortalExport::erzeuge(std::string& xml, wxString* fehler)
{
    m_OhneKennung.clear();
    m_Spiele = 0;
    const clPortalDaten& portal = m_Tag.getPortal();
    pugi::xml_document doc;
    if (portal.istLeer() ||
        !doc.load_buffer(portal.getDokument().data(), portal.getDokument().size(),
                         pugi::parse_default | pugi::parse_doctype | pugi::parse_declaration,
                         pugi::encoding_utf8))
    {
        *fehler = _("Dieses Turnier ist nicht aus dem Turnierportal importiert.");
        return false;
    }
    for (pugi::xml_node wettbewerb : doc.document_element().children("competition"))
    {
        const int klasse = portal.findeKlasse(clPortalDokument::schluesselVon(wettbewerb));
        const int i = m_Tag.findeKennung(klasse);
        if (klasse == 0 || i < 0)
            continue;
        const clTurnier* k = m_Tag.getKonkurrenz(i);
        std::map<int, wxString> ids;
        std::map<wxString, int> kennungVon;
        for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
        {
            const int kennung = k->getTeilnehmer(snr)->getKennung();
            ids[kennung] = portal.getSpieler(klasse, kennung);
            if (!ids[kennung].empty())
                kennungVon[ids[kennung]] = kennung;
        }
        const std::map<int, int> platz = plaetze(m_Tag, i);
        for (pugi::xml_node spieler : wettbewerb.child("players").children("player"))
        {
            const auto kennung = kennungVon.find(clPortalDokument::wert(spieler.attribute("id")));
            const auto p = kennung == kennungVon.end() ? platz.end() : platz.find(kennung->second);
            if (p != platz.end())
                setze(spieler, "placement", std::to_string(p->second));
        }
        wettbewerb.remove_child("matches");
        pugi::xml_node spiele = wettbewerb.append_child("matches");
        std::set<int> ohne;
        std::vector<sSpielKennung> kennungen;
        const std::vector<clTTSpiel*> alle = k->getAlleSpiele(&kennungen);
        int nr = 0;
        for (size_t s = 0; s < alle.size(); ++s)
        {
            const clTTSpiel* sp = alle[s];
            sWertung w1, w2;
            if (sp->getT1() == nullptr || sp->getT2() == nullptr || !sp->getErgebnis(w1, w2) ||
                sp->getAusfallArt() == ausfKampflos)
                continue;
            const wxString a = ids[sp->getT1()->getKennung()];
            const wxString b = ids[sp->getT2()->getKennung()];
            if (a.empty() || b.empty())
            {
                for (const clTeilnehmer* tn : {sp->getT1(), sp->getT2()})
                    if (ids[tn->getKennung()].empty() && ohne.insert(tn->getKennung()).second)
                        m_OhneKennung.push_back(
                            wxString::Format("%s (%s)", tn->getVollerName(), m_Tag.getName(i)));
                continue;
            }
            pugi::xml_node spiel = spiele.append_child("match");
            setze(spiel, "nr", std::to_string(++nr));
            setze(spiel, "group", utf8(stufe(*k, sp, kennungen[s])));
            setze(spiel, "player-a", utf8(a));
            setze(spiel, "player-b", utf8(b));
            // The sets as played: a retirement keeps them, and only the match goes to the opponent.
            int saetze[2] = {0, 0}, punkte[2] = {0, 0};
            std::string seite[2][clTTSpiel::MaxSaetze];
            for (int n = 1; n <= clTTSpiel::MaxSaetze; ++n)
            {
                const satz st = sp->getSatzErg(n);
                const int p1 = std::max(st.P1, 0), p2 = std::max(st.P2, 0);
                seite[0][n - 1] = std::to_string(p1);
                seite[1][n - 1] = std::to_string(p2);
                punkte[0] += p1;
                punkte[1] += p2;
                if (p1 != p2)
                    ++saetze[p1 > p2 ? 0 : 1];
            }
            for (int x = 0; x < 2; ++x)
                for (int n = 1; n <= clTTSpiel::MaxSaetze; ++n)
                    setze(spiel, (std::string(x == 0 ? "set-a-" : "set-b-") + std::to_string(n)).c_str(),
                          seite[x][n - 1]);
            setze(spiel, "sets-a", std::to_string(saetze[0]));
            setze(spiel, "sets-b", std::to_string(saetze[1]));
            setze(spiel, "matches-a", std::to_string(w1.m_Spiel.eigene));
            setze(spiel, "matches-b", std::to_string(w2.m_Spiel.eigene));
            setze(spiel, "games-a", std::to_string(punkte[0]));
            setze(spiel, "games-b", std::to_string(punkte[1]));
            ++m_Spiele;
        }
    }
    xml = clPortalDokument::alsText(doc);
    return true;
}

bool clPortalExport::schreibe(const wxString& pfad, wxString* fehler)
{
    std::string xml;
    if (!erzeuge(xml, fehler))
        return false;
    clTurnierDatei dat(pfad);
    dat.writeZeile(wxString::FromUTF8(xml.data(), xml.size() - (xml.empty() || xml.back() != '\n' ? 0 : 1)));
    return dat.speichern(fehler);
}
