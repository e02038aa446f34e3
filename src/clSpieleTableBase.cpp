#include "clSpieleTableBase.h"

#include <algorithm>
#include <wx/intl.h>

#include "clGridMelder.h"
#include "clTTSpiel.h"
#include "clTeilnehmer.h"
#include "clTurnier.h"

const int clSpieleTableBase::Spaltenbreite[5] = {15, 75, 25, 25, 25};

namespace
{
wxString punkte(int p)
{
    return p == -1 ? wxString() : wxString::Format("%2.2d", p);
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
    grid->BeginBatch();
    for (int i = 0; i < GetNumberCols(); ++i)
    {
        int breite = Spaltenbreite[i % 5];
        if (i / 5 == m_Platten && i % 5 >= 1)
            breite *= 3;
        // A name, "nicht besetzt" or a list of byes that does not fit widens its
        // column instead of being cut off.
        if (i % 5 == 1)
        {
            grid->AutoSizeColumn(i, false);
            breite = std::max(breite, grid->GetColSize(i));
        }
        grid->SetColSize(i, breite);
    }
    grid->EndBatch();
}
