#include "ansicht/clHallenBefehle.h"

#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/listctrl.h>

#include "ansicht/clFensterKontext.h"
#include "ansicht/clHallenanzeige.h"
#include "ansicht/clLiveBetrieb.h"
#include "ansicht/clSpielbetriebpanel.h"
#include "ansicht/clStartoptionen.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/dlLiveSeiteDlg.h"
#include "ansicht/wxQuobelFrame.h"
#include "verlauf/clWiederherstellung.h"

clHallenBefehle::clHallenBefehle(clFensterKontext& kontext, clSpielbetriebpanel* spielbetrieb)
    : m_Kontext(kontext), m_Spielbetriebpanel(spielbetrieb), m_Live(new clLiveBetrieb(kontext.getTag())),
      m_LivePort(clStartoptionen::LivePortStandard)
{
}

clHallenBefehle::~clHallenBefehle() = default;

bool clHallenBefehle::starteLiveSeite(int port, const std::string& adresse)
{
    clTurnierDokument& dokument = m_Kontext.getDokument();
    wxString fehler;
    if (!m_Live->starte(port, fehler, adresse))
    {
        dokument.zeigeFehler(fehler, _("Live-Seite im Netz"));
        return false;
    }
    m_LivePort = m_Live->getServer()->getPort();
    dokument.getWiederherstellung().setLivePort(m_LivePort);
    const wxArrayString adressen = m_Live->getAdressen();
    m_Kontext.getFenster()->SetStatusText(
        wxString::Format(wxGetTranslation(L"Die Live-Seite läuft: %s"),
                         adressen.empty() ? wxString::Format("Port %d", m_LivePort) : adressen[0]));
    zeigeLiveAdresse();
    return true;
}

void clHallenBefehle::stoppeLiveSeite()
{
    m_Live->stoppe();
    m_Kontext.getDokument().getWiederherstellung().setLivePort(0);
    m_Kontext.getFenster()->SetStatusText(_("Die Live-Seite ist beendet."));
    zeigeLiveAdresse();
}

void clHallenBefehle::zeigeLiveAdresse()
{
    if (!m_Hallenanzeige)
        return;
    const wxArrayString adressen = getLiveServer() != nullptr ? m_Live->getAdressen() : wxArrayString();
    m_Hallenanzeige->setLiveAdresse(adressen.empty() ? wxString() : adressen[0]);
}

const clLiveServer* clHallenBefehle::getLiveServer() const
{
    return m_Live->getServer();
}

void clHallenBefehle::OnLiveSeite(wxCommandEvent& event)
{
    if (!event.IsChecked())
        stoppeLiveSeite();
    else if (starteLiveSeite(m_LivePort))
        OnLiveAdresse(event);
}

void clHallenBefehle::OnLiveAdresse(wxCommandEvent&)
{
    if (getLiveServer() == nullptr)
        return;
    dlLiveSeiteDlg dlg(m_Kontext.getFenster(), m_Live->getAdressen());
    if (dlg.ShowModal() == wxID_STOP)
        stoppeLiveSeite();
}

void clHallenBefehle::OnHallenanzeige(wxCommandEvent&)
{
    if (!m_Hallenanzeige)
    {
        m_Hallenanzeige = new clHallenanzeige(m_Kontext.getFenster(), m_Kontext.getTag());
        zeigeLiveAdresse();
    }
    m_Hallenanzeige->zeige();
}

void clHallenBefehle::OnLiveSeiteMenue(wxUpdateUIEvent& event)
{
    if (event.GetId() == wxQuobelFrame::idMenuLiveSeite)
        event.Check(getLiveServer() != nullptr);
    else
        event.Enable(getLiveServer() != nullptr);
}

void clHallenBefehle::OnSpielbetrieb(wxCommandEvent&)
{
    m_Kontext.schliesseZellEingaben();
    m_Kontext.waehleSeite(m_Spielbetriebpanel);
    // Enter calls the proposed match at once.
    m_Spielbetriebpanel->getAufrufbare()->SetFocus();
}
