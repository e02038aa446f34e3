#ifndef CLERGEBNISBEFEHL_H
#define CLERGEBNISBEFEHL_H

#include <vector>
#include <wx/cmdproc.h>

#include "modell/clSpielbetrieb.h"
#include "modell/clTTSpiel.h"

class clTurnier;

// One step of changed results: the entries of some matches before and after it,
// and the calls it dropped, which undo brings back.
class clErgebnisBefehl : public wxCommand
{
public:
    // A match by its identity; in the bracket by its place, as undo puts the
    // matches back in playing order, each finding the pairing it had.
    struct sAenderung
    {
        sSpielKennung kennung;
        eingaben vorher;
        eingaben nachher;
    };

    clErgebnisBefehl(clTurnier* turnier, const wxString& name, std::vector<sAenderung> aenderungen,
                     std::vector<sAufrufDaten> verworfen);

    bool Do() override;
    bool Undo() override;

private:
    void setze(bool nachher);

    clTurnier* m_Turnier;
    std::vector<sAenderung> m_Aenderungen;
    std::vector<sAufrufDaten> m_Verworfen;
};

#endif
