#ifndef DLALLGEMEINDLG_H
#define DLALLGEMEINDLG_H

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "modell/clTurnier.h"

// Enters or edits the general data of a tournament. The dialog works on its own
// copy; the caller applies it only when the dialog ends with wxID_OK.
class dlAllgemeinDlg : public wxDialog
{
public:
    enum
    {
        idAktBtnAnwenden = 1700
    };

    // size, style and name are accepted for the usual dialog signature; the dialog
    // always sizes itself to its contents and can be resized.
    dlAllgemeinDlg(wxWindow* parent, wxWindowID id, const wxString& title, const allgemein* alg,
                   const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                   long style = wxDEFAULT_DIALOG_STYLE, const wxString& name = wxDialogNameStr);
    ~dlAllgemeinDlg() override;

    // Valid while the dialog exists: the caller copies it.
    allgemein* GetAllgemeinDaten() { return &m_alg; }

    void OnAktAnwenden(wxCommandEvent& event);

private:
    allgemein m_alg;
    wxTextCtrl* m_Titel;
    wxTextCtrl* m_Veranstalter;
    wxTextCtrl* m_Ort;
    wxTextCtrl* m_Termin;
    wxSpinCtrl* m_AnzPlatten;
    wxChoice* m_Modus;
    wxChoice* m_Gewinnsaetze;
    wxChoice* m_Platzierung;

    wxDECLARE_EVENT_TABLE();
};

#endif
