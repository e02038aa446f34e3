#include "ansicht/clDateiBefehle.h"

#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/intl.h>

#include "ansicht/clFensterKontext.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/clTurnierpanel.h"
#include "ansicht/dlAllgemeinDlg.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "verlauf/clBefehlsverlauf.h"

clDateiBefehle::clDateiBefehle(clFensterKontext& kontext, clTurnierpanel* teilnehmer,
                               std::function<void(const allgemein*)> zeigeAllgemein)
    : m_Kontext(kontext), m_Turnierpanel(teilnehmer), m_ZeigeAllgemein(std::move(zeigeAllgemein))
{
}

void clDateiBefehle::zeigeAllgemeinDlg(const wxString& titel, bool neu)
{
    clTurnier* turnier = m_Kontext.getTurnier();
    clTurnierDokument& dokument = m_Kontext.getDokument();
    dlAllgemeinDlg dlg(m_Kontext.getFenster(), wxID_ANY, titel, turnier->getAllgemein());
    // New starts without participants.
    dlg.setTeilnehmer(neu ? 0 : turnier->getAnzahlTeilnehmer());
    if (neu)
        dlg.setNeu();
    if (dlg.ShowModal() != wxID_OK)
        return;
    const allgemein alg = *dlg.GetAllgemeinDaten();
    // New has asked already whether to save what would be lost; a new schedule for
    // other tables or another mode keeps every result.
    if (!neu && turnier->verwirftSaetze(alg) &&
        dokument.frage(wxString::Format(wxGetTranslation(L"Mit %d Gewinnsätzen hat ein Spiel höchstens %d "
                                                         L"Sätze. Die eingetragenen Sätze danach gehen "
                                                         L"verloren. Trotzdem fortfahren?"),
                                        alg.Gewinnsaetze, 2 * alg.Gewinnsaetze - 1),
                       titel, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return;
    const wxString partner = neu ? wxString() : turnier->verworfenePartner(alg);
    if (!partner.empty() && dokument.frage(partner + "\n\n" + _("Trotzdem fortfahren?"), titel,
                                           wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return;
    const wxString gruppen = neu ? wxString() : turnier->verworfeneGruppen(alg);
    if (!gruppen.empty() && dokument.frage(gruppen + "\n\n" + _("Trotzdem fortfahren?"), titel,
                                           wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return;
    // A new tournament is one class again, the first, which the window shows once it hears of it.
    if (neu)
    {
        m_Kontext.getTag()->neu();
        turnier = m_Kontext.getTag()->getKonkurrenz(0);
    }
    turnier->setAllgemein(&alg);
    m_ZeigeAllgemein(&alg);
    turnier->Aktualisieren(neu);
    if (neu)
        dokument.vergissDatei();
}

void clDateiBefehle::OnNeu(wxCommandEvent&)
{
    if (m_Kontext.getDokument().frageAenderungenSpeichern())
        zeigeAllgemeinDlg(_("Allgemeine Daten zum neuen Turnier"), true);
}

void clDateiBefehle::OnBearbeiten(wxCommandEvent&)
{
    zeigeAllgemeinDlg(_("Allgemeine Turnierdaten bearbeiten"), false);
}

void clDateiBefehle::OnLaden(wxCommandEvent&)
{
    clTurnierDokument& dokument = m_Kontext.getDokument();
    wxFileDialog dlg(m_Kontext.getFenster(), _("Turnierdatei oeffnen"), "Turniere", wxString(),
                     clTurnierDokument::getDateitypen(), wxFD_OPEN);
    if (dlg.ShowModal() == wxID_OK && dokument.frageAenderungenSpeichern())
        dokument.oeffneDatei(clTurnierDokument::getGewaehlteDatei(dlg));
}

void clDateiBefehle::OnSchreiben(wxCommandEvent&)
{
    m_Kontext.getDokument().sichereUnter(false);
}

void clDateiBefehle::OnSpeichern(wxCommandEvent&)
{
    m_Kontext.getDokument().sichere();
}

void clDateiBefehle::OnSpeichernUnter(wxCommandEvent&)
{
    m_Kontext.getDokument().sichereUnter();
}

void clDateiBefehle::OnDateiverlauf(wxCommandEvent& event)
{
    m_Kontext.getDokument().oeffneVerlauf(event.GetId() - wxID_FILE1);
}

void clDateiBefehle::OnTeilnehmerImport(wxCommandEvent&)
{
    wxFileDialog dlg(m_Kontext.getFenster(), _("Teilnehmer importieren"), wxString(), wxString(),
                     _("Teilnehmerlisten (*.csv;*.txt)|*.csv;*.txt|Alle Dateien (*)|*"), wxFD_OPEN);
    if (dlg.ShowModal() != wxID_OK)
        return;
    // The new rows are shown where they are still to be applied.
    m_Kontext.waehleSeite(m_Turnierpanel);
    m_Turnierpanel->importiere(clTurnierDokument::getGewaehlteDatei(dlg));
}

void clDateiBefehle::OnRueckgaengig(wxCommandEvent&)
{
    // While a cell is typed into, Ctrl+Z takes back the typing, not the last step.
    if (!m_Kontext.brichZellEingabeAb())
        m_Kontext.getDokument().getBefehle().Undo();
}

void clDateiBefehle::OnWiederherstellen(wxCommandEvent&)
{
    m_Kontext.schliesseZellEingaben();
    m_Kontext.getDokument().getBefehle().Redo();
}
