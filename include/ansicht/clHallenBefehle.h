#ifndef CLHALLENBEFEHLE_H
#define CLHALLENBEFEHLE_H

#include <memory>
#include <string>
#include <wx/weakref.h>

class clFensterKontext;
class clTurnier;
class clHallenanzeige;
class clLiveBetrieb;
class clLiveServer;
class clSpielbetriebpanel;
class wxCommandEvent;
class wxUpdateUIEvent;

// The main window's commands of the menu "Halle": the page of calls, the hall
// display in a window of its own, and the live site with its address.
class clHallenBefehle
{
public:
    clHallenBefehle(clFensterKontext& kontext, clSpielbetriebpanel* spielbetrieb);
    ~clHallenBefehle();
    clHallenBefehle(const clHallenBefehle&) = delete;
    clHallenBefehle& operator=(const clHallenBefehle&) = delete;

    // Serves the live site on port from now on; false, after telling why, when it cannot.
    bool starteLiveSeite(int port, const std::string& adresse = "0.0.0.0");
    // The hall display while it is open, else null.
    clHallenanzeige* getHallenanzeige() const { return m_Hallenanzeige; }
    // The server of the live site while it runs, else null.
    const clLiveServer* getLiveServer() const;

    void OnSpielbetrieb(wxCommandEvent& event);
    void OnHallenanzeige(wxCommandEvent& event);
    void OnLiveSeite(wxCommandEvent& event);
    void OnLiveAdresse(wxCommandEvent& event);
    // The live site's item is ticked while it runs; its address can be shown then only.
    void OnLiveSeiteMenue(wxUpdateUIEvent& event);

private:
    void stoppeLiveSeite();
    // The hall display shows the live site's address while it runs.
    void zeigeLiveAdresse();

    clFensterKontext& m_Kontext;
    clSpielbetriebpanel* m_Spielbetriebpanel;
    std::unique_ptr<clLiveBetrieb> m_Live;
    // The port the live site was last served on.
    int m_LivePort;
    // Closing the display destroys it, which resets this.
    wxWeakRef<clHallenanzeige> m_Hallenanzeige;
};

#endif
