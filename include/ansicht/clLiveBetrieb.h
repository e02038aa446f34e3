#ifndef CLLIVEBETRIEB_H
#define CLLIVEBETRIEB_H

#include <wx/arrstr.h>
#include <wx/event.h>
#include <wx/timer.h>

#include "modell/clTurnierBeobachter.h"
#include "netz/clLiveServer.h"

class clTurnier;

// The live site while Quobel runs: the server, and the site built anew in the
// window's thread once the tournament has changed, so that a phone never waits
// for the desk nor the desk for a phone. The times on the pages (the rest still
// to take) are brought up to date every half minute as well.
class clLiveBetrieb : public wxEvtHandler, private clTurnierBeobachter
{
public:
    static constexpr int Takt = 30000;

    explicit clLiveBetrieb(clTurnier* turnier);
    ~clLiveBetrieb() override;
    clLiveBetrieb(const clLiveBetrieb&) = delete;
    clLiveBetrieb& operator=(const clLiveBetrieb&) = delete;

    // Serves the site on every network of the machine (or on adresse alone);
    // false and the reason in fehler when the port cannot be had.
    bool starte(int port, wxString& fehler, const std::string& adresse = "0.0.0.0");
    void stoppe();
    // Null while the site is off.
    const clLiveServer* getServer() const { return m_Server.laeuft() ? &m_Server : nullptr; }
    // The addresses to type in the hall, the likeliest first.
    wxArrayString getAdressen() const;

private:
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    // Builds the site at the next turn of the event loop, once for any number of changes.
    void planeVeroeffentlichung();
    void veroeffentliche();

    clTurnier* m_Turnier;
    clLiveServer m_Server;
    wxTimer m_Takt;
    bool m_Geplant;
};

#endif
