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
    // Score cells of a set that cannot have ended like this are marked, and the
    // winner of a decided match is shown in bold.
    wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind) override;

    void Anpassen();
    void setzeSpaltenBreiten();
    // The score cell an organiser fills after (row, col): the other side of the set,
    // then the next set, then the next match (the next table of the round, then
    // the first table of a later round). False, and row and col unchanged, when
    // (row, col) is no score cell of a match or the last one.
    bool naechsteEingabezelle(int& row, int& col) const;

    // Background of the score cells of a set that cannot have ended like this.
    static const wxColour Warnfarbe;

private:
    // Tells the grid that the cells of a match may look different now.
    void zeigeSpielNeu(int runde, int platte);

    clTurnier* m_Turnier;
    int m_Runden;
    int m_Platten;
};

#endif
