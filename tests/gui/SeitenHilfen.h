#ifndef SEITENHILFEN_H
#define SEITENHILFEN_H

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/grid.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "GuiHilfen.h"
#include "wxQuobelMain.h"

// The main window with its three pages, at the size of a screen, since the
// test display has no window manager to maximise it.
class SeitenTest : public ::testing::Test
{
protected:
    SeitenTest() : frame(new wxQuobelFrame(nullptr, "Quobel"))
    {
        frame->SetSize(0, 0, 1400, 1000);
        frame->Show();
        verarbeiteEreignisse();
    }

    template <class T>
    T* seite() const
    {
        wxNotebook* nb = finde<wxNotebook>(frame.get());
        for (size_t i = 0; nb != nullptr && i < nb->GetPageCount(); ++i)
            if (T* s = dynamic_cast<T*>(nb->GetPage(i)))
                return s;
        return nullptr;
    }

    void zeigeSeite(wxWindow* s)
    {
        wxNotebook* nb = finde<wxNotebook>(frame.get());
        nb->SetSelection(nb->FindPage(s));
        verarbeiteEreignisse();
    }

    template <class T>
    static T* finde(wxWindow* w)
    {
        for (wxWindow* kind : w->GetChildren())
        {
            if (T* t = dynamic_cast<T*>(kind))
                return t;
            if (T* t = finde<T>(kind))
                return t;
        }
        return nullptr;
    }

    // Presses a button of the page, as a click does.
    static void druecke(wxWindow* s, int id)
    {
        wxButton* b = dynamic_cast<wxButton*>(s->FindWindow(id));
        ASSERT_NE(nullptr, b);
        wxCommandEvent klick(wxEVT_BUTTON, id);
        klick.SetEventObject(b);
        b->ProcessWindowEvent(klick);
    }

    // Types text into a cell through the grid's cell editor.
    static void tippe(wxGrid* grid, int row, int col, const wxString& text)
    {
        grid->GoToCell(row, col);
        grid->EnableCellEditControl();
        wxGridCellEditor* editor = grid->GetCellEditor(row, col);
        wxTextCtrl* feld = dynamic_cast<wxTextCtrl*>(editor->GetWindow());
        editor->DecRef();
        ASSERT_NE(nullptr, feld);
        feld->SetValue(text);
        // As the program does, the focus leaves the editor before it closes.
        grid->SetFocus();
        grid->DisableCellEditControl();
    }

    clTurnier* turnier() const { return frame->getTurnier(); }

    FensterHalter<wxQuobelFrame> frame;
};

#endif
