#ifndef CLLIVESERVER_H
#define CLLIVESERVER_H

#include <wx/string.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "netz/sLiveSeite.h"

namespace httplib
{
class Server;
class Request;
class Response;
} // namespace httplib

// The web server of the live site: answers GET and HEAD with the pages last
// published and nothing else; on a thread of its own, so that the window never
// waits for a phone.
class clLiveServer
{
public:
    clLiveServer();
    ~clLiveServer();
    clLiveServer(const clLiveServer&) = delete;
    clLiveServer& operator=(const clLiveServer&) = delete;

    // Binds to the address ("0.0.0.0", "::", "127.0.0.1", …) and port (0: any
    // free port) and serves from then on; a server already running is stopped
    // first. On failure says why in fehler.
    bool starte(const std::string& adresse, int port, wxString& fehler);
    // Waits until the server's threads have ended.
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

    void beantworte(const httplib::Request& anfrage, httplib::Response& antwort) const;
    std::shared_ptr<const sStand> getStand() const;

    std::unique_ptr<httplib::Server> m_Server;
    std::thread m_Faden;
    std::atomic<bool> m_Beendet{false};
    int m_Port = 0;

    mutable std::mutex m_Sperre;
    std::shared_ptr<const sStand> m_Stand;

    // The server's own pages, in German, made in the window's thread.
    std::string m_SeiteFehlt, m_SeiteVorbereitet, m_SeiteNurLesen;
};

#endif
