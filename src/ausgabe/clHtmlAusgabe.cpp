#include "ausgabe/clHtmlAusgabe.h"

#include <algorithm>
#include <memory>

#include <wx/intl.h>

#include "ausgabe/clEndrundenLayout.h"
#include "tabellen/clKreuzTableBase.h"
#include "modell/clRunde.h"
#include "tabellen/clSpieleTableBase.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "datei/clTurnierDatei.h"
#include "tabellen/clWertungTableBase.h"

namespace
{
// Both the print engine and browsers keep such a block on one page when they can.
const char* const Zusammenhalten = "<div style=\"page-break-inside:avoid\">\n";

// Printed and on screen alike the tables span the width; the border attributes
// are for the print engine, which ignores style sheets.
const char* const TabellenKopf =
    "<table class=\"%s\" border=\"1\" cellspacing=\"0\" cellpadding=\"%d\" width=\"100%%\">\n";
// The rows of the players who go on from a group.
const wxString Weiterfarbe = "#d8f0d8";

// Slips, the final placing and the standings have room for the club.
wxString anzeige(const clTeilnehmer* tn)
{
    return tn != nullptr ? clHtmlAusgabe::maskiere(tn->getVollerName(true)) : wxString();
}

wxString punkte(int p)
{
    return p == -1 ? wxString(L"\u2013") : wxString::Format("%d", p);
}

// A set as "11:9"; a side not yet entered shows as a dash, a set not begun as nothing.
wxString satzText(const satz& s)
{
    if (s.P1 == -1 && s.P2 == -1)
        return wxString();
    return punkte(s.P1) + ":" + punkte(s.P2);
}

// "1. Satz" over a set's column; with more sets only its number, so that the
// narrower columns keep their heading on one line.
wxString satzTitel(int snr, int saetze)
{
    return saetze > 3 ? wxString::Format("%d", snr) : wxString::Format(_("%d. Satz"), snr);
}

// Joined rather than formatted: the schedule of a large tournament has hundreds of
// thousands of cells.
wxString zelle(const wxString& tag, const wxString& inhalt, const wxString& attribute = wxString())
{
    return L"<" + tag + attribute + L">" + (inhalt.empty() ? wxString(L"&nbsp;") : inhalt) + L"</" + tag +
           L">";
}

// Made once: a text from plain characters is converted each time it is made, and
// the standings and cross tables are written for every copy of the live site.
const wxString Td(L"td");
const wxString Th(L"th");

wxString fett(const wxString& text, bool fl)
{
    return fl ? "<b>" + text + "</b>" : text;
}

const char* const Stil =
    "body{font-family:Arial,Helvetica,sans-serif;color:#222;margin:2em auto;max-width:60em;"
    "padding:0 1em}\n"
    "h1{margin-bottom:.2em}\n"
    ".unterzeile{color:#555;margin-top:0}\n"
    "table{border-collapse:collapse;margin:.5em 0 1em}\n"
    "th,td{border:1px solid #999;padding:.3em .6em}\n"
    "th{background:#e8e8e8}\n"
    "tr:nth-child(even) td{background:#f6f6f6}\n"
    ".zahl{text-align:center}\n"
    "tr td.diagonale{background:#c8c8c8}\n"
    ".spielfrei{color:#555}\n"
    "h1.konkurrenz{border-top:2px solid #999;padding-top:.5em;margin-top:1.5em}\n"
    "table.baum td{background:#fff}\n";
} // namespace

clHtmlAusgabe::clHtmlAusgabe(clTurnier* turnier, std::vector<int> platten, const clTurnier* halle)
    : m_Turnier(turnier), m_Platten(std::move(platten)), m_Halle(halle != nullptr ? halle : turnier)
{
}

int clHtmlAusgabe::getPlatte(const clTTSpiel* sp, int p) const
{
    const sAufruf* aufruf = clSpieleTableBase::getAufruf(m_Halle, sp);
    return clGruppenphase::getPlattenNummer(
        m_HallenPlatten, aufruf != nullptr ? aufruf->platte : clGruppenphase::getPlattenNummer(m_Platten, p));
}

wxString clHtmlAusgabe::maskiere(const wxString& text)
{
    wxString res;
    res.reserve(text.length());
    for (const wxUniChar c : text)
    {
        switch (c.GetValue())
        {
        case '&':
            res += "&amp;";
            break;
        case '<':
            res += "&lt;";
            break;
        case '>':
            res += "&gt;";
            break;
        case '"':
            res += "&quot;";
            break;
        case '\'':
            res += "&#39;";
            break;
        default:
            res += c;
        }
    }
    return res;
}

wxString clHtmlAusgabe::zusammen(const wxString& html)
{
    return Zusammenhalten + html + "</div>\n";
}

wxString clHtmlAusgabe::getUnterzeile(const allgemein& alg)
{
    wxString text;
    for (const wxString* teil : {&alg.Veranstalter, &alg.Ort, &alg.Datum})
    {
        if (teil->empty())
            continue;
        if (!text.empty())
            text += L" \u00B7 ";
        text += *teil;
    }
    return text;
}

wxString clHtmlAusgabe::erzeugeUnterzeile() const
{
    return maskiere(getUnterzeile(*m_Turnier->getAllgemein()));
}

wxString clHtmlAusgabe::erzeugeSpielzeile(int platte, const clTTSpiel* sp) const
{
    // Fixed shares of the width, so that the columns line up from round to round;
    // the sets and their sum share what the table and the names leave.
    const wxString zahl = wxString::Format(" class=\"zahl\" align=\"center\" width=\"%d%%\"",
                                           48 / (m_Turnier->getAnzSaetze() + 1));
    const wxString name = " width=\"22%\"";
    sWertung w1, w2;
    const bool entschieden = sp->getErgebnis(w1, w2);
    const bool gespielt = w1.m_Satz.eigene + w1.m_Satz.gegner > 0;
    wxString zeile = "<tr>" + zelle("td", wxString::Format("%d", getPlatte(sp, platte)),
                                    " class=\"zahl\" align=\"center\" width=\"8%\"");
    zeile += zelle("td",
                   fett(maskiere(clSpieleTableBase::getNameMitAusfall(sp, 1, true)),
                        entschieden && w1.m_Spiel.eigene > 0),
                   name);
    zeile += zelle("td",
                   fett(maskiere(clSpieleTableBase::getNameMitAusfall(sp, 2, true)),
                        entschieden && w2.m_Spiel.eigene > 0),
                   name);
    for (int snr = 1; snr <= m_Turnier->getAnzSaetze(); ++snr)
        zeile += zelle("td", satzText(sp->getSatzErg(snr)), zahl);
    const wxString saetze =
        gespielt ? wxString::Format("%d:%d", w1.m_Satz.eigene, w1.m_Satz.gegner) : wxString();
    return zeile + zelle("td", fett(saetze, entschieden), zahl) + "</tr>\n";
}

wxString clHtmlAusgabe::erzeugeSpielplan() const
{
    wxString html;
    haengeSpielplanAn(html);
    return html;
}

void clHtmlAusgabe::haengeSpielplanAn(wxString& html) const
{
    html += "<h2>" + maskiere(_("Spielplan")) + "</h2>\n";
    if (m_Turnier->getAnzahlTeilnehmer() < 2)
    {
        html += "<p>" + maskiere(_("Es gibt noch keine Spiele.")) + "</p>\n";
        return;
    }
    // What every round repeats is made once: with one table a tournament of 200 has
    // 19900 rounds.
    wxString tabellenKopf = wxString::Format(TabellenKopf, "spielplan", 4) + "<tr>" +
                            zelle("th", maskiere(_("Platte"))) +
                            zelle("th", maskiere(_("Begegnung")), " colspan=\"2\" align=\"left\"");
    for (int snr = 1; snr <= m_Turnier->getAnzSaetze(); ++snr)
        tabellenKopf += zelle("th", maskiere(satzTitel(snr, m_Turnier->getAnzSaetze())));
    tabellenKopf += zelle("th", maskiere(_(L"Sätze"))) + "</tr>\n";
    const wxString rundenKopf = wxString(Zusammenhalten) + "<h3>";
    const wxString spielfrei = "<p class=\"spielfrei\">" + maskiere(_("spielfrei")) + ": ";
    for (int r = 1; r <= m_Turnier->getAnzahlRunden(); ++r)
    {
        // A round stays on one page with its heading and its byes.
        html += rundenKopf + maskiere(wxString::Format(_("Runde %d"), r)) + L"</h3>\n";
        const clRunde* runde = m_Turnier->getSchema().getRunde(r);
        if (runde->AnzSpiele() > 0)
        {
            html += tabellenKopf;
            for (int p = 1; p <= runde->AnzSpiele(); ++p)
                html += erzeugeSpielzeile(p, runde->getSpiel(p));
            html += L"</table>\n";
        }
        const wxString frei = m_Turnier->getSpielfrei(r);
        if (!frei.empty())
            html += spielfrei + maskiere(frei) + L"</p>\n";
        html += L"</div>\n";
    }
}

wxString clHtmlAusgabe::erzeugeZettel(const wxString& kopf, int saetze, const clTTSpiel* sp)
{
    // The empty cells are the boxes for the points.
    const wxString spalten = wxString::Format(" colspan=\"%d\"", saetze + 1);
    wxString html = wxString::Format(TabellenKopf, "zettel", 6);
    html += "<tr>" + zelle("td", kopf, spalten) + "</tr>\n<tr>" +
            zelle("th", maskiere(_("Teilnehmer")),
                  wxString::Format(" align=\"left\" width=\"%d%%\"", 100 - saetze * (54 / saetze)));
    for (int snr = 1; snr <= saetze; ++snr)
        html +=
            zelle("th", maskiere(satzTitel(snr, saetze)), wxString::Format(" width=\"%d%%\"", 54 / saetze));
    html += "</tr>\n";
    for (const clTeilnehmer* tn : {sp->getT1(), sp->getT2()})
    {
        html += "<tr>" + zelle("td", "<big>" + anzeige(tn) + "</big>");
        for (int snr = 1; snr <= saetze; ++snr)
            html += zelle("td", wxString());
        html += "</tr>\n";
    }
    const wxString linie(wxChar('_'), 22);
    html += "<tr>" +
            zelle("td",
                  "<br>" + maskiere(_("Sieger")) + ": " + linie + " &nbsp; &nbsp; " +
                      maskiere(_("Unterschrift")) + ": " + linie,
                  spalten) +
            "</tr>\n</table>\n";
    return html;
}

wxString clHtmlAusgabe::erzeugeSpielzettel(int runde) const
{
    wxString html = erzeugeRundenZettel(runde, nullptr);
    if (html.empty())
        html = "<p>" + maskiere(_("Es gibt keine Spiele zu spielen.")) + "</p>\n";
    return html;
}

wxString clHtmlAusgabe::erzeugeRundenZettel(int runde, const clTTSpiel* nur) const
{
    const int erste = runde == 0 ? 1 : runde;
    const int letzte = runde == 0 ? m_Turnier->getAnzahlRunden() : runde;
    wxString html;
    for (int r = erste; r <= letzte; ++r)
    {
        const clRunde* rd = m_Turnier->getSchema().getRunde(r);
        for (int p = 1; p <= rd->AnzSpiele(); ++p)
        {
            const clTTSpiel* sp = rd->getSpiel(p);
            // Without a round, the slips of every match still open.
            sWertung w1, w2;
            const bool offen = runde != 0 || !sp->getErgebnis(w1, w2);
            if (sp->getAusfallArt() != ausfKampflos && (nur != nullptr ? sp == nur : offen))
                html += Zusammenhalten +
                        erzeugeZettel("<b>" + maskiere(wxString::Format(_("Runde %d"), r)) +
                                          "</b> &nbsp; &nbsp; " +
                                          maskiere(wxString::Format(_("Platte %d"), getPlatte(sp, p))),
                                      m_Turnier->getAnzSaetze(), sp) +
                        "<br></div>\n";
        }
    }
    return html;
}

wxString clHtmlAusgabe::erzeugeSpielzettel(const clTTSpiel* sp) const
{
    wxString html = erzeugeRundenZettel(0, sp);
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    for (int g = 1; gp != nullptr && html.empty() && g <= gp->getAnzahlGruppen(); ++g)
    {
        clHtmlAusgabe gruppe(gp->getGruppe(g), gp->getPlatten(g), m_Halle);
        gruppe.setHallenPlatten(m_HallenPlatten);
        html = gruppe.erzeugeRundenZettel(0, sp);
    }
    if (gp != nullptr && html.empty() && gp->getEndrunde() != nullptr)
        html = erzeugeEndrundenZettel(*gp->getEndrunde(), sp);
    return html;
}

wxString clHtmlAusgabe::erzeugeEndrunde(const clEndrunde& er) const
{
    wxString html = "<h2>" + maskiere(_("Endrunde")) + "</h2>\n";
    const int runden = er.getAnzahlRunden();
    html += wxString::Format(TabellenKopf, "baum", 3) + "<tr>";
    for (int r = 1; r <= runden + 1; ++r)
        html += zelle("th", maskiere(r > runden ? _("Sieger") : er.getRundenname(r)),
                      wxString::Format(" width=\"%d%%\"", 100 / (runden + 1)));
    html += "</tr>\n";
    // A player of round r spans the 2^(r-1) lines it came from.
    for (int linie = 0; linie < er.getAnzahlLinien(); ++linie)
    {
        html += "<tr>";
        for (int r = 1; r <= runden + 1 && linie % (1 << (r - 1)) == 0; ++r)
        {
            const int platz = linie >> (r - 1);
            const wxString ergebnis =
                r > 1 ? clEndrundenLayout::getErgebnis(er, er.getSpiel(r - 1, platz + 1)) : wxString();
            html += zelle("td",
                          maskiere(clEndrundenLayout::getName(er, r, platz)) +
                              (ergebnis.empty() ? wxString() : " <small>" + maskiere(ergebnis) + "</small>"),
                          wxString::Format(" rowspan=\"%d\"", 1 << (r - 1)));
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
    // The match for third place once its players are known.
    const clTTSpiel* sp3 = er.getSpielUmPlatz3();
    if (sp3 != nullptr && er.istSpielbar(sp3))
    {
        const wxString ergebnis = clEndrundenLayout::getErgebnis(er, sp3);
        html += "<p><b>" + maskiere(er.getSpielname(sp3)) + ":</b> " + anzeige(sp3->getT1()) + " &ndash; " +
                anzeige(sp3->getT2());
        if (!ergebnis.empty())
            html +=
                ", " + maskiere(_("Sieger")) + " " + anzeige(er.getSieger(sp3)) + " " + maskiere(ergebnis);
        html += "</p>\n";
    }
    return html;
}

wxString clHtmlAusgabe::erzeugeEndrundenZettel(const clEndrunde& er) const
{
    wxString html = erzeugeEndrundenZettel(er, nullptr);
    if (html.empty())
        html = "<p>" + maskiere(_("Es gibt keine Spiele zu spielen.")) + "</p>\n";
    return html;
}

wxString clHtmlAusgabe::erzeugeEndrundenZettel(const clEndrunde& er, const clTTSpiel* nur) const
{
    wxString html;
    for (int r = 1; r <= er.getAnzahlRunden(); ++r)
        for (int nr = 1; nr <= er.getAnzahlSpiele(r) + (r == er.getAnzahlRunden() ? 1 : 0); ++nr)
        {
            const clTTSpiel* sp = nr > er.getAnzahlSpiele(r) ? er.getSpielUmPlatz3() : er.getSpiel(r, nr);
            if (sp == nullptr || !er.istSpielbar(sp) || sp->getAusfallArt() == ausfKampflos ||
                (nur != nullptr && sp != nur))
                continue;
            wxString kopf = "<b>" + maskiere(er.getSpielname(sp)) + "</b>" +
                            (sp == er.getSpielUmPlatz3()
                                 ? wxString()
                                 : " &nbsp; &nbsp; " + maskiere(wxString::Format(_("Spiel %d"), nr)));
            // A bracket match has a table only once it is called.
            if (const sAufruf* aufruf = clSpieleTableBase::getAufruf(m_Halle, sp))
                kopf += " &nbsp; &nbsp; " +
                        maskiere(wxString::Format(_("Platte %d"), clGruppenphase::getPlattenNummer(
                                                                      m_HallenPlatten, aufruf->platte)));
            html += Zusammenhalten + erzeugeZettel(kopf, sp->getAnzSaetze(), sp) + "<br></div>\n";
        }
    return html;
}

wxString clHtmlAusgabe::erzeugeEndstand(const vecPlatzierung& endstand) const
{
    wxString html = "<h2>" + maskiere(_("Endstand")) + "</h2>\n" +
                    wxString::Format(TabellenKopf, "tabelle", 4) + "<tr>" +
                    zelle("th", maskiere(_("Platz")), " width=\"15%\"") +
                    zelle("th", maskiere(_("Teilnehmer")), " align=\"left\"") + "</tr>\n";
    for (const sPlatzierung& p : endstand)
        html += "<tr>" +
                zelle("td", p.platz > 0 ? wxString::Format("%d", p.platz) : wxString(),
                      " class=\"zahl\" align=\"center\"") +
                zelle("td", anzeige(p.tn)) + "</tr>\n";
    return html + "</table>\n";
}

wxString clHtmlAusgabe::erzeugeTabelle(int weiter) const
{
    wxString html = "<h2>" + maskiere(_("Platzierungen")) + "</h2>\n";
    clWertungTableBase* wt = m_Turnier->getWertungTableBase();
    if (wt == nullptr || m_Turnier->getAnzahlTeilnehmer() == 0)
        return html + "<p>" + maskiere(_("Es gibt noch keine Teilnehmer.")) + "</p>\n";
    const wxString zahl = " class=\"zahl\" align=\"center\"";
    html += wxString::Format(TabellenKopf, "tabelle", 4) + L"<tr>" + zelle(Th, maskiere(_("Platz")));
    for (int c = 0; c < wt->GetNumberCols(); ++c)
        html += zelle(Th, maskiere(wt->GetColLabelValue(c)), c == 0 ? " align=\"left\"" : "");
    if (weiter > 0)
        html += zelle(Th, maskiere(_("Endrunde")));
    html += L"</tr>\n";
    for (int platz = 0; platz < m_Turnier->getAnzahlTeilnehmer(); ++platz)
    {
        html += (platz < weiter ? "<tr bgcolor=\"" + Weiterfarbe + "\">" : wxString(L"<tr>")) +
                zelle(Td, maskiere(wt->GetRowLabelValue(platz)), zahl);
        // The first column names the player, here in full.
        html += zelle(Td, anzeige(m_Turnier->getTeilnehmer(wt->getStartNrAufPlatz(platz))));
        for (int c = 1; c < wt->GetNumberCols(); ++c)
            html += zelle(Td, maskiere(wt->GetValue(platz, c)), zahl);
        if (weiter > 0)
            html += zelle(Td, platz < weiter ? "<b>" + maskiere(_("weiter")) + "</b>" : wxString(), zahl);
        html += L"</tr>\n";
    }
    return html + "</table>\n";
}

wxString clHtmlAusgabe::erzeugeKreuztabelle() const
{
    wxString html = "<h2>" + maskiere(_("Kreuztabelle")) + "</h2>\n";
    if (m_Turnier->getWertungTableBase() == nullptr || m_Turnier->getAnzahlTeilnehmer() == 0)
        return html + "<p>" + maskiere(_("Es gibt noch keine Teilnehmer.")) + "</p>\n";
    clKreuzTableBase kt(m_Turnier);
    kt.setVolleNamen(true);
    const wxString zahl = " class=\"zahl\" align=\"center\"";
    const wxString diagonale = " class=\"zahl diagonale\" align=\"center\" bgcolor=\"" +
                               clKreuzTableBase::Diagonalfarbe.GetAsString(wxC2S_HTML_SYNTAX) + "\"";
    html += wxString::Format(TabellenKopf, "kreuztabelle", 3) + L"<tr>" + zelle(Th, wxString());
    // The results share the width equally, whatever they hold.
    const wxString ergebnisBreite =
        wxString::Format(" width=\"%d%%\"", std::max(1, 60 / std::max(1, m_Turnier->getAnzahlTeilnehmer())));
    for (int c = 0; c < kt.GetNumberCols(); ++c)
        html += zelle(Th, maskiere(kt.GetColLabelValue(c)),
                      c < m_Turnier->getAnzahlTeilnehmer() ? ergebnisBreite : "");
    html += L"</tr>\n";
    for (int r = 0; r < kt.GetNumberRows(); ++r)
    {
        html += L"<tr>" + zelle(Th, maskiere(kt.GetRowLabelValue(r)), " align=\"left\"");
        for (int c = 0; c < kt.GetNumberCols(); ++c)
            html += zelle(Td, maskiere(kt.GetValue(r, c)), r == c ? diagonale : zahl);
        html += L"</tr>\n";
    }
    return html + "</table>\n";
}

wxString clHtmlAusgabe::erzeugeKopfzeile(const wxString& seitenangabe) const
{
    return "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td><b>" +
           maskiere(m_Turnier->getAllgemein()->Bezeichnung) + "</b></td><td align=\"right\">" +
           maskiere(seitenangabe) + "</td></tr>\n<tr><td colspan=\"2\">" + erzeugeUnterzeile() +
           "</td></tr></table>\n<hr>\n";
}

wxString clHtmlAusgabe::erzeugeDokument(const wxString& inhalt)
{
    return "<html><body>\n" + inhalt + "</body></html>\n";
}

wxString clHtmlAusgabe::erzeugeSeitenkopf() const
{
    const wxString titel = maskiere(m_Turnier->getAllgemein()->Bezeichnung);
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           titel + "</title>\n<style>\n" + Stil + "</style>\n</head>\n<body>\n<h1>" + titel +
           "</h1>\n<p class=\"unterzeile\">" + erzeugeUnterzeile() + "</p>\n";
}

void clHtmlAusgabe::haengeSeitenInhaltAn(wxString& seite) const
{
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr)
    {
        seite += erzeugeTabelle() + erzeugeKreuztabelle();
        haengeSpielplanAn(seite);
    }
    // In groups the final placing and the bracket come first, then each group as a round robin.
    else if (const clEndrunde* er = gp->getEndrunde())
        seite += erzeugeEndstand(gp->getEndstand()) + erzeugeEndrunde(*er);
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
    {
        const clHtmlAusgabe gruppe(gp->getGruppe(g), gp->getPlatten(g), m_Halle);
        seite += "<h2>" + maskiere(wxString::Format(_("Gruppe %d"), g)) + "</h2>\n" +
                 gruppe.erzeugeTabelle() + gruppe.erzeugeKreuztabelle();
        gruppe.haengeSpielplanAn(seite);
    }
}

wxString clHtmlAusgabe::erzeugeSeite() const
{
    wxString seite = erzeugeSeitenkopf();
    haengeSeitenInhaltAn(seite);
    seite += "</body>\n</html>";
    return seite;
}

wxString clHtmlAusgabe::erzeugeSeite(const clTurniertag& tag)
{
    const clHtmlAusgabe erste(tag.getKonkurrenz(0));
    if (tag.getAnzahl() == 1)
        return erste.erzeugeSeite();
    // The classes share the day's title, organiser, venue and date.
    wxString seite = erste.erzeugeSeitenkopf() + "<ul class=\"konkurrenzen\">\n";
    for (int i = 0; i < tag.getAnzahl(); ++i)
        seite += wxString::Format("<li><a href=\"#k%d\">", tag.getKennung(i)) + maskiere(tag.getName(i)) +
                 "</a></li>\n";
    seite += "</ul>\n";
    for (int i = 0; i < tag.getAnzahl(); ++i)
    {
        seite += wxString::Format("<section id=\"k%d\">\n<h1 class=\"konkurrenz\">", tag.getKennung(i)) +
                 maskiere(tag.getName(i)) + "</h1>\n";
        clHtmlAusgabe(tag.getKonkurrenz(i)).haengeSeitenInhaltAn(seite);
        seite += "</section>\n";
    }
    seite += "</body>\n</html>";
    return seite;
}

wxString clHtmlAusgabe::erzeugeAlleKonkurrenzen(const clTurniertag& tag)
{
    wxString html;
    for (int i = 0; i < tag.getAnzahl(); ++i)
    {
        const clTurnier* turnier = tag.getKonkurrenz(i);
        const clHtmlAusgabe aus(tag.getKonkurrenz(i));
        // Each class on pages of its own, to be hung up or handed out apart.
        html += i == 0 ? wxString("<div>\n") : wxString("<div style=\"page-break-before:always\">\n");
        html += "<h1>" + maskiere(tag.getName(i)) + "</h1>\n";
        const clGruppenphase* gp = turnier->getGruppenphase();
        if (gp == nullptr)
            html += aus.erzeugeTabelle();
        else if (const clEndrunde* er = gp->getEndrunde())
            html += zusammen(aus.erzeugeEndstand(gp->getEndstand())) + zusammen(aus.erzeugeEndrunde(*er));
        // Neither a group's heading nor its standings are cut by a page end.
        for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
            html += zusammen("<h2>" + maskiere(wxString::Format(_("Gruppe %d"), g)) + "</h2>\n" +
                             clHtmlAusgabe(gp->getGruppe(g)).erzeugeTabelle());
        if (gp != nullptr && gp->getEndrunde() == nullptr && gp->getAnzahlGruppen() == 0)
            html += "<p>" + maskiere(_("Noch nicht ausgelost.")) + "</p>\n";
        html += "</div>\n";
    }
    return html;
}

bool clHtmlAusgabe::schreibe(const wxString& datei, const wxString& text, wxString* fehler)
{
    clTurnierDatei dat(datei);
    dat.writeZeile(text);
    return dat.speichern(fehler);
}

bool clHtmlAusgabe::schreibeSeite(const wxString& datei, wxString* fehler) const
{
    return schreibe(datei, erzeugeSeite(), fehler);
}

bool clHtmlAusgabe::schreibeSeite(const wxString& datei, const clTurniertag& tag, wxString* fehler)
{
    return schreibe(datei, erzeugeSeite(tag), fehler);
}
