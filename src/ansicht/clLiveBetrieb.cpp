#include "ansicht/clLiveBetrieb.h"

#include "ausgabe/clLiveSeiten.h"
#include "modell/clTurnier.h"
#include "netz/clNetzAdressen.h"

clLiveBetrieb::clLiveBetrieb(clTurnier* turnier) : m_Turnier(turnier), m_Takt(this), m_Geplant(false)
{
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { veroeffentliche(); });
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
    veroeffentliche();
    if (!m_Server.starte(adresse, port, fehler))
        return false;
    m_Turnier->addBeobachter(this);
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
    m_Turnier->removeBeobachter(this);
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
    planeVeroeffentlichung();
}

void clLiveBetrieb::planeVeroeffentlichung()
{
    if (m_Geplant)
        return;
    m_Geplant = true;
    CallAfter([this] { veroeffentliche(); });
}

void clLiveBetrieb::veroeffentliche()
{
    m_Geplant = false;
    m_Server.veroeffentliche(clLiveSeiten(m_Turnier).erzeuge());
}
