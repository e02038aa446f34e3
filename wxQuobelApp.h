#ifndef WXQUOBELAPP_H
#define WXQUOBELAPP_H

#include <wx/app.h>
#include <wx/cmdline.h>

class wxQuobelApp : public wxApp
{
public:
    bool OnInit() override;
    // A tournament file named on the command line is opened at start-up.
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

private:
    wxString m_Startdatei;
};

#endif
