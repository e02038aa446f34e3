#ifndef CLKREUZTABLEBASE_H
#define CLKREUZTABLEBASE_H

#include <algorithm>
#include <vector>
#include <wx/grid.h>

class clTurnier;
class clTTSpiel;

// The cross table of the round robin: one row and one column per participant in
// placing order, each cell the result of that pairing from the row's side, then
// the match points (ITTF placing) or the wins, and the place. Reads everything
// from the tournament; works without a grid.
class clKreuzTableBase : public wxGridTableBase
{
public:
    static const wxColour Diagonalfarbe;

    explicit clKreuzTableBase(clTurnier* t);
    ~clKreuzTableBase() override;

    int GetNumberRows() override { return std::max(m_Anzahl, 1); }
    int GetNumberCols() override { return m_Anzahl + 2; }
    wxString GetValue(int row, int col) override;
    // The cross table is derived from the results; typed text is discarded.
    void SetValue(int row, int col, const wxString& value) override;
    wxString GetRowLabelValue(int row) override;
    // Printouts name the rows by first name and surname, the grid by display name.
    void setVolleNamen(bool voll) { m_VolleNamen = voll; }
    wxString GetColLabelValue(int col) override;
    wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind) override;

    // Takes the tournament's number of participants and redraws the grid showing it.
    void Anpassen();

private:
    // The match of the participants on two places; null when there is none.
    const clTTSpiel* getSpiel(int platz1, int platz2);

    clTurnier* m_Turnier;
    int m_Anzahl;
    bool m_VolleNamen = false;
    // For each pair of start numbers the index of their match among the schedule's
    // matches; checked on use and made anew when the schedule has changed.
    std::vector<int> m_SpielIndex;
};

#endif
