#ifndef WXQUOBELAPP_H
#define WXQUOBELAPP_H

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/timer.h>

class wxQuobelApp : public wxApp
{
public:
    // Takes --live[=PORT] out of the arguments before the toolkit sees them.
    bool Initialize(int& argc, wxChar** argv) override;
    bool OnInit() override;
    // A tournament file named on the command line is opened at start-up.
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

private:
    wxString m_Startdatei;
    // The port of the live site, 0 when it is not asked for.
    int m_LivePort = 0;
    // Asks the start-up questions where no window manager activates the window.
    wxTimer m_Fragezeit;
};

#endif
