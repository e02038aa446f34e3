#ifndef CLENDRUNDENPANEL_H
#define CLENDRUNDENPANEL_H

#include <functional>
#include <memory>
#include <utility>
#include <vector>
#include <wx/panel.h>

#include "ansicht/clErgebnisEingabe.h"
#include "modell/clEndrunde.h"

class clEndrundenLayout;
class clSpielbetrieb;
class wxGrid;
class wxGridEvent;
class wxListCtrl;
class wxScrolledWindow;
class wxStaticText;
class wxTextCtrl;

// One change the organiser made in the bracket, for the tournament to make it a
// step of its own: undone by giving spiel its entries vorher again and then each
// lost match its entries, in this order, each followed by clEndrunde::pruefeSpiel.
struct sEndrundenAenderung
{
    clTTSpiel* spiel = nullptr;
    eingaben vorher;
    eingaben nachher;
    std::vector<std::pair<clTTSpiel*, eingaben>> verloren;
    wxString schritt;
};

// The page "Endrunde": the bracket drawn as a tree, where a match is chosen by a
// click or the arrow keys and its result entered in short form, or marked as a
// walkover or retirement from its context menu; beside it the final placing.
class clEndrundenpanel : public wxPanel
{
public:
    enum
    {
        idKurzeingabe = 1660,
        idAusfall,
        idAusfallLetzte = idAusfall + clErgebnisEingabe::AnzahlAusfaelle - 1
    };

    using fnMelde = std::function<void(const sEndrundenAenderung&)>;
    using fnEndstand = std::function<vecPlatzierung()>;

    // melde hears of every change after it was made; endstand gives the whole
    // placing (the bracket's own when none is given). endrunde may be null while
    // none is drawn.
    clEndrundenpanel(wxWindow* parent, clEndrunde* endrunde, fnMelde melde, fnEndstand endstand = {});
    ~clEndrundenpanel() override;

    // A new or another bracket; null for none.
    void setEndrunde(clEndrunde* endrunde);
    // Draws the bracket and the placing again, after entries changed elsewhere (undo).
    void aktualisiere();
    // Where the bracket's called matches are played, shown at their matches.
    void setHalle(const clSpielbetrieb* halle) { m_Halle = halle; }

    const clTTSpiel* getGewaehlt() const { return m_Gewaehlt; }
    void waehle(const clTTSpiel* sp);
    // Moves the choice to the neighbouring match in the direction of an arrow key.
    void bewege(int taste);

    wxTextCtrl* getKurzeingabe() const { return m_Kurzeingabe; }
    wxString getKurzVorschau() const;
    // Stores the short form in the chosen match and chooses the next open one;
    // false, and nothing stored, when it is no result or the organiser declines.
    bool uebernimmKurzeingabe();
    // Gives sp the entries neu, asking first when results of later rounds are
    // lost; false when the organiser keeps them.
    bool setze(clTTSpiel* sp, const eingaben& neu, const wxString& schritt);
    void zeigeAusfallMenue(const wxPoint& pos);
    // The points of one side (1 or 2) of set snr of the chosen match as typed
    // into its cell; empty text takes the entry back. False, with the reason in
    // the status line, for text that is no points, or when the organiser keeps
    // the later results.
    bool setzePunkte(int seite, int snr, const wxString& text);

    wxScrolledWindow* getBaum() const { return m_Baum; }
    // The sets of the chosen match, a row per player and a column per set.
    wxGrid* getSatzGrid() const { return m_Saetze; }
    wxListCtrl* getEndstandListe() const { return m_Endstand; }
    const clEndrundenLayout* getLayout() const { return m_Layout.get(); }

private:
    void OnKurzeingabe(wxCommandEvent& event);
    void OnKurzeingabeEnter(wxCommandEvent& event);
    void OnAusfall(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnZeichnen(wxPaintEvent& event);
    void OnKlick(wxMouseEvent& event);
    void OnRechtsklick(wxMouseEvent& event);
    void OnSatzAendert(wxGridEvent& event);
    void fuelleSaetze();
    void aktualisiereKurzVorschau();
    void fuelleEndstand();
    // The first playable match without entries from index ab on, going round;
    // the chosen one when there is none.
    const clTTSpiel* getNaechstesOffenes(int ab) const;
    void zeigeGewaehltes();

    clEndrunde* m_Endrunde;
    const clSpielbetrieb* m_Halle = nullptr;
    fnMelde m_Melde;
    fnEndstand m_EndstandQuelle;
    std::unique_ptr<clEndrundenLayout> m_Layout;
    const clTTSpiel* m_Gewaehlt = nullptr;
    wxScrolledWindow* m_Baum;
    wxListCtrl* m_Endstand;
    wxGrid* m_Saetze;
    wxTextCtrl* m_Kurzeingabe;
    wxStaticText* m_KurzVorschau;

    wxDECLARE_EVENT_TABLE();
};

#endif
