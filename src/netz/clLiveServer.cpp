// microhttpd.h brings the system's socket headers; on Windows they have to
// come before anything that includes windows.h.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif
#include <microhttpd.h>

#include "netz/clLiveServer.h"

#include <wx/defs.h>
#include <wx/intl.h>
#include <wx/log.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

namespace
{
using Uhr = std::chrono::steady_clock;

// A hall full of phones that reload every second or two. Each connection is
// only a few kilobytes in the one thread that serves them all; what limits
// them is that none lives long:
// - an idle one is closed after a few seconds, one that has been open for a
//   while is closed after its next answer, and any one that is still open
//   after LEBENSDAUER is dropped, however it trickles its bytes in, unless an
//   answer is under way (the idle time ends that one if it stalls);
// - an address has a few at once, all of them together a bounded number;
// - a request's line and headers are small: a larger one gets an error.
const unsigned LEERLAUF_S = 3;
const auto KEEP_ALIVE_BIS = std::chrono::seconds(4);
const auto LEBENSDAUER = std::chrono::seconds(8);
const auto KEHRTAKT = std::chrono::milliseconds(250);
const unsigned VERBINDUNGEN_MAX = 1000;
const size_t SPEICHER_JE_VERBINDUNG = 16 * 1024;
const int WARTESCHLANGE = 512;

const std::string HTML = "text/html; charset=utf-8";

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

int letzterFehler()
{
#ifdef _WIN32
    return WSAGetLastError();
#else
    return errno;
#endif
}

void schliesse(MHD_socket sock)
{
#ifdef _WIN32
    closesocket(sock);
#else
    close(sock);
#endif
}

// Ends both directions of a connection: the server's thread then reads its end
// and closes it as if the client had gone.
void trenne(MHD_socket sock)
{
#ifdef _WIN32
    shutdown(sock, SD_BOTH);
#else
    shutdown(sock, SHUT_RDWR);
#endif
}

// The listening socket, or MHD_INVALID_SOCKET and the system's error code in
// fehler (0: no such address).
MHD_socket lausche(const std::string& adresse, int port, int& fehler)
{
    addrinfo hinweis{};
    hinweis.ai_family = AF_UNSPEC;
    hinweis.ai_socktype = SOCK_STREAM;
    hinweis.ai_flags = AI_PASSIVE;
    addrinfo* liste = nullptr;
    fehler = 0;
    if (getaddrinfo(adresse.c_str(), std::to_string(port).c_str(), &hinweis, &liste) != 0)
        return MHD_INVALID_SOCKET;
    MHD_socket gefunden = MHD_INVALID_SOCKET;
    for (const addrinfo* a = liste; a != nullptr && gefunden == MHD_INVALID_SOCKET; a = a->ai_next)
    {
        const MHD_socket sock = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (sock == MHD_INVALID_SOCKET)
        {
            fehler = letzterFehler();
            continue;
        }
        // Only this program listens on its port, and "::" takes IPv4 as well.
        int ja = 1, nein = 0;
#ifdef _WIN32
        setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&ja), sizeof ja);
        if (a->ai_family == AF_INET6)
            setsockopt(sock, IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&nein), sizeof nein);
#else
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
        if (a->ai_family == AF_INET6)
            setsockopt(sock, IPPROTO_IPV6, IPV6_V6ONLY, &nein, sizeof nein);
#endif
        // Phones that connect at the same moment wait in the queue.
        if (bind(sock, a->ai_addr, static_cast<socklen_t>(a->ai_addrlen)) == 0 &&
            listen(sock, WARTESCHLANGE) == 0)
            gefunden = sock;
        else
        {
            fehler = letzterFehler();
            schliesse(sock);
        }
    }
    freeaddrinfo(liste);
    return gefunden;
}

int gebundenerPort(MHD_socket sock)
{
    sockaddr_storage adresse{};
    socklen_t laenge = sizeof adresse;
    if (getsockname(sock, reinterpret_cast<sockaddr*>(&adresse), &laenge) != 0)
        return -1;
    if (adresse.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&adresse)->sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in*>(&adresse)->sin_port);
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

// The path as the client sent it: no escape is decoded, so that a path is
// found only if it is a key of the site letter for letter.
size_t unveraendert(void*, MHD_Connection*, char* text)
{
    return std::strlen(text);
}
} // namespace

struct clLiveServer::sBetrieb
{
    struct sVerbindung
    {
        MHD_socket sock = MHD_INVALID_SOCKET;
        Uhr::time_point beginn;
        // From the request's headers until its answer has been sent; the
        // answer's page lives as long.
        bool antwortet = false;
        std::shared_ptr<const sStand> stand;
        bool getrennt = false;
    };

    explicit sBetrieb(const clLiveServer& s) : server(s) {}

    const clLiveServer& server;
    MHD_Daemon* daemon = nullptr;
    std::mutex sperre;
    std::map<const MHD_Connection*, sVerbindung> mapVerbindungen;
    std::condition_variable wecker;
    bool ende = false;
    std::thread kehrer;

    static void verbindung(void* cls, MHD_Connection* verbindung, void**, MHD_ConnectionNotificationCode code)
    {
        auto* betrieb = static_cast<sBetrieb*>(cls);
        std::lock_guard<std::mutex> sperre(betrieb->sperre);
        if (code == MHD_CONNECTION_NOTIFY_STARTED)
        {
            const MHD_ConnectionInfo* info =
                MHD_get_connection_info(verbindung, MHD_CONNECTION_INFO_CONNECTION_FD);
            sVerbindung& neu = betrieb->mapVerbindungen[verbindung];
            neu.sock = info->connect_fd;
            neu.beginn = Uhr::now();
        }
        else
            betrieb->mapVerbindungen.erase(verbindung);
    }

    // Called once the headers are in, again for each piece of a body, and
    // once more at the request's end. An answer given at once closes the
    // connection without reading on: right for every method but GET and HEAD,
    // which are answered at the end and keep the connection, and which have no
    // body (one that comes ends the connection).
    static MHD_Result anfrage(void* cls, MHD_Connection* verbindung, const char* pfad, const char* methode,
                              const char*, const char*, size_t* koerper, void** anfrageDaten)
    {
        auto* betrieb = static_cast<sBetrieb*>(cls);
        const bool lesend = std::strcmp(methode, "GET") == 0 || std::strcmp(methode, "HEAD") == 0;
        if (lesend && *anfrageDaten == nullptr)
        {
            *anfrageDaten = betrieb;
            return MHD_YES;
        }
        if (*koerper != 0)
            return MHD_NO;
        std::shared_ptr<const sStand> stand;
        const sAntwort antwort = betrieb->server.beantworte(
            methode, pfad,
            MHD_lookup_connection_value(verbindung, MHD_HEADER_KIND, MHD_HTTP_HEADER_IF_NONE_MATCH), stand);
        bool schliessen = true;
        {
            std::lock_guard<std::mutex> sperre(betrieb->sperre);
            const auto gefunden = betrieb->mapVerbindungen.find(verbindung);
            if (gefunden == betrieb->mapVerbindungen.end())
                return MHD_NO;
            sVerbindung& v = gefunden->second;
            v.antwortet = true;
            v.stand = std::move(stand);
            schliessen = Uhr::now() - v.beginn > KEEP_ALIVE_BIS;
        }
        // The page's bytes stay where they are: the stand above keeps them
        // until the answer has been sent.
        MHD_Response* response = MHD_create_response_from_buffer(
            antwort.inhalt ? antwort.inhalt->size() : 0,
            antwort.inhalt ? const_cast<char*>(antwort.inhalt->data()) : nullptr, MHD_RESPMEM_PERSISTENT);
        if (response == nullptr)
            return MHD_NO;
        if (!antwort.typ.empty())
            MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, antwort.typ.c_str());
        // Pages of HTML and CSS only: a browser runs no script and loads
        // nothing from elsewhere, and always asks whether a page has changed.
        MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-cache");
        MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
        MHD_add_response_header(response, "Content-Security-Policy",
                                "default-src 'none'; style-src 'self' 'unsafe-inline'; img-src 'self' data:");
        for (const auto& [feld, wert] : antwort.mapKopf)
            MHD_add_response_header(response, feld.c_str(), wert.c_str());
        if (schliessen)
            MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
        const MHD_Result ergebnis = MHD_queue_response(verbindung, antwort.status, response);
        MHD_destroy_response(response);
        return ergebnis;
    }

    static void beendet(void* cls, MHD_Connection* verbindung, void**, MHD_RequestTerminationCode)
    {
        auto* betrieb = static_cast<sBetrieb*>(cls);
        std::lock_guard<std::mutex> sperre(betrieb->sperre);
        const auto gefunden = betrieb->mapVerbindungen.find(verbindung);
        if (gefunden == betrieb->mapVerbindungen.end())
            return;
        gefunden->second.antwortet = false;
        gefunden->second.stand.reset();
    }

    // Drops every connection past its time that is not being answered. The
    // library's own timeout starts again with every byte received, so a
    // client that trickles would never reach it.
    void kehre()
    {
        std::unique_lock<std::mutex> sperre(this->sperre);
        while (!wecker.wait_for(sperre, KEHRTAKT, [this] { return ende; }))
        {
            const auto grenze = Uhr::now() - LEBENSDAUER;
            // Closed by the server's thread only after the connection has left
            // the list, under this lock: the socket is still the connection's.
            for (auto& [verbindung, v] : mapVerbindungen)
                if (!v.antwortet && !v.getrennt && v.beginn < grenze)
                {
                    trenne(v.sock);
                    v.getrennt = true;
                }
        }
    }
};

clLiveServer::clLiveServer()
    : m_SeiteFehlt(seite(wxGetTranslation(L"Seite nicht gefunden"),
                         wxGetTranslation(L"Diese Seite gibt es im Turnier nicht."))),
      m_SeiteVorbereitet(seite(wxGetTranslation(L"Die Live-Seite wird vorbereitet"),
                               wxGetTranslation(L"Bitte gleich noch einmal laden."))),
      m_SeiteNurLesen(seite(wxGetTranslation(L"Nicht erlaubt"),
                            wxGetTranslation(L"Die Live-Seite kann nur gelesen werden.")))
{
#ifdef _WIN32
    WSADATA daten;
    WSAStartup(MAKEWORD(2, 2), &daten);
#endif
}

clLiveServer::~clLiveServer()
{
    stoppe();
#ifdef _WIN32
    WSACleanup();
#endif
}

bool clLiveServer::starte(const std::string& adresse, int port, wxString& fehler)
{
    stoppe();
    if (port < 0 || port > 65535)
    {
        fehler = wxString::Format(wxGetTranslation(L"Der Port muss zwischen 1 und 65535 liegen."));
        return false;
    }
    int code = 0;
    const MHD_socket sock = lausche(adresse, port, code);
    if (sock == MHD_INVALID_SOCKET)
    {
        fehler = grund(code, adresse, port);
        return false;
    }
    const int gebunden = gebundenerPort(sock);
    auto betrieb = std::make_unique<sBetrieb>(*this);
    // One thread waits for all connections at once: with epoll on Linux,
    // with poll or select on Windows.
    betrieb->daemon = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_AUTO | MHD_USE_ITC, 0, nullptr, nullptr, &sBetrieb::anfrage,
        betrieb.get(), MHD_OPTION_LISTEN_SOCKET, sock, MHD_OPTION_CONNECTION_TIMEOUT, LEERLAUF_S,
        MHD_OPTION_PER_IP_CONNECTION_LIMIT, VerbindungenJeAdresse, MHD_OPTION_CONNECTION_LIMIT,
        VERBINDUNGEN_MAX, MHD_OPTION_CONNECTION_MEMORY_LIMIT, SPEICHER_JE_VERBINDUNG,
        MHD_OPTION_NOTIFY_CONNECTION, &sBetrieb::verbindung, betrieb.get(), MHD_OPTION_NOTIFY_COMPLETED,
        &sBetrieb::beendet, betrieb.get(), MHD_OPTION_UNESCAPE_CALLBACK, &unveraendert, nullptr,
        MHD_OPTION_END);
    if (betrieb->daemon == nullptr)
    {
        fehler = wxString::Format(wxGetTranslation(L"Port %d konnte nicht geöffnet werden."), port);
        return false;
    }
    betrieb->kehrer = std::thread([b = betrieb.get()] { b->kehre(); });
    m_Betrieb = std::move(betrieb);
    m_Port = gebunden;
    return true;
}

void clLiveServer::stoppe()
{
    if (!m_Betrieb)
        return;
    {
        std::lock_guard<std::mutex> sperre(m_Betrieb->sperre);
        m_Betrieb->ende = true;
    }
    m_Betrieb->wecker.notify_one();
    m_Betrieb->kehrer.join();
    MHD_stop_daemon(m_Betrieb->daemon);
    m_Betrieb.reset();
}

bool clLiveServer::laeuft() const
{
    return m_Betrieb != nullptr;
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

// Every request ends here, whatever its method: nothing reaches the file
// system. There is no range of a page: a request for one gets the whole page.
clLiveServer::sAntwort clLiveServer::beantworte(const std::string& methode, const std::string& pfad,
                                                const char* bekannt,
                                                std::shared_ptr<const sStand>& stand) const
{
    if (methode != "GET" && methode != "HEAD")
        return {405, &m_SeiteNurLesen, HTML, {{"Allow", "GET, HEAD"}}};
    stand = getStand();
    if (!stand)
        return {503, &m_SeiteVorbereitet, HTML, {{"Retry-After", "2"}}};
    // The path is only ever a key of the site.
    const auto gefunden = stand->seiten->find(pfad);
    if (gefunden == stand->seiten->end())
        return {404, &m_SeiteFehlt, HTML, {}};
    const std::string& tag = stand->mapEtags.at(pfad);
    if (bekannt != nullptr && (std::strcmp(bekannt, "*") == 0 || std::strstr(bekannt, tag.c_str() + 2)))
        return {304, nullptr, "", {{"ETag", tag}}};
    return {200, &gefunden->second.inhalt, gefunden->second.typ, {{"ETag", tag}}};
}
