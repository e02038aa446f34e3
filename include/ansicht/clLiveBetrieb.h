#ifndef CLLIVEBETRIEB_H
#define CLLIVEBETRIEB_H

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <wx/arrstr.h>
#include <wx/event.h>
#include <wx/timer.h>

#include "modell/clTurnierBeobachter.h"
#include "netz/clLiveServer.h"

class clLiveSeiten;
class clTurniertag;

// The live site while Quobel runs: the server, and the site built anew once the
// day has changed (any of its classes), so that a phone never waits for the desk nor the desk
// for a phone. The window only copies what the pages show (clLiveSeiten); a
// thread of its own writes the pages from the copy and hands them to the server,
// one site at a time, a newer copy replacing one still waiting. The overview's
// rests are brought up to date every half minute as well.
class clLiveBetrieb : public wxEvtHandler, private clTurnierBeobachter
{
public:
    static constexpr int Takt = 30000;

    explicit clLiveBetrieb(clTurniertag* tag);
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
    // Copies the tournament at the next turn of the event loop, once for any number of changes.
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    // Gives the builder a copy to write the site from (or only its overview).
    void uebergib(std::shared_ptr<const clLiveSeiten> stand, bool nurUebersicht);
    // The builder's thread, until stoppe; letzte is the site the server has.
    void baue(spLiveSeiten letzte);

    struct sAuftrag
    {
        std::shared_ptr<const clLiveSeiten> stand;
        bool nurUebersicht = false;
    };

    clTurniertag* m_Tag;
    clLiveServer m_Server;
    wxTimer m_Takt;
    bool m_Geplant;
    std::thread m_Bauer;
    std::mutex m_Sperre;
    std::condition_variable m_Signal;
    // The copy waiting for the builder; null when there is none. Guarded by m_Sperre.
    sAuftrag m_Auftrag;
    bool m_Ende;
};

#endif
