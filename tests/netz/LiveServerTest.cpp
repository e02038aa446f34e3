#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <numeric>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "Browser.h"
#include "ModellHilfen.h"
#include "ausgabe/clLiveSeiten.h"
#include "netz/clLiveServer.h"

namespace
{
spLiveSeiten site(const std::string& text)
{
    auto seiten = std::make_shared<mapLiveSeiten>();
    (*seiten)["/"].inhalt = "<!DOCTYPE html><html><body><h1>" + text + "</h1></body></html>";
    (*seiten)["/stil.css"] = {"text/css; charset=utf-8", "h1 { color: green }"};
    return seiten;
}

struct LiveServer : ::testing::Test
{
    clLiveServer server;

    void SetUp() override
    {
        wxString fehler;
        ASSERT_TRUE(server.starte("127.0.0.1", 0, fehler)) << fehler;
        ASSERT_TRUE(server.laeuft());
    }

    httplib::Result frage(const std::string& methode, const std::string& pfad,
                          const httplib::Headers& kopf = {})
    {
        httplib::Client client("127.0.0.1", server.getPort());
        client.set_url_encode(false);
        client.set_connection_timeout(2);
        client.set_read_timeout(5);
        httplib::Request anfrage;
        anfrage.method = methode;
        anfrage.path = pfad;
        anfrage.headers = kopf;
        return client.send(anfrage);
    }

    int status(const std::string& methode, const std::string& pfad)
    {
        auto antwort = frage(methode, pfad);
        return antwort ? antwort->status : -1;
    }

    // A connection of our own, from the given address, for what no proper
    // client sends; every wait is bounded.
    int roh(const std::string& gesendet, const char* von = "127.0.0.1")
    {
        const int sock = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in quelle{};
        quelle.sin_family = AF_INET;
        inet_pton(AF_INET, von, &quelle.sin_addr);
        EXPECT_EQ(0, bind(sock, reinterpret_cast<sockaddr*>(&quelle), sizeof quelle)) << von;
        sockaddr_in ziel{};
        ziel.sin_family = AF_INET;
        ziel.sin_port = htons(static_cast<uint16_t>(server.getPort()));
        ziel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval warte{10, 0};
        setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &warte, sizeof warte);
        EXPECT_EQ(0, connect(sock, reinterpret_cast<sockaddr*>(&ziel), sizeof ziel));
        send(sock, gesendet.data(), gesendet.size(), MSG_NOSIGNAL);
        return sock;
    }

    // What the server answers until it closes the connection.
    static std::string bisZumEnde(int sock)
    {
        std::string gelesen;
        char puffer[4096];
        for (ssize_t n; (n = recv(sock, puffer, sizeof puffer, 0)) > 0;)
            gelesen.append(puffer, static_cast<size_t>(n));
        close(sock);
        return gelesen;
    }
};
} // namespace

TEST_F(LiveServer, LiefertDieSeitenMitTypUndSiehtJedeNeueVeroeffentlichung)
{
    EXPECT_EQ(503, status("GET", "/"));
    server.veroeffentliche(site("Runde 1"));
    for (auto [pfad, typ, text] : {std::tuple{"/", "text/html; charset=utf-8", "Runde 1"},
                                   {"/stil.css", "text/css; charset=utf-8", "green"}})
    {
        auto antwort = frage("GET", pfad);
        ASSERT_TRUE(antwort) << pfad;
        EXPECT_EQ(200, antwort->status) << pfad;
        EXPECT_EQ(typ, antwort->get_header_value("Content-Type")) << pfad;
        EXPECT_NE(std::string::npos, antwort->body.find(text)) << pfad;
        EXPECT_EQ("no-cache", antwort->get_header_value("Cache-Control"));
        EXPECT_EQ("nosniff", antwort->get_header_value("X-Content-Type-Options"));
        EXPECT_EQ(0u, antwort->get_header_value("Content-Security-Policy").find("default-src 'none'"));
    }
    EXPECT_NE(std::string::npos, frage("GET", "/?runde=1")->body.find("Runde 1"));

    // HEAD answers the headers of GET; an unchanged page costs a 304.
    auto voll = frage("GET", "/");
    auto kopf = frage("HEAD", "/");
    ASSERT_TRUE(voll && kopf);
    EXPECT_EQ(200, kopf->status);
    EXPECT_EQ("", kopf->body);
    for (const char* feld : {"Content-Type", "Content-Length", "ETag", "Content-Security-Policy"})
    {
        EXPECT_NE("", voll->get_header_value(feld)) << feld;
        EXPECT_EQ(voll->get_header_value(feld), kopf->get_header_value(feld)) << feld;
    }
    const std::string etag = voll->get_header_value("ETag");
    auto gleich = frage("GET", "/", {{"If-None-Match", etag}});
    EXPECT_EQ(304, gleich->status);
    EXPECT_EQ("", gleich->body);
    EXPECT_EQ(200, frage("GET", "/stil.css", {{"If-None-Match", etag}})->status);

    // A phone's next requests come over the same connection.
    const std::string folge =
        bisZumEnde(roh("GET / HTTP/1.1\r\nHost: h\r\n\r\nHEAD / HTTP/1.1\r\nHost: h\r\n\r\n"
                       "GET /stil.css HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n"));
    size_t antworten = 0;
    for (size_t pos = 0; (pos = folge.find("HTTP/1.1 200 OK\r\n", pos)) != std::string::npos; ++pos)
        ++antworten;
    EXPECT_EQ(3u, antworten) << folge;
    EXPECT_NE(std::string::npos, folge.find("green")) << folge;

    // Each publication is seen by the next request.
    server.veroeffentliche(site("Runde 2"));
    auto neu = frage("GET", "/", {{"If-None-Match", etag}});
    EXPECT_EQ(200, neu->status);
    EXPECT_NE(etag, neu->get_header_value("ETag"));
    EXPECT_NE(std::string::npos, neu->body.find("Runde 2"));
}

TEST_F(LiveServer, NurLesenUndNurDieSeitenDerSite)
{
    server.veroeffentliche(site("Runde 1"));
    for (const char* methode : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS", "TRACE", "BESUCH"})
    {
        auto antwort = frage(methode, "/");
        ASSERT_TRUE(antwort) << methode;
        EXPECT_EQ(405, antwort->status) << methode;
        EXPECT_EQ("GET, HEAD", antwort->get_header_value("Allow")) << methode;
    }
    for (const char* pfad : {"/../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "//etc/passwd", "/etc/passwd",
                             "/C:/Windows/win.ini", "/..\\..\\Windows\\win.ini", "/%5c..%5cstil.css",
                             "/index.html", "/stil.css/", "/STIL.CSS", "/%00", "*"})
    {
        const int code = status("GET", pfad);
        EXPECT_TRUE(code == 404 || code == 400) << pfad << ": " << code;
    }
    EXPECT_EQ(200, status("GET", "/"));
}

TEST_F(LiveServer, ZuLangeAnfragenUndBereicheBekommenKeineTeileDerSeite)
{
    server.veroeffentliche(site("Runde 1"));
    const std::string gross(100 * 1024, 'a');
    for (const std::string& anfrage : {"GET /" + gross + " HTTP/1.1\r\nHost: h\r\n\r\n",
                                       "GET / HTTP/1.1\r\nHost: h\r\nX-Gross: " + gross + "\r\n\r\n"})
    {
        const std::string antwort = bisZumEnde(roh(anfrage));
        EXPECT_TRUE(antwort.empty() || antwort.rfind("HTTP/1.1 4", 0) == 0) << antwort.substr(0, 40);
        EXPECT_EQ(200, status("GET", "/"));
    }

    // However many ranges a request names, the page comes once and whole.
    const std::string seite = frage("GET", "/")->body;
    std::string vieleBereiche = "bytes=0-";
    for (int i = 0; i < 200; ++i)
        vieleBereiche += ",0-";
    for (const std::string& bereiche : {std::string("bytes=0-9"), vieleBereiche})
    {
        auto antwort = frage("GET", "/", {{"Range", bereiche}});
        ASSERT_TRUE(antwort) << bereiche;
        EXPECT_EQ(200, antwort->status);
        EXPECT_TRUE(antwort->body == seite) << antwort->body.size() << " Bytes statt " << seite.size();
    }
}

// Clients that send nothing more, or a byte now and then however long, are
// dropped, while everybody else is served; and an address gets no more than
// its share of connections.
TEST_F(LiveServer, LangsameUndVieleVerbindungenEinerAdresseHaltenDenServerNichtAuf)
{
    server.veroeffentliche(site("Runde 1"));
    std::vector<int> vecLangsam = {roh("GET / HT"), roh("G"), roh("GET / HTTP/1.1\r\nHost: h\r\n\r\n")};
    std::vector<bool> vecOffen(vecLangsam.size(), true);
    // Well past the time a connection may live, even if it trickles.
    for (int runde = 0; runde < 60 && std::count(vecOffen.begin(), vecOffen.end(), true) > 0; ++runde)
    {
        for (size_t i = 0; i < vecLangsam.size(); ++i)
            if (vecOffen[i])
            {
                char puffer[4096];
                const ssize_t n = recv(vecLangsam[i], puffer, sizeof puffer, MSG_DONTWAIT);
                if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) ||
                    send(vecLangsam[i], "X", 1, MSG_NOSIGNAL) != 1)
                    vecOffen[i] = false;
            }
        EXPECT_EQ(200, status("GET", "/"));
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    for (size_t i = 0; i < vecLangsam.size(); ++i)
    {
        EXPECT_FALSE(vecOffen[i]) << "Verbindung " << i << " ist noch offen";
        close(vecLangsam[i]);
    }

    // As many connections as an address may have, all waiting, and one more:
    // that one is closed unanswered, another address is served, and once one
    // of the first has gone, the address may connect again.
    std::vector<int> vecBelegt;
    for (unsigned i = 0; i < clLiveServer::VerbindungenJeAdresse; ++i)
        vecBelegt.push_back(roh("GET / HTTP/1.1\r\n"));
    EXPECT_EQ("", bisZumEnde(roh("GET / HTTP/1.1\r\nHost: h\r\n\r\n")));
    EXPECT_EQ(0u, bisZumEnde(roh("GET / HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n", "127.0.0.2"))
                      .rfind("HTTP/1.1 200", 0));
    close(vecBelegt.back());
    vecBelegt.pop_back();
    std::string wieder;
    for (int versuch = 0; versuch < 50 && wieder.empty(); ++versuch)
    {
        wieder = bisZumEnde(roh("GET / HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n"));
        if (wieder.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(0u, wieder.rfind("HTTP/1.1 200", 0)) << wieder.substr(0, 40);
    for (int sock : vecBelegt)
        close(sock);
}

// Phones at once while the site is published anew: every one is answered.
TEST_F(LiveServer, VieleTelefoneZugleich)
{
    server.veroeffentliche(site("Runde 1"));
    const int FAEDEN = 12, JE_FADEN = 40;
    std::vector<int> vecFehler(FAEDEN, 0);
    std::vector<std::thread> vecFaeden;
    for (int f = 0; f < FAEDEN; ++f)
        vecFaeden.emplace_back(
            [&, f]
            {
                for (int i = 0; i < JE_FADEN; ++i)
                    if (status("GET", "/") != 200)
                        ++vecFehler[f];
            });
    for (int i = 0; i < 100; ++i)
        server.veroeffentliche(site("Runde " + std::to_string(i)));
    for (auto& faden : vecFaeden)
        faden.join();
    EXPECT_EQ(0, std::accumulate(vecFehler.begin(), vecFehler.end(), 0));
}

TEST_F(LiveServer, EinBelegterPortWirdGemeldetUndNachDemStoppFrei)
{
    clLiveServer zweiter;
    wxString fehler;
    EXPECT_FALSE(zweiter.starte("127.0.0.1", server.getPort(), fehler));
    EXPECT_TRUE(fehler.Contains(wxString::Format("Port %d ist schon belegt", server.getPort()))) << fehler;
    EXPECT_FALSE(zweiter.laeuft());

    const int port = server.getPort();
    server.stoppe();
    EXPECT_FALSE(server.laeuft());
    EXPECT_EQ(-1, status("GET", "/"));
    ASSERT_TRUE(zweiter.starte("127.0.0.1", port, fehler)) << fehler;
    EXPECT_FALSE(server.starte("127.0.0.1", port, fehler));
}

// The overview of a tournament with a running match, as a phone's browser shows it.
TEST(LiveSeiteImBrowser, ChromiumZeigtDieUebersicht)
{
    TestTurnier tt;
    tt.erstelle({"Anna", "Bernd", "Carla"}, 2);
    tt.turnier.setUhr([] { return std::time_t(1000); });
    ASSERT_TRUE(tt.turnier.rufeAuf(tt.turnier.getSpiel(1, 1)));
    const std::string dom = domImBrowser(clLiveSeiten(&tt.tag).erzeuge());
    for (const char* text : {"Runde 1 · Platte 1, seit", ">Bernd</a> – <a href=\"/spieler/3\">Carla</a>"})
        EXPECT_NE(std::string::npos, dom.find(text)) << text << "\n" << dom;
}
