#include "tabellen/clKreuzTableBase.h"

#include <wx/intl.h>

#include "tabellen/clGridMelder.h"
#include "tabellen/clSpieleTableBase.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"
#include "tabellen/clWertungTableBase.h"

const wxColour clKreuzTableBase::Diagonalfarbe(200, 200, 200);

namespace
{
// Short enough for a narrow column: "w.o." and "Aufg.".
wxString ausfallKurz(modAusfall art)
{
    return art == ausfAufgabe ? _("Aufg.") : clSpieleTableBase::getAusfallText(art);
}
} // namespace

clKreuzTableBase::clKreuzTableBase(clTurnier* t) : m_Turnier(t), m_Anzahl(t->getAnzahlTeilnehmer()) {}

clKreuzTableBase::~clKreuzTableBase() = default;

void clKreuzTableBase::Anpassen()
{
    const int alteZeilen = GetNumberRows();
    const int alteSpalten = GetNumberCols();
    m_Anzahl = m_Turnier->getAnzahlTeilnehmer();
    clGridMelder::meldeGroesse(this, alteZeilen, alteSpalten);
}

const clTTSpiel* clKreuzTableBase::getSpiel(int platz1, int platz2)
{
    const clWertungTableBase* wt = m_Turnier->getWertungTableBase();
    const int a = wt->getStartNrAufPlatz(platz1);
    const int b = wt->getStartNrAufPlatz(platz2);
    const int n = m_Turnier->getAnzahlTeilnehmer();
    if (a < 1 || b < 1 || a > n || b > n || a == b)
        return nullptr;
    const std::vector<clTTSpiel>& spiele = m_Turnier->getSchema().getSpiele();
    auto passt = [&spiele, a, b](int k)
    {
        if (k < 0 || k >= static_cast<int>(spiele.size()))
            return false;
        const int t1 = spiele[k].getT1()->getStartNr();
        const int t2 = spiele[k].getT2()->getStartNr();
        return (t1 == a && t2 == b) || (t1 == b && t2 == a);
    };
    const size_t idx = static_cast<size_t>(a - 1) * n + (b - 1);
    if (m_SpielIndex.size() != static_cast<size_t>(n) * n || !passt(m_SpielIndex[idx]))
    {
        m_SpielIndex.assign(static_cast<size_t>(n) * n, -1);
        for (size_t k = 0; k < spiele.size(); ++k)
        {
            const int t1 = spiele[k].getT1()->getStartNr() - 1;
            const int t2 = spiele[k].getT2()->getStartNr() - 1;
            m_SpielIndex[static_cast<size_t>(t1) * n + t2] = static_cast<int>(k);
            m_SpielIndex[static_cast<size_t>(t2) * n + t1] = static_cast<int>(k);
        }
    }
    return passt(m_SpielIndex[idx]) ? &spiele[m_SpielIndex[idx]] : nullptr;
}

wxString clKreuzTableBase::GetValue(int row, int col)
{
    const clWertungTableBase* wt = m_Turnier->getWertungTableBase();
    if (wt == nullptr || row < 0 || row >= m_Anzahl || col < 0 || col >= GetNumberCols())
        return wxString();
    const int snr = wt->getStartNrAufPlatz(row);
    if (col == m_Anzahl)
    {
        const tabWertung tw = wt->getWertung(snr);
        if (tw.m_AnzahlSpiele <= 0)
            return wxString();
        if (wt->getPlatzierungsmodus() == platzITTF)
            return wxString::Format("%d", tw.wertung.m_Spielpunkte.eigene);
        return wxString::Format("%d:%d", tw.wertung.m_Spiel.eigene, tw.wertung.m_Spiel.gegner);
    }
    if (col == m_Anzahl + 1)
        return wt->getPlatzText(row);
    const clTTSpiel* sp = getSpiel(row, col);
    sWertung w1, w2;
    if (sp == nullptr || !sp->getErgebnis(w1, w2))
        return wxString();
    const sWertung& w = sp->getT1()->getStartNr() == snr ? w1 : w2;
    wxString text = wxString::Format("%d:%d", w.m_Satz.eigene, w.m_Satz.gegner);
    if (sp->getAusfallArt() != ausfKeiner)
        text += " " + ausfallKurz(sp->getAusfallArt());
    return text;
}

void clKreuzTableBase::SetValue(int, int, const wxString&) {}

wxString clKreuzTableBase::GetRowLabelValue(int row)
{
    const clWertungTableBase* wt = m_Turnier->getWertungTableBase();
    const clTeilnehmer* tn = wt != nullptr ? m_Turnier->getTeilnehmer(wt->getStartNrAufPlatz(row)) : nullptr;
    if (tn == nullptr)
        return wxString();
    return wxString::Format("%d  %s", row + 1, m_VolleNamen ? tn->getVollerName() : tn->getAnzeige());
}

wxString clKreuzTableBase::GetColLabelValue(int col)
{
    if (col < m_Anzahl)
        return wxString::Format("%d", col + 1);
    if (col == m_Anzahl)
    {
        const clWertungTableBase* wt = m_Turnier->getWertungTableBase();
        return wt != nullptr && wt->getPlatzierungsmodus() == platzITTF ? _("Spielpunkte") : _("Siege");
    }
    return col == m_Anzahl + 1 ? _("Platz") : wxString();
}

wxGridCellAttr* clKreuzTableBase::GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind)
{
    wxGridCellAttr* attr = wxGridTableBase::GetAttr(row, col, kind);
    if (row != col || row >= m_Anzahl)
        return attr;
    wxGridCellAttr* neu = attr != nullptr ? attr->Clone() : new wxGridCellAttr;
    if (attr != nullptr)
        attr->DecRef();
    neu->SetBackgroundColour(Diagonalfarbe);
    return neu;
}
