#include "ausgabe/clDruck.h"

#include <memory>
#include <wx/html/htmprint.h>
#include <wx/intl.h>
#include <wx/printdlg.h>

#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clTurnier.h"

clDruck::clDruck(wxWindow* parent, clTurnier* turnier) : m_Parent(parent), m_Turnier(turnier)
{
    // Narrower than the usual inch, so that more slips fit on a page.
    m_SeitenDaten.SetMarginTopLeft(wxPoint(15, 15));
    m_SeitenDaten.SetMarginBottomRight(wxPoint(15, 15));
}

clDruck::~clDruck() = default;

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

wxHtmlPrintout* clDruck::erzeugeAusdruck(Inhalt inhalt, int runde) const
{
    const clHtmlAusgabe aus(m_Turnier);
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
    auto* ausdruck = new wxHtmlPrintout("Quobel - " + getTitel(inhalt, runde));
    ausdruck->SetHtmlText(clHtmlAusgabe::erzeugeDokument(html));
    ausdruck->SetHeader(
        aus.erzeugeKopfzeile(wxString::Format(_("Seite %s von %s"), "@PAGENUM@", "@PAGESCNT@")));
    ausdruck->SetMargins(m_SeitenDaten);
    return ausdruck;
}

bool clDruck::drucke(Inhalt inhalt, int runde)
{
    wxPrintDialogData druckDaten(m_SeitenDaten.GetPrintData());
    wxPrinter drucker(&druckDaten);
    std::unique_ptr<wxHtmlPrintout> ausdruck(erzeugeAusdruck(inhalt, runde));
    const bool gedruckt = drucker.Print(m_Parent, ausdruck.get(), true);
    if (gedruckt)
        m_SeitenDaten.SetPrintData(drucker.GetPrintDialogData().GetPrintData());
    return gedruckt;
}

bool clDruck::zeigeVorschau(Inhalt inhalt, int runde)
{
    // The preview takes both printouts: one to show, one for its print button.
    wxPrintDialogData druckDaten(m_SeitenDaten.GetPrintData());
    auto* vorschau =
        new wxPrintPreview(erzeugeAusdruck(inhalt, runde), erzeugeAusdruck(inhalt, runde), &druckDaten);
    if (!vorschau->IsOk())
    {
        delete vorschau;
        return false;
    }
    auto* rahmen =
        new wxPreviewFrame(vorschau, m_Parent, _("Druckvorschau") + " - " + getTitel(inhalt, runde),
                           wxDefaultPosition, wxSize(900, 1000));
    rahmen->Initialize();
    rahmen->Show();
    return true;
}

void clDruck::richteSeiteEin()
{
    wxPageSetupDialog dialog(m_Parent, &m_SeitenDaten);
    if (dialog.ShowModal() == wxID_OK)
        m_SeitenDaten = dialog.GetPageSetupDialogData();
}
