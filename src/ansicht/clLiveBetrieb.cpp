#include "ansicht/clLiveBetrieb.h"

#include "ausgabe/clLiveSeiten.h"
#include "modell/clTurniertag.h"
#include "netz/clNetzAdressen.h"

clLiveBetrieb::clLiveBetrieb(clTurniertag* tag) : m_Tag(tag), m_Takt(this), m_Geplant(false), m_Ende(false)
{
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { uebergib(std::make_shared<clLiveSeiten>(m_Tag, true), true); });
}

clLiveBetrieb::~clLiveBetrieb()
{
    stoppe();
}

bool clLiveBetrieb::starte(int port, wxString& fehler, const std::string& adresse)
{
    if (m_Server.laeuft())
        return true;
    // Published before the start, so that the first phone sees the tournament.
    spLiveSeiten erste = clLiveSeiten(m_Tag).erzeuge();
    m_Server.veroeffentliche(erste);
    if (!m_Server.starte(adresse, port, fehler))
        return false;
    {
        std::lock_guard<std::mutex> sperre(m_Sperre);
        m_Ende = false;
        m_Auftrag = sAuftrag();
    }
    m_Bauer = std::thread([this, erste] { baue(erste); });
    m_Tag->addBeobachter(this);
    m_Takt.Start(Takt);
    return true;
}

void clLiveBetrieb::stoppe()
{
    // The timer runs exactly while this is the tournament's observer, also if
    // the server should have ended by itself.
    if (!m_Takt.IsRunning())
        return;
    m_Takt.Stop();
    m_Tag->removeBeobachter(this);
    {
        std::lock_guard<std::mutex> sperre(m_Sperre);
        m_Ende = true;
    }
    m_Signal.notify_one();
    // A site being built is finished first: it is handed to the server, which stops after it.
    m_Bauer.join();
    m_Server.stoppe();
}

wxArrayString clLiveBetrieb::getAdressen() const
{
    wxArrayString adressen;
    for (const std::string& adresse : clNetzAdressen::getAdressen())
        adressen.Add(wxString::FromUTF8(clNetzAdressen::getUrl(adresse, m_Server.getPort())));
    return adressen;
}

void clLiveBetrieb::turnierGeaendert(modAenderung, const wxString&)
{
    if (m_Geplant)
        return;
    m_Geplant = true;
    CallAfter(
        [this]
        {
            m_Geplant = false;
            if (m_Server.laeuft())
                uebergib(std::make_shared<clLiveSeiten>(m_Tag), false);
        });
}

void clLiveBetrieb::uebergib(std::shared_ptr<const clLiveSeiten> stand, bool nurUebersicht)
{
    {
        std::lock_guard<std::mutex> sperre(m_Sperre);
        // A whole site waiting is not replaced by an overview alone: it would be lost.
        if (nurUebersicht && m_Auftrag.stand != nullptr && !m_Auftrag.nurUebersicht)
            return;
        m_Auftrag = {std::move(stand), nurUebersicht};
    }
    m_Signal.notify_one();
}

void clLiveBetrieb::baue(spLiveSeiten letzte)
{
    for (;;)
    {
        sAuftrag auftrag;
        {
            std::unique_lock<std::mutex> sperre(m_Sperre);
            m_Signal.wait(sperre, [this] { return m_Ende || m_Auftrag.stand != nullptr; });
            if (m_Ende)
                return;
            std::swap(auftrag, m_Auftrag);
        }
        letzte = auftrag.nurUebersicht ? auftrag.stand->erneuereUebersicht(letzte) : auftrag.stand->erzeuge();
        m_Server.veroeffentliche(letzte);
    }
}
