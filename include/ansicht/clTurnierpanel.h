#ifndef CLTURNIERPANEL_H
#define CLTURNIERPANEL_H

#include <wx/button.h>
#include <wx/grid.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include "modell/clTurnierBeobachter.h"

#include "modell/clTeilnehmer.h"

class clTurnier;
class clTurniertag;
class clTeilnehmerTableBase;

// The participants page: the edit list in a grid, buttons to add, edit, delete
// and move rows, and "Uebernehmen" to apply the list to the tournament.
class clTurnierpanel : public wxPanel, public clTurnierBeobachter
{
public:
    enum
    {
        idUebBtnAnwenden = 1550,
        idBtnHoch = 1551,
        idBtnNeu = 1552,
        idBtnBearb = 1553,
        idBtnLoesch = 1554,
        idBtnRunter = 1555,
        idBtnRueckzug = 1556,
        idBtnAndere = 1557
    };

    clTurnierpanel(wxWindow* parent, clTurnier* turnier);
    ~clTurnierpanel() override;

    // The class whose participants the page shows; the day offers entering a
    // participant's persons into its other classes.
    void setTurnier(clTurnier* turnier);
    void setTag(clTurniertag* tag) { m_Tag = tag; }
    // The classes the person of the row can be entered into: the day's other classes.
    // Asks which one, enters them and tells why when refused.
    void trageInAndereEin(int row);
    wxGrid* getGrid() const { return m_TeilnehmerGrid; }
    clTeilnehmerTableBase* getTable() const { return m_TeilnehmerTB; }
    // Adds the participants of a list file below the list; a failure is reported.
    void importiere(const wxString& pfad);
    // Applies the typed list, as "Uebernehmen" does, after the questions it needs;
    // false when the list stays unapplied.
    bool uebernehmeTeilnehmerliste();

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    void OnUebAnwenden(wxCommandEvent& event);
    void OnBtnHoch(wxCommandEvent& event);
    void OnBtnNeu(wxCommandEvent& event);
    void OnBtnBearb(wxCommandEvent& event);
    void OnBtnLoesch(wxCommandEvent& event);
    void OnBtnRunter(wxCommandEvent& event);
    void OnBtnRueckzug(wxCommandEvent& event);
    void OnBtnAndere(wxCommandEvent& event);
    void OnGridChanged(wxGridEvent& event);
    void OnGridTabbing(wxGridEvent& event);
    void OnGridSelectCell(wxGridEvent& event);
    void OnZelleAendert(wxGridEvent& event);
    void OnCharHook(wxKeyEvent& event);
    // Ctrl+V, also of a list into the open cell editor: the names in text go into
    // the rows from the cursor row on, as typed.
    void fuegeEin(const wxString& text);
    // Puts rows in as the table does, or reports that they are too many.
    bool setzeZeilen(int row, const vecEditListe& zeilen);
    void zeigeFehler(const wxString& text);
    void setzeSchalterGueltigkeit();
    // The states for the cursor standing on row r.
    void setzeSchalterGueltigkeit(int r);
    void setzeSpaltenBreiten();
    // The cursor goes to the next row from ab on that matches the search field.
    void suche(int ab);
    // Stores what is being typed and closes the cell editor.
    void schliesseEditor();
    // Moves the cursor to a cell and opens its editor.
    void bearbeiteZelle(int row, int col);

    clTurnier* m_Turnier;
    clTurniertag* m_Tag = nullptr;
    wxGrid* m_TeilnehmerGrid;
    clTeilnehmerTableBase* m_TeilnehmerTB;
    wxButton* m_btnHoch;
    wxButton* m_btnNeu;
    wxButton* m_btnBearb;
    wxButton* m_btnLoesch;
    wxButton* m_btnRunter;
    wxButton* m_btnRueckzug;
    wxButton* m_btnAndere;
    wxTextCtrl* m_Suche;
    // Where a row typed with Tab began: Enter goes on below that cell, as in a
    // spreadsheet. m_TabZeile is -1 while no row is being typed with Tab.
    int m_TabZeile = -1;
    int m_TabSpalte = 0;

    wxDECLARE_EVENT_TABLE();
};

#endif
