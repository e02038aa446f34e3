#ifndef CLSPIELETABLEBASE_H
#define CLSPIELETABLEBASE_H

#include <wx/grid.h>

class clTurnier;

// The schedule as a grid table: one block of four rows per round, one block of
// five columns per table and a last block with the byes. It holds no data of its
// own and reads everything from the tournament. Works without a grid.
class clSpieleTableBase : public wxGridTableBase
{
public:
    static const int Spaltenbreite[5];

    explicit clSpieleTableBase(clTurnier* t);
    ~clSpieleTableBase() override;

    int GetNumberRows() override { return 4 * m_Runden; }
    int GetNumberCols() override { return 5 * m_Platten + 2; }
    wxString GetValue(int row, int col) override;
    void SetValue(int row, int col, const wxString& value) override;
    bool InsertRows(size_t pos, size_t numRows) override;
    bool AppendRows(size_t numRows) override;
    bool DeleteRows(size_t pos, size_t numRows) override;
    bool InsertCols(size_t pos, size_t numCols) override;
    bool AppendCols(size_t numCols) override;
    bool DeleteCols(size_t pos, size_t numCols) override;
    wxString GetRowLabelValue(int row) override;
    wxString GetColLabelValue(int col) override;

    void Anpassen();
    void setzeSpaltenBreiten();

private:
    clTurnier* m_Turnier;
    int m_Runden;
    int m_Platten;
};

#endif
