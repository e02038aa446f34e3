#ifndef DLALLGEMEINDLG_H
#define DLALLGEMEINDLG_H

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
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

    // The participants applied, from which the sizes of the groups follow.
    void setTeilnehmer(int anzahl);
    // The data are those of a new tournament: choosing groups chooses their placing too.
    void setNeu() { m_Neu = true; }
    // "8 Gruppen zu 4" for the number of groups chosen, or why there are none.
    wxString getGruppenText() const { return m_GruppenText->GetLabel(); }

private:
    // The group settings count only for groups, and the sizes follow the number.
    void zeigeGruppenform();

    allgemein m_alg;
    wxTextCtrl* m_Titel;
    wxTextCtrl* m_Veranstalter;
    wxTextCtrl* m_Ort;
    wxTextCtrl* m_Termin;
    // Singles, doubles or mixed (modKonkurrenzArt).
    wxChoice* m_Art;
    wxSpinCtrl* m_AnzPlatten;
    wxChoice* m_Modus;
    wxChoice* m_Gewinnsaetze;
    wxChoice* m_Platzierung;
    int m_Teilnehmer;
    bool m_Neu;
    // The organiser chose a placing, which the form then leaves as it is.
    bool m_PlatzierungGewaehlt;
    wxChoice* m_Turnierform;
    wxSpinCtrl* m_Gruppen;
    wxStaticText* m_GruppenText;
    wxChoice* m_Aufsteiger;
    wxChoice* m_GewinnsaetzeEndrunde;
    wxCheckBox* m_SpielUmPlatz3;

    wxDECLARE_EVENT_TABLE();
};

#endif
