#include "ausgabe/clLiveSeiten.h"

#include <algorithm>
#include <utility>
#include <wx/intl.h>

#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clEndrunde.h"
#include "modell/clGruppenphase.h"
#include "modell/clKurzeingabe.h"
#include "modell/clSpielbetrieb.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"
#include "tabellen/clSpieleTableBase.h"

namespace
{
// Large type, strong contrast and tables that scroll sideways rather than shrink:
// the pages are read on phones, standing in a hall.
const char* const Stil =
    "body{font-family:system-ui,Arial,Helvetica,sans-serif;font-size:18px;line-height:1.4;color:#111;"
    "background:#fff;margin:0 auto;max-width:50em;padding:.4em .8em 2em}\n"
    "h1{font-size:1.45em;margin:.3em 0 0}\n"
    "h2{font-size:1.2em;margin:1.2em 0 .4em;padding-bottom:.15em;border-bottom:2px solid #034}\n"
    "a{color:#034}\n"
    ".unterzeile{color:#333;margin:.1em 0 .5em}\n"
    "nav{display:flex;flex-wrap:wrap;gap:.4em;margin:.5em 0}\n"
    "nav a{padding:.3em .65em;background:#dde8f3;border-radius:.3em;text-decoration:none;font-weight:bold}\n"
    "nav a.hier{background:#034;color:#fff}\n"
    "ul.spiele{list-style:none;padding:0;margin:0}\n"
    "ul.spiele li{padding:.45em 0;border-bottom:1px solid #bbb}\n"
    ".ort{color:#333;font-size:.85em}\n"
    ".platte{display:inline-block;min-width:1.8em;text-align:center;background:#034;color:#fff;"
    "font-weight:bold;border-radius:.3em;padding:0 .3em;margin-right:.4em}\n"
    ".ergebnis{font-weight:bold;white-space:nowrap}\n"
    ".stand{color:#333;font-style:italic;white-space:nowrap}\n"
    "ul.namen{columns:2 11em;padding-left:1.2em}\n"
    "ul.namen li{padding:.2em 0}\n"
    ".breit{overflow-x:auto}\n"
    "table{border-collapse:collapse;margin:.3em 0 1em;font-size:.95em}\n"
    "th,td{border:1px solid #888;padding:.3em .45em}\n"
    "th{background:#e4e4e4}\n"
    ".zahl{text-align:center;white-space:nowrap}\n"
    "td.diagonale{background:#bbb}\n";

wxString m(const wxString& text)
{
    return clHtmlAusgabe::maskiere(text);
}

wxString verweis(const wxString& pfad, const wxString& text)
{
    return "<a href=\"" + pfad + "\">" + m(text) + "</a>";
}

wxString liste(const wxString& punkte, const wxString& leer)
{
    return punkte.empty() ? "<p>" + m(leer) + "</p>\n" : "<ul class=\"spiele\">\n" + punkte + "</ul>\n";
}
} // namespace

clLiveSeiten::clLiveSeiten(clTurnier* turnier) : m_Turnier(turnier)
{
    sammleSpiele();
}

void clLiveSeiten::sammleSpiele()
{
    m_Navigation = verweis("/", _(L"Übersicht"));
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr)
    {
        m_Navigation += verweis("/tabelle", _("Tabelle"));
        for (int r = 1; r <= m_Turnier->getAnzahlRunden(); ++r)
            for (int p = 1; clTTSpiel* sp = m_Turnier->getSpiel(r, p); ++p)
                m_Spiele.push_back({sp,
                                    wxString::Format(_("Runde %d"), r),
                                    0,
                                    p,
                                    {sp->getT1()->getStartNr(), sp->getT2()->getStartNr()},
                                    wxString()});
    }
    // The groups and the bracket know their players by the groups' own start numbers.
    std::unordered_map<const clTeilnehmer*, int> hauptNr;
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
    {
        m_Navigation += verweis(wxString::Format("/gruppe/%d", g), wxString::Format(_("Gruppe %d"), g));
        const clTurnier* gruppe = gp->getGruppe(g);
        const std::vector<int> platten = gp->getPlatten(g);
        for (int p = 1; p <= gruppe->getAnzahlTeilnehmer(); ++p)
            hauptNr[gruppe->getTeilnehmer(p)] = gp->getStartNr(g, p);
        for (int r = 1; r <= gruppe->getAnzahlRunden(); ++r)
            for (int p = 1; clTTSpiel* sp = gruppe->getSpiel(r, p); ++p)
                m_Spiele.push_back({sp,
                                    wxString::Format(_("Gruppe %d, Runde %d"), g, r),
                                    g,
                                    clGruppenphase::getPlattenNummer(platten, p),
                                    {hauptNr[sp->getT1()], hauptNr[sp->getT2()]},
                                    wxString()});
    }
    if (const clEndrunde* er = gp != nullptr ? gp->getEndrunde() : nullptr)
    {
        m_Navigation += verweis("/endrunde", _("Endrunde")) + verweis("/endstand", _("Endstand"));
        for (int i = 0; i < er->getAnzahlSpiele(); ++i)
        {
            clTTSpiel* sp = er->getSpiel(i);
            sSpiel s{sp, er->getSpielname(sp), -1, 0, {0, 0}, wxString()};
            // A bye is no match of its player.
            const bool frei = er->istFrei(sp, 1) || er->istFrei(sp, 2);
            for (int seite = 0; seite < 2 && !frei; ++seite)
                if (const clTeilnehmer* tn = seite == 0 ? sp->getT1() : sp->getT2())
                    s.startNr[seite] = hauptNr[tn];
            m_Spiele.push_back(std::move(s));
        }
    }
    for (size_t i = 0; i < m_Spiele.size(); ++i)
        m_Index[m_Spiele[i].spiel] = i;
    for (sSpiel& s : m_Spiele)
        s.paarung = erzeugePaarung(s.spiel);
}

const clLiveSeiten::sSpiel* clLiveSeiten::finde(const clTTSpiel* sp) const
{
    const auto it = m_Index.find(sp);
    return it != m_Index.end() ? &m_Spiele[it->second] : nullptr;
}

wxString clLiveSeiten::getErgebnis(const clTTSpiel* sp)
{
    sWertung w1, w2;
    if (sp == nullptr || (!sp->getErgebnis(w1, w2) && w1.m_Satz.eigene + w1.m_Satz.gegner == 0))
        return wxString();
    std::vector<satz> saetze;
    for (int snr = 1; snr <= sp->getAnzSaetze(); ++snr)
        if (sp->getSatzErg(snr).P1 >= 0 && sp->getSatzErg(snr).P2 >= 0)
            saetze.push_back(sp->getSatzErg(snr));
    const wxString text = wxString::Format("%d:%d", w1.m_Satz.eigene, w1.m_Satz.gegner);
    return saetze.empty() ? text : text + " (" + clKurzeingabe::beschreibe(saetze) + ")";
}

std::string clLiveSeiten::seite(const wxString& titel, const wxString& inhalt) const
{
    const wxString turnier = m(m_Turnier->getAllgemein()->Bezeichnung);
    wxString navigation = m_Navigation;
    // The link to the page itself stands out.
    navigation.Replace(">" + m(titel) + "<", " class=\"hier\">" + m(titel) + "<");
    const wxString html =
        wxString::Format("<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                         "<meta http-equiv=\"refresh\" content=\"%d\">\n",
                         Auffrischen) +
        "<title>" + m(titel) + L" \u2013 " + turnier + "</title>\n<style>\n" + Stil +
        "</style>\n</head>\n<body>\n" + "<h1>" + turnier + "</h1>\n<p class=\"unterzeile\">" +
        m(clHtmlAusgabe::getUnterzeile(*m_Turnier->getAllgemein())) + "</p>\n<nav>" + navigation +
        "</nav>\n" + inhalt + "</body>\n</html>\n";
    return html.utf8_string();
}

wxString clLiveSeiten::erzeugeNamen(const clTTSpiel* sp) const
{
    sWertung w1, w2;
    const bool entschieden = sp->getErgebnis(w1, w2);
    wxString namen;
    for (int seite = 1; seite <= 2; ++seite)
    {
        const clTeilnehmer* tn = seite == 1 ? sp->getT1() : sp->getT2();
        wxString name = m(clSpieleTableBase::getNameMitAusfall(sp, seite, true));
        if (tn == nullptr)
            name = m(_("noch offen"));
        else if (const sSpiel* s = finde(sp); s != nullptr && s->startNr[seite - 1] > 0)
            name =
                "<a href=\"/spieler/" + wxString::Format("%d", s->startNr[seite - 1]) + "\">" + name + "</a>";
        const bool sieger = entschieden && (seite == 1 ? w1 : w2).m_Spiel.eigene > 0;
        namen += (seite == 2 ? wxString(L" \u2013 ") : wxString()) +
                 (sieger ? "<strong>" + name + "</strong>" : name);
    }
    return namen;
}

wxString clLiveSeiten::erzeugeSpielzeile(const clTTSpiel* sp, const wxString& zusatz) const
{
    const sSpiel* s = finde(sp);
    const clSpielbetrieb& sb = m_Turnier->getSpielbetrieb();
    wxString zeile = "<li>";
    if (const sAufruf* a = sb.getAufruf(sp); a != nullptr && sb.laeuft(sp))
        zeile += wxString::Format("<span class=\"platte\">%d</span>", a->platte);
    wxString ort = s != nullptr ? s->ort : wxString();
    if (!zusatz.empty())
        ort += (ort.empty() ? wxString() : wxString(L" \u00B7 ")) + zusatz;
    zeile +=
        "<span class=\"ort\">" + m(ort) + "</span><br>" + (s != nullptr ? s->paarung : erzeugePaarung(sp));
    return zeile + "</li>\n";
}

wxString clLiveSeiten::erzeugePaarung(const clTTSpiel* sp) const
{
    const wxString ergebnis = getErgebnis(sp);
    if (ergebnis.empty())
        return erzeugeNamen(sp);
    // The sets of a match still being played are marked as its score so far.
    sWertung w1, w2;
    if (!sp->getErgebnis(w1, w2))
        return erzeugeNamen(sp) + " <span class=\"stand\">" + m(_("Stand")) + " " + m(ergebnis) + "</span>";
    return erzeugeNamen(sp) + " <span class=\"ergebnis\">" + m(ergebnis) + "</span>";
}

wxString clLiveSeiten::erzeugeUebersicht() const
{
    const clSpielbetrieb& sb = m_Turnier->getSpielbetrieb();
    wxString laufende, naechste, ergebnisse, namen;
    for (const sAufruf& a : sb.getLaufende())
        laufende += erzeugeSpielzeile(a.spiel, wxString::Format(_("Platte %d, seit %s"), a.platte,
                                                                clSpielbetrieb::getUhrzeit(a.beginn)));
    const std::vector<sAufrufbar> aufrufbare = sb.getNaechste(*m_Turnier);
    for (size_t i = 0; i < aufrufbare.size() && i < AnzahlAufrufe; ++i)
    {
        const sAufrufbar& a = aufrufbare[i];
        naechste += erzeugeSpielzeile(a.spiel, !a.bereit      ? _("nach der Pause")
                                               : a.platte > 0 ? wxString::Format(_("an Platte %d"), a.platte)
                                                              : _("wartet auf eine Platte"));
    }
    const std::vector<sAufruf> beendete = sb.getBeendete();
    for (size_t i = 0; i < beendete.size() && i < AnzahlErgebnisse; ++i)
        ergebnisse += erzeugeSpielzeile(
            beendete[i].spiel, wxString::Format(_("Ende %s"), clSpielbetrieb::getUhrzeit(beendete[i].ende)));
    for (int snr = 1; snr <= m_Turnier->getAnzahlTeilnehmer(); ++snr)
    {
        const clTeilnehmer* tn = m_Turnier->getTeilnehmer(snr);
        namen += "<li>" + verweis(wxString::Format("/spieler/%d", snr), tn->getVollerName()) + "</li>\n";
    }
    return "<h2>" + m(_("Es spielen")) + "</h2>\n" + liste(laufende, _(L"Zurzeit läuft kein Spiel.")) +
           "<h2>" + m(_(L"Als Nächstes")) + "</h2>\n" + liste(naechste, _("Es wartet kein Spiel.")) + "<h2>" +
           m(_("Letzte Ergebnisse")) + "</h2>\n" + liste(ergebnisse, _("Es gibt noch kein Ergebnis.")) +
           "<h2>" + m(_("Teilnehmer")) + "</h2>\n" +
           (namen.empty() ? "<p>" + m(_("Es gibt noch keine Teilnehmer.")) + "</p>\n"
                          : "<ul class=\"namen\">\n" + namen + "</ul>\n");
}

wxString clLiveSeiten::erzeugeGruppe(int g) const
{
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    clTurnier* turnier = gp != nullptr ? gp->getGruppe(g) : m_Turnier;
    const clHtmlAusgabe ausgabe(turnier, gp != nullptr ? gp->getPlatten(g) : std::vector<int>());
    wxString spiele;
    for (const sSpiel& s : m_Spiele)
        if (s.gruppe == g)
            spiele += erzeugeSpielzeile(s.spiel);
    return "<div class=\"breit\">\n" + ausgabe.erzeugeTabelle() + "</div>\n<div class=\"breit\">\n" +
           ausgabe.erzeugeKreuztabelle() + "</div>\n<h2>" + m(_("Spiele")) + "</h2>\n" +
           liste(spiele, _("Es gibt noch keine Spiele."));
}

wxString clLiveSeiten::erzeugeEndrunde() const
{
    const clEndrunde& er = *m_Turnier->getGruppenphase()->getEndrunde();
    wxString html;
    for (int r = 1; r <= er.getAnzahlRunden() + 1; ++r)
    {
        const bool platz3 = r > er.getAnzahlRunden();
        if (platz3 && er.getSpielUmPlatz3() == nullptr)
            break;
        wxString spiele;
        for (int nr = 1; nr <= (platz3 ? 1 : er.getAnzahlSpiele(r)); ++nr)
        {
            const clTTSpiel* sp = platz3 ? er.getSpielUmPlatz3() : er.getSpiel(r, nr);
            const wxString frei = er.istFrei(sp, 1) || er.istFrei(sp, 2) ? _("Freilos") : wxString();
            spiele += erzeugeSpielzeile(sp, frei);
        }
        html += "<h2>" + m(platz3 ? er.getSpielname(er.getSpielUmPlatz3()) : er.getRundenname(r)) +
                "</h2>\n" + liste(spiele, wxString());
    }
    return html;
}

wxString clLiveSeiten::erzeugeSpieler(int startNr) const
{
    const clTeilnehmer* tn = m_Turnier->getTeilnehmer(startNr);
    const clSpielbetrieb& sb = m_Turnier->getSpielbetrieb();
    wxString laeuft, offen, gespielt;
    int gruppe = 0;
    for (const sSpiel& s : m_Spiele)
    {
        if (s.startNr[0] != startNr && s.startNr[1] != startNr)
            continue;
        gruppe = std::max(gruppe, s.gruppe);
        sWertung w1, w2;
        const sAufruf* a = sb.getAufruf(s.spiel);
        if (a != nullptr && sb.laeuft(s.spiel))
            laeuft += erzeugeSpielzeile(s.spiel, wxString::Format(_("Platte %d, seit %s"), a->platte,
                                                                  clSpielbetrieb::getUhrzeit(a->beginn)));
        else if (s.spiel->getErgebnis(w1, w2))
            gespielt += erzeugeSpielzeile(s.spiel, a != nullptr && a->platte > 0
                                                       ? wxString::Format(_("Platte %d"), a->platte)
                                                       : wxString());
        else
            offen += erzeugeSpielzeile(s.spiel, s.platte > 0 ? wxString::Format(_("Platte %d"), s.platte)
                                                             : wxString());
    }
    wxString html = "<h2>" + m(tn->getVollerName()) + "</h2>\n";
    if (!tn->getVerein().empty() || gruppe > 0)
        html += "<p>" + m(tn->getVerein()) +
                (tn->getVerein().empty() || gruppe == 0 ? wxString() : wxString(L" \u00B7 ")) +
                (gruppe > 0 ? verweis(wxString::Format("/gruppe/%d", gruppe),
                                      wxString::Format(_("Gruppe %d"), gruppe))
                            : wxString()) +
                "</p>\n";
    return html + (laeuft.empty() ? wxString() : "<h3>" + m(_(L"Läuft")) + "</h3>\n" + liste(laeuft, "")) +
           "<h3>" + m(_("Noch zu spielen")) + "</h3>\n" + liste(offen, _("Kein Spiel mehr offen.")) + "<h3>" +
           m(_("Gespielt")) + "</h3>\n" + liste(gespielt, _("Noch kein Spiel gespielt."));
}

spLiveSeiten clLiveSeiten::erzeuge(mapLiveSeiten zusatz) const
{
    auto seiten = std::make_shared<mapLiveSeiten>(std::move(zusatz));
    (*seiten)["/"].inhalt = seite(_(L"Übersicht"), erzeugeUebersicht());
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr)
        (*seiten)["/tabelle"].inhalt = seite(_("Tabelle"), erzeugeGruppe(0));
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
        (*seiten)[wxString::Format("/gruppe/%d", g).ToStdString()].inhalt =
            seite(wxString::Format(_("Gruppe %d"), g), erzeugeGruppe(g));
    if (gp != nullptr && gp->getEndrunde() != nullptr)
    {
        (*seiten)["/endrunde"].inhalt = seite(_("Endrunde"), erzeugeEndrunde());
        const clHtmlAusgabe ausgabe(m_Turnier);
        (*seiten)["/endstand"].inhalt = seite(_("Endstand"), ausgabe.erzeugeEndstand(gp->getEndstand()));
    }
    for (int snr = 1; snr <= m_Turnier->getAnzahlTeilnehmer(); ++snr)
        (*seiten)["/spieler/" + std::to_string(snr)].inhalt =
            seite(m_Turnier->getTeilnehmer(snr)->getVollerName(), erzeugeSpieler(snr));
    return seiten;
}
