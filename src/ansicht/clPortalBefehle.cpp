#include "ansicht/clPortalBefehle.h"

#include <set>
#include <wx/choicdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

#include "ansicht/clFensterKontext.h"
#include "ansicht/clTurnierDokument.h"
#include "ausgabe/clPortalExport.h"
#include "datei/clPortalDokument.h"
#include "datei/clPortalImport.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"

clPortalBefehle::clPortalBefehle(clFensterKontext& kontext) : m_Kontext(kontext) {}

bool clPortalBefehle::istImportiert(const wchar_t* titel) const
{
    if (!m_Kontext.getTag()->getPortal().istLeer())
        return true;
    wxMessageDialog(
        m_Kontext.getFenster(),
        wxGetTranslation(L"Dieses Turnier ist nicht aus dem Turnierportal importiert. Importieren Sie "
                         L"zuerst die Meldungen (Turnier → Aus dem Turnierportal importieren...)."),
        wxGetTranslation(titel), wxOK | wxICON_INFORMATION)
        .ShowModal();
    return false;
}

void clPortalBefehle::OnImport(wxCommandEvent&)
{
    const wxString titel = _("Aus dem Turnierportal importieren");
    m_Kontext.schliesseZellEingaben();
    wxFileDialog dlg(m_Kontext.getFenster(), titel, wxString(), wxString(),
                     _("Dateien des Turnierportals (*.xml)|*.xml;*.XML|Alle Dateien (*)|*"), wxFD_OPEN);
    if (dlg.ShowModal() != wxID_OK)
        return;
    clTurnierDokument& dokument = m_Kontext.getDokument();
    clPortalDokument dok;
    wxString fehler;
    if (!dok.liesDatei(clTurnierDokument::getGewaehlteDatei(dlg), &fehler))
    {
        dokument.zeigeFehler(fehler, titel);
        return;
    }
    clTurniertag& tag = *m_Kontext.getTag();
    const clPortalImport import(tag, dok);
    if (!import.getFehler().empty())
    {
        dokument.zeigeFehler(import.getFehler(), titel);
        return;
    }
    // The question first, the details below it: removing entries is never the default.
    const wxString entfallend = import.getEntfallende();
    wxMessageDialog frage(m_Kontext.getFenster(), wxGetTranslation(L"Diese Meldungen übernehmen?"), titel,
                          (entfallend.empty() ? wxOK : wxYES_NO | wxNO_DEFAULT) | wxCANCEL | wxICON_QUESTION);
    if (entfallend.empty())
    {
        frage.SetExtendedMessage(import.getZusammenfassung());
        frage.SetOKCancelLabels(_("Importieren"), _("Abbrechen"));
    }
    else
    {
        frage.SetExtendedMessage(import.getZusammenfassung() +
                                 _("\nNicht mehr im Turnierportal gemeldet:\n") + entfallend);
        frage.SetYesNoCancelLabels(_("Importieren und entfernen"), _("Importieren, diese behalten"),
                                   _("Abbrechen"));
    }
    const int antwort = frage.ShowModal();
    if (antwort == wxID_CANCEL)
        return;
    if (!import.wendeAn(tag, antwort == wxID_YES))
        dokument.zeigeFehler(
            wxGetTranslation(L"Der Import ließ sich nicht übernehmen; das Turnier ist, wie es war."), titel);
}

void clPortalBefehle::OnWarteliste(wxCommandEvent&)
{
    const wchar_t* titel = L"Warteliste des Turnierportals";
    if (!istImportiert(titel))
        return;
    m_Kontext.schliesseZellEingaben();
    clTurniertag& tag = *m_Kontext.getTag();
    const int i = tag.finde(m_Kontext.getTurnier());
    clPortalDokument dok;
    wxString fehler;
    if (!dok.lies(tag.getPortal().getDokument(), wxString(), &fehler))
    {
        m_Kontext.getDokument().zeigeFehler(fehler, wxGetTranslation(titel));
        return;
    }
    const auto warten = clPortalImport::getWarteliste(tag, dok, i);
    wxString grund;
    if (warten.empty())
        grund = wxString::Format(wxGetTranslation(L"Auf der Warteliste von „%s“ steht niemand mehr."),
                                 tag.getName(i));
    else if (m_Kontext.getTurnier()->getGruppenphase() != nullptr)
        grund = wxString::Format(wxGetTranslation(L"„%s“ ist schon ausgelost und nimmt niemanden mehr auf."),
                                 tag.getName(i));
    if (!grund.empty())
    {
        wxMessageDialog(m_Kontext.getFenster(), grund, wxGetTranslation(titel), wxOK | wxICON_INFORMATION)
            .ShowModal();
        return;
    }
    wxArrayString namen;
    for (const sPortalSpieler* s : warten)
        namen.Add(s->getName());
    wxMultiChoiceDialog dlg(m_Kontext.getFenster(),
                            wxString::Format(wxGetTranslation(L"Wer rückt in „%s“ nach?"), tag.getName(i)),
                            wxGetTranslation(titel), namen);
    if (dlg.ShowModal() != wxID_OK || dlg.GetSelections().empty())
        return;
    std::set<wxString> aufnehmen;
    for (int n : dlg.GetSelections())
        aufnehmen.insert(warten[n]->id);
    if (!clPortalImport(tag, dok, aufnehmen).wendeAn(tag, false))
        m_Kontext.getDokument().zeigeFehler(
            wxGetTranslation(L"Die Meldungen ließen sich nicht aufnehmen; das Turnier ist, wie es war."),
            wxGetTranslation(titel));
}

void clPortalBefehle::OnExport(wxCommandEvent&)
{
    const wchar_t* titel = L"Ergebnisse für das Turnierportal exportieren";
    if (!istImportiert(titel))
        return;
    m_Kontext.schliesseZellEingaben();
    clTurnierDokument& dokument = m_Kontext.getDokument();
    const wxString& datei = dokument.getDatei();
    const wxString verzeichnis = datei.empty() ? wxString() : wxFileName(datei).GetPath();
    const wxString vorschlag =
        datei.empty() ? wxString("ergebnisse.xml") : wxFileName(datei).GetName() + "-ergebnisse.xml";
    wxFileDialog dlg(m_Kontext.getFenster(), wxGetTranslation(titel), verzeichnis, vorschlag,
                     _("Dateien des Turnierportals (*.xml)|*.xml"), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK)
        return;
    const wxString pfad = clTurnierDokument::getGewaehlteDatei(dlg);
    const clTurniertag& tag = *m_Kontext.getTag();
    clPortalExport ex(tag);
    wxString fehler;
    if (!ex.schreibe(pfad, &fehler))
    {
        dokument.zeigeFehler(fehler, wxGetTranslation(titel));
        return;
    }
    wxString bericht =
        wxString::Format(wxGetTranslation(L"%d Spiele stehen in „%s“."), ex.getAnzahlSpiele(), pfad);
    wxString nichtImportiert;
    for (int i = 0; i < tag.getAnzahl(); ++i)
        if (tag.getPortal().getWettbewerb(tag.getKennung(i)).empty())
            nichtImportiert += (nichtImportiert.empty() ? "" : ", ") + tag.getName(i);
    if (!nichtImportiert.empty())
        bericht += "\n\n" +
                   wxString::Format(wxGetTranslation(L"Nicht aus dem Turnierportal und nicht exportiert: %s"),
                                    nichtImportiert);
    wxString ohne;
    for (const wxString& name : ex.getOhneKennung())
        ohne += "\n" + name;
    if (!ohne.empty())
        bericht += "\n\n" +
                   wxGetTranslation(L"Ohne Kennung im Turnierportal, ihre Spiele fehlen in der Datei:") +
                   ohne;
    wxMessageDialog(m_Kontext.getFenster(), bericht, wxGetTranslation(titel),
                    wxOK | (ohne.empty() ? wxICON_INFORMATION : wxICON_WARNING))
        .ShowModal();
}
