#include "ausgabe/clDruck.h"

#include <memory>
#include <wx/html/htmprint.h>
#include <wx/intl.h>
#include <wx/printdlg.h>

#include "ausgabe/clEndrundenAusdruck.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clTurnier.h"

clDruck::clDruck(wxWindow* parent, clTurnier* turnier)
    : m_Parent(parent), m_Halle(turnier), m_Turnier(turnier)
{
    // Narrower than the usual inch, so that more slips fit on a page.
    m_SeitenDaten.SetMarginTopLeft(wxPoint(15, 15));
    m_SeitenDaten.SetMarginBottomRight(wxPoint(15, 15));
}

clDruck::~clDruck() = default;

void clDruck::setTurnier(clTurnier* turnier, std::vector<int> platten, const wxString& name)
{
    m_Turnier = turnier;
    m_Platten = std::move(platten);
    m_Name = name;
}

wxString clDruck::getTitel(Inhalt inhalt, int runde) const
{
    switch (inhalt)
    {
    case Spielplan:
        return _("Spielplan");
    case Spielzettel:
        return runde == 0 ? _("Spielzettel") : wxString::Format(_("Spielzettel Runde %d"), runde);
    case Kreuztabelle:
        return _("Kreuztabelle");
    case Tabelle:
        break;
    }
    return _("Platzierungen");
}

wxString clDruck::getTitel(EndrundenInhalt inhalt)
{
    switch (inhalt)
    {
    case EndrundenZettel:
        return _("Spielzettel Endrunde");
    case Endstand:
        return _("Endstand");
    case Baum:
        break;
    }
    return _("Endrunde");
}

wxHtmlPrintout* clDruck::erzeugeAusdruck(Inhalt inhalt, int runde) const
{
    const clHtmlAusgabe aus(m_Turnier, m_Platten, m_Halle);
    wxString html;
    switch (inhalt)
    {
    case Spielplan:
        html = aus.erzeugeSpielplan();
        break;
    case Spielzettel:
        html = aus.erzeugeSpielzettel(runde);
        break;
    case Tabelle:
        html = aus.erzeugeTabelle();
        break;
    case Kreuztabelle:
        html = aus.erzeugeKreuztabelle();
        break;
    }
    // A group's pages say which group they are of.
    if (m_Name.empty())
        return erzeugeHtmlAusdruck(html, getTitel(inhalt, runde));
    return erzeugeHtmlAusdruck("<h1>" + clHtmlAusgabe::maskiere(m_Name) + "</h1>\n" + html,
                               m_Name + " - " + getTitel(inhalt, runde));
}

wxPrintout* clDruck::erzeugeAusdruck(const clEndrunde& er, EndrundenInhalt inhalt,
                                     const vecPlatzierung& endstand) const
{
    const clHtmlAusgabe aus(m_Turnier, m_Platten, m_Halle);
    switch (inhalt)
    {
    case EndrundenZettel:
        return erzeugeHtmlAusdruck(aus.erzeugeEndrundenZettel(er), getTitel(inhalt));
    case Endstand:
        return erzeugeHtmlAusdruck(aus.erzeugeEndstand(endstand), getTitel(inhalt));
    case Baum:
        break;
    }
    return new clEndrundenAusdruck(er, m_Turnier->getAllgemein()->Bezeichnung + " - " + getTitel(inhalt),
                                   clHtmlAusgabe::getUnterzeile(*m_Turnier->getAllgemein()),
                                   getSeitenDaten(true), &m_Halle->getSpielbetrieb());
}

wxHtmlPrintout* clDruck::erzeugeHtmlAusdruck(const wxString& html, const wxString& titel) const
{
    const clHtmlAusgabe aus(m_Turnier, m_Platten, m_Halle);
    auto* ausdruck = new wxHtmlPrintout("Quobel - " + titel);
    ausdruck->SetHtmlText(clHtmlAusgabe::erzeugeDokument(html));
    ausdruck->SetHeader(
        aus.erzeugeKopfzeile(wxString::Format(_("Seite %s von %s"), "@PAGENUM@", "@PAGESCNT@")));
    ausdruck->SetMargins(m_SeitenDaten);
    return ausdruck;
}

wxPageSetupDialogData clDruck::getSeitenDaten(bool quer) const
{
    wxPageSetupDialogData daten(m_SeitenDaten);
    if (quer)
        daten.GetPrintData().SetOrientation(wxLANDSCAPE);
    return daten;
}

bool clDruck::drucke(Inhalt inhalt, int runde)
{
    return druckeAusdruck(erzeugeAusdruck(inhalt, runde), m_SeitenDaten);
}

bool clDruck::drucke(const clEndrunde& er, EndrundenInhalt inhalt, const vecPlatzierung& endstand)
{
    return druckeAusdruck(erzeugeAusdruck(er, inhalt, endstand), getSeitenDaten(inhalt == Baum));
}

bool clDruck::druckeSpielzettel(const clTTSpiel* sp, clTurnier* konkurrenz,
                                const std::vector<int>& hallenPlatten)
{
    // Whatever the window shows, the match is looked for in the whole tournament.
    clHtmlAusgabe ausgabe(konkurrenz != nullptr ? konkurrenz : m_Halle);
    ausgabe.setHallenPlatten(hallenPlatten);
    const wxString html = ausgabe.erzeugeSpielzettel(sp);
    if (html.empty())
        return false;
    const bool gedruckt =
        druckeAusdruck(erzeugeHtmlAusdruck(html, _("Spielzettel")), m_SeitenDaten, !m_ZettelGedruckt);
    m_ZettelGedruckt = m_ZettelGedruckt || gedruckt;
    return gedruckt;
}

bool clDruck::druckeAusdruck(wxPrintout* ausdruck, const wxPageSetupDialogData& seite, bool fragen)
{
    std::unique_ptr<wxPrintout> besitz(ausdruck);
    wxPrintDialogData druckDaten(seite.GetPrintData());
    wxPrinter drucker(&druckDaten);
    const bool gedruckt = drucker.Print(m_Parent, ausdruck, fragen);
    if (gedruckt)
    {
        // The landscape of the tree is not kept for the next printout. The printer
        // chosen may be known only to the system's own print settings: taken from
        // there, the slips printed without asking go to it, not to the default one.
        const int ausrichtung = m_SeitenDaten.GetPrintData().GetOrientation();
        wxPrintData gewaehlt = drucker.GetPrintDialogData().GetPrintData();
        gewaehlt.ConvertFromNative();
        m_SeitenDaten.SetPrintData(gewaehlt);
        if (seite.GetPrintData().GetOrientation() != ausrichtung)
            m_SeitenDaten.GetPrintData().SetOrientation(static_cast<wxPrintOrientation>(ausrichtung));
    }
    return gedruckt;
}

bool clDruck::zeigeVorschau(Inhalt inhalt, int runde)
{
    // The preview takes both printouts: one to show, one for its print button.
    return zeigeAusdruck(erzeugeAusdruck(inhalt, runde), erzeugeAusdruck(inhalt, runde), m_SeitenDaten,
                         getTitel(inhalt, runde));
}

bool clDruck::zeigeVorschau(const clEndrunde& er, EndrundenInhalt inhalt, const vecPlatzierung& endstand)
{
    return zeigeAusdruck(erzeugeAusdruck(er, inhalt, endstand), erzeugeAusdruck(er, inhalt, endstand),
                         getSeitenDaten(inhalt == Baum), getTitel(inhalt));
}

bool clDruck::drucke(const wxString& html, const wxString& titel)
{
    return druckeAusdruck(erzeugeHtmlAusdruck(html, titel), m_SeitenDaten);
}

bool clDruck::zeigeVorschau(const wxString& html, const wxString& titel)
{
    return zeigeAusdruck(erzeugeHtmlAusdruck(html, titel), erzeugeHtmlAusdruck(html, titel), m_SeitenDaten,
                         titel);
}

bool clDruck::zeigeAusdruck(wxPrintout* ausdruck, wxPrintout* zumDrucken, const wxPageSetupDialogData& seite,
                            const wxString& titel)
{
    wxPrintDialogData druckDaten(seite.GetPrintData());
    auto* vorschau = new wxPrintPreview(ausdruck, zumDrucken, &druckDaten);
    if (!vorschau->IsOk())
    {
        delete vorschau;
        return false;
    }
    auto* rahmen = new wxPreviewFrame(vorschau, m_Parent, _("Druckvorschau") + " - " + titel,
                                      wxDefaultPosition, wxSize(900, 1000));
    // Modal to the application: the bracket's printout reads the bracket, which
    // must not change or go while the preview shows it.
    rahmen->InitializeWithModality(wxPreviewFrame_AppModal);
    rahmen->Show();
    return true;
}

wxArrayString clDruck::getZettelAuswahl(int& vorschlag) const
{
    wxArrayString auswahl;
    auswahl.Add(_("Alle offenen Spiele"));
    vorschlag = 0;
    for (int r = 1; r <= m_Turnier->getAnzahlRunden(); ++r)
    {
        auswahl.Add(wxString::Format(_("Runde %2.2d"), r));
        // Slips are usually wanted for the next round that is not played yet.
        for (int p = 1; vorschlag == 0 && m_Turnier->getSpiel(r, p) != nullptr; ++p)
            if (!m_Turnier->getSpiel(r, p)->hatEingaben())
                vorschlag = r;
    }
    return auswahl;
}

void clDruck::richteSeiteEin()
{
    wxPageSetupDialog dialog(m_Parent, &m_SeitenDaten);
    if (dialog.ShowModal() == wxID_OK)
        m_SeitenDaten = dialog.GetPageSetupDialogData();
}
