#include "ausgabe/clLiveSeiten.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <wx/intl.h>

#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clEndrunde.h"
#include "modell/clGruppenphase.h"
#include "modell/clKurzeingabe.h"
#include "modell/clSatzregel.h"
#include "modell/clSpielbetrieb.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "tabellen/clSpieleTableBase.h"
#include "tabellen/clWertungTableBase.h"

namespace
{
// Large type, strong contrast and tables that scroll sideways rather than shrink:
// the pages are read on phones, standing in a hall.
const char* const Stil =
    "body{font-family:system-ui,Arial,Helvetica,sans-serif;font-size:18px;line-height:1.4;color:#111;"
    "background:#fff;margin:0 auto;max-width:50em;padding:.4em .8em 2em}\n"
    "h1{font-size:1.45em;margin:.3em 0 0}\n"
    "h2{font-size:1.2em;margin:1.2em 0 .4em;padding-bottom:.15em;border-bottom:2px solid #034}\n"
    "a{color:#034}\n"
    ".unterzeile{color:#333;margin:.1em 0 .5em}\n"
    "nav{display:flex;flex-wrap:wrap;gap:.4em;margin:.5em 0}\n"
    "nav a{padding:.3em .65em;background:#dde8f3;border-radius:.3em;text-decoration:none;font-weight:bold}\n"
    "nav a.hier{background:#034;color:#fff}\n"
    "ul.spiele{list-style:none;padding:0;margin:0}\n"
    "ul.spiele li{padding:.45em 0;border-bottom:1px solid #bbb}\n"
    ".ort{color:#333;font-size:.85em}\n"
    ".platte{display:inline-block;min-width:1.8em;text-align:center;background:#034;color:#fff;"
    "font-weight:bold;border-radius:.3em;padding:0 .3em;margin-right:.4em}\n"
    ".ergebnis{font-weight:bold;white-space:nowrap}\n"
    ".stand{color:#333;font-style:italic;white-space:nowrap}\n"
    "ul.namen{columns:2 11em;padding-left:1.2em}\n"
    "ul.namen li{padding:.2em 0}\n"
    ".breit{overflow-x:auto}\n"
    "table{border-collapse:collapse;margin:.3em 0 1em;font-size:.95em}\n"
    "th,td{border:1px solid #888;padding:.3em .45em}\n"
    "th{background:#e4e4e4}\n"
    ".zahl{text-align:center;white-space:nowrap}\n"
    "td.diagonale{background:#bbb}\n";

// The text escaped as HTML, in UTF-8.
std::string m(const wxString& text)
{
    return clHtmlAusgabe::maskiere(text).utf8_string();
}

std::string utf8(const wxString& text)
{
    return text.utf8_string();
}

// muster with each %d or %s replaced by the next of werte.
std::string fuelle(const std::string& muster, std::initializer_list<std::string> werte)
{
    std::string text;
    auto wert = werte.begin();
    for (size_t i = 0; i < muster.size(); ++i)
    {
        if (muster[i] == '%' && i + 1 < muster.size() && (muster[i + 1] == 'd' || muster[i + 1] == 's') &&
            wert != werte.end())
        {
            text += *wert++;
            ++i;
        }
        else
            text += muster[i];
    }
    return text;
}

std::string zahl(int n)
{
    return std::to_string(n);
}

std::string verweis(const std::string& pfad, const std::string& text)
{
    return "<a href=\"" + pfad + "\">" + text + "</a>";
}

std::string liste(const std::string& punkte, const std::string& leer)
{
    return punkte.empty() ? "<p>" + leer + "</p>\n" : "<ul class=\"spiele\">\n" + punkte + "</ul>\n";
}

std::string spielerPfad(const std::string& praefix, int startNr)
{
    return praefix + "/spieler/" + zahl(startNr);
}

std::string gruppenPfad(const std::string& praefix, int g)
{
    return praefix + "/gruppe/" + zahl(g);
}

const char* const Strich = " \xE2\x80\x93 ";
const char* const Punkt = " \xC2\xB7 ";
} // namespace

clLiveSeiten::clLiveSeiten(const clTurniertag* tag, bool nurUebersicht) : clLiveSeiten()
{
    const std::vector<sHallenVorschlag> alle = tag->getNaechste();
    const auto kopiereKlasse = [&](clLiveSeiten& ziel, int i)
    {
        std::vector<std::pair<sAufrufbar, size_t>> naechste;
        for (size_t n = 0; n < alle.size(); ++n)
            if (alle[n].konkurrenz == i)
                naechste.emplace_back(alle[n].vorschlag, n);
        for (auto& [a, n] : naechste)
            a.platte = alle[n].platte;
        ziel.kopiere(tag->getKonkurrenz(i), nurUebersicht, naechste,
                     [tag, i](int platte) { return tag->getHallenPlatte(i, platte); });
    };
    if (tag->getAnzahl() == 1)
    {
        kopiereKlasse(*this, 0);
        return;
    }
    const clTurnier* erste = tag->getKonkurrenz(0);
    m_Titel = m(erste->getAllgemein()->Bezeichnung);
    m_Unterzeile = m(clHtmlAusgabe::getUnterzeile(*erste->getAllgemein()));
    m_Navigation.emplace_back("/", m_Texte.uebersicht);
    for (int i = 0; i < tag->getAnzahl(); ++i)
    {
        m_Klassen.push_back(clLiveSeiten());
        clLiveSeiten& k = m_Klassen.back();
        k.m_Praefix = "/k/" + zahl(tag->getKennung(i));
        k.m_Navigation.emplace_back("/", m_Texte.uebersicht);
        kopiereKlasse(k, i);
        // The class's overview takes the place of the day's in its links.
        k.m_Navigation[1] = {k.pfad("/"), m(tag->getName(i))};
        k.m_Unterzeile = m(tag->getName(i)) + Punkt + k.m_Unterzeile;
        const auto [entschieden, alleSpiele] = tag->getSpielstand(i);
        m_KlassenDaten.push_back(
            {m(tag->getName(i)), m(tag->getStufe(i)) + Punkt +
                                     m(wxString::Format(_("%d von %d Spielen"), entschieden, alleSpiele))});
        m_Navigation.emplace_back(k.pfad("/"), m(tag->getName(i)));
    }
    // Each person's entries, found by going once through every class's entries.
    std::unordered_map<int, size_t> stelle;
    for (const clPerson& p : tag->getPersonen())
    {
        stelle[p.getKennung()] = m_Personen.size();
        m_Personen.push_back({p.getKennung(), m(p.getVollerName()), {}});
    }
    for (int i = 0; i < tag->getAnzahl() && !nurUebersicht; ++i)
    {
        const clTurnier* k = tag->getKonkurrenz(i);
        for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
            for (int p : tag->getPersonenVon(i, k->getTeilnehmer(snr)->getKennung()))
                if (const auto it = stelle.find(p); it != stelle.end())
                    m_Personen[it->second].meldungen.emplace_back(static_cast<size_t>(i), snr);
    }
}

clLiveSeiten::clLiveSeiten()
{
    sTexte& t = m_Texte;
    t.uebersicht = m(_(L"Übersicht"));
    t.tabelle = m(_("Tabelle"));
    t.gruppe = m(_("Gruppe %d"));
    t.gruppeRunde = m(_("Gruppe %d, Runde %d"));
    t.runde = m(_("Runde %d"));
    t.endrunde = m(_("Endrunde"));
    t.endstand = m(_("Endstand"));
    t.esSpielen = m(_("Es spielen"));
    t.alsNaechstes = m(_(L"Als Nächstes"));
    t.letzteErgebnisse = m(_("Letzte Ergebnisse"));
    t.teilnehmerTitel = m(_("Teilnehmer"));
    t.keinSpielLaeuft = m(_(L"Zurzeit läuft kein Spiel."));
    t.keinSpielWartet = m(_("Es wartet kein Spiel."));
    t.keinErgebnis = m(_("Es gibt noch kein Ergebnis."));
    t.keineTeilnehmer = m(_("Es gibt noch keine Teilnehmer."));
    t.spiele = m(_("Spiele"));
    t.keineSpiele = m(_("Es gibt noch keine Spiele."));
    t.nochOffen = m(_("noch offen"));
    t.stand = m(_("Stand"));
    t.platte = m(_("Platte %d"));
    t.laeuftTitel = m(_(L"Läuft"));
    t.nochZuSpielen = m(_("Noch zu spielen"));
    t.keinSpielOffen = m(_("Kein Spiel mehr offen."));
    t.gespielt = m(_("Gespielt"));
    t.keinSpielGespielt = m(_("Noch kein Spiel gespielt."));
    t.kampflos = m(clSpieleTableBase::getAusfallText(ausfKampflos));
    t.aufgabe = m(clSpieleTableBase::getAusfallText(ausfAufgabe));
    t.freilos = m(_("Freilos"));
    t.zuGrossFuerKreuztabelle = m(_(L"Die Kreuztabelle ist für diese Seite zu groß; sie steht im Ausdruck."));
}

void clLiveSeiten::kopiere(clTurnier* turnier, bool nurUebersicht,
                           const std::vector<std::pair<sAufrufbar, size_t>>& vorschlaege,
                           const std::function<int(int)>& halle)
{
    const sTexte& t = m_Texte;
    m_Titel = m(turnier->getAllgemein()->Bezeichnung);
    m_Unterzeile = m(clHtmlAusgabe::getUnterzeile(*turnier->getAllgemein()));
    m_Teilnehmer.resize(static_cast<size_t>(turnier->getAnzahlTeilnehmer()) + 1);
    for (int snr = 1; snr <= turnier->getAnzahlTeilnehmer(); ++snr)
    {
        const clTeilnehmer* tn = turnier->getTeilnehmer(snr);
        m_Teilnehmer[snr] = {m(tn->getVollerName()), m(tn->getVerein())};
    }

    // The matches the overview lists; where they stand in m_Spiele is found on the way.
    const clSpielbetrieb& sb = turnier->getSpielbetrieb();
    // The tables by the hall's numbers.
    std::vector<sAufruf> laufende = sb.getLaufende();
    std::vector<sAufrufbar> naechste;
    std::vector<size_t> ordnung;
    for (size_t n = 0; n < vorschlaege.size() && n < AnzahlAufrufe; ++n)
    {
        naechste.push_back(vorschlaege[n].first);
        ordnung.push_back(vorschlaege[n].second);
    }
    std::vector<sAufruf> beendete =
        sb.getBeendete(static_cast<size_t>(std::max(AnzahlErgebnisse, AnzahlSpieleAufSeite)));
    for (std::vector<sAufruf>* aufrufe : {&laufende, &beendete})
        for (sAufruf& a : *aufrufe)
            a.platte = halle(a.platte);
    std::unordered_map<const clTTSpiel*, size_t> gesucht;
    for (const sAufruf& a : laufende)
        gesucht.emplace(a.spiel, SIZE_MAX);
    for (const sAufrufbar& a : naechste)
        gesucht.emplace(a.spiel, SIZE_MAX);
    for (const sAufruf& a : beendete)
        gesucht.emplace(a.spiel, SIZE_MAX);
    // Every match is copied as numbers only: a large round robin has tens of thousands.
    const auto nimm = [&](const clTTSpiel* sp, sSpiel s)
    {
        const auto it = gesucht.find(sp);
        if (nurUebersicht && it == gesucht.end())
            return;
        if (it != gesucht.end())
            it->second = m_Spiele.size();
        s.gewinnsaetze = sp->getGewinnsaetze();
        s.eingegeben = sp->getEingaben();
        if (const sAufruf* a = sb.getAufruf(sp))
        {
            s.aufrufPlatte = halle(a->platte);
            s.laeuft = a->ende == 0;
        }
        m_Spiele.push_back(s);
    };

    m_Navigation.emplace_back(pfad("/"), t.uebersicht);
    const clGruppenphase* gp = turnier->getGruppenphase();
    m_JederGegenJeden = gp == nullptr;
    if (gp == nullptr)
    {
        m_Navigation.emplace_back(pfad("/tabelle"), t.tabelle);
        if (!nurUebersicht)
            m_Spiele.reserve(turnier->getSchema().getSpiele().size());
        for (int r = 1; r <= turnier->getAnzahlRunden(); ++r)
            for (int p = 1; const clTTSpiel* sp = turnier->getSpiel(r, p); ++p)
            {
                sSpiel s;
                s.runde = r;
                s.platte = p;
                s.name[0] = sp->getT1()->getStartNr();
                s.name[1] = sp->getT2()->getStartNr();
                nimm(sp, s);
            }
    }
    // The groups and the bracket know their players by the groups' own start numbers.
    std::unordered_map<const clTeilnehmer*, int> hauptNr;
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
    {
        m_Navigation.emplace_back(gruppenPfad(m_Praefix, g), fuelle(t.gruppe, {zahl(g)}));
        const clTurnier* gruppe = gp->getGruppe(g);
        const std::vector<int> platten = gp->getPlatten(g);
        for (int p = 1; p <= gruppe->getAnzahlTeilnehmer(); ++p)
            hauptNr[gruppe->getTeilnehmer(p)] = gp->getStartNr(g, p);
        for (int r = 1; r <= gruppe->getAnzahlRunden(); ++r)
            for (int p = 1; const clTTSpiel* sp = gruppe->getSpiel(r, p); ++p)
            {
                sSpiel s;
                s.runde = r;
                s.gruppe = g;
                s.platte = clGruppenphase::getPlattenNummer(platten, p);
                s.name[0] = hauptNr[sp->getT1()];
                s.name[1] = hauptNr[sp->getT2()];
                nimm(sp, s);
            }
    }
    if (const clEndrunde* er = gp != nullptr ? gp->getEndrunde() : nullptr)
    {
        m_Navigation.emplace_back(pfad("/endrunde"), t.endrunde);
        m_Navigation.emplace_back(pfad("/endstand"), t.endstand);
        std::unordered_map<const clTTSpiel*, size_t> index;
        for (int i = 0; i < er->getAnzahlSpiele(); ++i)
        {
            const clTTSpiel* sp = er->getSpiel(i);
            sSpiel s;
            s.runde = static_cast<int>(m_Spielnamen.size());
            s.gruppe = -1;
            // A bye is no match of its player.
            s.frei = er->istFrei(sp, 1) || er->istFrei(sp, 2);
            s.verweis = !s.frei;
            for (int seite = 0; seite < 2; ++seite)
                if (const clTeilnehmer* tn = seite == 0 ? sp->getT1() : sp->getT2())
                    s.name[seite] = hauptNr[tn];
            m_Spielnamen.push_back(m(er->getSpielname(sp)));
            index[sp] = m_Spiele.size();
            nimm(sp, s);
        }
        for (int r = 1; r <= er->getAnzahlRunden() + 1 && !nurUebersicht; ++r)
        {
            const bool platz3 = r > er->getAnzahlRunden();
            if (platz3 && er->getSpielUmPlatz3() == nullptr)
                break;
            std::vector<size_t> spiele;
            for (int nr = 1; nr <= (platz3 ? 1 : er->getAnzahlSpiele(r)); ++nr)
                spiele.push_back(index[platz3 ? er->getSpielUmPlatz3() : er->getSpiel(r, nr)]);
            m_Endrunde.emplace_back(
                m(platz3 ? er->getSpielname(er->getSpielUmPlatz3()) : er->getRundenname(r)), spiele);
        }
        if (!nurUebersicht)
            m_Endstand = utf8(clHtmlAusgabe(turnier).erzeugeEndstand(gp->getEndstand()));
    }

    // The standings are few rows; their tables are written here, by the printouts' own code.
    for (int g = gp != nullptr ? 1 : 0; !nurUebersicht && g <= (gp != nullptr ? gp->getAnzahlGruppen() : 0);
         ++g)
    {
        clTurnier* gruppe = gp != nullptr ? gp->getGruppe(g) : turnier;
        const clHtmlAusgabe ausgabe(gruppe, gp != nullptr ? gp->getPlatten(g) : std::vector<int>());
        m_Gruppen.resize(static_cast<size_t>(g) + 1);
        m_Gruppen[g].tabelle = utf8(ausgabe.erzeugeTabelle());
        if (gruppe->getAnzahlTeilnehmer() <= MaxKreuztabelle)
            m_Gruppen[g].kreuztabelle = utf8(ausgabe.erzeugeKreuztabelle());
    }
    for (const sSpiel& s : m_Spiele)
        if (s.gruppe >= 0 && static_cast<size_t>(s.gruppe) < m_Gruppen.size())
            ++m_Gruppen[s.gruppe].anzahlSpiele;

    const auto zeilen = [&gesucht](const auto& aufrufe, std::vector<sZeile>& ziel, auto zusatz, auto stelle)
    {
        for (size_t n = 0; n < aufrufe.size(); ++n)
            if (const size_t k = gesucht[aufrufe[n].spiel]; k != SIZE_MAX)
                ziel.push_back({k, zusatz(aufrufe[n]), stelle(n)});
    };
    const auto tisch = [&laufende](size_t n) { return static_cast<size_t>(laufende[n].platte); };
    const auto stelle = [&ordnung](size_t n) { return ordnung[n]; };
    zeilen(
        laufende, m_Laufende,
        [](const sAufruf& a) {
            return m(
                wxString::Format(_("Platte %d, seit %s"), a.platte, clSpielbetrieb::getUhrzeit(a.beginn)));
        },
        tisch);
    zeilen(
        naechste, m_Naechste,
        [](const sAufrufbar& a)
        {
            return m(!a.bereit      ? _("nach der Pause")
                     : a.platte > 0 ? wxString::Format(_("an Platte %d"), a.platte)
                                    : _("wartet auf eine Platte"));
        },
        stelle);
    zeilen(
        beendete, m_Beendete,
        [](const sAufruf& a)
        { return m(wxString::Format(_("Ende %s"), clSpielbetrieb::getUhrzeit(a.ende))); },
        [](size_t n) { return n; });
}

std::string clLiveSeiten::seite(const std::string& hier, const std::string& titel,
                                const std::string& inhalt) const
{
    std::string navigation;
    for (const auto& [pfad, text] : m_Navigation)
        // The link to the page itself stands out.
        navigation +=
            "<a href=\"" + pfad + "\"" + (pfad == hier ? " class=\"hier\"" : "") + ">" + text + "</a>";
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta http-equiv=\"refresh\" content=\"" +
           zahl(Auffrischen) + "\">\n<title>" + titel + Strich + m_Titel + "</title>\n<style>\n" + Stil +
           "</style>\n</head>\n<body>\n<h1>" + m_Titel + "</h1>\n<p class=\"unterzeile\">" + m_Unterzeile +
           "</p>\n<nav>" + navigation + "</nav>\n" + inhalt + "</body>\n</html>\n";
}

std::string clLiveSeiten::getOrt(const sSpiel& s) const
{
    if (s.gruppe < 0)
        return m_Spielnamen[s.runde];
    return s.gruppe == 0 ? fuelle(m_Texte.runde, {zahl(s.runde)})
                         : fuelle(m_Texte.gruppeRunde, {zahl(s.gruppe), zahl(s.runde)});
}

std::string clLiveSeiten::erzeugePaarung(const sSpiel& s) const
{
    sWertung w1, w2;
    const bool entschieden = clSatzregel(s.gewinnsaetze).werte(s.eingegeben, w1, w2);
    std::string namen;
    for (int seite = 0; seite < 2; ++seite)
    {
        std::string name = m_Texte.nochOffen;
        if (s.name[seite] > 0)
        {
            name = m_Teilnehmer[s.name[seite]].name;
            if (s.eingegeben.ausfall != ausfKeiner && s.eingegeben.seite == seite + 1)
                name +=
                    " (" + (s.eingegeben.ausfall == ausfKampflos ? m_Texte.kampflos : m_Texte.aufgabe) + ")";
            if (s.verweis)
                name = verweis(spielerPfad(m_Praefix, s.name[seite]), name);
        }
        const bool sieger = entschieden && (seite == 0 ? w1 : w2).m_Spiel.eigene > 0;
        namen += (seite == 1 ? Strich : "") + (sieger ? "<strong>" + name + "</strong>" : name);
    }
    if (!entschieden && w1.m_Satz.eigene + w1.m_Satz.gegner == 0)
        return namen;
    std::vector<satz> saetze;
    for (int snr = 0; snr < 2 * s.gewinnsaetze - 1 && snr < clTTSpiel::MaxSaetze; ++snr)
        if (s.eingegeben.saetze[snr].P1 >= 0 && s.eingegeben.saetze[snr].P2 >= 0)
            saetze.push_back(s.eingegeben.saetze[snr]);
    std::string ergebnis = zahl(w1.m_Satz.eigene) + ":" + zahl(w1.m_Satz.gegner);
    if (!saetze.empty())
        ergebnis += " (" + utf8(clKurzeingabe::beschreibe(saetze)) + ")";
    // The sets of a match still being played are marked as its score so far.
    if (!entschieden)
        return namen + " <span class=\"stand\">" + m_Texte.stand + " " + ergebnis + "</span>";
    return namen + " <span class=\"ergebnis\">" + ergebnis + "</span>";
}

std::string clLiveSeiten::erzeugeSpielzeile(size_t k, const std::string& paarung, const std::string& zusatz,
                                            const std::string& klasse) const
{
    const sSpiel& s = m_Spiele[k];
    std::string zeile = "<li>";
    if (s.laeuft)
        zeile += "<span class=\"platte\">" + zahl(s.aufrufPlatte) + "</span>";
    std::string ort = klasse.empty() ? getOrt(s) : klasse + Punkt + getOrt(s);
    if (!zusatz.empty())
        ort += (ort.empty() ? "" : Punkt) + zusatz;
    return zeile + "<span class=\"ort\">" + ort + "</span><br>" + paarung + "</li>\n";
}

std::string clLiveSeiten::erzeugeUebersicht() const
{
    const sTexte& t = m_Texte;
    const auto punkte = [this](const std::vector<sZeile>& zeilen, size_t hoechstens)
    {
        std::string html;
        for (size_t i = 0; i < zeilen.size() && i < hoechstens; ++i)
            html += erzeugeSpielzeile(zeilen[i].spiel, erzeugePaarung(m_Spiele[zeilen[i].spiel]),
                                      zeilen[i].zusatz);
        return html;
    };
    std::string namen;
    for (size_t snr = 1; snr < m_Teilnehmer.size(); ++snr)
        namen += "<li>" + verweis(spielerPfad(m_Praefix, static_cast<int>(snr)), m_Teilnehmer[snr].name) +
                 "</li>\n";
    return "<h2>" + t.esSpielen + "</h2>\n" + liste(punkte(m_Laufende, SIZE_MAX), t.keinSpielLaeuft) +
           "<h2>" + t.alsNaechstes + "</h2>\n" + liste(punkte(m_Naechste, AnzahlAufrufe), t.keinSpielWartet) +
           "<h2>" + t.letzteErgebnisse + "</h2>\n" +
           liste(punkte(m_Beendete, AnzahlErgebnisse), t.keinErgebnis) + "<h2>" + t.teilnehmerTitel +
           "</h2>\n" +
           (namen.empty() ? "<p>" + t.keineTeilnehmer + "</p>\n"
                          : "<ul class=\"namen\">\n" + namen + "</ul>\n");
}

std::string clLiveSeiten::erzeugeGruppe(int g, const std::vector<std::string>& paarungen) const
{
    const sTexte& t = m_Texte;
    const sGruppe& gruppe = m_Gruppen[g];
    std::string html = "<div class=\"breit\">\n" + gruppe.tabelle + "</div>\n";
    html += gruppe.kreuztabelle.empty() ? "<p>" + t.zuGrossFuerKreuztabelle + "</p>\n"
                                        : "<div class=\"breit\">\n" + gruppe.kreuztabelle + "</div>\n";
    if (gruppe.anzahlSpiele <= static_cast<size_t>(MaxSpieleAufSeite))
    {
        std::string spiele;
        for (size_t k = 0; k < m_Spiele.size(); ++k)
            if (m_Spiele[k].gruppe == g)
                spiele += erzeugeSpielzeile(k, paarungen[k], std::string());
        return html + "<h2>" + t.spiele + "</h2>\n" + liste(spiele, t.keineSpiele);
    }
    // A phone is not sent every match of the day: what is played, what comes next
    // in the schedule and what ended last.
    std::string laufende, naechste, beendete;
    for (const sZeile& z : m_Laufende)
        if (m_Spiele[z.spiel].gruppe == g)
            laufende += erzeugeSpielzeile(z.spiel, paarungen[z.spiel], z.zusatz);
    size_t anzahl = 0;
    for (size_t k = 0; k < m_Spiele.size() && anzahl < static_cast<size_t>(AnzahlSpieleAufSeite); ++k)
    {
        const sSpiel& s = m_Spiele[k];
        sWertung w1, w2;
        if (s.gruppe != g || s.laeuft || clSatzregel(s.gewinnsaetze).werte(s.eingegeben, w1, w2))
            continue;
        naechste += erzeugeSpielzeile(k, paarungen[k], std::string());
        ++anzahl;
    }
    for (const sZeile& z : m_Beendete)
        if (m_Spiele[z.spiel].gruppe == g)
            beendete += erzeugeSpielzeile(z.spiel, paarungen[z.spiel], z.zusatz);
    return html + "<h2>" + t.esSpielen + "</h2>\n" + liste(laufende, t.keinSpielLaeuft) + "<h2>" +
           t.alsNaechstes + "</h2>\n" + liste(naechste, t.keinSpielOffen) + "<h2>" + t.letzteErgebnisse +
           "</h2>\n" + liste(beendete, t.keinErgebnis);
}

std::string clLiveSeiten::erzeugeEndrunde(const std::vector<std::string>& paarungen) const
{
    std::string html;
    for (const auto& [titel, spiele] : m_Endrunde)
    {
        std::string punkte;
        for (size_t k : spiele)
            punkte += erzeugeSpielzeile(k, paarungen[k], m_Spiele[k].frei ? m_Texte.freilos : std::string());
        html += "<h2>" + titel + "</h2>\n" + liste(punkte, std::string());
    }
    return html;
}

std::string clLiveSeiten::erzeugeSpieler(int startNr, const std::vector<size_t>& spiele,
                                         const std::vector<std::string>& paarungen) const
{
    const sTexte& t = m_Texte;
    std::string laeuft, offen, gespielt;
    int gruppe = 0;
    for (size_t k : spiele)
    {
        const sSpiel& s = m_Spiele[k];
        gruppe = std::max(gruppe, s.gruppe);
        sWertung w1, w2;
        if (s.laeuft)
        {
            for (const sZeile& z : m_Laufende)
                if (z.spiel == k)
                    laeuft += erzeugeSpielzeile(k, paarungen[k], z.zusatz);
        }
        else if (clSatzregel(s.gewinnsaetze).werte(s.eingegeben, w1, w2))
            gespielt += erzeugeSpielzeile(k, paarungen[k],
                                          s.aufrufPlatte > 0 ? fuelle(t.platte, {zahl(s.aufrufPlatte)})
                                                             : std::string());
        else
            offen += erzeugeSpielzeile(k, paarungen[k],
                                       s.platte > 0 ? fuelle(t.platte, {zahl(s.platte)}) : std::string());
    }
    const sTeilnehmer& tn = m_Teilnehmer[startNr];
    std::string html = "<h2>" + tn.name + "</h2>\n";
    if (!tn.verein.empty() || gruppe > 0)
        html += "<p>" + tn.verein + (tn.verein.empty() || gruppe == 0 ? "" : Punkt) +
                (gruppe > 0 ? verweis(gruppenPfad(m_Praefix, gruppe), fuelle(t.gruppe, {zahl(gruppe)}))
                            : std::string()) +
                "</p>\n";
    return html + (laeuft.empty() ? std::string() : "<h3>" + t.laeuftTitel + "</h3>\n" + liste(laeuft, "")) +
           "<h3>" + t.nochZuSpielen + "</h3>\n" + liste(offen, t.keinSpielOffen) + "<h3>" + t.gespielt +
           "</h3>\n" + liste(gespielt, t.keinSpielGespielt);
}

void clLiveSeiten::schreibe(mapLiveSeiten& seiten, std::vector<std::string>* spieler) const
{
    // Each pairing is written once, for the page of its group and those of both its players.
    std::vector<std::string> paarungen(m_Spiele.size());
    // Each player's matches, found once rather than by every player's page.
    std::vector<std::vector<size_t>> spieleVon(m_Teilnehmer.size());
    for (size_t k = 0; k < m_Spiele.size(); ++k)
    {
        const sSpiel& s = m_Spiele[k];
        paarungen[k] = erzeugePaarung(s);
        for (int seite = 0; seite < 2 && s.verweis; ++seite)
            if (s.name[seite] > 0 && static_cast<size_t>(s.name[seite]) < spieleVon.size())
                spieleVon[s.name[seite]].push_back(k);
    }
    seiten[pfad("/")].inhalt = seite(pfad("/"), m_Texte.uebersicht, erzeugeUebersicht());
    if (m_JederGegenJeden && !m_Gruppen.empty())
        seiten[pfad("/tabelle")].inhalt =
            seite(pfad("/tabelle"), m_Texte.tabelle, erzeugeGruppe(0, paarungen));
    for (int g = 1; !m_JederGegenJeden && g < static_cast<int>(m_Gruppen.size()); ++g)
        seiten[gruppenPfad(m_Praefix, g)].inhalt =
            seite(gruppenPfad(m_Praefix, g), fuelle(m_Texte.gruppe, {zahl(g)}), erzeugeGruppe(g, paarungen));
    if (!m_Endrunde.empty())
    {
        seiten[pfad("/endrunde")].inhalt =
            seite(pfad("/endrunde"), m_Texte.endrunde, erzeugeEndrunde(paarungen));
        seiten[pfad("/endstand")].inhalt = seite(pfad("/endstand"), m_Texte.endstand, m_Endstand);
    }
    if (spieler != nullptr)
        spieler->resize(m_Teilnehmer.size());
    for (size_t snr = 1; snr < m_Teilnehmer.size(); ++snr)
    {
        std::string html = erzeugeSpieler(static_cast<int>(snr), spieleVon[snr], paarungen);
        seiten[spielerPfad(m_Praefix, static_cast<int>(snr))].inhalt =
            seite(spielerPfad(m_Praefix, static_cast<int>(snr)), m_Teilnehmer[snr].name, html);
        if (spieler != nullptr)
            (*spieler)[snr] = std::move(html);
    }
}

std::string clLiveSeiten::erzeugeTag() const
{
    const sTexte& t = m_Texte;
    // The lines of every class, in the order of the hall.
    const auto punkte = [this](std::vector<sZeile> clLiveSeiten::*zeilen, size_t hoechstens)
    {
        std::vector<std::tuple<size_t, size_t, const sZeile*>> alle;
        for (size_t i = 0; i < m_Klassen.size(); ++i)
            for (const sZeile& z : m_Klassen[i].*zeilen)
                alle.emplace_back(z.ordnung, i, &z);
        std::sort(alle.begin(), alle.end());
        std::string html;
        for (size_t n = 0; n < alle.size() && n < hoechstens; ++n)
        {
            const auto& [ordnung, i, z] = alle[n];
            const clLiveSeiten& k = m_Klassen[i];
            html += k.erzeugeSpielzeile(z->spiel, k.erzeugePaarung(k.m_Spiele[z->spiel]), z->zusatz,
                                        m_KlassenDaten[i].name);
        }
        return html;
    };
    std::string klassen;
    for (size_t i = 0; i < m_Klassen.size(); ++i)
        klassen += "<li>" + verweis(m_Klassen[i].pfad("/"), m_KlassenDaten[i].name) +
                   "<br><span class=\"ort\">" + m_KlassenDaten[i].stand + "</span></li>\n";
    std::string namen;
    for (const sPerson& p : m_Personen)
        namen += "<li>" + verweis("/person/" + zahl(p.nr), p.name) + "</li>\n";
    return "<h2>" + t.esSpielen + "</h2>\n" +
           liste(punkte(&clLiveSeiten::m_Laufende, SIZE_MAX), t.keinSpielLaeuft) + "<h2>" + t.alsNaechstes +
           "</h2>\n" + liste(punkte(&clLiveSeiten::m_Naechste, AnzahlAufrufe), t.keinSpielWartet) + "<h2>" +
           m(_("Konkurrenzen")) + "</h2>\n" + liste(klassen, std::string()) + "<h2>" + t.teilnehmerTitel +
           "</h2>\n" +
           (namen.empty() ? "<p>" + t.keineTeilnehmer + "</p>\n"
                          : "<ul class=\"namen\">\n" + namen + "</ul>\n");
}

spLiveSeiten clLiveSeiten::erzeuge(mapLiveSeiten zusatz) const
{
    auto seiten = std::make_shared<mapLiveSeiten>(std::move(zusatz));
    if (m_Klassen.empty())
    {
        schreibe(*seiten, nullptr);
        return seiten;
    }
    std::vector<std::vector<std::string>> spieler(m_Klassen.size());
    for (size_t i = 0; i < m_Klassen.size(); ++i)
        m_Klassen[i].schreibe(*seiten, &spieler[i]);
    (*seiten)["/"].inhalt = seite("/", m_Texte.uebersicht, erzeugeTag());
    for (const sPerson& p : m_Personen)
    {
        std::string html;
        for (const auto& [i, snr] : p.meldungen)
            html += "<h2>" + verweis(m_Klassen[i].pfad("/"), m_KlassenDaten[i].name) + "</h2>\n" +
                    spieler[i][snr];
        const std::string hier = "/person/" + zahl(p.nr);
        (*seiten)[hier].inhalt = seite(hier, p.name, html);
    }
    return seiten;
}

spLiveSeiten clLiveSeiten::erneuereUebersicht(const spLiveSeiten& vorher) const
{
    auto seiten = std::make_shared<mapLiveSeiten>(*vorher);
    if (m_Klassen.empty())
    {
        (*seiten)[pfad("/")].inhalt = seite(pfad("/"), m_Texte.uebersicht, erzeugeUebersicht());
        return seiten;
    }
    for (const clLiveSeiten& k : m_Klassen)
        (*seiten)[k.pfad("/")].inhalt = k.seite(k.pfad("/"), k.m_Texte.uebersicht, k.erzeugeUebersicht());
    (*seiten)["/"].inhalt = seite("/", m_Texte.uebersicht, erzeugeTag());
    return seiten;
}
