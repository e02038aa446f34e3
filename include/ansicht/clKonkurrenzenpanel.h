#ifndef CLKONKURRENZENPANEL_H
#define CLKONKURRENZENPANEL_H

#include <functional>
#include <vector>
#include <wx/panel.h>

#include "modell/clTurnierBeobachter.h"

class clTurniertag;
class wxListCtrl;

// The page "Konkurrenzen": the day's classes with their kind, form, entries,
// matches, stage and tables, and the buttons that add, rename, copy and remove a
// class or give it tables of its own. Each of them is one step of the day's undo.
class clKonkurrenzenpanel : public wxPanel, public clTurnierBeobachter
{
public:
    enum
    {
        idListe = 1800,
        idNeu,
        idUmbenennen,
        idKopieren,
        idEntfernen,
        idPlatten
    };
    enum Spalte
    {
        spName,
        spArt,
        spForm,
        spMeldungen,
        spSpiele,
        spStufe,
        spPlatten,
        AnzahlSpalten
    };
    using fnZeige = std::function<void(int)>;

    // zeige switches the window to class i, as a double-click on its row asks.
    clKonkurrenzenpanel(wxWindow* parent, clTurniertag* tag, fnZeige zeige);
    ~clKonkurrenzenpanel() override;

    wxListCtrl* getListe() const { return m_Liste; }
    // The text of a cell, as the page shows it.
    wxString getZelle(int zeile, Spalte spalte) const;
    // The class of the selected row, else the first.
    int getGewaehlte() const;
    void waehle(int i);
    // Reads "1-4" or "1 2 3 4" (empty: all tables); false when text names no tables.
    static bool liesPlatten(const wxString& text, std::vector<int>& platten);

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    void fuelle();
    // Asks for a name until the day takes it; empty when the organiser cancels.
    wxString frageName(const wxString& titel, const wxString& vorschlag, int ausser);
    void OnNeu(wxCommandEvent& event);
    void OnUmbenennen(wxCommandEvent& event);
    void OnKopieren(wxCommandEvent& event);
    void OnEntfernen(wxCommandEvent& event);
    void OnPlatten(wxCommandEvent& event);

    clTurniertag* m_Tag;
    fnZeige m_Zeige;
    wxListCtrl* m_Liste;
};

#endif
