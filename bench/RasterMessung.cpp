// The rounds grid's own work for a click on a cell and for the first digit typed
// into it, against a plain wxGrid of the same rows and columns, under a real X
// display (Xvfb): both get the same clicks and keys from the X server, and the
// processor time this program spends until each is handled and drawn is measured.
// Prints the times per action and the ratios. Usage: quobel_raster_messung [PLAYERS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/init.h>
#include <wx/sizer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "ModellHilfen.h"
#include "ansicht/clRundenpanel.h"

namespace
{
// Lets the toolkit handle what is queued, drawing included; sleeping costs no processor time.
void warte(const std::function<bool()>& fertig)
{
    for (int i = 0; i < 2000 && !fertig(); ++i)
    {
        wxMilliSleep(1);
        wxYield();
    }
    for (int i = 0; i < 20; ++i)
    {
        wxMilliSleep(2);
        wxYield();
    }
}

double sekunden(std::clock_t seit)
{
    return static_cast<double>(std::clock() - seit) / CLOCKS_PER_SEC;
}

struct sZeiten
{
    double klick = 0;
    double ziffer = 0;
};

// Clicks score cells of the first rounds one after another, and types a digit into each.
sZeiten miss(wxGrid* grid, int runden, int bloecke, int blockBreite)
{
    wxUIActionSimulator sim;
    sZeiten zeiten;
    int anzahl = 0;
    for (int r = 0; r < runden; ++r)
        for (int b = 0; b < bloecke; ++b, ++anzahl)
        {
            const int row = 4 * r + 1 + (anzahl % 2);
            const int col = blockBreite * b + 2;
            grid->MakeCellVisible(row, col);
            warte([] { return false; });
            wxRect rect = grid->CellToRect(row, col);
            const wxPoint mitte = grid->GetGridWindow()->ClientToScreen(
                grid->CalcScrolledPosition(rect.GetPosition()) + wxPoint(rect.width / 2, rect.height / 2));
            sim.MouseMove(mitte);
            warte([] { return false; });
            std::clock_t anfang = std::clock();
            sim.MouseClick();
            warte([grid, row, col]
                  { return grid->GetGridCursorRow() == row && grid->GetGridCursorCol() == col; });
            zeiten.klick += sekunden(anfang);
            anfang = std::clock();
            sim.Char('5');
            warte([grid] { return grid->IsCellEditControlShown(); });
            zeiten.ziffer += sekunden(anfang);
            sim.Char(WXK_ESCAPE);
            warte([grid] { return !grid->IsCellEditControlShown(); });
        }
    zeiten.klick /= anzahl;
    zeiten.ziffer /= anzahl;
    return zeiten;
}
} // namespace

int main(int argc, char** argv)
{
    const int spieler = argc > 1 ? std::max(4, std::atoi(argv[1])) : 300;
    // The toolkit sees no argument of this program.
    int eins = 1;
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(eins, argv) || !wxTheApp->CallOnInit())
    {
        std::fprintf(stderr, "Das Fenstersystem ist nicht erreichbar (kein DISPLAY?)\n");
        return 1;
    }
    {
        TestTurnier tt;
        tt.erstelleN(spieler, 20);
        wxFrame* rahmen = new wxFrame(nullptr, wxID_ANY, "Spielrunden", wxPoint(0, 0), wxSize(1400, 900));
        clRundenpanel* panel = new clRundenpanel(rahmen, &tt.turnier);
        rahmen->Show();
        wxGrid* raster = panel->getGrid();
        const int zeilen = raster->GetNumberRows();
        const int spalten = raster->GetNumberCols();
        const int blockBreite = tt.spieleTB.getBlockBreite();

        // The plain grid: the same texts in a table of strings, the same widths, no attributes.
        wxFrame* schlicht = new wxFrame(nullptr, wxID_ANY, "wxGrid", wxPoint(0, 0), wxSize(1400, 900));
        wxGrid* grid = new wxGrid(schlicht, wxID_ANY);
        grid->CreateGrid(zeilen, spalten);
        for (int r = 0; r < zeilen; ++r)
            for (int c = 0; c < spalten; ++c)
                grid->SetCellValue(r, c, raster->GetCellValue(r, c));
        for (int c = 0; c < spalten; ++c)
            grid->SetColSize(c, raster->GetColSize(c));
        rahmen->Hide();
        schlicht->Show();
        warte([] { return false; });
        const sZeiten basis = miss(grid, 3, 4, blockBreite);
        schlicht->Hide();
        rahmen->Show();
        rahmen->Raise();
        warte([] { return false; });
        const sZeiten runden = miss(raster, 3, 4, blockBreite);
        std::printf("%d Spieler, %d x %d Zellen\n", spieler, zeilen, spalten);
        std::printf("Klick:  Spielrunden %.2f ms, wxGrid %.2f ms, Verhaeltnis %.2f\n", runden.klick * 1e3,
                    basis.klick * 1e3, runden.klick / basis.klick);
        std::printf("Ziffer: Spielrunden %.2f ms, wxGrid %.2f ms, Verhaeltnis %.2f\n", runden.ziffer * 1e3,
                    basis.ziffer * 1e3, runden.ziffer / basis.ziffer);
        rahmen->Destroy();
        schlicht->Destroy();
        warte([] { return false; });
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
