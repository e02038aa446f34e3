#ifndef GUIHILFEN_H
#define GUIHILFEN_H

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/window.h>

// Lets the toolkit handle what is pending (sizes, paints, posted events).
inline void verarbeiteEreignisse()
{
    for (int i = 0; i < 3; ++i)
    {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

// Owns a top-level window for the length of one test and destroys it at once.
template <class T>
class FensterHalter
{
public:
    explicit FensterHalter(T* fenster) : m_Fenster(fenster) {}
    ~FensterHalter() { delete m_Fenster; }
    FensterHalter(const FensterHalter&) = delete;
    FensterHalter& operator=(const FensterHalter&) = delete;
    T* operator->() const { return m_Fenster; }
    T* get() const { return m_Fenster; }

private:
    T* m_Fenster;
};

#endif
