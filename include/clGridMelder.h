#ifndef CLGRIDMELDER_H
#define CLGRIDMELDER_H

class wxGridTableBase;

// A grid learns its number of rows and columns only from the table's messages.
// Tells the grid that shows the table (when there is one) how its size changed
// and redraws it; without a grid it does nothing.
class clGridMelder
{
public:
    static void meldeGroesse(wxGridTableBase* table, int alteZeilen, int alteSpalten);
};

#endif
