#include "ModellHilfen.h"

#include "ausgabe/clPortalExport.h"
#include "datei/clPortalDokument.h"
#include "datei/clPortalImport.h"
#include "verlauf/clBefehlsverlauf.h"
#include "verlauf/clWiederherstellung.h"

#include <map>
#include <pugixml.hpp>

namespace
{
std::string person(const char* vor, const char* nach, const char* lizenz, const char* ttr = "1500",
                   const char* verein = "TTC Süd &amp; Nord")
{
    return std::string("\t\t\t\t<person lastname=\"") + nach + "\" firstname=\"" + vor + "\" licence-nr=\"" +
           lizenz + "\" internal-nr=\"NU" + lizenz + "\" birthyear=\"1990\" sex=\"1\" club-name=\"" + verein +
           "\" club-nr=\"7\" ttr=\"" + ttr +
           "\" ttr-match-count=\"12\" club-federation-nickname=\"WTTV\"/>\n";
}

std::string spieler(const char* id, const std::string& personen, const char* extra = "")
{
    return std::string("\t\t\t<player type=\"") +
           (personen.find("person", 20) != std::string::npos ? "double" : "single") + "\" id=\"" + id + "\"" +
           extra + ">\n" + personen + "\t\t\t</player>\n";
}

std::string wettbewerb(const char* alter, const char* art, const std::string& spielerListe)
{
    return std::string("\t<competition age-group=\"") + alter + "\" type=\"" + art +
           "\" start-date=\"2026-12-12 09:00\" ttr-from=\"0\">\n\t\t<players>\n" + spielerListe +
           "\t\t</players>\n\t</competition>\n\n";
}

std::string dokument(const std::string& wettbewerbe)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE tournament SYSTEM \"http://example.org/dtd/TournamentPortal.dtd\">\n"
           "<tournament name=\"Herbstturnier Müllheim\" start-date=\"2026-12-12\" end-date=\"2026-12-12\" "
           "tournament-id=\"T42\" extra=\"x\">\n\t<tournament-location name=\"Halle\" city=\"Köln\"/>\n" +
           wettbewerbe + "</tournament>\n";
}

// Three competitions: singles (one on the waiting list), youth singles, and
// doubles of persons who also play singles; the team competition is left out.
std::string beispiel(const char* ttrAnna = "1500")
{
    return dokument(
        wettbewerb("Damen/Herren", "Einzel",
                   spieler("P1", person("Anna", "Meier", "101", ttrAnna)) +
                       spieler("P2", person("Bernd", "Schulz", "102")) +
                       spieler("P3", person("Carl", "Özdemir", "103")) +
                       spieler("P4", person("Dora", "Lang", "104")) +
                       spieler("P5", person("Emil", "Roth", "105"), " waiting-list-player=\"1\"")) +
        wettbewerb("Jugend 15", "Einzel",
                   spieler("P6", person("Finn", "Ahrens", "106")) +
                       spieler("P7", person("Gero", "Bach", "107")) +
                       spieler("P8", person("Hugo", "Kranz", "108"))) +
        wettbewerb("Damen/Herren", "Doppel",
                   spieler("P9", person("Anna", "Meier", "101", ttrAnna) + person("Bernd", "Schulz", "102")) +
                       spieler("P10", person("Carl", "Özdemir", "103") + person("Dora", "Lang", "104")) +
                       spieler("P11", person("Finn", "Ahrens", "106") + person("Gero", "Bach", "107"))) +
        wettbewerb("Herren", "Mannschaft", spieler("P12", person("Ivo", "Ernst", "109"))));
}

bool importiere(clTurniertag& tag, const std::string& xml, bool entfernen = false, wxString* text = nullptr)
{
    clPortalDokument dok;
    wxString fehler;
    if (!dok.lies(xml, "portal.xml", &fehler))
        return false;
    clPortalImport import(tag, dok);
    if (text != nullptr)
        *text = import.getZusammenfassung() + import.getEntfallende();
    return import.wendeAn(tag, entfernen);
}

// Every match of the class decided: the first side wins 11:5 11:7, but the
// first match is a walkover and the second a retirement of its winner.
void spieleAlle(clTurnier& k)
{
    k.ErzeugeSchema();
    const std::vector<clTTSpiel*> spiele = k.getAlleSpiele();
    for (size_t s = 0; s < spiele.size(); ++s)
    {
        spiele[s]->setSaetze({{11, 5}, {s == 1 ? 3 : 11, s == 1 ? 2 : 7}});
        if (s == 0)
            spiele[s]->setAusfall(ausfKampflos, 2);
        if (s == 1)
            spiele[s]->setAusfall(ausfAufgabe, 1);
        k.pruefeWertung(spiele[s]);
    }
}

std::string exportiere(const clTurniertag& tag, std::vector<wxString>* ohne = nullptr)
{
    clPortalExport ex(tag);
    std::string xml;
    wxString fehler;
    EXPECT_TRUE(ex.erzeuge(xml, &fehler)) << fehler;
    if (ohne != nullptr)
        *ohne = ex.getOhneKennung();
    return xml;
}

// Every element and attribute of a, with the same values in b, in the same place.
void pruefeEnthalten(const pugi::xml_node& a, const pugi::xml_node& b, const std::string& wo)
{
    for (const pugi::xml_attribute& attr : a.attributes())
        EXPECT_STREQ(attr.value(), b.attribute(attr.name()).value()) << wo << "@" << attr.name();
    pugi::xml_node nb = b.first_child();
    for (const pugi::xml_node& na : a.children())
    {
        while (nb && std::string(nb.name()) != na.name())
            nb = nb.next_sibling();
        ASSERT_TRUE(nb) << wo << "/" << na.name();
        pruefeEnthalten(na, nb, wo + "/" + na.name());
        nb = nb.next_sibling();
    }
}
} // namespace

TEST(Portal, ImportSichernLadenExport)
{
    clTurniertag tag;
    wxString text;
    ASSERT_TRUE(importiere(tag, beispiel("15x0"), false, &text));
    EXPECT_NE(text.Find(L"Zusammen 3 Konkurrenzen, 10 Meldungen, 7 Personen, davon 6 in mehreren"),
              wxNOT_FOUND)
        << text;
    EXPECT_NE(text.Find(L"1 auf der Warteliste (Emil Roth)"), wxNOT_FOUND) << text;
    EXPECT_NE(text.Find(L"Herren Mannschaft"), wxNOT_FOUND) << text;
    EXPECT_NE(text.Find(L"„15x0“"), wxNOT_FOUND) << text;
    ASSERT_EQ(tag.getAnzahl(), 3);
    EXPECT_EQ(tag.getKonkurrenz(2)->getAllgemein()->Bezeichnung, L"Herbstturnier Müllheim");
    EXPECT_EQ(tag.getKonkurrenz(2)->getAllgemein()->Datum, L"12.12.2026");
    EXPECT_EQ(tag.getName(0), "Damen/Herren Einzel");
    EXPECT_EQ(tag.getName(2), "Damen/Herren Doppel");
    EXPECT_EQ(tag.getKonkurrenz(2)->getAllgemein()->Art, artDoppel);
    EXPECT_EQ(tag.getKonkurrenz(0)->getAnzahlTeilnehmer(), 4);
    EXPECT_EQ(tag.getPersonen().size(), 7u);
    EXPECT_EQ(tag.getKonkurrenz(0)->getTeilnehmer(1)->getTTR(), KeineTTR);
    EXPECT_EQ(tag.getKonkurrenz(0)->getTeilnehmer(2)->getVerein(), L"TTC Süd & Nord");
    const clPerson* anna =
        tag.getPerson(tag.getPersonenVon(0, tag.getKonkurrenz(0)->getTeilnehmer(1)->getKennung())[0]);
    EXPECT_EQ(anna->Lizenz, "101");
    EXPECT_EQ(anna->InterneNr, "NU101");
    EXPECT_EQ(tag.getKonkurrenzenVon(anna->getKennung()).size(), 2u);

    spieleAlle(*tag.getKonkurrenz(0));
    spieleAlle(*tag.getKonkurrenz(2));
    // An entry typed in Quobel has no id at the portal.
    ASSERT_TRUE(tag.getKonkurrenz(1)->getAnzahlTeilnehmer() == 3);
    vecEditListe el;
    tag.getKonkurrenz(1)->fillEditListe(el);
    spEditData neu;
    neu.m_EditStatus = esNew;
    neu.m_VName = "Jan";
    neu.m_Name = "Vogt";
    el.push_back(neu);
    tag.getKonkurrenz(1)->UpdateTeilnehmer(el);
    spieleAlle(*tag.getKonkurrenz(1));

    std::vector<wxString> ohne;
    const std::string vorher = exportiere(tag, &ohne);
    EXPECT_EQ(ohne, std::vector<wxString>{L"Jan Vogt (Jugend 15 Einzel)"});
    TempDatei datei;
    ASSERT_TRUE(tag.speichere(datei.pfad));
    clTurniertag geladen;
    wxString fehler;
    ASSERT_TRUE(geladen.lies(datei.pfad, &fehler)) << fehler;
    EXPECT_EQ(exportiere(geladen), vorher);
    // So does the recovery file of a crash.
    const wxString ordner = wxFileName::CreateTempFileName("quobel-portal");
    wxRemoveFile(ordner);
    wxFileName::Mkdir(ordner);
    {
        clWiederherstellung sicherung(&tag, nullptr, ordner);
        ASSERT_TRUE(sicherung.schreibe());
        clTurniertag wieder;
        ASSERT_TRUE(wieder.lies(sicherung.getPfad(), &fehler)) << fehler;
        EXPECT_EQ(exportiere(wieder), vorher);
    }
    wxFileName::Rmdir(ordner, wxPATH_RMDIR_RECURSIVE);
    // A class linked to a competition the document lacks contradicts the file.
    std::string bytes = liesBytes(datei.pfad);
    bytes.replace(bytes.find("W, 1, Damen/Herren"), 18, "W, 1, Damen/Hxrren");
    schreibeBytes(datei.pfad, bytes);
    EXPECT_FALSE(geladen.lies(datei.pfad, &fehler));
    EXPECT_NE(fehler.Find(L"den Wettbewerb „Damen/Hxrren Einzel“ gibt es im Dokument nicht"), wxNOT_FOUND)
        << fehler;

    pugi::xml_document quelle, ergebnis;
    const std::string original = beispiel("15x0");
    ASSERT_TRUE(quelle.load_string(original.c_str(), pugi::parse_default | pugi::parse_doctype));
    ASSERT_TRUE(ergebnis.load_string(vorher.c_str(), pugi::parse_default | pugi::parse_doctype));
    EXPECT_STREQ(ergebnis.first_child().value(), quelle.first_child().value());
    pruefeEnthalten(quelle.document_element(), ergebnis.document_element(), "tournament");

    // The totals of each match agree with its sets; the walkover is left out and
    // the retirement counts for the opponent with the sets as played.
    std::map<std::string, int> spiele;
    for (const pugi::xml_node& w : ergebnis.document_element().children("competition"))
        for (const pugi::xml_node& m : w.child("matches").children("match"))
        {
            int saetze[2] = {0, 0}, punkte[2] = {0, 0};
            for (int n = 1; n <= 7; ++n)
            {
                const int a = m.attribute(("set-a-" + std::to_string(n)).c_str()).as_int(-1);
                const int b = m.attribute(("set-b-" + std::to_string(n)).c_str()).as_int(-1);
                ASSERT_GE(std::min(a, b), 0);
                punkte[0] += a;
                punkte[1] += b;
                saetze[0] += a > b;
                saetze[1] += b > a;
            }
            EXPECT_EQ(m.attribute("sets-a").as_int(), saetze[0]);
            EXPECT_EQ(m.attribute("sets-b").as_int(), saetze[1]);
            EXPECT_EQ(m.attribute("games-a").as_int(), punkte[0]);
            EXPECT_EQ(m.attribute("games-b").as_int(), punkte[1]);
            EXPECT_EQ(m.attribute("matches-a").as_int() + m.attribute("matches-b").as_int(), 1);
            EXPECT_EQ(m.attribute("matches-a").as_int() == 1, m.attribute("set-a-2").as_int() != 3)
                << "retirement";
            ++spiele[w.attribute("type").value() + std::string(w.attribute("age-group").value())];
        }
    // Round robins of 4, 3 (+ Jan: 6, three without him) and 3 pairs, each less its walkover.
    EXPECT_EQ(spiele["EinzelDamen/Herren"], 5);
    EXPECT_EQ(spiele["EinzelJugend 15"], 2);
    EXPECT_EQ(spiele["DoppelDamen/Herren"], 2);
    EXPECT_EQ(spiele.count("MannschaftHerren"), 0u);
    for (const pugi::xml_node& p :
         ergebnis.document_element().child("competition").child("players").children())
        EXPECT_EQ(p.attribute("placement").empty(), std::string(p.attribute("id").value()) == "P5")
            << p.attribute("id").value();
}

TEST(Portal, NeuerImportUndWarteliste)
{
    clTurniertag tag;
    ASSERT_TRUE(importiere(tag, beispiel()));
    clBefehlsverlauf verlauf(&tag);
    const std::string erster = tag.getAbbild();

    // Anna's rating changes, Dora withdrew at the portal, Karl registers late.
    std::string zweiter = beispiel("1600");
    const size_t dora = zweiter.find("\t\t\t<player type=\"single\" id=\"P4\"");
    zweiter.replace(dora, zweiter.find("</player>", dora) + 10 - dora,
                    spieler("P13", person("Karl", "Sand", "110")));
    clPortalDokument dok;
    wxString fehler;
    ASSERT_TRUE(dok.lies(zweiter, "", &fehler)) << fehler;
    clPortalImport import(tag, dok);
    EXPECT_NE(
        import.getZusammenfassung().Find(L"„Damen/Herren Einzel“: 1 neu, 1 geändert, 1 nicht mehr gemeldet"),
        wxNOT_FOUND)
        << import.getZusammenfassung();
    EXPECT_EQ(import.getEntfallende(), L"„Damen/Herren Einzel“: Dora Lang\n");
    for (bool entfernen : {false, true})
    {
        ASSERT_TRUE(import.wendeAn(tag, entfernen));
        const clTurnier& k = *tag.getKonkurrenz(0);
        EXPECT_EQ(k.getAnzahlTeilnehmer(), entfernen ? 4 : 5);
        EXPECT_EQ(k.getTeilnehmer(1)->getTTR(), 1600);
        // The import is one step.
        verlauf.Undo();
        EXPECT_EQ(tag.getAbbild(), erster);
    }

    // Taking in from the waiting list enters the registration with its id.
    clPortalDokument gespeichert;
    ASSERT_TRUE(gespeichert.lies(tag.getPortal().getDokument(), "", &fehler));
    const auto warten = clPortalImport::getWarteliste(tag, gespeichert, 0);
    ASSERT_EQ(warten.size(), 1u);
    EXPECT_EQ(warten[0]->getName(), "Emil Roth");
    ASSERT_TRUE(clPortalImport(tag, gespeichert, {warten[0]->id}).wendeAn(tag, false));
    EXPECT_EQ(tag.getKonkurrenz(0)->getAnzahlTeilnehmer(), 5);
    EXPECT_TRUE(clPortalImport::getWarteliste(tag, gespeichert, 0).empty());
    EXPECT_EQ(
        tag.getPortal().getSpieler(tag.getKennung(0), tag.getKonkurrenz(0)->getTeilnehmer(5)->getKennung()),
        "P5");
}

TEST(Portal, SchlechteDateien)
{
    const std::string gut = beispiel();
    const std::string entitaet = "<!DOCTYPE tournament [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>";
    std::string ohneId = gut, doppelteId = gut, ohneName = gut, ohneSpieler = gut, fremd = gut;
    ohneId.replace(ohneId.find("id=\"P2\""), 7, "id=\"\"");
    doppelteId.replace(doppelteId.find("id=\"P2\""), 7, "id=\"P1\"");
    ohneName.replace(ohneName.find("lastname=\"Lang\" firstname=\"Dora\""), 32,
                     "lastname=\"\" firstname=\"\"");
    const size_t von = ohneSpieler.find("<players>", ohneSpieler.find("Jugend 15"));
    ohneSpieler.replace(von, ohneSpieler.find("</players>", von) + 10 - von, "<players/>");
    fremd.replace(fremd.find("<!DOCTYPE"),
                  fremd.find('>', fremd.find("<!DOCTYPE")) + 1 - fremd.find("<!DOCTYPE"), entitaet);
    fremd.replace(fremd.find("Meier"), 5, "&x;");
    const struct
    {
        std::string xml;
        const wchar_t* meldung;
    } faelle[] = {
        {"Vorname;Name\nAnna;Meier\n", L"kein lesbares XML"},
        {"<?xml version=\"1.0\"?>\n<turnier/>", L"Zeile 2: keine Turnierdatei des Turnierportals"},
        {ohneSpieler, L"der Wettbewerb „Jugend 15 Einzel“ hat keine Spieler."},
        {ohneId, L"Zeile 10: ein Spieler in „Damen/Herren Einzel“ hat keine id."},
        {doppelteId, L"Zeile 10: die id „P1“ steht schon in Zeile 7."},
        {ohneName, L"eine Person ohne Namen (Spieler P4)."},
        {fremd, L"die Datei erklärt eigene Entitäten"},
        {std::string(clPortalDokument::MaxGroesse + 1, ' '), L"größer als 16 MB"},
    };
    for (const auto& fall : faelle)
    {
        clTurniertag tag;
        const std::string vorher = tag.getAbbild();
        TempDatei datei(fall.xml);
        clPortalDokument dok;
        wxString fehler;
        EXPECT_FALSE(dok.liesDatei(datei.pfad, &fehler)) << fall.meldung;
        EXPECT_TRUE(fehler.StartsWith(L"„" + datei.pfad + L"“")) << fehler;
        EXPECT_NE(fehler.Find(fall.meldung), wxNOT_FOUND) << fehler;
        EXPECT_EQ(tag.getAbbild(), vorher);
    }
}
