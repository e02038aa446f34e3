#ifndef CLSTATUSZEILE_H
#define CLSTATUSZEILE_H

#include <wx/string.h>
#include <wx/window.h>

// The main window's status line, where a page says why it refused what was typed.
class clStatuszeile
{
public:
    // Shows text in the status line of the window that holds seite; an empty text
    // clears it. Without a status line nothing happens.
    static void zeige(wxWindow* seite, const wxString& text);
};

#endif
