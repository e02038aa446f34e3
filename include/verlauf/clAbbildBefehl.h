#ifndef CLABBILDBEFEHL_H
#define CLABBILDBEFEHL_H

#include <string>
#include <wx/cmdproc.h>

class clTurniertag;

// One step that changed the roster, the general data, a draw, a call or the
// classes, and with them perhaps every result: it holds an image of the whole day as it
// stood on the other side of the step, and exchanges it for the current one.
class clAbbildBefehl : public wxCommand
{
public:
    clAbbildBefehl(clTurniertag* tag, const wxString& name, std::string andererStand);

    bool Do() override { return tausche(); }
    bool Undo() override { return tausche(); }

private:
    bool tausche();

    clTurniertag* m_Tag;
    std::string m_Abbild;
};

#endif
