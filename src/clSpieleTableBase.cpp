#include "clSpieleTableBase.h"

#include <algorithm>
#include <vector>
#include <wx/intl.h>

#include "clGridMelder.h"
#include "clRunde.h"
#include "clTTSpiel.h"
#include "clTeilnehmer.h"
#include "clTurnier.h"

const int clSpieleTableBase::Spaltenbreite[5] = {15, 75, 25, 25, 25};
const wxColour clSpieleTableBase::Warnfarbe(255, 196, 128);

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

// A set that is over under today's rules: to 11 with the loser at 9 at most, or
// beyond 11 with a lead of exactly two.
bool istBeendet(const satz& s)
{
    const int sieger = std::max(s.P1, s.P2);
    const int verlierer = std::min(s.P1, s.P2);
    if (verlierer < 0)
        return false;
    return (sieger == 11 && verlierer <= 9) || (sieger > 11 && sieger - verlierer == 2);
}
} // namespace

clSpieleTableBase::clSpieleTableBase(clTurnier* t) : m_Turnier(t), m_Runden(1), m_Platten(1)
{
    m_Turnier->setSpieleTableBase(this);
    m_Runden = std::max(1, m_Turnier->getAnzahlRunden());
    m_Platten = std::max(1, m_Turnier->getAllgemein()->Platten);
}

clSpieleTableBase::~clSpieleTableBase() = default;

wxString clSpieleTableBase::GetValue(int row, int col)
{
    const int ofsRunde = row % 4;
    const int ofsPlatte = col % 5;
    if (row < 0 || col < 0 || ofsRunde == 3 || ofsPlatte == 0)
        return wxString();
    const int runde = row / 4 + 1;
    const int platte = col / 5 + 1;
    if (platte > m_Platten)
    {
        if (ofsPlatte == 1 && ofsRunde == 1)
            return m_Turnier->getSpielfrei(runde);
        return wxString();
    }
    if (ofsRunde == 0)
    {
        static const char* const Kopf[] = {"", "Satz", "1", "2", "3"};
        return _(Kopf[ofsPlatte]);
    }
    const clTTSpiel* sp = m_Turnier->getSpiel(runde, platte);
    if (sp == nullptr)
        return ofsRunde == 1 && ofsPlatte == 1 ? _("nicht besetzt") : wxString();
    if (ofsPlatte == 1)
    {
        const clTeilnehmer* tn = ofsRunde == 1 ? sp->getT1() : sp->getT2();
        return tn != nullptr ? tn->getAnzeige() : wxString();
    }
    const satz s = sp->getSatzErg(ofsPlatte - 1);
    return punkte(ofsRunde == 1 ? s.P1 : s.P2);
}

void clSpieleTableBase::SetValue(int row, int col, const wxString& value)
{
    if (row < 0 || col < 0)
        return;
    const int runde = row / 4 + 1;
    const int ofsRunde = row % 4;
    const int platte = col / 5 + 1;
    const int ofsPlatte = col % 5;
    if (ofsRunde < 1 || ofsPlatte < 2 || platte > m_Platten)
        return;
    clTTSpiel* sp = m_Turnier->getSpiel(runde, platte);
    if (sp == nullptr)
        return;
    const int satzNr = ofsPlatte - 1;
    if (ofsRunde < 3)
    {
        // An emptied cell takes the entry back; anything else is read as a number.
        if (value.Strip(wxString::both).empty())
            sp->loescheSatzErg(satzNr, ofsRunde);
        else if (ofsRunde == 1)
            sp->setSatzErg(satzNr, wxAtoi(value), -1);
        else
            sp->setSatzErg(satzNr, -1, wxAtoi(value));
    }
    m_Turnier->pruefeWertung(sp);
    zeigeSpielNeu(runde, platte);
}

void clSpieleTableBase::zeigeSpielNeu(int runde, int platte)
{
    wxGrid* grid = GetView();
    if (grid == nullptr)
        return;
    const int oben = 4 * (runde - 1) + 1;
    const int links = 5 * (platte - 1) + 1;
    for (int row = oben; row <= oben + 1; ++row)
        for (int col = links; col <= links + clTTSpiel::AnzSaetze; ++col)
            grid->RefreshAttr(row, col);
    grid->RefreshBlock(oben, links, oben + 1, links + clTTSpiel::AnzSaetze);
}

wxGridCellAttr* clSpieleTableBase::GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind)
{
    wxGridCellAttr* attr = wxGridTableBase::GetAttr(row, col, kind);
    const int ofsRunde = row % 4;
    const int ofsPlatte = col % 5;
    if (row < 0 || col < 0 || ofsRunde < 1 || ofsRunde > 2 || ofsPlatte < 1 || col / 5 >= m_Platten)
        return attr;
    const clTTSpiel* sp = m_Turnier->getSpiel(row / 4 + 1, col / 5 + 1);
    if (sp == nullptr)
        return attr;

    bool warnung = false;
    bool fett = false;
    if (ofsPlatte == 1)
    {
        sWertung w1, w2;
        fett = sp->getErgebnis(w1, w2) && (ofsRunde == 1 ? w1 : w2).m_Spiel.eigene == 1;
    }
    else
    {
        const satz s = sp->getSatzErg(ofsPlatte - 1);
        warnung = s.P1 != -1 && s.P2 != -1 && !istBeendet(s);
    }
    if (!warnung && !fett)
        return attr;

    wxGridCellAttr* neu = attr != nullptr ? attr->Clone() : new wxGridCellAttr;
    if (attr != nullptr)
        attr->DecRef();
    if (warnung)
        neu->SetBackgroundColour(Warnfarbe);
    if (fett)
    {
        wxFont schrift = GetView() != nullptr ? GetView()->GetDefaultCellFont() : wxFont(wxFontInfo(10));
        neu->SetFont(schrift.MakeBold());
    }
    return neu;
}

bool clSpieleTableBase::naechsteEingabezelle(int& row, int& col) const
{
    if (row < 0 || col < 0)
        return false;
    int runde = row / 4 + 1;
    int seite = row % 4;
    int platte = col / 5 + 1;
    int satzNr = col % 5 - 1;
    if (seite < 1 || seite > 2 || satzNr < 1 || platte > m_Platten ||
        m_Turnier->getSpiel(runde, platte) == nullptr)
        return false;
    if (seite == 1)
        seite = 2;
    else if (satzNr < clTTSpiel::AnzSaetze)
    {
        seite = 1;
        ++satzNr;
    }
    else
    {
        do
        {
            if (++platte > m_Platten)
            {
                platte = 1;
                ++runde;
            }
        } while (runde <= m_Runden && m_Turnier->getSpiel(runde, platte) == nullptr);
        if (runde > m_Runden)
            return false;
        seite = 1;
        satzNr = 1;
    }
    row = 4 * (runde - 1) + seite;
    col = 5 * (platte - 1) + satzNr + 1;
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

wxString clSpieleTableBase::GetColLabelValue(int col)
{
    const int platten = std::max(1, m_Turnier->getAllgemein()->Platten);
    const int ofsPlatte = col % 5;
    if (col / 5 >= platten)
        return ofsPlatte == 1 ? wxString("spielfrei") : wxString();
    if (ofsPlatte == 1)
        return _("Platte");
    if (ofsPlatte == 3)
        return wxString::Format("%2.2d", col / 5 + 1);
    return wxString();
}

void clSpieleTableBase::Anpassen()
{
    const int alteZeilen = GetNumberRows();
    const int alteSpalten = GetNumberCols();
    m_Runden = std::max(1, m_Turnier->getAnzahlRunden());
    m_Platten = std::max(1, m_Turnier->getAllgemein()->Platten);

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
    {
        int b = 0;
        grid->GetTextExtent(text, &b, nullptr, nullptr, nullptr, &fett);
        return b;
    };
    const int anzahl = m_Turnier->getAnzahlTeilnehmer();
    std::vector<int> namensbreite(anzahl + 1, 0);
    int namen = 0;
    for (int r = 1; r <= m_Turnier->getAnzahlRunden() && namen == 0; ++r)
        if (m_Turnier->getSchema().getRunde(r)->AnzSpiele() < m_Platten)
            namen = breiteVon(_("nicht besetzt"));
    for (int snr = 1; snr <= anzahl; ++snr)
    {
        namensbreite[snr] = breiteVon(m_Turnier->getTeilnehmer(snr)->getAnzeige());
        namen = std::max(namen, namensbreite[snr]);
    }
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
        const bool freiBlock = i / 5 == m_Platten;
        int breite = Spaltenbreite[i % 5] * (freiBlock && i % 5 >= 1 ? 3 : 1);
        if (i % 5 == 1)
            breite = std::max(breite, freiBlock ? std::min(spielfrei, MaxSpielfreiBreite) + TextRand
                                                : namen + TextRand);
        grid->SetColSize(i, breite);
    }
    grid->EndBatch();
}
