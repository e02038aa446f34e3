#ifndef CLABBILDBEFEHL_H
#define CLABBILDBEFEHL_H

#include <string>
#include <wx/cmdproc.h>

class clTurnier;

// One step that changed the roster or the general data, and with them perhaps the
// schedule and every result: it holds an image of the whole tournament as it
// stood on the other side of the step, and exchanges it for the current one.
class clAbbildBefehl : public wxCommand
{
public:
    clAbbildBefehl(clTurnier* turnier, const wxString& name, std::string andererStand);

    bool Do() override { return tausche(); }
    bool Undo() override { return tausche(); }

private:
    bool tausche();

    clTurnier* m_Turnier;
    std::string m_Abbild;
};

#endif
