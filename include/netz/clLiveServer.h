#ifndef CLLIVESERVER_H
#define CLLIVESERVER_H

#include <wx/string.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "netz/sLiveSeite.h"

// The web server of the live site: answers GET and HEAD with the pages last
// published and nothing else. One thread of its own waits for every
// connection at once, so that the window never waits for a phone, and a phone
// that is slow or idle holds no more than its connection.
class clLiveServer
{
public:
    // Connections open at once from one address: a phone's browser opens up to
    // six, and a few phones may share a router; one more is closed at once.
    static constexpr unsigned VerbindungenJeAdresse = 16;

    clLiveServer();
    ~clLiveServer();
    clLiveServer(const clLiveServer&) = delete;
    clLiveServer& operator=(const clLiveServer&) = delete;

    // Binds to the address ("0.0.0.0", "::", "127.0.0.1", …) and port (0: any
    // free port) and serves from then on; a server already running is stopped
    // first. On failure says why in fehler.
    bool starte(const std::string& adresse, int port, wxString& fehler);
    // Closes every connection and waits until the server's threads have ended.
    void stoppe();
    bool laeuft() const;
    // The port bound by the last successful start.
    int getPort() const { return m_Port; }

    // The whole site from now on; may be called at any time, also before the start.
    void veroeffentliche(spLiveSeiten seiten);

private:
    // A site as served: the pages and, computed once, each page's ETag.
    struct sStand
    {
        spLiveSeiten seiten;
        std::map<std::string, std::string> mapEtags;
    };
    // What the answer to a request is made of.
    struct sAntwort
    {
        unsigned status;
        const std::string* inhalt;
        std::string typ;
        std::map<std::string, std::string> mapKopf;
    };
    // The running server: the library's daemon, its connections and the
    // thread that drops those that took too long. Defined with the library's
    // callbacks in the source.
    struct sBetrieb;

    // The answer to a request; stand keeps the page's bytes alive while they are sent.
    sAntwort beantworte(const std::string& methode, const std::string& pfad, const char* bekannt,
                        std::shared_ptr<const sStand>& stand) const;
    std::shared_ptr<const sStand> getStand() const;

    std::unique_ptr<sBetrieb> m_Betrieb;
    int m_Port = 0;

    mutable std::mutex m_Sperre;
    std::shared_ptr<const sStand> m_Stand;

    // The server's own pages, in German, made in the window's thread.
    std::string m_SeiteFehlt, m_SeiteVorbereitet, m_SeiteNurLesen;
};

#endif
