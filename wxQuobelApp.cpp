#include "wxQuobelApp.h"

#include <wx/image.h>

#include "wxQuobelMain.h"

wxIMPLEMENT_APP(wxQuobelApp);

bool wxQuobelApp::OnInit()
{
    wxInitAllImageHandlers();
    wxQuobelFrame* frame = new wxQuobelFrame(nullptr, "Quobel");
    frame->Show();
    return true;
}
