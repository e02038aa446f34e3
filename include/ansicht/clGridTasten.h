#ifndef CLGRIDTASTEN_H
#define CLGRIDTASTEN_H

#include <wx/grid.h>

// Characters typed quickly after Tab or Enter can reach the grid while a cell's
// editor is opening but does not have the focus yet; the grid would drop them. They
// go into the editor instead, so that fast typing loses no letter or digit.
class clGridTasten
{
public:
    static void verbinde(wxGrid* grid);
};

#endif
