#include "ansicht/clAusgabeBefehle.h"

#include <wx/choicdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/menu.h>

#include "ansicht/clFensterKontext.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/wxQuobelFrame.h"
#include "ausgabe/clCsvExport.h"
#include "ausgabe/clDruck.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurniertag.h"

clAusgabeBefehle::clAusgabeBefehle(clFensterKontext& kontext)
    : m_Kontext(kontext), m_Druck(new clDruck(kontext.getFenster(), kontext.getTurnier()))
{
}

clAusgabeBefehle::~clAusgabeBefehle() = default;

int clAusgabeBefehle::frageSpielzettelRunde()
{
    int vorschlag = 0;
    const wxArrayString auswahl = m_Druck->getZettelAuswahl(vorschlag);
    return wxGetSingleChoiceIndex(wxGetTranslation(L"Spielzettel für welche Runde?"), _("Spielzettel"),
                                  auswahl, vorschlag, m_Kontext.getFenster());
}

void clAusgabeBefehle::OnDrucken(wxCommandEvent& event)
{
    m_Kontext.schliesseZellEingaben();
    const bool vorschau = event.GetId() >= wxQuobelFrame::idMenuVorschauSpielplan;
    const clDruck::Inhalt inhalt =
        static_cast<clDruck::Inhalt>((event.GetId() - (vorschau ? wxQuobelFrame::idMenuVorschauSpielplan
                                                                : wxQuobelFrame::idMenuDruckSpielplan)));
    int runde = 0;
    if (inhalt == clDruck::Spielzettel && (runde = frageSpielzettelRunde()) < 0)
        return;
    if (vorschau)
        m_Druck->zeigeVorschau(inhalt, runde);
    else
        m_Druck->drucke(inhalt, runde);
}

void clAusgabeBefehle::OnSeiteEinrichten(wxCommandEvent&)
{
    m_Druck->richteSeiteEin();
}

void clAusgabeBefehle::OnExportieren(wxCommandEvent& event)
{
    using F = wxQuobelFrame;
    m_Kontext.schliesseZellEingaben();
    const bool seite = event.GetId() == F::idMenuExportSeite;
    const int id = event.GetId();
    clTurnier* turnier = m_Kontext.getTurnier();
    // The menu offers the bracket's exports only with a bracket; a stale menu may still ask.
    const clGruppenphase* gp = turnier->getGruppenphase();
    if ((id == F::idMenuExportEndrunde || id == F::idMenuExportEndstand) &&
        (gp == nullptr || gp->getEndrunde() == nullptr))
        return;
    const wxString vorschlag = id == F::idMenuExportTabelle          ? _("Turniertabelle.csv")
                               : id == F::idMenuExportErgebnisse     ? _("Ergebnisse.csv")
                               : id == F::idMenuExportEndrunde       ? _("Endrunde.csv")
                               : id == F::idMenuExportEndstand       ? _("Endstand.csv")
                               : m_Kontext.getTag()->getAnzahl() > 1 ? _("Turniertag.html")
                                                                     : _("Turnier.html");
    const wxString typen = seite ? _("Webseiten (*.html)|*.html|Alle Dateien (*)|*")
                                 : _("CSV-Dateien (*.csv)|*.csv|Alle Dateien (*)|*");
    clTurnierDokument& dokument = m_Kontext.getDokument();
    const wxString& datei = dokument.getDatei();
    const wxString verzeichnis = datei.empty() ? wxString() : wxFileName(datei).GetPath();
    wxFileDialog dlg(m_Kontext.getFenster(), _("Exportieren"), verzeichnis, vorschlag, typen,
                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK)
        return;
    const wxString pfad = clTurnierDokument::getGewaehlteDatei(dlg);
    wxString fehler;
    bool erfolg = false;
    // In groups the standings and results of every group; the results and the page
    // of a day of several classes are those of every class.
    if (id == F::idMenuExportTabelle)
        erfolg = clCsvExport(turnier).schreibeTabelle(pfad, &fehler);
    else if (id == F::idMenuExportErgebnisse)
        erfolg = clCsvExport::schreibeErgebnisse(pfad, *m_Kontext.getTag(), &fehler);
    else if (id == F::idMenuExportEndrunde)
        erfolg = clCsvExport::schreibeEndrunde(pfad, *gp->getEndrunde(), &fehler);
    else if (id == F::idMenuExportEndstand)
        erfolg = clCsvExport::schreibeEndstand(pfad, gp->getEndstand(), &fehler);
    else
        erfolg = clHtmlAusgabe::schreibeSeite(pfad, *m_Kontext.getTag(), &fehler);
    if (!erfolg)
        dokument.zeigeFehler(fehler, _("Exportieren"));
}

void clAusgabeBefehle::OnDruckGruppen(wxCommandEvent& event)
{
    m_Kontext.schliesseZellEingaben();
    const clGruppenphase* gp = m_Kontext.getTurnier()->getGruppenphase();
    if (gp == nullptr)
        return;
    wxString html;
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
    {
        // Neither table of a group is cut by a page end, which would leave its
        // continuation without the column heads.
        const clHtmlAusgabe gruppe(gp->getGruppe(g), gp->getPlatten(g));
        html +=
            clHtmlAusgabe::zusammen("<h1>" + clHtmlAusgabe::maskiere(wxString::Format(_("Gruppe %d"), g)) +
                                    "</h1>\n" + gruppe.erzeugeTabelle()) +
            clHtmlAusgabe::zusammen(gruppe.erzeugeKreuztabelle());
    }
    if (event.GetId() == wxQuobelFrame::idMenuVorschauGruppen)
        m_Druck->zeigeVorschau(html, _("Alle Gruppen"));
    else
        m_Druck->drucke(html, _("Alle Gruppen"));
}

void clAusgabeBefehle::OnDruckEndrunde(wxCommandEvent& event)
{
    const bool vorschau = event.GetId() >= wxQuobelFrame::idMenuVorschauEndrunde;
    const clDruck::EndrundenInhalt inhalt = static_cast<clDruck::EndrundenInhalt>(
        event.GetId() -
        (vorschau ? wxQuobelFrame::idMenuVorschauEndrunde : wxQuobelFrame::idMenuDruckEndrunde));
    const clGruppenphase* gp = m_Kontext.getTurnier()->getGruppenphase();
    if (gp == nullptr || gp->getEndrunde() == nullptr)
        return;
    if (vorschau)
        m_Druck->zeigeVorschau(*gp->getEndrunde(), inhalt, gp->getEndstand());
    else
        m_Druck->drucke(*gp->getEndrunde(), inhalt, gp->getEndstand());
}

void clAusgabeBefehle::OnDruckKonkurrenzen(wxCommandEvent& event)
{
    m_Kontext.schliesseZellEingaben();
    const wxString html = clHtmlAusgabe::erzeugeAlleKonkurrenzen(*m_Kontext.getTag());
    if (event.GetId() == wxQuobelFrame::idMenuVorschauKonkurrenzen)
        m_Druck->zeigeVorschau(html, _("Alle Konkurrenzen"));
    else
        m_Druck->drucke(html, _("Alle Konkurrenzen"));
}

void clAusgabeBefehle::zeigeMenues(wxMenu* druck, wxMenu* vorschau) const
{
    const bool zeigen = m_Kontext.getTag()->getAnzahl() > 1;
    for (const auto& [menue, id] : {std::pair{druck, int(wxQuobelFrame::idMenuDruckKonkurrenzen)},
                                    std::pair{vorschau, int(wxQuobelFrame::idMenuVorschauKonkurrenzen)}})
    {
        // Last in its menu, after the bracket's items that come and go with the form.
        if (menue->FindItem(id) != nullptr)
            menue->Delete(id);
        if (zeigen)
            menue->Append(id, _("Alle Konkurrenzen..."), _("die Platzierungen jeder Konkurrenz des Tages"));
    }
}
