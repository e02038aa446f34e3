#ifndef CLDATEISPERRE_H
#define CLDATEISPERRE_H

#include <wx/string.h>

// An exclusive lock on a file that the operating system gives up when the process
// ends, however it ends: it tells a running Quobel from one that crashed. Also a
// second lock on the same file within one process is refused.
class clDateiSperre
{
public:
    // Creates the file when it is missing and tries to lock it, without waiting.
    explicit clDateiSperre(const wxString& pfad);
    // Unlocks and removes the file.
    ~clDateiSperre();
    clDateiSperre(const clDateiSperre&) = delete;
    clDateiSperre& operator=(const clDateiSperre&) = delete;

    bool istGesperrt() const { return m_Gesperrt; }
    // Whether another, still running, holds the lock.
    bool istBelegt() const { return m_Belegt; }
    // Whether a running process holds a lock on pfad.
    static bool istBelegt(const wxString& pfad);

private:
    wxString m_Pfad;
#ifdef __WINDOWS__
    void* m_Handle;
#else
    int m_Fd;
#endif
    bool m_Gesperrt;
    // Opened, but locked by another.
    bool m_Belegt;
};

#endif
