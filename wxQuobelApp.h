#ifndef WXQUOBELAPP_H
#define WXQUOBELAPP_H

#include <wx/app.h>

class wxQuobelApp : public wxApp
{
public:
    bool OnInit() override;
};

#endif
