#include "ansicht/clTurnierDokument.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include "verlauf/clBefehlsverlauf.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "ansicht/clTurnierpanel.h"
#include "verlauf/clWiederherstellung.h"

namespace
{
// New files get the extension; any name still loads.
const wxString Endung = "quobel";
const wxString VerlaufGruppe = "/Dateiverlauf";
} // namespace

wxString clTurnierDokument::getDateitypen()
{
    return _("Quobel-Turniere (*.quobel)|*.quobel|Alle Dateien (*)|*");
}

// GTK's chooser tells the chosen path only once it has been on screen; a dialog
// answered without being shown holds it as directory and name.
wxString clTurnierDokument::getGewaehlteDatei(const wxFileDialog& dlg)
{
    const wxString pfad = dlg.GetPath();
    return pfad.empty() ? wxFileName(dlg.GetDirectory(), dlg.GetFilename()).GetFullPath() : pfad;
}

clTurnierDokument::clTurnierDokument(wxFrame* fenster, clTurniertag* tag, clTurnierpanel* teilnehmer,
                                     std::function<void()> schliesseEingaben,
                                     const wxString& wiederherstellungsOrdner)
    : m_Fenster(fenster), m_Tag(tag), m_Teilnehmer(teilnehmer),
      m_SchliesseEingaben(std::move(schliesseEingaben)), m_Grundtitel(fenster->GetTitle()),
      m_Befehle(new clBefehlsverlauf(tag)),
      m_Wiederherstellung(new clWiederherstellung(tag, teilnehmer->getTable(), wiederherstellungsOrdner)),
      m_Verworfen(false), m_NachAbsturz(false)
{
    m_Tag->addBeobachter(this);
    m_Wiederherstellung->setFehlerMeldung([this](const wxString& text) { zeigeStatus(text); });
    // Names typed on the participants page are unsaved work too.
    m_Teilnehmer->getTable()->setBeiAenderung([this]() { folgeAenderung(); });
    wxConfig konfig(wxTheApp->GetAppName());
    konfig.SetPath(VerlaufGruppe);
    m_Verlauf.Load(konfig);
}

clTurnierDokument::~clTurnierDokument()
{
    m_Teilnehmer->getTable()->setBeiAenderung(nullptr);
    m_Tag->removeBeobachter(this);
}

bool clTurnierDokument::hatUngesicherteAenderungen() const
{
    return m_Tag->istGeaendert() || m_Teilnehmer->getTable()->hatAenderungen();
}

void clTurnierDokument::turnierGeaendert(modAenderung, const wxString&)
{
    folgeAenderung();
}

void clTurnierDokument::folgeAenderung()
{
    m_Verworfen = false;
    aktualisiereTitel();
    // Undone back to the saved state, there is nothing left to recover.
    if (hatUngesicherteAenderungen())
        m_Wiederherstellung->merkeVor();
    else
        m_Wiederherstellung->entferne();
}

void clTurnierDokument::aktualisiereTitel()
{
    wxString titel = m_Datei.empty()
                         ? m_Grundtitel
                         : wxString::Format("%s - %s", wxFileName(m_Datei).GetFullName(), m_Grundtitel);
    if (hatUngesicherteAenderungen())
        titel.Prepend("*");
    if (titel != m_Fenster->GetTitle())
        m_Fenster->SetTitle(titel);
}

int clTurnierDokument::frage(const wxString& text, const wxString& titel, long stil, const wxString& zusatz)
{
    wxMessageDialog dlg(m_Fenster, text, titel, stil);
    if (!zusatz.empty())
        dlg.SetExtendedMessage(zusatz);
    if (stil & wxCANCEL)
        dlg.SetYesNoCancelLabels(_("Ja"), _("Nein"), _("Abbrechen"));
    else
        dlg.SetYesNoLabels(_("Ja"), _("Nein"));
    return dlg.ShowModal();
}

void clTurnierDokument::zeigeFehler(const wxString& text, const wxString& titel)
{
    wxMessageDialog(m_Fenster, text, titel, wxOK | wxICON_ERROR).ShowModal();
}

void clTurnierDokument::zeigeStatus(const wxString& text)
{
    if (m_Fenster->GetStatusBar() != nullptr)
        m_Fenster->SetStatusText(text);
}

bool clTurnierDokument::frageAenderungenSpeichern()
{
    // A name or score still in its cell editor counts as typed.
    m_SchliesseEingaben();
    if (!hatUngesicherteAenderungen())
        return true;
    const wxString zusatz =
        m_Datei.empty()
            ? wxGetTranslation(L"Das Turnier ist noch nicht gesichert.")
            : wxString::Format(wxGetTranslation(L"„%s“ hat Änderungen, die noch nicht gesichert sind."),
                               wxFileName(m_Datei).GetFullName());
    switch (frage(wxGetTranslation(L"Änderungen speichern?"), m_Grundtitel,
                  wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_QUESTION, zusatz))
    {
    case wxID_YES:
        return sichere();
    case wxID_NO:
        m_Verworfen = true;
        m_Wiederherstellung->entferne();
        return true;
    default:
        return false;
    }
}

bool clTurnierDokument::sichere()
{
    if (m_Datei.empty())
        return sichereUnter();
    // Saved elsewhere after the crash, perhaps by another Quobel: that work is not
    // replaced unasked.
    if (m_NachAbsturz && m_Wiederherstellung->getOriginalStand() != sDateiStand::von(m_Datei) &&
        frage(wxString::Format(wxGetTranslation(L"„%s“ wurde seit dem Absturz geändert. Ersetzen?"),
                               wxFileName(m_Datei).GetFullName()),
              _("Turnier sichern"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
              wxGetTranslation(L"Mit „Speichern unter...“ bleiben beide erhalten.")) != wxID_YES)
        return false;
    return schreibeDatei(m_Datei);
}

wxString clTurnierDokument::schlageDateinamenVor() const
{
    wxString name = m_Tag->getKonkurrenz(0)->getAllgemein()->Bezeichnung;
    // Characters that no file system takes, and line breaks, become dashes.
    for (wxUniCharRef c : name)
        if (wxString("/\\:*?\"<>|\r\n\t").Find(c) != wxNOT_FOUND)
            c = '-';
    name.Trim().Trim(false);
    return (name.empty() ? wxString(_("Turnier")) : name) + "." + Endung;
}

bool clTurnierDokument::sichereUnter(bool ueberschreibenFragen)
{
    const wxFileName bisher(m_Datei);
    wxFileDialog dlg(m_Fenster, _("Turnierdatei schreiben"), m_Datei.empty() ? "Turniere" : bisher.GetPath(),
                     m_Datei.empty() ? schlageDateinamenVor() : bisher.GetFullName(), getDateitypen(),
                     wxFD_SAVE);
    if (dlg.ShowModal() != wxID_OK)
        return false;
    wxFileName datei(getGewaehlteDatei(dlg));
    if (!datei.HasExt())
        datei.SetExt(Endung);
    // Asked for the name that is written, the extension included.
    if (ueberschreibenFragen && datei.FileExists() &&
        frage(wxString::Format(wxGetTranslation(L"„%s“ gibt es schon. Ersetzen?"), datei.GetFullName()),
              _("Turnier sichern"), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return false;
    return schreibeDatei(datei.GetFullPath());
}

bool clTurnierDokument::klaereTeilnehmerliste()
{
    if (!m_Teilnehmer->getTable()->hatAenderungen())
        return true;
    switch (frage(wxGetTranslation(L"Die Teilnehmerliste hat Änderungen, die noch nicht übernommen sind. "
                                   L"Vor dem Speichern übernehmen?"),
                  _("Turnier sichern"), wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_QUESTION,
                  wxGetTranslation(L"„Nein“ speichert das Turnier ohne sie; sie bleiben auf der Seite "
                                   L"„Turnier und Teilnehmer“ stehen.")))
    {
    case wxID_YES:
        if (m_Teilnehmer->uebernehmeTeilnehmerliste())
            return true;
        zeigeFehler(wxGetTranslation(L"Die Teilnehmerliste wurde nicht übernommen; die Datei wurde nicht "
                                     L"geschrieben."),
                    _("Turnier sichern"));
        return false;
    case wxID_NO:
        return true;
    default:
        return false;
    }
}

bool clTurnierDokument::schreibeDatei(const wxString& pfad)
{
    m_SchliesseEingaben();
    if (!klaereTeilnehmerliste())
        return false;
    wxString fehler;
    if (!m_Tag->speichere(pfad, &fehler))
    {
        zeigeFehler(fehler + "\n\n" + wxGetTranslation(L"Die Datei wurde nicht geschrieben."),
                    _("Turnier sichern"));
        return false;
    }
    m_Befehle->merkeGesichert();
    merkeDatei(pfad);
    // Participants left on their page stay unsaved work.
    folgeAenderung();
    return true;
}

bool clTurnierDokument::oeffneDatei(const wxString& pfad)
{
    wxString fehler;
    if (!m_Tag->lies(pfad, &fehler))
    {
        zeigeFehler(fehler, _("Turnier laden"));
        return false;
    }
    m_Wiederherstellung->entferne();
    merkeDatei(pfad);
    return true;
}

void clTurnierDokument::oeffneVerlauf(size_t nr)
{
    if (!frageAenderungenSpeichern() || oeffneDatei(m_Verlauf.GetHistoryFile(nr)))
        return;
    // A file that cannot be read any more leaves the list, as on any desktop.
    m_Verlauf.RemoveFileFromHistory(nr);
    speichereVerlauf();
}

void clTurnierDokument::vergissDatei()
{
    m_NachAbsturz = false;
    m_Datei.clear();
    m_Wiederherstellung->setOriginal(m_Datei);
    aktualisiereTitel();
}

void clTurnierDokument::merkeDatei(const wxString& pfad)
{
    m_NachAbsturz = false;
    m_Datei = pfad;
    m_Wiederherstellung->setOriginal(pfad);
    m_Verlauf.AddFileToHistory(pfad);
    speichereVerlauf();
    aktualisiereTitel();
}

void clTurnierDokument::speichereVerlauf()
{
    wxConfig konfig(wxTheApp->GetAppName());
    konfig.SetPath(VerlaufGruppe);
    m_Verlauf.Save(konfig);
}

int clTurnierDokument::pruefeWiederherstellung()
{
    int livePort = 0;
    const wxString ordner = wxFileName(m_Wiederherstellung->getPfad()).GetPath();
    for (const sWiederherstellung& fund : clWiederherstellung::suche(ordner))
    {
        const wxString text = wxString::Format(
            wxGetTranslation(L"Quobel wurde beendet, ohne diese Änderungen zu sichern:\n\n„%s“\nDatei: "
                             L"%s\nLetzte Änderung: %s"),
            fund.bezeichnung,
            fund.original.empty() ? wxGetTranslation(L"noch nicht gespeichert") : fund.original,
            fund.zeit.IsValid() ? fund.zeit.Format("%d.%m.%Y %H:%M:%S") : wxString());
        if (frage(text, _("Wiederherstellen?"), wxYES_NO | wxYES_DEFAULT | wxICON_QUESTION,
                  wxGetTranslation(
                      L"„Nein“ legt die Sicherung beiseite; sie wird nicht wieder angeboten.")) != wxID_YES)
        {
            meldeVerbleib(!clWiederherstellung::legeBeiseite(fund.pfad).empty(), fund.pfad);
            continue;
        }
        wxString fehler;
        if (!frageAenderungenSpeichern())
            return livePort;
        if (!m_Tag->lies(fund.pfad, &fehler))
        {
            zeigeFehler(fehler, _("Wiederherstellen"));
            meldeVerbleib(!clWiederherstellung::legeBeiseite(fund.pfad).empty(), fund.pfad);
            continue;
        }
        // The changes of the file it belongs to, still to be saved there, and the
        // participants typed on their page.
        m_Tag->setGeaendert(true);
        m_Befehle->vergissGesichert();
        m_Datei = fund.original;
        m_Wiederherstellung->setOriginal(m_Datei, fund.stand);
        m_NachAbsturz = true;
        livePort = fund.livePort;
        if (!fund.eingaben.empty())
            m_Teilnehmer->getTable()->setzeEditListe(fund.eingaben);
        if (m_Wiederherstellung->schreibe())
        {
            wxLogNull keineMeldungen;
            meldeVerbleib(wxRemoveFile(fund.pfad), fund.pfad);
        }
        aktualisiereTitel();
    }
    return livePort;
}

void clTurnierDokument::meldeVerbleib(bool erledigt, const wxString& pfad)
{
    if (!erledigt)
        zeigeFehler(wxString::Format(wxGetTranslation(L"Die Sicherung „%s“ konnte weder entfernt noch "
                                                      L"beiseitegelegt werden; sie wird beim nächsten "
                                                      L"Start wieder angeboten."),
                                     pfad),
                    _("Wiederherstellen"));
}

void clTurnierDokument::beende()
{
    if (hatUngesicherteAenderungen() && !m_Verworfen)
        m_Wiederherstellung->schreibe();
    else
        m_Wiederherstellung->entferne();
}
