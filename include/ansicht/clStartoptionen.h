#ifndef CLSTARTOPTIONEN_H
#define CLSTARTOPTIONEN_H

#include <wx/string.h>

// What the command line asks of Quobel beyond the file it names.
class clStartoptionen
{
public:
    static constexpr int LivePortStandard = 8080;

    // Takes "--live" or "--live=PORT" out of the arguments argv[1 … argc-1],
    // before the toolkit reads them: port gets its port, LivePortStandard when it
    // names none, and stays as it is without the option. False, with the reason,
    // when the port named is none (1 … 65535).
    static bool nimmLiveOption(int& argc, wxChar** argv, int& port, wxString& fehler);
};

#endif
