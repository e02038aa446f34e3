#ifndef MODELLHILFEN_H
#define MODELLHILFEN_H

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/string.h>
#include <gtest/gtest.h>
#include <random>
#include <wx/tokenzr.h>

#include "modell/clKurzeingabe.h"
#include "tabellen/clSpieleTableBase.h"
#include "modell/clTTSpiel.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "tabellen/clWertungTableBase.h"

// Failing comparisons show texts as text.
inline void PrintTo(const wxString& text, std::ostream* aus)
{
    *aus << '"' << text.utf8_string() << '"';
}

// Column labels (row -1), or the row label and the cells of a row, of a grid
// table, joined by '|'.
inline wxString zeile(wxGridTableBase& tb, int row, int bis)
{
    wxString text = row < 0 ? "" : tb.GetRowLabelValue(row) + ":";
    for (int col = 0; col < bis; ++col)
        text += (row < 0 ? tb.GetColLabelValue(col) : tb.GetValue(row, col)) + "|";
    return text;
}

inline std::string liesBytes(const wxString& pfad)
{
    wxFFile f(pfad, "rb");
    std::string bytes(static_cast<size_t>(std::max<wxFileOffset>(f.Length(), 0)), '\0');
    f.Read(&bytes[0], bytes.size());
    return bytes;
}

inline void schreibeBytes(const wxString& pfad, const std::string& bytes)
{
    wxFFile(pfad, "wb").Write(bytes.data(), bytes.size());
}

// A temporary file with the given bytes, removed again at the end of the scope.
struct TempDatei
{
    const wxString pfad = wxFileName::CreateTempFileName("quobel");
    explicit TempDatei(const std::string& bytes = "") { schreibeBytes(pfad, bytes); }
    ~TempDatei() { wxRemoveFile(pfad); }
};

// Matches, sets, points and match points; mirrored, as the opponent sees them.
inline wxString wertung(const sWertung& w, bool gespiegelt = false)
{
    wxString text;
    for (const teilwertung& t : {w.m_Spiel, w.m_Satz, w.m_Punkte, w.m_Spielpunkte})
        text +=
            wxString::Format("%d:%d ", gespiegelt ? t.gegner : t.eigene, gespiegelt ? t.eigene : t.gegner);
    return text.Trim();
}

// Participant rows as "Vorname|Name|Anzeige" lines, with "|Verein|TTR" when either is
// set, and "+Vorname|Name|Verein|TTR" of a partner.
inline wxString zeilen(const vecEditListe& liste)
{
    wxString text;
    for (const spEditData& ed : liste)
    {
        text << ed.m_VName << "|" << ed.m_Name << "|" << ed.m_Anzeige;
        if (!ed.m_Verein.empty() || ed.m_TTR != KeineTTR)
            text << "|" << ed.m_Verein << "|" << ed.getSpalte(spalteTTR);
        for (int spalte = spaltePartnerVorname; ed.m_Partner.hatNamen() && spalte < AnzahlTeilnehmerSpalten;
             ++spalte)
            text << (spalte == spaltePartnerVorname ? "+" : "|") << ed.getSpalte(spalte);
        text << "\n";
    }
    return text;
}

// Types into the rounds grid (best of three): one side (1 or 2) of a set of the
// match at a table of a round.
inline void tippe(clSpieleTableBase& tb, int runde, int platte, int seite, int satzNr, const wxString& text)
{
    tb.SetValue(4 * (runde - 1) + seite, 5 * (platte - 1) + satzNr + 1, text);
}

// How the rounds grid marks a cell: "w" for the warning colour, "f" for bold.
inline std::string merkmale(clSpieleTableBase& tb, int row, int col)
{
    wxGridCellAttr* attr = tb.GetAttr(row, col, wxGridCellAttr::Any);
    if (attr == nullptr)
        return std::string();
    const bool warnung =
        attr->HasBackgroundColour() && attr->GetBackgroundColour() == clSpieleTableBase::Warnfarbe;
    const bool fett = attr->HasFont() && attr->GetFont().GetWeight() == wxFONTWEIGHT_BOLD;
    attr->DecRef();
    return std::string(warnung ? "w" : "") + (fett ? "f" : "");
}

// A tournament with its three grid tables, as the main window sets it up, but
// without any window.
struct TestTurnier
{
    clTurniertag tag;
    // The day's one class, which stays the same object while the day has one.
    clTurnier& turnier = *tag.getKonkurrenz(0);
    clTeilnehmerTableBase teilnehmerTB{&turnier};
    clSpieleTableBase spieleTB{&turnier};
    clWertungTableBase wertungTB{&turnier};

    // Sets tables and mode, types the first names into the participants table and
    // applies them, as an organiser does on the first page.
    void erstelle(const std::vector<wxString>& vornamen, int platten = 1, int modusIdx = 0)
    {
        allgemein alg = *turnier.getAllgemein();
        alg.Platten = platten;
        alg.ModusIdx = modusIdx;
        turnier.setAllgemein(&alg);
        turnier.Aktualisieren(true);
        for (size_t i = 0; i < vornamen.size(); ++i)
            teilnehmerTB.SetValue(static_cast<int>(i), 0, vornamen[i]);
        teilnehmerTB.DatenZurueckSchreiben();
    }

    // n participants named T1, T2, ...
    void erstelleN(int n, int platten = 1, int modusIdx = 0)
    {
        std::vector<wxString> namen;
        for (int i = 1; i <= n; ++i)
            namen.push_back(wxString::Format("T%d", i));
        erstelle(namen, platten, modusIdx);
    }

    // Every match of the schedule, round by round and table by table.
    std::vector<clTTSpiel*> alleSpiele() const
    {
        std::vector<clTTSpiel*> spiele;
        for (int r = 1; r <= turnier.getAnzahlRunden(); ++r)
            for (int p = 1; clTTSpiel* sp = turnier.getSpiel(r, p); ++p)
                spiele.push_back(sp);
        return spiele;
    }

    // The match between two start numbers, wherever the schedule put it.
    clTTSpiel* spielZwischen(int a, int b) const
    {
        for (clTTSpiel* sp : alleSpiele())
            if (sp->getT1()->getStartNr() + sp->getT2()->getStartNr() == a + b &&
                std::min(sp->getT1()->getStartNr(), sp->getT2()->getStartNr()) == std::min(a, b))
                return sp;
        return nullptr;
    }

    // The standings from first place to last as "start number:counted matches ".
    std::string stand() const
    {
        std::string s;
        for (int p = 0; p < wertungTB.getAnzahl(); ++p)
        {
            const int snr = wertungTB.getStartNrAufPlatz(p);
            s += std::to_string(snr) + ":" + std::to_string(wertungTB.getWertung(snr).m_AnzahlSpiele) + " ";
        }
        return s;
    }

    // Enters a whole set as the rounds grid does and lets the standings follow.
    void satz(clTTSpiel* sp, int snr, int p1, int p2)
    {
        sp->setSatzErg(snr, p1, p2);
        turnier.pruefeWertung(sp);
    }

    // Results separated by '|', each "a:b" and what happened, seen from a: the sets
    // in short form, "w" when a did not play, "a" when a retired without a set played,
    // "z" when a withdraws from the tournament.
    void trage(const wxString& ergebnisse)
    {
        wxStringTokenizer teile(ergebnisse, "|");
        while (teile.HasMoreTokens())
        {
            wxString rest;
            const wxString paar = teile.GetNextToken().Strip(wxString::both).BeforeFirst(' ', &rest);
            const int a = wxAtoi(paar.BeforeFirst(':'));
            clTTSpiel* sp = spielZwischen(a, wxAtoi(paar.AfterFirst(':')));
            const int seiteA = sp->getT1()->getStartNr() == a ? 1 : 2;
            std::vector<::satz> saetze;
            wxString fehler;
            if (rest == "z")
                turnier.zieheZurueck(a);
            else if (rest == "w" || rest == "a")
                sp->setAusfall(rest == "w" ? ausfKampflos : ausfAufgabe, seiteA);
            else
            {
                if (!clKurzeingabe::lies(rest, sp->getGewinnsaetze(), saetze, fehler))
                    throw std::invalid_argument(fehler.utf8_string());
                for (::satz& s : saetze)
                    if (seiteA == 2)
                        std::swap(s.P1, s.P2);
                sp->setSaetze(saetze);
            }
            if (rest != "z")
                turnier.pruefeWertung(sp);
        }
    }
};

// A day of two classes on two tables: "Herren" (Anna, Bernd, Carl, Dirk) and
// "Damen" (Erna, Frida, Gabi and the same Anna), everybody against everybody.
inline void erstelleZweiKonkurrenzen(clTurniertag& tag)
{
    for (int i = 0; i < 2; ++i)
    {
        clTurnier& k = *tag.getKonkurrenz(i);
        allgemein alg = *k.getAllgemein();
        alg.Platten = 2;
        k.setAllgemein(&alg);
        k.Aktualisieren(true);
        clTeilnehmerTableBase tb(&k);
        const std::vector<wxString> namen = i == 0
                                                ? std::vector<wxString>{L"Anna", L"Bernd", L"Carl", L"Dirk"}
                                                : std::vector<wxString>{L"Erna", L"Frida", L"Gabi"};
        for (size_t n = 0; n < namen.size(); ++n)
            tb.SetValue(static_cast<int>(n), 0, namen[n]);
        tb.DatenZurueckSchreiben();
        if (i == 0)
        {
            tag.benenneUm(0, "Herren");
            tag.fuegeHinzu("Damen");
        }
    }
    tag.trageEin(tag.getPersonenVon(0, tag.getKonkurrenz(0)->getTeilnehmer(1)->getKennung()).front(), 1);
}

// The first match of class i in which person plays.
inline clTTSpiel* spielVon(const clTurniertag& tag, int i, int person)
{
    for (clTTSpiel* sp : tag.getKonkurrenz(i)->getAlleSpiele())
        for (const clTeilnehmer* tn : {sp->getT1(), sp->getT2()})
            if (tn != nullptr && tag.getPersonenVon(i, tn->getKennung()).front() == person)
                return sp;
    return nullptr;
}

struct ZweiKonkurrenzen : TestTurnier
{
    ZweiKonkurrenzen() { erstelleZweiKonkurrenzen(tag); }
    int anna() const { return tag.getPersonenVon(0, turnier.getTeilnehmer(1)->getKennung()).front(); }
    clTTSpiel* spielVonAnna(int i) const { return spielVon(tag, i, anna()); }
};

// A doubles class of the given form whose entries are typed and applied; each
// entry "Vorname,Name,Verein,TTR,Vorname 2,Name 2,Verein 2,TTR 2". Empty when
// the list was applied, else why it was refused.
inline wxString erstelleDoppel(TestTurnier& tt, const std::vector<wxString>& paare,
                               int turnierform = formJederGegenJeden)
{
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Art = artDoppel;
    alg.Turnierform = turnierform;
    alg.Gruppen = 2;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(true);
    const int spalten[] = {spalteVorname,        spalteName,        spalteVerein,        spalteTTR,
                           spaltePartnerVorname, spaltePartnerName, spaltePartnerVerein, spaltePartnerTTR};
    for (size_t i = 0; i < paare.size(); ++i)
    {
        const wxArrayString felder = wxSplit(paare[i] + ",,,,,,,", ',', 0);
        for (size_t f = 0; f < 8; ++f)
            tt.teilnehmerTB.SetValue(static_cast<int>(i), spalten[f], felder[f]);
    }
    const wxString grund = tt.turnier.pruefeTeilnehmerliste(tt.teilnehmerTB.getEditListe());
    tt.teilnehmerTB.DatenZurueckSchreiben();
    return grund;
}

// In the form "Gruppen mit Endrunde":
// 16 players on 4 tables drawn into 4 groups, the best two going on; the rating
// falls with the start number, so that the snake puts 1 and 8 into group 1.
inline void loseGruppen(TestTurnier& tt, int tische = 4, int gruppen = 4)
{
    tt.erstelleN(16, tische);
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = gruppen;
    alg.GewinnsaetzeEndrunde = 3;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    for (int snr = 1; snr <= 16; ++snr)
        tt.turnier.getTeilnehmer(snr)->setTTR(2000 - snr);
    std::mt19937 zufall(7);
    ASSERT_TRUE(tt.turnier.loseGruppen(zufall));
}

// The side with the lower start number (of its group) wins; with ausfall that side
// wins by walkover or the other retires, as sp's number in the group's list decides.
inline void spiele(clTurnier& t, clTTSpiel* sp, int nr)
{
    const bool vorn = sp->getT1()->getStartNr() < sp->getT2()->getStartNr();
    sp->setSaetze(std::vector<satz>(sp->getGewinnsaetze(), vorn ? satz{11, 5} : satz{5, 11}));
    if (nr % 5 == 1)
        sp->setAusfall(nr % 2 ? ausfKampflos : ausfAufgabe, vorn ? 2 : 1);
    t.pruefeWertung(sp);
}

#endif
