#ifndef GUIHILFEN_H
#define GUIHILFEN_H

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/grid.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "../ModellHilfen.h"
#include "ansicht/clTurnierpanel.h"
#include "ansicht/dlAllgemeinDlg.h"
#include "ansicht/wxQuobelFrame.h"

// Lets the toolkit handle what is pending (sizes, paints, posted events).
inline void verarbeiteEreignisse()
{
    for (int i = 0; i < 3; ++i)
    {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

// Every window of type T inside fenster, in the order they were created.
template <class T>
std::vector<T*> alleKinder(wxWindow* fenster)
{
    std::vector<T*> gefunden;
    for (wxWindow* kind : fenster->GetChildren())
    {
        if (T* t = dynamic_cast<T*>(kind))
            gefunden.push_back(t);
        for (T* t : alleKinder<T>(kind))
            gefunden.push_back(t);
    }
    return gefunden;
}

template <class T>
T* finde(wxWindow* fenster)
{
    return alleKinder<T>(fenster).at(0);
}

// Presses the button with this identifier, as a click does.
inline void klicke(wxWindow* fenster, int id)
{
    wxWindow* knopf = fenster->FindWindow(id);
    ASSERT_NE(nullptr, knopf) << "kein Knopf " << id;
    wxCommandEvent klick(wxEVT_BUTTON, id);
    klick.SetEventObject(knopf);
    knopf->ProcessWindowEvent(klick);
}

inline void befehl(wxWindow* f, int id)
{
    wxCommandEvent ereignis(wxEVT_MENU, id);
    f->ProcessWindowEvent(ereignis);
}

// A dialog that no expectation answers would really open and hang the test run:
// while this hook is registered it is a failure and is cancelled instead.
class KeinEchterDialog : public wxModalDialogHook
{
public:
    KeinEchterDialog() { Register(); }
    ~KeinEchterDialog() override { Unregister(); }

protected:
    int Enter(wxDialog* dlg) override
    {
        ADD_FAILURE() << "unerwarteter Dialog: " << dlg->GetTitle().utf8_str();
        return wxID_CANCEL;
    }
};

// Answers a modal dialog of type T with antwort after tue has looked at the
// dialog or filled it in.
template <class T>
class ErwarteDialog : public wxExpectModalBase<T, ErwarteDialog<T>>
{
public:
    ErwarteDialog(int antwort, std::function<void(T*)> tue) : m_Antwort(antwort), m_Tue(std::move(tue)) {}

protected:
    int OnInvoked(T* dlg) const override
    {
        m_Tue(dlg);
        return m_Antwort;
    }

private:
    int m_Antwort;
    std::function<void(T*)> m_Tue;
};

// Answers a message box whose text mentions teil.
inline ErwarteDialog<wxMessageDialog> erwarteMeldung(int antwort, const wxString& teil)
{
    return {antwort, [teil](wxMessageDialog* dlg) {
                EXPECT_TRUE((dlg->GetMessage() + dlg->GetExtendedMessage()).Contains(teil))
                    << teil.utf8_str();
            }};
}

// Chooses pfad in the file dialog, after checking the path it proposes ends as
// given. Only the toolkit's own part is set: the native chooser cannot take a path
// before it is shown.
inline ErwarteDialog<wxFileDialog> waehleDatei(const wxString& pfad, int antwort = wxID_OK,
                                               const wxString& vorschlag = "")
{
    return {antwort, [=](wxFileDialog* dlg)
            {
                EXPECT_TRUE((dlg->GetDirectory() + "/" + dlg->GetFilename()).EndsWith(vorschlag))
                    << dlg->GetFilename();
                dlg->wxFileDialogBase::SetPath(pfad);
            }};
}

// The general data as "title|organiser|venue|date|tables|mode".
inline wxString text(const allgemein& a)
{
    return wxString::Format("%s|%s|%s|%s|%d|%d", a.Bezeichnung, a.Veranstalter, a.Ort, a.Datum, a.Platten,
                            a.ModusIdx);
}

// A main window at the size of a screen, since the test display has no window
// manager to maximise it.
inline wxQuobelFrame* neuesFenster()
{
    wxQuobelFrame* f = new wxQuobelFrame(nullptr, "Quobel");
    f->SetSize(0, 0, 1400, 1000);
    f->Show();
    verarbeiteEreignisse();
    return f;
}

// The main window with its three pages. Each test has a folder of its
// own for its files; it is HOME too, so that the list of recent files starts
// empty and the user's own list stays untouched.
class FensterTest : public ::testing::Test
{
protected:
    FensterTest()
    {
        wxFileName::Mkdir(ordner, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        wxGetEnv("HOME", &zuhause);
        wxSetEnv("HOME", ordner);
        frame.reset(neuesFenster());
    }
    ~FensterTest() override
    {
        frame.reset();
        wxSetEnv("HOME", zuhause);
        wxFileName::Rmdir(ordner, wxPATH_RMDIR_RECURSIVE);
    }

    template <class T>
    T* seite(wxQuobelFrame* f = nullptr) const
    {
        return finde<T>(f != nullptr ? f : frame.get());
    }

    void zeigeSeite(wxWindow* s)
    {
        wxNotebook* nb = finde<wxNotebook>(frame.get());
        nb->SetSelection(nb->FindPage(s));
        verarbeiteEreignisse();
    }

    // Types the names on the participants page and presses "Übernehmen".
    void teilnehmer(std::initializer_list<const wchar_t*> namen, bool uebernehmen = true,
                    wxQuobelFrame* f = nullptr)
    {
        clTurnierpanel* s = seite<clTurnierpanel>(f);
        int zeile = s->getTable()->getDataListSize();
        for (const wchar_t* name : namen)
            s->getTable()->SetValue(zeile++, 0, name);
        if (uebernehmen)
            klicke(s, clTurnierpanel::idUebBtnAnwenden);
    }

    clTurnier* turnier() const { return frame->getTurnier(); }
    wxString pfad(const wxString& name) const { return ordner + "/" + name; }

    KeinEchterDialog haken;
    const wxString ordner = wxFileName::GetTempDir() + wxString::Format("/quobel-%lu", wxGetProcessId());
    wxString zuhause;
    std::unique_ptr<wxQuobelFrame> frame;
};

#endif
