#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
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

    // A connection of our own for what no proper client sends; every wait is bounded.
    int roh(const std::string& gesendet)
    {
        const int sock = socket(AF_INET, SOCK_STREAM, 0);
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
    for (const char* methode : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS", "TRACE"})
    {
        auto antwort = frage(methode, "/");
        ASSERT_TRUE(antwort) << methode;
        EXPECT_EQ(405, antwort->status) << methode;
        EXPECT_EQ("GET, HEAD", antwort->get_header_value("Allow")) << methode;
    }
    // The library refuses a method it does not know before anything of ours.
    EXPECT_EQ(400, status("BESUCH", "/"));

    for (const char* pfad : {"/../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "//etc/passwd", "/etc/passwd",
                             "/C:/Windows/win.ini", "/..\\..\\Windows\\win.ini", "/%5c..%5cstil.css",
                             "/index.html", "/stil.css/", "/STIL.CSS", "/%00", "*"})
    {
        const int code = status("GET", pfad);
        EXPECT_TRUE(code == 404 || code == 400) << pfad << ": " << code;
    }
    EXPECT_EQ(200, status("GET", "/"));
}

TEST_F(LiveServer, ZuLangeAnfragenUndLangsameClientsHaltenDenServerNichtAuf)
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

    // Half a request line, then nothing: the others are served while it is still
    // connected, and after its read timeout the server, not our own wait, ends it.
    const int langsam = roh("GET / HT");
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(200, status("GET", "/"));
    char zeichen = 0;
    EXPECT_EQ(-1, recv(langsam, &zeichen, 1, MSG_PEEK | MSG_DONTWAIT));
    EXPECT_EQ(0, recv(langsam, &zeichen, 1, 0));
    close(langsam);
}

TEST_F(LiveServer, VieleTelefoneZugleich)
{
    server.veroeffentliche(site("Runde 1"));
    const int FAEDEN = 50, JE_FADEN = 20;
    std::vector<int> vecFehler(FAEDEN, 0);
    std::vector<std::thread> vecFaeden;
    for (int f = 0; f < FAEDEN; ++f)
        vecFaeden.emplace_back(
            [&, f]
            {
                for (int i = 0; i < JE_FADEN; ++i)
                    vecFehler[f] += status("GET", "/") != 200;
            });
    for (auto& faden : vecFaeden)
        faden.join();
    EXPECT_EQ(0, std::count_if(vecFehler.begin(), vecFehler.end(), [](int n) { return n > 0; }));
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
    const std::string dom = domImBrowser(clLiveSeiten(&tt.turnier).erzeuge());
    for (const char* text : {"Runde 1 · Platte 1, seit", ">Bernd</a> – <a href=\"/spieler/3\">Carla</a>"})
        EXPECT_NE(std::string::npos, dom.find(text)) << text << "\n" << dom;
}
