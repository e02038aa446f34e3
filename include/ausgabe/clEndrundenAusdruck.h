#ifndef CLENDRUNDENAUSDRUCK_H
#define CLENDRUNDENAUSDRUCK_H

#include <vector>
#include <wx/cmndata.h>
#include <wx/print.h>

#include "ausgabe/clEndrundenLayout.h"

class clEndrunde;
class clSpielbetrieb;

// The bracket on paper: 32 lines to a landscape page, a larger bracket in parts
// (see clEndrundenLayout), each page with the tournament's header and its number.
// It reads the bracket when a page is printed, so the bracket must outlive it.
class clEndrundenAusdruck : public wxPrintout
{
public:
    // halle: where the bracket's called matches are played (null: nowhere).
    clEndrundenAusdruck(const clEndrunde& er, const wxString& titel, const wxString& unterzeile,
                        const wxPageSetupDialogData& seite, const clSpielbetrieb* halle = nullptr);

    bool HasPage(int seite) override;
    void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;
    bool OnPrintPage(int seite) override;

private:
    const clEndrunde& m_Endrunde;
    const clSpielbetrieb* m_Halle;
    wxString m_Titel;
    wxString m_Unterzeile;
    wxPageSetupDialogData m_Seite;
    std::vector<clEndrundenLayout::sAusschnitt> m_Teile;
};

#endif
