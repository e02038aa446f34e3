#include "ansicht/clStartoptionen.h"

#include <wx/intl.h>

bool clStartoptionen::nimmLiveOption(int& argc, wxChar** argv, int& port, wxString& fehler)
{
    const wxString option = "--live";
    int behalten = 1;
    bool gut = true;
    for (int i = 1; i < argc; ++i)
    {
        const wxString arg = argv[i];
        wxString rest;
        if (arg != option && !arg.StartsWith(option + "=", &rest))
        {
            argv[behalten++] = argv[i];
            continue;
        }
        long zahl = LivePortStandard;
        if (arg != option && (!rest.ToLong(&zahl) || zahl < 1 || zahl > 65535))
        {
            fehler = wxString::Format(wxGetTranslation(L"„%s“ ist kein Port (1 bis 65535)."), rest);
            gut = false;
            continue;
        }
        port = static_cast<int>(zahl);
    }
    argc = behalten;
    argv[argc] = nullptr;
    return gut;
}
