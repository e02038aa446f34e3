#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "ModellHilfen.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurniertag.h"

namespace
{
const std::time_t Tag = 1750000000;

// Person p of the day as typed: "Vp", "Np" of club "Verein (p % 5)", rating 1000 + p.
spEditData person(int p)
{
    spEditData ed;
    ed.m_EditStatus = esNew;
    ed.m_VName = wxString::Format("V%d", p);
    ed.m_Name = wxString::Format("N%d", p);
    ed.m_Verein = wxString::Format("Verein %d", p % 5);
    ed.m_TTR = 1000 + p;
    return ed;
}

void melde(clTurnier& k, const std::vector<int>& personen)
{
    vecEditListe el;
    for (int p : personen)
        el.push_back(person(p));
    k.UpdateTeilnehmer(el);
    ASSERT_EQ(static_cast<int>(personen.size()), k.getAnzahlTeilnehmer());
}

void setzeGruppen(clTurnier& k, int gruppen)
{
    allgemein alg = *k.getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = gruppen;
    k.setAllgemein(&alg);
    k.Aktualisieren(false);
    std::mt19937 zufall(7);
    ASSERT_TRUE(k.loseGruppen(zufall));
}

// Herren (16 in 4 groups), Damen (12, everybody against everybody) and Jugend
// (12 of its own and 10 of the others, in 4 groups): 40 persons on 6 tables.
void erstelleTag(clTurniertag& tag)
{
    clTurnier& herren = *tag.getKonkurrenz(0);
    allgemein alg = *herren.getAllgemein();
    alg.Platten = 6;
    herren.setAllgemein(&alg);
    herren.Aktualisieren(false);
    ASSERT_TRUE(tag.benenneUm(0, "Herren"));
    ASSERT_EQ(1, tag.fuegeHinzu("Damen"));
    ASSERT_EQ(2, tag.fuegeHinzu("Jugend"));
    std::vector<int> h, d, j;
    for (int p = 1; p <= 40; ++p)
        (p <= 16 ? h : p <= 28 ? d : j).push_back(p);
    for (int p : {1, 2, 3, 4, 5, 17, 18, 19, 20, 21})
        j.push_back(p);
    melde(herren, h);
    melde(*tag.getKonkurrenz(1), d);
    melde(*tag.getKonkurrenz(2), j);
    setzeGruppen(herren, 4);
    setzeGruppen(*tag.getKonkurrenz(2), 4);
}
} // namespace

// The whole day through the hall with a clock of its own: after every call no
// person and no table twice, no round before an earlier one of its round robin,
// and in the end every match played once.
TEST(Turniertag, DerGanzeTagDurchDieHalle)
{
    std::time_t uhr = Tag;
    clTurniertag tag;
    tag.setUhr([&uhr] { return uhr; });
    erstelleTag(tag);
    EXPECT_EQ(40u, tag.getPersonen().size());
    EXPECT_EQ((std::vector<int>{0, 2}), tag.getKonkurrenzenVon(1));
    ASSERT_TRUE(tag.setMindestpause(5));

    std::set<const clTTSpiel*> gerufen;
    int aufrufe = 0;
    bool wartegrundGesehen = false;
    std::mt19937 zufall(3);
    for (int schritt = 0; schritt < 5000; ++schritt)
    {
        const std::vector<sHallenVorschlag> naechste = tag.getNaechste();
        const auto v = std::find_if(naechste.begin(), naechste.end(),
                                    [](const sHallenVorschlag& x) { return x.platte > 0; });
        if (v != naechste.end())
        {
            ASSERT_TRUE(tag.rufeAuf(v->konkurrenz, v->vorschlag.spiel, v->platte));
            EXPECT_TRUE(gerufen.insert(v->vorschlag.spiel).second);
            ++aufrufe;
            std::set<int> platten, personen;
            for (const sHallenAufruf& a : tag.getLaufende())
            {
                EXPECT_TRUE(platten.insert(a.platte).second) << "Platte " << a.platte;
                for (int p : tag.getPersonenDes(a.konkurrenz, a.aufruf.spiel))
                    EXPECT_TRUE(personen.insert(p).second) << "Person " << p;
            }
            // A match of a person who plays now waits and says why.
            for (int i = 0; i < tag.getAnzahl() && !wartegrundGesehen; ++i)
                for (const clTTSpiel* sp : tag.getKonkurrenz(i)->getAlleSpiele())
                {
                    if (sp->getT1() == nullptr || sp->getT2() == nullptr ||
                        tag.getKonkurrenz(i)->getSpielbetrieb().getAufruf(sp) != nullptr)
                        continue;
                    const wxString grund = tag.getWartegrund(i, sp);
                    if (grund.empty())
                        continue;
                    EXPECT_TRUE(grund.Matches("N* spielt an Platte *, *")) << grund;
                    wartegrundGesehen = true;
                    break;
                }
            continue;
        }
        const std::vector<sHallenAufruf> laufend = tag.getLaufende();
        if (laufend.empty() && !naechste.empty())
        {
            uhr += 60;
            continue;
        }
        if (laufend.empty())
        {
            // The groups are through: their brackets are drawn, once.
            bool gelost = false;
            for (int i : {0, 2})
            {
                clTurnier& k = *tag.getKonkurrenz(i);
                if (k.getGruppenphase()->getEndrunde() == nullptr)
                    gelost = k.loseEndrunde(zufall) || gelost;
            }
            if (!gelost)
                break;
            continue;
        }
        const sHallenAufruf aeltester = *std::min_element(laufend.begin(), laufend.end(),
                                                          [](const sHallenAufruf& a, const sHallenAufruf& b)
                                                          { return a.aufruf.beginn < b.aufruf.beginn; });
        uhr += 300;
        spiele(*tag.getKonkurrenz(aeltester.konkurrenz), aeltester.aufruf.spiel, 0);
    }
    EXPECT_TRUE(wartegrundGesehen);
    int alle = 0;
    for (int i = 0; i < tag.getAnzahl(); ++i)
    {
        const auto [entschieden, spiele] = tag.getSpielstand(i);
        EXPECT_EQ(spiele, entschieden) << tag.getName(i);
        EXPECT_EQ("beendet", tag.getStufe(i));
        alle += spiele;
    }
    // Herren 24 + 7, Damen 66, Jugend 6 groups of 22 in 4 (5, 5, 6, 6: 10 + 10 + 15 + 15) + 7.
    EXPECT_EQ(31 + 66 + 57, alle);
    EXPECT_EQ(alle, aufrufe);
}

// The hall is one for all classes: a table another class plays on or has for its
// own is refused, and a person rests after a match in one class before the next
// in another.
TEST(Turniertag, EineHalleFuerAlle)
{
    std::time_t uhr = Tag;
    clTurniertag tag;
    tag.setUhr([&uhr] { return uhr; });
    erstelleTag(tag);
    ASSERT_TRUE(tag.setEigenePlatten(1, {5, 6}));
    ASSERT_TRUE(tag.setMindestpause(10));
    clTurnier& herren = *tag.getKonkurrenz(0);
    clTurnier& jugend = *tag.getKonkurrenz(2);
    const auto mit = [&tag](int i, const clTTSpiel* sp, int person)
    {
        const std::vector<int> ps = tag.getPersonenDes(i, sp);
        return std::find(ps.begin(), ps.end(), person) != ps.end();
    };
    // A person of Herren whose match in Jugend can be called now.
    clTTSpiel* inJugend = nullptr;
    clTTSpiel* inHerren = nullptr;
    int person = 0;
    for (const sAufrufbar& a : jugend.getSpielbetrieb().getAufrufbare(jugend))
        for (int p = 1; p <= 5 && person == 0; ++p)
            if (mit(2, a.spiel, p))
            {
                person = p;
                inJugend = a.spiel;
            }
    ASSERT_NE(0, person);
    for (const sAufrufbar& a : herren.getSpielbetrieb().getAufrufbare(herren))
        if (mit(0, a.spiel, person))
            inHerren = a.spiel;
    ASSERT_NE(nullptr, inHerren);
    ASSERT_TRUE(tag.rufeAuf(0, inHerren, 1));
    clTTSpiel* anderes = nullptr;
    for (const sAufrufbar& a : jugend.getSpielbetrieb().getAufrufbare(jugend))
    {
        EXPECT_FALSE(mit(2, a.spiel, person));
        EXPECT_NE(1, a.platte);
        anderes = a.spiel;
    }
    ASSERT_NE(nullptr, anderes);
    EXPECT_EQ(wxString::Format("N%d spielt an Platte 1, Herren", person), tag.getWartegrund(2, inJugend));
    EXPECT_FALSE(tag.rufeAuf(2, anderes, 1));
    EXPECT_FALSE(tag.rufeAuf(2, anderes, 5));
    EXPECT_FALSE(tag.rufeAuf(2, inJugend, 2));
    uhr += 600;
    spiele(herren, inHerren, 0);
    const auto bereit = [&]
    {
        for (const sAufrufbar& a : jugend.getSpielbetrieb().getAufrufbare(jugend))
            if (a.spiel == inJugend)
                return a.bereit;
        ADD_FAILURE() << "nicht aufrufbar";
        return false;
    };
    EXPECT_FALSE(bereit());
    uhr += 600;
    EXPECT_TRUE(bereit());
    EXPECT_TRUE(tag.rufeAuf(2, inJugend, 2));
}

// The persons: a correction reaches every class, an entry typed again is the same
// person, and names of classes are told apart.
TEST(Turniertag, PersonenUndKonkurrenzen)
{
    clTurniertag tag;
    erstelleTag(tag);
    // P1 is entered in Herren and Jugend: corrected in Herren, Jugend follows.
    vecEditListe el;
    tag.getKonkurrenz(0)->fillEditListe(el);
    el[0].m_VName = "Anna";
    el[0].m_TTR = 1500;
    el[0].m_EditStatus |= esDirty;
    tag.getKonkurrenz(0)->UpdateTeilnehmer(el);
    const clTeilnehmer* inJugend = tag.getKonkurrenz(2)->getTeilnehmer(13);
    EXPECT_EQ("Anna", inJugend->getVName());
    EXPECT_EQ(1500, inJugend->getTTR());
    EXPECT_EQ("Anna", tag.getPerson(1)->Vorname);
    // Typed in Damen as well, or entered from the persons: the same person.
    EXPECT_TRUE(tag.trageEin(2, 1));
    EXPECT_FALSE(tag.trageEin(2, 1));
    // A refusal says why: entered there already, or the class is drawn.
    EXPECT_TRUE(tag.pruefeEintrag(2, 1).Contains("schon gemeldet"));
    EXPECT_TRUE(tag.pruefeEintrag(17, 0).Contains("ausgelost"));
    EXPECT_FALSE(tag.trageEin(17, 0));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), tag.getKonkurrenzenVon(2));
    EXPECT_EQ(40u, tag.getPersonen().size());

    EXPECT_FALSE(tag.pruefeName(" jugend ").empty());
    EXPECT_FALSE(tag.pruefeName("").empty());
    EXPECT_EQ(-1, tag.fuegeHinzu("HERREN"));
    const int kopie = tag.kopiere(2, "Jugend B");
    ASSERT_EQ(3, kopie);
    EXPECT_EQ(tag.getKonkurrenz(2)->getAnzahlTeilnehmer(), tag.getKonkurrenz(kopie)->getAnzahlTeilnehmer());
    EXPECT_EQ(nullptr, tag.getKonkurrenz(kopie)->getGruppenphase());
    EXPECT_EQ((std::vector<int>{0, 2, 3}), tag.getKonkurrenzenVon(1));
    EXPECT_EQ("22 Meldungen", tag.verloreneErgebnisse(kopie));
    EXPECT_TRUE(tag.entferne(kopie));
    EXPECT_EQ(3, tag.getAnzahl());
}

// One class is written as a file of that class; several classes with their
// persons and calls come back as they were, and a damaged class is refused,
// named, with nothing changed.
TEST(Turniertag, Datei)
{
    clTurniertag eins;
    melde(*eins.getKonkurrenz(0), {1, 2, 3});
    EXPECT_EQ(eins.getKonkurrenz(0)->getAbbild(), eins.getAbbild());

    std::time_t uhr = Tag;
    clTurniertag tag;
    tag.setUhr([&uhr] { return uhr; });
    erstelleTag(tag);
    ASSERT_TRUE(tag.setEigenePlatten(1, {5, 6}));
    const std::vector<sHallenVorschlag> naechste = tag.getNaechste();
    for (const sHallenVorschlag& v : naechste)
        if (v.platte > 0)
            ASSERT_TRUE(tag.rufeAuf(v.konkurrenz, v.vorschlag.spiel, v.platte));
    for (const sHallenAufruf& a : tag.getLaufende())
        EXPECT_EQ(a.konkurrenz == 1, a.platte >= 5) << a.platte;
    const std::string abbild = tag.getAbbild();

    clTurniertag wieder;
    ASSERT_TRUE(wieder.setzeAbbild(abbild));
    EXPECT_EQ(abbild, wieder.getAbbild());
    EXPECT_EQ(tag.getLaufende().size(), wieder.getLaufende().size());
    EXPECT_EQ("Jugend", wieder.getName(2));
    EXPECT_EQ((std::vector<int>{0, 2}), wieder.getKonkurrenzenVon(1));

    const auto verdirb = [&abbild](const std::string& was, const std::string& wie)
    {
        std::string kaputt = abbild;
        const size_t pos = kaputt.find(was);
        EXPECT_NE(std::string::npos, pos) << was;
        return kaputt.replace(pos, was.size(), wie);
    };
    // Herren's first call moved onto table 5, where Damen play.
    const size_t aufruf = abbild.find('\n', abbild.find("#!! K1 Spielbetrieb\n") + 20) + 1;
    const std::string zeile = abbild.substr(aufruf, abbild.find('\n', aufruf) - aufruf);
    const size_t komma = zeile.find(',');
    const std::string aufPlatte5 = zeile.substr(0, komma) + ",5" + zeile.substr(zeile.find(',', komma + 1));
    // Jugend's first two entries: the first may name nobody, the second the first one's person again.
    const std::string k3 = "#!! K3 Meldungen\n";
    const size_t erste = abbild.find(k3) + k3.size();
    const size_t zweite = abbild.find('\n', erste) + 1;
    const std::string meldung1 = abbild.substr(erste, zweite - erste);
    const std::string meldung2 = abbild.substr(zweite, abbild.find('\n', zweite) + 1 - zweite);
    // The last person's number moved on, so that its entry names a number nobody has.
    const size_t personenEnde = abbild.find("\n#", abbild.find("#!! Personen\n")) + 1;
    const size_t letzte = abbild.rfind('\n', personenEnde - 2) + 1;
    const std::string person = abbild.substr(letzte, personenEnde - letzte);
    const std::string nummer = person.substr(0, person.find(','));
    const std::string verschoben = std::to_string(std::stoi(nummer) + 5) + person.substr(nummer.size());
    const std::pair<std::string, std::string> schaeden[][2] = {
        {{k3 + meldung1, k3 + "0\n"}, {"Konkurrenz „Jugend“", "Meldungen, Zeile 1"}},
        {{"\n" + person, "\n" + verschoben}, {"Meldungen, Zeile", ""}},
        {{k3 + meldung1 + meldung2, k3 + meldung1 + meldung1}, {"Konkurrenz „Jugend“", "Meldungen, Zeile 2"}},
        {{"\n" + zeile + "\n", "\n" + aufPlatte5 + "\n"}, {"Spielbetrieb: an Platte 5", ""}},
        {{"#!! K2 Runden\n", "#!! K2 Runden\n0, 1\n"}, {"Konkurrenz „Damen“", ""}},
        {{"#!! K3 Meldungen\n", "#!! K3 Meldungen\n99\n"}, {"Konkurrenz „Jugend“", "Meldungen"}},
        {{"\n2, Damen, 5 6\n", "\n2, Damen, 5 5\n"}, {"Konkurrenzen, Zeile 2", ""}},
        {{"\n3, Jugend,", "\n3, Damen,"}, {"Konkurrenzen, Zeile 3", ""}},
    };
    for (const auto& schaden : schaeden)
    {
        wxString fehler;
        clTurniertag leer;
        melde(*leer.getKonkurrenz(0), {1, 2});
        const std::string vorher = leer.getAbbild();
        {
            const TempDatei datei(verdirb(schaden[0].first, schaden[0].second));
            EXPECT_FALSE(leer.lies(datei.pfad, &fehler));
        }
        EXPECT_TRUE(fehler.Contains(wxString::FromUTF8(schaden[1].first)) &&
                    fehler.Contains(schaden[1].second))
            << fehler;
        EXPECT_EQ(vorher, leer.getAbbild());
    }
}

// A class read anew from its own file finds its persons by name and club,
// regardless of case and of blanks around them: a pair keeps its two persons in
// their order, namesakes (of a first name alone) keep theirs in the order of their entries, and a person
// of another name stays apart even where the two names' keys come to the same
// number ("a~" and "b_").
TEST(Turniertag, GeladeneKonkurrenzFindetIhrePersonen)
{
    TestTurnier tt;
    ASSERT_EQ(1, tt.tag.fuegeHinzu("Herren"));
    clTurnier& einzel = *tt.tag.getKonkurrenz(1);
    vecEditListe el;
    for (const char* name : {" v1 ,n1,VEREIN 1 ", "V2,N2,Verein 2", "b_,,", "V5,,", "V5,,"})
    {
        const wxArrayString felder = wxSplit(name, ',', 0);
        spEditData& ed = el.emplace_back();
        ed.m_EditStatus = esNew;
        ed.m_VName = felder[0];
        ed.m_Name = felder[1];
        ed.m_Verein = felder[2];
    }
    einzel.UpdateTeilnehmer(el);
    ASSERT_EQ("",
              erstelleDoppel(tt, {"V2,N2,Verein 2,1002,V1,N1,Verein 1,1001", "a~,,,,V3,N3,Verein 3,1003"}));
    const std::vector<std::vector<int>> erwartet[] = {{{2, 1}, {6, 7}}, {{1}, {2}, {3}, {4}, {5}}};
    const auto personen = [&tt](int i)
    {
        std::vector<std::vector<int>> alle;
        for (int snr = 1; snr <= tt.tag.getKonkurrenz(i)->getAnzahlTeilnehmer(); ++snr)
            alle.push_back(
                tt.tag.getPersonenVon(i, tt.tag.getKonkurrenz(i)->getTeilnehmer(snr)->getKennung()));
        return alle;
    };
    for (int runde = 0; runde < 2; ++runde)
        for (int i = 0; i < 2; ++i)
        {
            if (runde > 0)
            {
                const TempDatei datei;
                ASSERT_TRUE(tt.tag.getKonkurrenz(i)->speichereTurnierDaten(datei.pfad));
                ASSERT_TRUE(tt.tag.getKonkurrenz(i)->liesTurnierDaten(datei.pfad));
            }
            EXPECT_EQ(erwartet[0], personen(0)) << runde << i;
            EXPECT_EQ(erwartet[1], personen(1)) << runde << i;
            EXPECT_EQ(7u, tt.tag.getPersonen().size());
        }
}

// A person's line of the file: eight fields, a ninth for the portal's number, the
// texts without blanks around them, escaped or not, the numbers as the C library
// reads them, up to a NUL character; a line of more fields, or of a number that
// is none, is refused.
TEST(Turniertag, Personenzeile)
{
    const std::pair<std::wstring, std::wstring> faelle[] = {
        {L"3, Anna, Meier, TTC, 1500, 1990, 0, L1", L"3|Anna|Meier|TTC|1500|1990|0|L1|"},
        {L"3, An\\, na , Me\u0085ier, , 1500, 1990, 1, L1, I7", L"3|An, na|Me ier||1500|1990|1|L1|I7"},
        {std::wstring(L"3\0x, Anna, Meier, TTC, 1500, 1990, 0, L1", 40), L"3|Anna|Meier|TTC|1500|1990|0|L1|"},
        {L"3, Anna, Meier, TTC, 1500, 1990, 0, L1, I7, X", L""},
        {L"3, Anna, Meier, TTC, 15x, 1990, 0, L1", L""},
        {L"0, Anna, Meier, TTC, 1500, 1990, 0, L1", L""},
    };
    for (const auto& [zeile, erwartet] : faelle)
    {
        clPerson p;
        wxString gelesen;
        if (p.setFromSaveString(zeile))
            gelesen << p.getKennung() << "|" << p.Vorname << "|" << p.Name << "|" << p.Verein << "|" << p.TTR
                    << "|" << p.Jahrgang << "|" << p.Geschlecht << "|" << p.Lizenz << "|" << p.InterneNr;
        EXPECT_EQ(wxString(erwartet), gelesen) << wxString(zeile);
    }
}
