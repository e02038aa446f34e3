#ifndef CLDATEISPERRE_H
#define CLDATEISPERRE_H

#include <wx/string.h>

// An exclusive lock on a file that the operating system gives up when the process
// ends, however it ends: it tells a running Quobel from one that crashed. Also a
// second lock on the same file within one process is refused.
//
// Only the lock that created the file removes it, and only while it holds it:
// another process may have opened the file and be about to lock it, and a file
// removed under it would leave it holding a lock that nobody can see.
class clDateiSperre
{
public:
    // Creates the file when it is missing and tries to lock it, without waiting.
    explicit clDateiSperre(const wxString& pfad);
    // Unlocks, and removes the file when this lock created it and holds it.
    ~clDateiSperre();
    clDateiSperre(const clDateiSperre&) = delete;
    clDateiSperre& operator=(const clDateiSperre&) = delete;

    bool istGesperrt() const { return m_Gesperrt; }
    // Whether another, still running, holds the lock.
    bool istBelegt() const { return m_Belegt; }
    // Whether a running process holds a lock on pfad.
    static bool istBelegt(const wxString& pfad);

private:
    // anlegen: create the file when it is missing; a mere look never does.
    clDateiSperre(const wxString& pfad, bool anlegen);

    wxString m_Pfad;
#ifdef __WINDOWS__
    void* m_Handle;
#else
    int m_Fd;
#endif
    bool m_Gesperrt;
    // The file did not exist before this lock created it.
    bool m_Angelegt;
    // Opened, but locked by another.
    bool m_Belegt;
};

#endif
