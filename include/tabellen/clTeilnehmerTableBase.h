#ifndef CLTEILNEHMERTABLEBASE_H
#define CLTEILNEHMERTABLEBASE_H

#include <functional>
#include <vector>
#include <wx/grid.h>

#include "modell/clTeilnehmer.h"

class clTurnier;

// The participants' edit list as a grid table: a working copy of the roster that
// is applied to the tournament by DatenZurueckSchreiben. Works without a grid.
class clTeilnehmerTableBase : public wxGridTableBase
{
public:
    explicit clTeilnehmerTableBase(clTurnier* t);
    ~clTeilnehmerTableBase() override;

    int GetNumberRows() override;
    int GetNumberCols() override { return m_Cols; }
    wxString GetValue(int row, int col) override;
    void SetValue(int row, int col, const wxString& value) override;
    // Whether value may be typed into column col; when not, grund says why. Only the
    // ratings are checked: empty, or a whole number of up to five digits.
    static bool pruefeEingabe(int col, const wxString& value, wxString& grund);
    wxString GetRowLabelValue(int row) override;
    wxString GetColLabelValue(int col) override;

    // Puts the columns of the rows into the table from row on, as typing them would:
    // rows of the list are overwritten, beyond it rows are added. Refuses, changing
    // nothing, when the list would then hold more than clTurnier::MaxTeilnehmer rows.
    bool setzeZeilen(int row, const vecEditListe& zeilen);
    void SwapRows(int row1, int row2);
    void DeleteData(int row);
    void DatenZurueckSchreiben();
    void Aktualisieren();
    // Shows the roster of another class; what was typed and not applied is dropped.
    void setTurnier(clTurnier* t);
    int getDataListSize() const { return static_cast<int>(m_Redirekt.size()); }
    const vecEditListe& getEditListe() const { return m_EditListe; }
    // Puts back a list as it was typed, deleted rows included.
    void setzeEditListe(const vecEditListe& el);
    // Called after every change of the rows, typed or applied.
    void setBeiAenderung(std::function<void()> beiAenderung) { m_BeiAenderung = std::move(beiAenderung); }
    // The first row from ab on, going round past the end, that holds text in a
    // name, the display name or a club of either person, regardless of case; -1
    // for none.
    int findeZeile(const wxString& text, int ab) const;
    // True when rows were typed, deleted or moved since the list was last filled.
    bool hatAenderungen() const;

private:
    // SetValue without telling the grid.
    void setzeZelle(int row, int col, const wxString& value);
    // Shows every record of a freshly filled list, in its order.
    void zeigeAlleZeilen(int alteZeilen);
    // Tells the grid about a changed number of rows or columns and redraws it.
    void meldeAenderung(int alteZeilen);

    int m_Rows;
    int m_Cols;
    clTurnier* m_Turnier;
    vecEditListe m_EditListe;
    std::vector<int> m_Redirekt;
    std::function<void()> m_BeiAenderung;
};

#endif
