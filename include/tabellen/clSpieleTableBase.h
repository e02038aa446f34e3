#ifndef CLSPIELETABLEBASE_H
#define CLSPIELETABLEBASE_H

#include <vector>
#include <wx/grid.h>

#include "modell/clTTSpiel.h"

class clTurnier;
struct sAufruf;

// The schedule as a grid table: one block of four rows per round, one block of
// 2G+1 columns per table (a gap, the names and a column per set, G the sets to
// win) and a last block with the byes. It holds no data of its own and reads
// everything from the tournament. Works without a grid.
class clSpieleTableBase : public wxGridTableBase
{
public:
    // Widths by column offset in a table block; every set column has the last.
    static const int Spaltenbreite[5];

    // platten: the real numbers of the tournament's tables when it is a group;
    // halle: the tournament whose hall plays its matches, when it is a group (null:
    // the tournament itself).
    explicit clSpieleTableBase(clTurnier* t, std::vector<int> platten = {}, const clTurnier* halle = nullptr);
    ~clSpieleTableBase() override;
    // The real number of table p, as its column is headed.
    int getPlattenNummer(int p) const;

    int GetNumberRows() override { return 4 * m_Runden; }
    int GetNumberCols() override { return getBlockBreite() * m_Platten + 2; }
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

    // Whether value may go into (row, col): false, with the reason, for text in a
    // score cell of a match that is neither empty nor a whole number of points.
    // SetValue refuses such text and stores nothing.
    bool pruefeEingabe(int row, int col, const wxString& value, wxString& grund) const;
    // Empties every score cell of the blocks, as one change.
    void leere(const std::vector<wxGridBlockCoords>& bloecke);

    // The whole result of a match at once (short form), and a walkover or
    // retirement; each goes into the standings and shows at once.
    void setzeSaetze(int runde, int platte, const std::vector<satz>& saetze);
    void setzeAusfall(int runde, int platte, modAusfall art, int seite);

    void Anpassen();
    void setzeSpaltenBreiten();
    // The score cell an organiser fills after (row, col): the other side of the set,
    // then the next set, then the next match (the next table of the round, then
    // the first table of a later round). False, and row and col unchanged, when
    // (row, col) is no score cell of a match or the last one.
    bool naechsteEingabezelle(int& row, int& col) const;
    // The first score cell of the next match after (runde, platte), in the order
    // of naechsteEingabezelle; with ohneErgebnis only a match without any entry.
    bool naechstesSpiel(int runde, int platte, bool ohneErgebnis, int& row, int& col) const;
    // The columns of one table block: the gap, the names and one per set.
    int getBlockBreite() const { return m_Saetze + 2; }
    // How the grid, the printouts and the exports show a walkover or a retirement.
    static wxString getAusfallText(modAusfall art);
    // The name of side 1 or 2, marked when that side did not play or retired; the
    // display name, or first name and surname when vollerName.
    static wxString getNameMitAusfall(const clTTSpiel* sp, int seite, bool vollerName = false);
    // Where a called match is played: "Platte 4 seit 10:42" while it is played
    // (short, to fit below the names of a table's block), "Platte 4" once it
    // ended; empty without a call.
    static wxString getAufrufText(const sAufruf* aufruf);
    // The call of sp in the hall of halle, null when it has none.
    static const sAufruf* getAufruf(const clTurnier* halle, const clTTSpiel* sp);

    // Background of the score cells of a set that cannot have ended like this.
    static const wxColour Warnfarbe;
    // Background of the names of a match being played.
    static const wxColour Laeuftfarbe;

    // Where a cell stands: round and table (from 1) and the offsets in their blocks.
    struct sZelle
    {
        int runde = 0;
        int ofsRunde = 0;
        int platte = 0;
        int ofsPlatte = 0;
    };
    sZelle getZelle(int row, int col) const;

private:
    // The match whose score cell (row, col) is, with where the cell stands; null
    // for any other cell.
    clTTSpiel* getSpielMitPunktzelle(int row, int col, sZelle& z) const;

    clTurnier* m_Turnier;
    const clTurnier* m_Halle;
    int m_Runden;
    int m_Platten;
    // Sets per match, 2G-1.
    int m_Saetze;
    std::vector<int> m_PlattenNummern;
};

#endif
