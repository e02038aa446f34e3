#ifndef CLERGEBNISBEFEHL_H
#define CLERGEBNISBEFEHL_H

#include <vector>
#include <wx/cmdproc.h>

#include "modell/clSpielbetrieb.h"
#include "modell/clTTSpiel.h"

class clTurniertag;

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

    // The matches belong to the class of the stable number konkurrenz.
    clErgebnisBefehl(clTurniertag* tag, int konkurrenz, const wxString& name,
                     std::vector<sAenderung> aenderungen, std::vector<sAufrufDaten> verworfen);

    bool Do() override;
    bool Undo() override;

private:
    // The class, found by its number: an image restored since may have made it anew.
    clTurnier* getTurnier() const;
    void setze(bool nachher);

    clTurniertag* m_Tag;
    int m_Konkurrenz;
    std::vector<sAenderung> m_Aenderungen;
    std::vector<sAufrufDaten> m_Verworfen;
};

#endif
