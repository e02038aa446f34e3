#include "ansicht/clGruppenseite.h"

#include <wx/intl.h>

#include "ansicht/clFensterKontext.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clGruppenAuslosung.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurnier.h"

clGruppenseite::clGruppenseite(wxWindow* parent, const clFensterKontext& kontext)
    : wxHtmlWindow(parent), m_Kontext(kontext)
{
}

wxString clGruppenseite::mitVereinUndTTR(const clTeilnehmer& tn)
{
    wxString angaben = tn.getVerein();
    if (tn.getTTR() >= 0)
        angaben << (angaben.empty() ? "" : ", ") << tn.getTTR();
    return angaben.empty() ? tn.getAnzeige() : tn.getAnzeige() + " (" + angaben + ")";
}

void clGruppenseite::aktualisiere()
{
    SetPage(erzeuge());
}

wxString clGruppenseite::erzeuge() const
{
    const clGruppenphase* gp = m_Kontext.getTurnier()->getGruppenphase();
    if (gp == nullptr)
        return clHtmlAusgabe::erzeugeDokument(
            "<p>" +
            clHtmlAusgabe::maskiere(
                wxGetTranslation(L"Die Gruppen sind noch nicht ausgelost (Menü „Gruppen“).")) +
            "</p>");
    wxString html = "<table cellpadding=\"6\"><tr>";
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
    {
        clTurnier* gruppe = gp->getGruppe(g);
        vecLosSpieler spieler;
        std::vector<int> alle;
        // The players as drawn, with club and rating, by which the draw can be checked.
        wxString gelost;
        for (int p = 1; p <= gruppe->getAnzahlTeilnehmer(); ++p)
        {
            const clTeilnehmer* tn = gruppe->getTeilnehmer(p);
            spieler.push_back({p, tn->getTTR(), tn->getPerson().m_Verein, tn->getPartner().m_Verein});
            alle.push_back(p);
            gelost += (p > 1 ? ", " : "") + mitVereinUndTTR(*tn);
        }
        html += "<td valign=\"top\"><h3>" + clHtmlAusgabe::maskiere(wxString::Format(_("Gruppe %d"), g)) +
                "</h3><font size=\"-1\">" + clHtmlAusgabe::maskiere(gelost) + "</font>" +
                clHtmlAusgabe(gruppe, gp->getPlatten(g))
                    .erzeugeTabelle(gp->istFertig(g) && !gp->brauchtEntscheidung(g)
                                        ? static_cast<int>(gp->getAufsteiger(g).size())
                                        : 0);
        // Club-mates the draw could not keep apart stand out.
        for (const std::pair<int, int>& paar : clGruppenAuslosung(spieler).getVereinsPaare(alle))
            html +=
                "<font color=\"#c00000\">" +
                clHtmlAusgabe::maskiere(wxString::Format(wxGetTranslation(L"Gleicher Verein: %s und %s (%s)"),
                                                         gruppe->getTeilnehmer(paar.first)->getAnzeige(),
                                                         gruppe->getTeilnehmer(paar.second)->getAnzeige(),
                                                         gruppe->getTeilnehmer(paar.first)->getVerein())) +
                "</font><br>";
        html += "</td>";
        // Two groups side by side.
        if (g % 2 == 0 && g < gp->getAnzahlGruppen())
            html += "</tr><tr>";
    }
    return clHtmlAusgabe::erzeugeDokument(html + "</tr></table>");
}
