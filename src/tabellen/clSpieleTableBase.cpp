#include "tabellen/clSpieleTableBase.h"

#include <algorithm>
#include <set>
#include <vector>
#include <wx/intl.h>

#include "modell/clSpielbetrieb.h"
#include "tabellen/clGridMelder.h"
#include "modell/clKurzeingabe.h"
#include "modell/clRunde.h"
#include "modell/clSatzregel.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurnier.h"

const int clSpieleTableBase::Spaltenbreite[5] = {15, 75, 25, 25, 25};
const wxColour clSpieleTableBase::Warnfarbe(255, 196, 128);
const wxColour clSpieleTableBase::Laeuftfarbe(200, 240, 200);

namespace
{
// Room a cell needs beside its text.
const int TextRand = 10;
// Byes beyond this width are cut rather than make the column wider than a screen.
const int MaxSpielfreiBreite = 700;

wxString punkte(int p)
{
    return p == -1 ? wxString() : wxString::Format("%2.2d", p);
}
} // namespace

clSpieleTableBase::clSpieleTableBase(clTurnier* t, std::vector<int> platten, const clTurnier* halle)
    : m_Turnier(t), m_Halle(halle != nullptr ? halle : t), m_Runden(1), m_Platten(1), m_Saetze(3),
      m_PlattenNummern(std::move(platten))
{
    m_Turnier->setSpieleTableBase(this);
    m_Runden = std::max(1, m_Turnier->getAnzahlRunden());
    m_Platten = std::max(1, m_Turnier->getAllgemein()->Platten);
    m_Saetze = m_Turnier->getAnzSaetze();
}

wxString clSpieleTableBase::getNameMitAusfall(const clTTSpiel* sp, int seite, bool vollerName)
{
    const clTeilnehmer* tn = seite == 1 ? sp->getT1() : sp->getT2();
    wxString name = tn == nullptr ? wxString() : vollerName ? tn->getVollerName() : tn->getAnzeige();
    if (sp->getAusfallSeite() == seite)
        name += " (" + getAusfallText(sp->getAusfallArt()) + ")";
    return name;
}

wxString clSpieleTableBase::getAufrufText(const sAufruf* aufruf)
{
    if (aufruf == nullptr)
        return wxString();
    if (aufruf->ende != 0)
        return wxString::Format(_("Platte %d"), aufruf->platte);
    return wxString::Format(_("Platte %d seit %s"), aufruf->platte,
                            clSpielbetrieb::getUhrzeit(aufruf->beginn));
}

const sAufruf* clSpieleTableBase::getAufruf(const clTurnier* halle, const clTTSpiel* sp)
{
    return halle != nullptr && sp != nullptr ? halle->getSpielbetrieb().getAufruf(sp) : nullptr;
}

wxString clSpieleTableBase::getAusfallText(modAusfall art)
{
    switch (art)
    {
    case ausfKampflos:
        return "w.o.";
    case ausfAufgabe:
        return _("Aufgabe");
    case ausfKeiner:
        break;
    }
    return wxString();
}

clSpieleTableBase::sZelle clSpieleTableBase::getZelle(int row, int col) const
{
    sZelle z;
    if (row < 0 || col < 0)
        return z;
    z.runde = row / 4 + 1;
    z.ofsRunde = row % 4;
    z.platte = col / getBlockBreite() + 1;
    z.ofsPlatte = col % getBlockBreite();
    return z;
}

clSpieleTableBase::~clSpieleTableBase() = default;

wxString clSpieleTableBase::GetValue(int row, int col)
{
    const sZelle z = getZelle(row, col);
    if (z.runde < 1 || z.ofsPlatte == 0)
        return wxString();
    // A called match says below its names where it is played, over the empty set cells.
    if (z.ofsRunde == 3)
        return z.ofsPlatte == 1 && z.platte <= m_Platten
                   ? getAufrufText(getAufruf(m_Halle, m_Turnier->getSpiel(z.runde, z.platte)))
                   : wxString();
    if (z.platte > m_Platten)
    {
        if (z.ofsPlatte == 1 && z.ofsRunde == 1)
            return m_Turnier->getSpielfrei(z.runde);
        return wxString();
    }
    if (z.ofsRunde == 0)
        return z.ofsPlatte == 1 ? _("Satz") : wxString::Format("%d", z.ofsPlatte - 1);
    const clTTSpiel* sp = m_Turnier->getSpiel(z.runde, z.platte);
    if (sp == nullptr)
        return z.ofsRunde == 1 && z.ofsPlatte == 1 ? _("nicht besetzt") : wxString();
    if (z.ofsPlatte == 1)
        return getNameMitAusfall(sp, z.ofsRunde);
    const satz s = sp->getSatzErg(z.ofsPlatte - 1);
    return punkte(z.ofsRunde == 1 ? s.P1 : s.P2);
}

clTTSpiel* clSpieleTableBase::getSpielMitPunktzelle(int row, int col, sZelle& z) const
{
    z = getZelle(row, col);
    // The gap row below the scores takes no entry either.
    if (z.ofsRunde < 1 || z.ofsRunde > 2 || z.ofsPlatte < 2 || z.platte > m_Platten)
        return nullptr;
    return m_Turnier->getSpiel(z.runde, z.platte);
}

bool clSpieleTableBase::pruefeEingabe(int row, int col, const wxString& value, wxString& grund) const
{
    sZelle z;
    int punkte = 0;
    return getSpielMitPunktzelle(row, col, z) == nullptr || value.Strip(wxString::both).empty() ||
           clKurzeingabe::liesPunkte(value, punkte, grund);
}

void clSpieleTableBase::SetValue(int row, int col, const wxString& value)
{
    sZelle z;
    clTTSpiel* sp = getSpielMitPunktzelle(row, col, z);
    if (sp == nullptr)
        return;
    const int satzNr = z.ofsPlatte - 1;
    int punkte = 0;
    wxString grund;
    // An emptied cell takes the entry back; text that is no score stores nothing,
    // rather than a number the organiser did not type.
    if (value.Strip(wxString::both).empty())
        sp->loescheSatzErg(satzNr, z.ofsRunde);
    else if (clKurzeingabe::liesPunkte(value, punkte, grund))
        sp->setSatzErg(satzNr, z.ofsRunde == 1 ? punkte : -1, z.ofsRunde == 2 ? punkte : -1);
    else
        return;
    m_Turnier->pruefeWertung(sp);
}

void clSpieleTableBase::leere(const std::vector<wxGridBlockCoords>& bloecke)
{
    // Every cell is emptied before the matches go into the standings, so that
    // they change once and undo sees one step.
    std::set<clTTSpiel*> geaendert;
    for (const wxGridBlockCoords& block : bloecke)
    {
        for (int row = block.GetTopRow(); row <= block.GetBottomRow(); ++row)
        {
            for (int col = block.GetLeftCol(); col <= block.GetRightCol(); ++col)
            {
                sZelle z;
                clTTSpiel* sp = getSpielMitPunktzelle(row, col, z);
                if (sp == nullptr)
                    continue;
                const satz s = sp->getSatzErg(z.ofsPlatte - 1);
                if ((z.ofsRunde == 1 ? s.P1 : s.P2) == -1)
                    continue;
                sp->loescheSatzErg(z.ofsPlatte - 1, z.ofsRunde);
                geaendert.insert(sp);
            }
        }
    }
    if (!geaendert.empty())
        m_Turnier->pruefeWertungen(std::vector<clTTSpiel*>(geaendert.begin(), geaendert.end()));
}

void clSpieleTableBase::setzeSaetze(int runde, int platte, const std::vector<satz>& saetze)
{
    if (clTTSpiel* sp = m_Turnier->getSpiel(runde, platte))
    {
        sp->setSaetze(saetze);
        m_Turnier->pruefeWertung(sp);
    }
}

void clSpieleTableBase::setzeAusfall(int runde, int platte, modAusfall art, int seite)
{
    if (clTTSpiel* sp = m_Turnier->getSpiel(runde, platte))
    {
        sp->setAusfall(art, seite);
        m_Turnier->pruefeWertung(sp);
        // The name column may need the room of the mark.
        setzeSpaltenBreiten();
    }
}

wxGridCellAttr* clSpieleTableBase::GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind)
{
    wxGridCellAttr* attr = wxGridTableBase::GetAttr(row, col, kind);
    const sZelle z = getZelle(row, col);
    if (z.ofsRunde < 1 || z.ofsPlatte < 1 || z.platte > m_Platten)
        return attr;
    const clTTSpiel* sp = m_Turnier->getSpiel(z.runde, z.platte);
    if (sp == nullptr)
        return attr;

    bool warnung = false;
    bool fett = false;
    // The names of a match being played, and the line that says where.
    const bool laeuft = z.ofsPlatte == 1 && m_Halle->getSpielbetrieb().laeuft(sp);
    if (z.ofsRunde == 3)
    {
        if (!laeuft)
            return attr;
    }
    else if (z.ofsPlatte == 1)
    {
        sWertung w1, w2;
        fett = sp->getErgebnis(w1, w2) && (z.ofsRunde == 1 ? w1 : w2).m_Spiel.eigene == 1;
    }
    else
    {
        // A set that cannot have ended like this, or that was typed after the
        // match was decided.
        const int satzNr = z.ofsPlatte - 1;
        const satz s = sp->getSatzErg(satzNr);
        const int entscheidung = sp->getEntscheidungssatz();
        warnung = (s.P1 != -1 && s.P2 != -1 && !clSatzregel::istBeendet(s)) ||
                  (entscheidung > 0 && satzNr > entscheidung && (s.P1 != -1 || s.P2 != -1));
    }
    if (!warnung && !fett && !laeuft)
        return attr;

    wxGridCellAttr* neu = attr != nullptr ? attr->Clone() : new wxGridCellAttr;
    if (attr != nullptr)
        attr->DecRef();
    if (warnung)
        neu->SetBackgroundColour(Warnfarbe);
    if (laeuft)
        neu->SetBackgroundColour(Laeuftfarbe);
    if (fett)
    {
        wxFont schrift = GetView() != nullptr ? GetView()->GetDefaultCellFont() : wxFont(wxFontInfo(10));
        neu->SetFont(schrift.MakeBold());
    }
    return neu;
}

bool clSpieleTableBase::naechsteEingabezelle(int& row, int& col) const
{
    sZelle z;
    const clTTSpiel* sp = getSpielMitPunktzelle(row, col, z);
    if (sp == nullptr)
        return false;
    int satzNr = z.ofsPlatte - 1;
    int seite = z.ofsRunde;
    const int entscheidung = sp->getEntscheidungssatz();
    if (seite == 1)
        seite = 2;
    // After the set that decided the match no further set is played.
    else if (satzNr < m_Saetze && (entscheidung == 0 || satzNr < entscheidung))
    {
        seite = 1;
        ++satzNr;
    }
    else
        return naechstesSpiel(z.runde, z.platte, false, row, col);
    row = 4 * (z.runde - 1) + seite;
    col = getBlockBreite() * (z.platte - 1) + satzNr + 1;
    return true;
}

bool clSpieleTableBase::naechstesSpiel(int runde, int platte, bool ohneErgebnis, int& row, int& col) const
{
    for (;;)
    {
        if (++platte > m_Platten)
        {
            platte = 1;
            ++runde;
        }
        if (runde > m_Runden)
            return false;
        const clTTSpiel* sp = m_Turnier->getSpiel(runde, platte);
        if (sp != nullptr && !(ohneErgebnis && sp->hatEingaben()))
            break;
    }
    row = 4 * (runde - 1) + 1;
    col = getBlockBreite() * (platte - 1) + 2;
    return true;
}

bool clSpieleTableBase::InsertRows(size_t, size_t)
{
    return true;
}

bool clSpieleTableBase::AppendRows(size_t)
{
    return true;
}

bool clSpieleTableBase::DeleteRows(size_t, size_t)
{
    return true;
}

bool clSpieleTableBase::InsertCols(size_t, size_t)
{
    return true;
}

bool clSpieleTableBase::AppendCols(size_t)
{
    return true;
}

bool clSpieleTableBase::DeleteCols(size_t, size_t)
{
    return true;
}

wxString clSpieleTableBase::GetRowLabelValue(int row)
{
    if (row % 4 != 1)
        return wxString();
    return wxString::Format(_("Runde %2.2d"), row / 4 + 1);
}

int clSpieleTableBase::getPlattenNummer(int p) const
{
    return clGruppenphase::getPlattenNummer(m_PlattenNummern, p);
}

wxString clSpieleTableBase::GetColLabelValue(int col)
{
    const int platten = std::max(1, m_Turnier->getAllgemein()->Platten);
    const sZelle z = getZelle(0, col);
    if (z.platte > platten)
        return z.ofsPlatte == 1 ? wxString("spielfrei") : wxString();
    if (z.ofsPlatte == 1)
        return _("Platte");
    // The table number stands over the middle set.
    if (z.ofsPlatte == 2 + m_Saetze / 2)
        return wxString::Format("%2.2d", getPlattenNummer(z.platte));
    return wxString();
}

void clSpieleTableBase::Anpassen()
{
    const int alteZeilen = GetNumberRows();
    const int alteSpalten = GetNumberCols();
    m_Runden = std::max(1, m_Turnier->getAnzahlRunden());
    m_Platten = std::max(1, m_Turnier->getAllgemein()->Platten);
    m_Saetze = m_Turnier->getAnzSaetze();

    // Also with an unchanged size: new names change the widths they need, and a new
    // schedule of the same size shows at once.
    clGridMelder::meldeGroesse(this, alteZeilen, alteSpalten);
    setzeSpaltenBreiten();
}

void clSpieleTableBase::setzeSpaltenBreiten()
{
    wxGrid* grid = GetView();
    if (grid == nullptr)
        return;
    // Measured in bold, as a winner's name is shown, so that it still fits then.
    // Each name is measured once; the rows only add up those widths, so that a
    // schedule of thousands of rounds is fitted at once.
    wxFont fett = grid->GetDefaultCellFont();
    fett.MakeBold();
    auto breiteVon = [grid, &fett](const wxString& text)
    { return clGridMelder::getTextBreite(grid, text, fett); };
    const int anzahl = m_Turnier->getAnzahlTeilnehmer();
    std::vector<int> namensbreite(anzahl + 1, 0);
    int namen = 0;
    for (int r = 1; r <= m_Turnier->getAnzahlRunden() && namen == 0; ++r)
        if (m_Turnier->getSchema().getRunde(r)->AnzSpiele() < m_Platten)
            namen = breiteVon(_("nicht besetzt"));
    int laengsterName = 0;
    for (int snr = 1; snr <= anzahl; ++snr)
    {
        namensbreite[snr] = breiteVon(m_Turnier->getTeilnehmer(snr)->getAnzeige());
        laengsterName = std::max(laengsterName, namensbreite[snr]);
    }
    // A name may carry the mark of a walkover or retirement.
    int marke = 0;
    for (const clTTSpiel& sp : m_Turnier->getSchema().getSpiele())
        if (sp.getAusfallArt() != ausfKeiner)
            marke = std::max(marke, breiteVon(" (" + getAusfallText(sp.getAusfallArt()) + ")"));
    namen = std::max(namen, laengsterName + marke);
    // A long list of byes widens its column up to a limit; beyond it the list is cut.
    const int komma = breiteVon(", ");
    int spielfrei = 0;
    std::vector<int> frei;
    for (int r = 1; r <= m_Turnier->getAnzahlRunden() && spielfrei < MaxSpielfreiBreite; ++r)
    {
        frei.clear();
        m_Turnier->getSchema().getRunde(r)->getSpielfrei(frei);
        int summe = 0;
        for (size_t i = 0; i < frei.size() && summe < MaxSpielfreiBreite; ++i)
            summe += (i > 0 ? komma : 0) + (frei[i] <= anzahl ? namensbreite[frei[i]] : 0);
        spielfrei = std::max(spielfrei, summe);
    }

    grid->BeginBatch();
    for (int i = 0; i < GetNumberCols(); ++i)
    {
        const int ofs = getZelle(0, i).ofsPlatte;
        const bool freiBlock = i / getBlockBreite() == m_Platten;
        int breite = Spaltenbreite[std::min(ofs, 4)] * (freiBlock && ofs >= 1 ? 3 : 1);
        if (ofs == 1)
            breite = std::max(breite, freiBlock ? std::min(spielfrei, MaxSpielfreiBreite) + TextRand
                                                : namen + TextRand);
        grid->SetColSize(i, breite);
    }
    grid->EndBatch();
}
