#ifndef WXQUOBELMAIN_H
#define WXQUOBELMAIN_H

#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "clTurnier.h"

class clTurnierpanel;

enum wxbuildinfoformat
{
    short_f,
    long_f
};

// The toolkit's version and the platform it runs on, for the About dialog.
wxString wxbuildinfo(wxbuildinfoformat format);

// The main window: header with the general data, the three working pages and
// the commands that affect the whole tournament.
class wxQuobelFrame : public wxFrame
{
public:
    enum
    {
        idMenuQuit = 1000,
        idMenuNeu = 1001,
        idMenuBearbeiten = 1002,
        idMenuLaden = 1003,
        idMenuSchreiben = 1004,
        idMenuAbout = 1005
    };

    wxQuobelFrame(wxFrame* frame, const wxString& title);
    ~wxQuobelFrame() override;

    clTurnier* getTurnier() const { return m_Turnier; }
    void zeigeAllgemeinDlg(const wxString& titel, bool neu);
    void aktualisiereAllgemein(const allgemein* alg);

private:
    void OnClose(wxCloseEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnMenuNeu(wxCommandEvent& event);
    void OnMenuBearbeiten(wxCommandEvent& event);
    void OnMenuLaden(wxCommandEvent& event);
    void OnMenuSchreiben(wxCommandEvent& event);

    void erstelleMenue();

    wxPanel* m_Hauptpanel;
    wxStaticText* m_TurnierText;
    wxStaticText* m_TurnierVeranstalterText;
    wxStaticText* m_TurnierDatenText;
    wxNotebook* m_Notebook;
    clTurnier* m_Turnier;
    clTurnierpanel* m_Turnierpanel;
    wxPanel* m_Rundenpanel;
    wxPanel* m_TT_Tabellenpanel;

    wxDECLARE_EVENT_TABLE();
};

#endif
