#include "verlauf/clDateiSperre.h"

#include <wx/filefn.h>
#include <wx/log.h>

#ifdef __WINDOWS__
#include <wx/msw/wrapwin.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

clDateiSperre::clDateiSperre(const wxString& pfad) : clDateiSperre(pfad, true) {}

#ifdef __WINDOWS__
clDateiSperre::clDateiSperre(const wxString& pfad, bool anlegen)
    : m_Pfad(pfad), m_Handle(nullptr), m_Gesperrt(false), m_Angelegt(false), m_Belegt(false)
{
    HANDLE h = CreateFileW(pfad.wc_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           anlegen ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    m_Angelegt = anlegen && GetLastError() != ERROR_ALREADY_EXISTS;
    m_Handle = h;
    OVERLAPPED bereich = {};
    m_Gesperrt = LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &bereich) != 0;
    m_Belegt = !m_Gesperrt;
}

clDateiSperre::~clDateiSperre()
{
    if (m_Handle == nullptr)
        return;
    if (m_Gesperrt && m_Angelegt)
    {
        wxLogNull keineMeldungen;
        wxRemoveFile(m_Pfad);
    }
    CloseHandle(static_cast<HANDLE>(m_Handle));
}
#else
clDateiSperre::clDateiSperre(const wxString& pfad, bool anlegen)
    : m_Pfad(pfad), m_Fd(-1), m_Gesperrt(false), m_Angelegt(false), m_Belegt(false)
{
    // Created exclusively, so that it is known whether this lock made the file.
    if (anlegen)
    {
        m_Fd = open(pfad.fn_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        m_Angelegt = m_Fd >= 0;
    }
    if (m_Fd < 0)
        m_Fd = open(pfad.fn_str(), O_RDWR | O_CLOEXEC);
    // flock rather than fcntl: a second lock of the same process is refused too.
    m_Gesperrt = m_Fd >= 0 && flock(m_Fd, LOCK_EX | LOCK_NB) == 0;
    m_Belegt = m_Fd >= 0 && !m_Gesperrt;
}

clDateiSperre::~clDateiSperre()
{
    if (m_Fd < 0)
        return;
    // Removed while still locked, so that nobody takes over a file that is going.
    if (m_Gesperrt && m_Angelegt)
        unlink(m_Pfad.fn_str());
    close(m_Fd);
}
#endif

bool clDateiSperre::istBelegt(const wxString& pfad)
{
    // A file that is missing was never locked, or its process ended cleanly; one
    // that cannot be opened tells nothing, and what it guards is rather offered.
    // The look neither creates the file nor removes it.
    return clDateiSperre(pfad, false).istBelegt();
}
