#include "ausgabe/clCsvExport.h"

#include <algorithm>
#include <vector>
#include <wx/intl.h>

#include "modell/clGruppenphase.h"
#include "modell/clRunde.h"
#include "tabellen/clSpieleTableBase.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "datei/clTurnierDatei.h"
#include "tabellen/clWertungTableBase.h"

namespace
{
const wxChar Trenner = ';';

wxString zeile(const std::vector<wxString>& felder)
{
    wxString text;
    for (const wxString& f : felder)
    {
        if (!text.empty())
            text += Trenner;
        text += clCsvExport::feld(f);
    }
    return text + "\n";
}

wxString zahl(int wert)
{
    return wxString::Format("%d", wert);
}

// A side of a set that has not been entered stays empty.
wxString punkte(int wert)
{
    return wert == -1 ? wxString() : zahl(wert);
}

// The federation's lists need the full name and the club. A spreadsheet would run
// a name such as "=HYPERLINK(...)" as a formula: a name that starts like one is
// marked as text with a leading apostrophe.
wxString alsText(const wxString& name)
{
    if (!name.empty() && wxString("=+-@\t\r").Find(name[0]) != wxNOT_FOUND)
        return "'" + name;
    return name;
}

wxString anzeige(const clTeilnehmer* tn)
{
    return alsText(tn != nullptr ? tn->getVollerName(true) : wxString());
}
// The column titles of the results: the match's own columns (erste), then
// players, sets, sets won, winner and, where there is one, walkover or retirement.
std::vector<wxString> spielTitel(std::vector<wxString> erste, int saetze, bool ausfaelle)
{
    erste.insert(erste.end(), {_("Teilnehmer 1"), _("Teilnehmer 2")});
    for (int snr = 1; snr <= saetze; ++snr)
        for (int seite = 1; seite <= 2; ++seite)
            erste.push_back(wxString::Format(_("Satz %d: Teilnehmer %d"), snr, seite));
    erste.insert(erste.end(), {_(L"Sätze: Teilnehmer 1"), _(L"Sätze: Teilnehmer 2"), _("Sieger")});
    if (ausfaelle)
        erste.push_back(_("Kampflos/Aufgabe"));
    return erste;
}

std::vector<wxString> spielFelder(std::vector<wxString> felder, const clTTSpiel* sp, int saetze,
                                  bool ausfaelle)
{
    sWertung w1, w2;
    const bool entschieden = sp->getErgebnis(w1, w2);
    const bool gespielt = w1.m_Satz.eigene + w1.m_Satz.gegner > 0;
    const clTeilnehmer* sieger = w1.m_Spiel.eigene > 0 ? sp->getT1() : sp->getT2();
    felder.insert(felder.end(), {anzeige(sp->getT1()), anzeige(sp->getT2())});
    for (int snr = 1; snr <= saetze; ++snr)
        felder.insert(felder.end(), {punkte(sp->getSatzErg(snr).P1), punkte(sp->getSatzErg(snr).P2)});
    felder.insert(felder.end(), {gespielt ? zahl(w1.m_Satz.eigene) : wxString(),
                                 gespielt ? zahl(w1.m_Satz.gegner) : wxString(),
                                 entschieden ? anzeige(sieger) : wxString()});
    if (ausfaelle)
    {
        const int seite = sp->getAusfallSeite();
        felder.push_back(seite == 0 ? wxString()
                                    : anzeige(seite == 1 ? sp->getT1() : sp->getT2()) + " " +
                                          clSpieleTableBase::getAusfallText(sp->getAusfallArt()));
    }
    return felder;
}
} // namespace

clCsvExport::clCsvExport(clTurnier* turnier) : m_Turnier(turnier) {}

wxString clCsvExport::feld(const wxString& text)
{
    wxString f = text;
    f.Replace("\"", "\"\"");
    return "\"" + f + "\"";
}

std::vector<clCsvExport::sTeil> clCsvExport::getTeile() const
{
    std::vector<sTeil> teile;
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
        teile.push_back({wxString::Format(_("Gruppe %d"), g), gp->getGruppe(g), gp->getPlatten(g)});
    if (teile.empty())
        teile.push_back({wxString(), m_Turnier, {}});
    return teile;
}

wxString clCsvExport::erzeugeTabelle() const
{
    const std::vector<sTeil> teile = getTeile();
    const bool gruppen = !teile.front().name.empty();
    const clWertungTableBase* erste = teile.front().turnier->getWertungTableBase();
    const bool ittf = erste != nullptr && erste->getPlatzierungsmodus() == platzITTF;
    // Placings that can leave places shared tell where the lot decides.
    const bool hinweis = erste != nullptr && erste->getPlatzierungsmodus() != platzSiege;
    std::vector<wxString> titel = {_("Platz"), _("Teilnehmer"), _("Spiele")};
    if (gruppen)
        titel.insert(titel.begin(), _("Gruppe"));
    if (ittf)
        titel.push_back(_("Spielpunkte"));
    titel.insert(titel.end(), {_("Siege"), _("Niederlagen"), _(L"Gewonnene Sätze"), _(L"Verlorene Sätze"),
                               _("Gewonnene Punkte"), _("Verlorene Punkte")});
    if (hinweis)
        titel.push_back(_("Hinweis"));
    wxString text = zeile(titel);
    for (const sTeil& teil : teile)
    {
        const clWertungTableBase* wt = teil.turnier->getWertungTableBase();
        for (int platz = 0; wt != nullptr && platz < teil.turnier->getAnzahlTeilnehmer(); ++platz)
        {
            const int snr = wt->getStartNrAufPlatz(platz);
            const tabWertung tw = wt->getWertung(snr);
            const sWertung& w = tw.wertung;
            std::vector<wxString> felder = {
                wt->getPlatzText(platz), anzeige(teil.turnier->getTeilnehmer(snr)), zahl(tw.m_AnzahlSpiele)};
            if (gruppen)
                felder.insert(felder.begin(), teil.name);
            if (ittf)
                felder.push_back(zahl(w.m_Spielpunkte.eigene));
            felder.insert(felder.end(),
                          {zahl(w.m_Spiel.eigene), zahl(w.m_Spiel.gegner), zahl(w.m_Satz.eigene),
                           zahl(w.m_Satz.gegner), zahl(w.m_Punkte.eigene), zahl(w.m_Punkte.gegner)});
            if (hinweis)
                felder.push_back(wt->entscheidetLos(platz) ? _("Los entscheidet") : wxString());
            text += zeile(felder);
        }
    }
    return text;
}

void clCsvExport::ergaenzeSpalten(sSpalten& spalten) const
{
    const std::vector<sTeil> teile = getTeile();
    spalten.gruppen = spalten.gruppen || !teile.front().name.empty();
    // The column of walkovers and retirements only where there is one.
    for (const sTeil& teil : teile)
    {
        const std::vector<clTTSpiel>& alle = teil.turnier->getSchema().getSpiele();
        spalten.ausfaelle = spalten.ausfaelle ||
                            std::any_of(alle.begin(), alle.end(),
                                        [](const clTTSpiel& sp) { return sp.getAusfallArt() != ausfKeiner; });
    }
    spalten.saetze = std::max(spalten.saetze, teile.front().turnier->getAnzSaetze());
}

void clCsvExport::haengeErgebnisseAn(wxString& text, const sSpalten& spalten, const wxString& konkurrenz,
                                     const std::vector<int>& hallenPlatten) const
{
    for (const sTeil& teil : getTeile())
    {
        for (int r = 1; r <= teil.turnier->getAnzahlRunden(); ++r)
        {
            const clRunde* runde = teil.turnier->getSchema().getRunde(r);
            for (int p = 1; p <= runde->AnzSpiele(); ++p)
            {
                // The table it was played on, where it was called to another.
                const clTTSpiel* sp = runde->getSpiel(p);
                const sAufruf* aufruf = m_Turnier->getSpielbetrieb().getAufruf(sp);
                const int platte = clGruppenphase::getPlattenNummer(
                    hallenPlatten,
                    aufruf != nullptr ? aufruf->platte : clGruppenphase::getPlattenNummer(teil.platten, p));
                std::vector<wxString> felder = {zahl(r), zahl(platte)};
                if (spalten.gruppen)
                    felder.insert(felder.begin(), teil.name);
                if (!konkurrenz.empty())
                    felder.insert(felder.begin(), alsText(konkurrenz));
                text += zeile(spielFelder(felder, sp, spalten.saetze, spalten.ausfaelle));
            }
        }
    }
}

std::vector<wxString> clCsvExport::ergebnisTitel(const sSpalten& spalten, bool konkurrenz)
{
    std::vector<wxString> erste = {_("Runde"), _("Platte")};
    if (spalten.gruppen)
        erste.insert(erste.begin(), _("Gruppe"));
    if (konkurrenz)
        erste.insert(erste.begin(), _("Konkurrenz"));
    return spielTitel(erste, spalten.saetze, spalten.ausfaelle);
}

wxString clCsvExport::erzeugeErgebnisse() const
{
    sSpalten spalten;
    ergaenzeSpalten(spalten);
    wxString text = zeile(ergebnisTitel(spalten, false));
    haengeErgebnisseAn(text, spalten, wxString(), {});
    return text;
}

wxString clCsvExport::erzeugeErgebnisse(const clTurniertag& tag)
{
    if (tag.getAnzahl() == 1)
        return clCsvExport(tag.getKonkurrenz(0)).erzeugeErgebnisse();
    // A class of fewer sets leaves the further sets' columns empty; a class of
    // tables of its own names the hall's.
    sSpalten spalten;
    for (int i = 0; i < tag.getAnzahl(); ++i)
        clCsvExport(tag.getKonkurrenz(i)).ergaenzeSpalten(spalten);
    wxString text = zeile(ergebnisTitel(spalten, true));
    for (int i = 0; i < tag.getAnzahl(); ++i)
        clCsvExport(tag.getKonkurrenz(i))
            .haengeErgebnisseAn(text, spalten, tag.getName(i), tag.getEigenePlatten(i));
    return text;
}

wxString clCsvExport::erzeugeEndrunde(const clEndrunde& er)
{
    std::vector<const clTTSpiel*> spiele;
    for (int k = 0; k < er.getAnzahlSpiele(); ++k)
        spiele.push_back(er.getSpiel(k));
    const bool ausfaelle =
        std::any_of(spiele.begin(), spiele.end(),
                    [&er](const clTTSpiel* sp)
                    { return sp->getAusfallArt() != ausfKeiner || er.istFrei(sp, 1) || er.istFrei(sp, 2); });
    const int saetze = 2 * er.getGewinnsaetze() - 1;
    wxString text = zeile(spielTitel({_("Runde"), _("Spiel")}, saetze, ausfaelle));
    int nr = 0;
    for (size_t k = 0; k < spiele.size(); ++k)
    {
        const clTTSpiel* sp = spiele[k];
        nr = k > 0 && er.getSpielname(spiele[k - 1]) == er.getSpielname(sp) ? nr + 1 : 1;
        std::vector<wxString> felder = spielFelder({er.getSpielname(sp), zahl(nr)}, sp, saetze, ausfaelle);
        // A bye has no sets: its player is the winner without them.
        if (er.istFrei(sp, 1) || er.istFrei(sp, 2))
        {
            felder[felder.size() - 2] = anzeige(er.getSieger(sp));
            felder.back() = _("Freilos");
        }
        text += zeile(felder);
    }
    return text;
}

wxString clCsvExport::erzeugeEndstand(const vecPlatzierung& endstand)
{
    wxString text = zeile({_("Platz"), _("Teilnehmer")});
    for (const sPlatzierung& p : endstand)
        text += zeile({p.platz > 0 ? zahl(p.platz) : wxString(), anzeige(p.tn)});
    return text;
}

bool clCsvExport::schreibe(const wxString& datei, const wxString& text, wxString* fehler)
{
    clTurnierDatei dat(datei);
    // The byte order mark tells spreadsheet programs that the file is UTF-8;
    // the text ends with its own line break.
    dat.writeZeile(wxString(wxUniChar(0xFEFF)) + text.substr(0, text.length() - 1));
    return dat.speichern(fehler);
}

bool clCsvExport::schreibeTabelle(const wxString& datei, wxString* fehler) const
{
    return schreibe(datei, erzeugeTabelle(), fehler);
}

bool clCsvExport::schreibeErgebnisse(const wxString& datei, wxString* fehler) const
{
    return schreibe(datei, erzeugeErgebnisse(), fehler);
}

bool clCsvExport::schreibeErgebnisse(const wxString& datei, const clTurniertag& tag, wxString* fehler)
{
    return schreibe(datei, erzeugeErgebnisse(tag), fehler);
}

bool clCsvExport::schreibeEndrunde(const wxString& datei, const clEndrunde& er, wxString* fehler)
{
    return schreibe(datei, erzeugeEndrunde(er), fehler);
}

bool clCsvExport::schreibeEndstand(const wxString& datei, const vecPlatzierung& endstand, wxString* fehler)
{
    return schreibe(datei, erzeugeEndstand(endstand), fehler);
}
