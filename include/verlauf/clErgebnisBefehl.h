#ifndef CLERGEBNISBEFEHL_H
#define CLERGEBNISBEFEHL_H

#include <vector>
#include <wx/cmdproc.h>

#include "modell/clTTSpiel.h"

class clTurnier;

// One step of changed results: the entries of some matches before and after it.
class clErgebnisBefehl : public wxCommand
{
public:
    // A match by its position among all the tournament's matches (clTurnier::getAlleSpiele).
    struct sAenderung
    {
        size_t index = 0;
        eingaben vorher;
        eingaben nachher;
    };

    clErgebnisBefehl(clTurnier* turnier, const wxString& name, std::vector<sAenderung> aenderungen);

    bool Do() override;
    bool Undo() override;

private:
    void setze(bool nachher);

    clTurnier* m_Turnier;
    std::vector<sAenderung> m_Aenderungen;
};

#endif
