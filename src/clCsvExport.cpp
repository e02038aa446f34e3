#include "clCsvExport.h"

#include <initializer_list>
#include <wx/intl.h>

#include "clRunde.h"
#include "clTTSpiel.h"
#include "clTeilnehmer.h"
#include "clTurnier.h"
#include "clTurnierDatei.h"
#include "clWertungTableBase.h"

namespace
{
const wxChar Trenner = ';';

wxString zeile(std::initializer_list<wxString> felder)
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

// A spreadsheet would run a name such as "=HYPERLINK(...)" as a formula: a name
// that starts like one is marked as text with a leading apostrophe.
wxString anzeige(const clTeilnehmer* tn)
{
    const wxString name = tn != nullptr ? tn->getAnzeige() : wxString();
    if (!name.empty() && wxString("=+-@\t\r").Find(name[0]) != wxNOT_FOUND)
        return "'" + name;
    return name;
}
} // namespace

clCsvExport::clCsvExport(clTurnier* turnier) : m_Turnier(turnier) {}

wxString clCsvExport::feld(const wxString& text)
{
    wxString f = text;
    f.Replace("\"", "\"\"");
    return "\"" + f + "\"";
}

wxString clCsvExport::erzeugeTabelle() const
{
    wxString text =
        zeile({_("Platz"), _("Teilnehmer"), _("Spiele"), _("Siege"), _("Niederlagen"), _(L"Gewonnene Sätze"),
               _(L"Verlorene Sätze"), _("Gewonnene Punkte"), _("Verlorene Punkte")});
    const clWertungTableBase* wt = m_Turnier->getWertungTableBase();
    if (wt == nullptr)
        return text;
    for (int platz = 0; platz < m_Turnier->getAnzahlTeilnehmer(); ++platz)
    {
        const int snr = wt->getStartNrAufPlatz(platz);
        const tabWertung tw = wt->getWertung(snr);
        const sWertung& w = tw.wertung;
        text += zeile({zahl(platz + 1), anzeige(m_Turnier->getTeilnehmer(snr)), zahl(tw.m_AnzahlSpiele),
                       zahl(w.m_Spiel.eigene), zahl(w.m_Spiel.gegner), zahl(w.m_Satz.eigene),
                       zahl(w.m_Satz.gegner), zahl(w.m_Punkte.eigene), zahl(w.m_Punkte.gegner)});
    }
    return text;
}

wxString clCsvExport::erzeugeErgebnisse() const
{
    wxString text = zeile({_("Runde"), _("Platte"), _("Teilnehmer 1"), _("Teilnehmer 2"),
                           _("Satz 1: Teilnehmer 1"), _("Satz 1: Teilnehmer 2"), _("Satz 2: Teilnehmer 1"),
                           _("Satz 2: Teilnehmer 2"), _("Satz 3: Teilnehmer 1"), _("Satz 3: Teilnehmer 2"),
                           _(L"Sätze: Teilnehmer 1"), _(L"Sätze: Teilnehmer 2"), _("Sieger")});
    for (int r = 1; r <= m_Turnier->getAnzahlRunden(); ++r)
    {
        const clRunde* runde = m_Turnier->getSchema().getRunde(r);
        for (int p = 1; p <= runde->AnzSpiele(); ++p)
        {
            const clTTSpiel* sp = runde->getSpiel(p);
            sWertung w1, w2;
            const bool entschieden = sp->getErgebnis(w1, w2);
            const bool gespielt = w1.m_Satz.eigene + w1.m_Satz.gegner > 0;
            const satz s1 = sp->getSatzErg(1);
            const satz s2 = sp->getSatzErg(2);
            const satz s3 = sp->getSatzErg(3);
            const clTeilnehmer* sieger = w1.m_Spiel.eigene > 0 ? sp->getT1() : sp->getT2();
            text += zeile({zahl(r), zahl(p), anzeige(sp->getT1()), anzeige(sp->getT2()), punkte(s1.P1),
                           punkte(s1.P2), punkte(s2.P1), punkte(s2.P2), punkte(s3.P1), punkte(s3.P2),
                           gespielt ? zahl(w1.m_Satz.eigene) : wxString(),
                           gespielt ? zahl(w1.m_Satz.gegner) : wxString(),
                           entschieden ? anzeige(sieger) : wxString()});
        }
    }
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
