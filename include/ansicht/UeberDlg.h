#ifndef UEBERDLG_H
#define UEBERDLG_H

#include <wx/dialog.h>

enum wxbuildinfoformat
{
    short_f,
    long_f
};

// The toolkit's version and the platform it runs on, for the About dialog.
wxString wxbuildinfo(wxbuildinfoformat format);

// The program's information dialog: logo, name, version and the build
// information of the toolkit, closed with "Fertig".
class UeberDlg : public wxDialog
{
public:
    enum
    {
        idBtnFertig = 1900
    };

    // size, style and name are accepted for the usual dialog signature; the dialog
    // always opens at 600 x 450 and can be resized.
    UeberDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxString& buildstr,
             const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
             long style = wxDEFAULT_DIALOG_STYLE, const wxString& name = wxDialogNameStr);
    ~UeberDlg() override;

    // Where the logo is found: next to the program (always so on Windows), in the
    // source tree while Quobel runs from its build folder, then in the installed
    // data folder. Empty when there is none.
    static wxString sucheLogo();

private:
    void OnFertig(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};

#endif
