// httplib.h brings the system's socket headers; on Windows they have to come
// before anything that includes windows.h.
#include <httplib.h>

#include "netz/clLiveServer.h"

#include <wx/defs.h>
#include <wx/intl.h>
#include <wx/log.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>

namespace
{
// Phones reload the page every second or two: a pool of threads serves them,
// an idle connection is closed soon so that it does not hold one of them, and
// a client that sends slowly or too much is dropped.
const size_t ANZAHL_FAEDEN = 32;
const time_t LESEZEIT_S = 3;
const time_t SCHREIBZEIT_S = 3;
const time_t KEEP_ALIVE_S = 1;
const size_t KEEP_ALIVE_ANFRAGEN = 20;
const size_t NUTZLAST_MAX = 1024;

std::string seite(const wxString& titel, const wxString& text)
{
    return std::string("<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">") +
           "<title>" + titel.utf8_string() + "</title></head><body><h1>" + titel.utf8_string() + "</h1><p>" +
           text.utf8_string() + "</p></body></html>\n";
}

std::string etag(const sLiveSeite& seite)
{
    char text[32];
    std::snprintf(text, sizeof text, "W/\"%016zx\"",
                  std::hash<std::string>()(seite.typ + '\n' + seite.inhalt));
    return text;
}

// Only this program listens on its port: without it, Linux would let a second
// Quobel share the port and hand it half of the phones.
void socketOptionen(socket_t sock)
{
    int ja = 1;
#ifdef _WIN32
    setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&ja), sizeof ja);
#else
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
#endif
}

int letzterFehler()
{
#ifdef _WIN32
    return WSAGetLastError();
#else
    return errno;
#endif
}

void loescheFehler()
{
#ifdef _WIN32
    WSASetLastError(0);
#else
    errno = 0;
#endif
}

wxString grund(int fehler, const std::string& adresse, int port)
{
#ifdef _WIN32
    const int BELEGT = WSAEADDRINUSE, VERBOTEN = WSAEACCES, FREMD = WSAEADDRNOTAVAIL;
#else
    const int BELEGT = EADDRINUSE, VERBOTEN = EACCES, FREMD = EADDRNOTAVAIL;
#endif
    if (fehler == BELEGT)
        return wxString::Format(wxGetTranslation(L"Port %d ist schon belegt, vielleicht von einem anderen "
                                                 L"Programm. Bitte einen anderen Port wählen."),
                                port);
    if (fehler == VERBOTEN)
        return wxString::Format(wxGetTranslation(L"Port %d darf Quobel nicht öffnen. Bitte einen Port ab "
                                                 L"1024 wählen."),
                                port);
    if (fehler == FREMD || fehler == 0)
        return wxString::Format(wxGetTranslation(L"Die Adresse „%s“ gibt es auf diesem Rechner nicht."),
                                wxString::FromUTF8(adresse));
    return wxString::Format(wxGetTranslation(L"Port %d konnte nicht geöffnet werden: %s"), port,
                            wxSysErrorMsgStr(static_cast<unsigned long>(fehler)));
}
} // namespace

clLiveServer::clLiveServer()
    : m_SeiteFehlt(seite(wxGetTranslation(L"Seite nicht gefunden"),
                         wxGetTranslation(L"Diese Seite gibt es im Turnier nicht."))),
      m_SeiteVorbereitet(seite(wxGetTranslation(L"Die Live-Seite wird vorbereitet"),
                               wxGetTranslation(L"Bitte gleich noch einmal laden."))),
      m_SeiteNurLesen(seite(wxGetTranslation(L"Nicht erlaubt"),
                            wxGetTranslation(L"Die Live-Seite kann nur gelesen werden.")))
{
}

clLiveServer::~clLiveServer()
{
    stoppe();
}

bool clLiveServer::starte(const std::string& adresse, int port, wxString& fehler)
{
    stoppe();
    if (port < 0 || port > 65535)
    {
        fehler = wxString::Format(wxGetTranslation(L"Der Port muss zwischen 1 und 65535 liegen."));
        return false;
    }
    auto server = std::make_unique<httplib::Server>();
    server->new_task_queue = [] { return new httplib::ThreadPool(ANZAHL_FAEDEN); };
#ifdef _WIN32
    server->set_socket_options(socketOptionen);
#else
    socket_t sock = INVALID_SOCKET;
    server->set_socket_options(
        [&sock](socket_t neu)
        {
            socketOptionen(neu);
            sock = neu;
        });
#endif
    server->set_read_timeout(LESEZEIT_S);
    server->set_write_timeout(SCHREIBZEIT_S);
    server->set_keep_alive_timeout(KEEP_ALIVE_S);
    server->set_keep_alive_max_count(KEEP_ALIVE_ANFRAGEN);
    server->set_payload_max_length(NUTZLAST_MAX);
    // Pages of HTML and CSS only: a browser runs no script and loads nothing
    // from elsewhere, and always asks whether a page has changed.
    server->set_default_headers(
        {{"Cache-Control", "no-cache"},
         {"X-Content-Type-Options", "nosniff"},
         {"Content-Security-Policy",
          "default-src 'none'; style-src 'self' 'unsafe-inline'; img-src 'self' data:"}});
    // Every request ends here, whatever its method: nothing reaches the file
    // system or any other handler of the library.
    server->set_pre_routing_handler(
        [this](const httplib::Request& anfrage, httplib::Response& antwort)
        {
            beantworte(anfrage, antwort);
            return httplib::Server::HandlerResponse::Handled;
        });

    loescheFehler();
    const int gebunden = port == 0                             ? server->bind_to_any_port(adresse)
                         : server->bind_to_port(adresse, port) ? port
                                                               : -1;
    if (gebunden <= 0)
    {
        fehler = grund(letzterFehler(), adresse, port);
        return false;
    }
#ifndef _WIN32
    // Phones that connect at the same moment wait in the listening socket's
    // queue; Debian's library makes it 5 long, and a phone dropped from it
    // tries again only a second later. Listening once more sets the length.
    // The Windows build gives the library the length itself.
    ::listen(sock, 128);
#endif
    m_Server = std::move(server);
    m_Port = gebunden;
    m_Beendet = false;
    m_Faden = std::thread(
        [this]
        {
            m_Server->listen_after_bind();
            m_Beendet = true;
        });
    // Until the server runs, stopping it would not reach it.
    while (!m_Server->is_running() && !m_Beendet)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void clLiveServer::stoppe()
{
    if (!m_Server)
        return;
    m_Server->stop();
    m_Faden.join();
    m_Server.reset();
}

bool clLiveServer::laeuft() const
{
    return m_Server && m_Server->is_running();
}

void clLiveServer::veroeffentliche(spLiveSeiten seiten)
{
    auto stand = std::make_shared<sStand>();
    for (const auto& [pfad, seite] : *seiten)
        stand->mapEtags[pfad] = etag(seite);
    stand->seiten = std::move(seiten);
    std::lock_guard<std::mutex> sperre(m_Sperre);
    m_Stand = std::move(stand);
}

std::shared_ptr<const clLiveServer::sStand> clLiveServer::getStand() const
{
    std::lock_guard<std::mutex> sperre(m_Sperre);
    return m_Stand;
}

void clLiveServer::beantworte(const httplib::Request& anfrage, httplib::Response& antwort) const
{
    const std::string HTML = "text/html; charset=utf-8";
    if (anfrage.method != "GET" && anfrage.method != "HEAD")
    {
        antwort.status = 405;
        antwort.set_header("Allow", "GET, HEAD");
        antwort.set_content(m_SeiteNurLesen, HTML);
        return;
    }
    const auto stand = getStand();
    if (!stand)
    {
        antwort.status = 503;
        antwort.set_header("Retry-After", "2");
        antwort.set_content(m_SeiteVorbereitet, HTML);
        return;
    }
    // The path is only ever a key of the site.
    const auto gefunden = stand->seiten->find(anfrage.path);
    if (gefunden == stand->seiten->end())
    {
        antwort.status = 404;
        antwort.set_content(m_SeiteFehlt, HTML);
        return;
    }
    const std::string& tag = stand->mapEtags.at(anfrage.path);
    antwort.set_header("ETag", tag);
    const std::string bekannt = anfrage.get_header_value("If-None-Match");
    if (bekannt == "*" || bekannt.find(tag.substr(2)) != std::string::npos)
    {
        antwort.status = 304;
        return;
    }
    antwort.status = 200;
    antwort.set_content(gefunden->second.inhalt, gefunden->second.typ);
}
