#include "tabellen/clTeilnehmerTableBase.h"

#include <algorithm>
#include <numeric>
#include <wx/intl.h>

#include "tabellen/clGridMelder.h"
#include "modell/clTurnier.h"

namespace
{
const int MinZeilen = 25;
}

clTeilnehmerTableBase::clTeilnehmerTableBase(clTurnier* t)
    : m_Rows(MinZeilen), m_Cols(AnzahlEinzelSpalten), m_Turnier(t)
{
    m_Turnier->setTeilnehmerTableBase(this);
    Aktualisieren();
}

clTeilnehmerTableBase::~clTeilnehmerTableBase() = default;

void clTeilnehmerTableBase::setTurnier(clTurnier* t)
{
    if (t == m_Turnier)
        return;
    m_Turnier->setTeilnehmerTableBase(nullptr);
    m_Turnier = t;
    m_Turnier->setTeilnehmerTableBase(this);
    Aktualisieren();
}

int clTeilnehmerTableBase::GetNumberRows()
{
    return std::max(m_Rows, static_cast<int>(m_EditListe.size()) + 1);
}

wxString clTeilnehmerTableBase::GetValue(int row, int col)
{
    if (col < 0 || col >= m_Cols)
        return _("Fehler");
    if (row < 0 || row >= getDataListSize())
        return wxString();
    return m_EditListe[m_Redirekt[row]].getSpalte(col);
}

void clTeilnehmerTableBase::SetValue(int row, int col, const wxString& value)
{
    if (row < 0)
        return;
    const int alteZeilen = GetNumberRows();
    setzeZelle(row, col, value);
    meldeAenderung(alteZeilen);
}

bool clTeilnehmerTableBase::pruefeEingabe(int col, const wxString& value, wxString& grund)
{
    grund.clear();
    if ((col != spalteTTR && col != spaltePartnerTTR) || value.Strip(wxString::both).empty() ||
        clTeilnehmer::liesTTR(value) != KeineTTR)
        return true;
    grund = wxString::Format(wxGetTranslation(L"„%s“ ist keine TTR-Zahl: erlaubt sind ganze Zahlen bis 99999 "
                                              L"oder ein leeres Feld."),
                             value);
    return false;
}

bool clTeilnehmerTableBase::setzeZeilen(int row, const vecEditListe& zeilen)
{
    const int n = getDataListSize();
    row = std::min(std::max(row, 0), n);
    if (std::max(n, row + static_cast<int>(zeilen.size())) > clTurnier::MaxTeilnehmer)
        return false;
    const int alteZeilen = GetNumberRows();
    for (const spEditData& ed : zeilen)
    {
        for (int col = 0; col < m_Cols; ++col)
            setzeZelle(row, col, ed.getSpalte(col));
        ++row;
    }
    meldeAenderung(alteZeilen);
    return true;
}

void clTeilnehmerTableBase::setzeZelle(int row, int col, const wxString& value)
{
    const int n = getDataListSize();
    if (row >= n)
    {
        row = n;
        spEditData neu;
        neu.m_EditStatus = esNew;
        m_EditListe.push_back(neu);
        m_Redirekt.push_back(static_cast<int>(m_EditListe.size()) - 1);
    }
    spEditData ed = m_EditListe[m_Redirekt[row]];
    ed.m_EditStatus |= esDirty;
    // A display name Quobel derived follows the corrected name, in the grid at once.
    const bool folgt = (col == spalteVorname || col == spalteName || col == spaltePartnerVorname ||
                        col == spaltePartnerName) &&
                       clTeilnehmer::istAbgeleitet(ed.m_Anzeige, ed.m_VName, ed.m_Name, ed.m_Partner);
    ed.setSpalte(col, value);
    if (folgt)
        ed.m_Anzeige = clTeilnehmer::leiteAnzeigeAb(ed.m_VName, ed.m_Name, row + 1, ed.m_Partner);
    m_EditListe[m_Redirekt[row]] = ed;
}

wxString clTeilnehmerTableBase::GetRowLabelValue(int row)
{
    return wxString::Format("%2.2d", row + 1);
}

wxString clTeilnehmerTableBase::GetColLabelValue(int col)
{
    switch (col)
    {
    case spalteVorname:
        return _("Vorname");
    case spalteName:
        return _("Name");
    case spalteAnzeige:
        return _("Anzeige");
    case spalteVerein:
        return _("Verein");
    case spalteTTR:
        return _("TTR");
    case spaltePartnerVorname:
        return _("Vorname 2");
    case spaltePartnerName:
        return _("Name 2");
    case spaltePartnerVerein:
        return _("Verein 2");
    case spaltePartnerTTR:
        return _("TTR 2");
    default:
        return _("Fehler");
    }
}

void clTeilnehmerTableBase::SwapRows(int row1, int row2)
{
    const int n = getDataListSize();
    if (row1 < 0 || row2 < 0 || row1 >= n || row2 >= n)
        return;
    std::swap(m_EditListe[m_Redirekt[row1]], m_EditListe[m_Redirekt[row2]]);
    meldeAenderung(GetNumberRows());
}

void clTeilnehmerTableBase::DeleteData(int row)
{
    if (row < 0 || row >= getDataListSize())
        return;
    m_EditListe[m_Redirekt[row]].m_EditStatus |= esDeleted;
    m_Redirekt.erase(m_Redirekt.begin() + row);
    meldeAenderung(GetNumberRows());
}

void clTeilnehmerTableBase::DatenZurueckSchreiben()
{
    const int alteZeilen = GetNumberRows();
    m_Turnier->UpdateTeilnehmer(m_EditListe);
    zeigeAlleZeilen(alteZeilen);
}

void clTeilnehmerTableBase::Aktualisieren()
{
    const int alteZeilen = GetNumberRows();
    m_Turnier->fillEditListe(m_EditListe);
    zeigeAlleZeilen(alteZeilen);
}

void clTeilnehmerTableBase::setzeEditListe(const vecEditListe& el)
{
    const int alteZeilen = GetNumberRows();
    m_EditListe = el;
    m_Redirekt.clear();
    for (size_t i = 0; i < el.size(); ++i)
        if (!(el[i].m_EditStatus & esDeleted))
            m_Redirekt.push_back(static_cast<int>(i));
    meldeAenderung(alteZeilen);
}

int clTeilnehmerTableBase::findeZeile(const wxString& text, int ab) const
{
    const wxString gesucht = wxString(text).Strip(wxString::both).Lower();
    const int n = getDataListSize();
    if (gesucht.empty() || n == 0)
        return -1;
    ab = std::clamp(ab, 0, n - 1);
    for (int i = 0; i < n; ++i)
    {
        const int row = (ab + i) % n;
        const spEditData& ed = m_EditListe[m_Redirekt[row]];
        for (const wxString* feld : {&ed.m_VName, &ed.m_Name, &ed.m_Anzeige, &ed.m_Verein,
                                     &ed.m_Partner.m_VName, &ed.m_Partner.m_Name, &ed.m_Partner.m_Verein})
            if (feld->Lower().Contains(gesucht))
                return row;
    }
    return -1;
}

bool clTeilnehmerTableBase::hatAenderungen() const
{
    for (size_t i = 0; i < m_EditListe.size(); ++i)
    {
        if (m_EditListe[i].m_EditStatus != esClear || m_EditListe[i].m_OldPos != static_cast<int>(i))
            return true;
    }
    return false;
}

void clTeilnehmerTableBase::zeigeAlleZeilen(int alteZeilen)
{
    m_Redirekt.resize(m_EditListe.size());
    std::iota(m_Redirekt.begin(), m_Redirekt.end(), 0);
    meldeAenderung(alteZeilen);
}

void clTeilnehmerTableBase::meldeAenderung(int alteZeilen)
{
    // The columns follow the kind of class: a pair has two persons.
    const int alteSpalten = m_Cols;
    m_Cols = m_Turnier->getAllgemein()->Art == artEinzel ? AnzahlEinzelSpalten : AnzahlTeilnehmerSpalten;
    clGridMelder::meldeGroesse(this, alteZeilen, alteSpalten);
    if (m_BeiAenderung)
        m_BeiAenderung();
}
