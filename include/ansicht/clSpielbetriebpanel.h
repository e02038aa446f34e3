#ifndef CLSPIELBETRIEBPANEL_H
#define CLSPIELBETRIEBPANEL_H

#include <functional>
#include <vector>
#include <wx/panel.h>

#include "modell/clSpielbetrieb.h"
#include "modell/clTurnierBeobachter.h"

class clTurnier;
class wxCheckBox;
class wxListCtrl;
class wxListEvent;
class wxSpinCtrl;
class wxSpinEvent;
class wxStaticText;
class wxTextCtrl;

// The page "Spielbetrieb": every table of the hall with the match played there
// since when, whose result can be typed right here in short form, and beneath
// the matches that can be called now, each with the table it would get. When a result frees a table the next
// call is proposed, without taking the focus from where the organiser types.
class clSpielbetriebpanel : public wxPanel, public clTurnierBeobachter
{
public:
    enum
    {
        idAufrufen = 1700,
        idZuruecknehmen,
        idVerlegen,
        idMindestpause,
        idZettel,
        idPlatten,
        idAufrufbare,
        idKurzeingabe,
        // The menu of walkover and retirement, clErgebnisEingabe::AnzahlAusfaelle entries.
        idAusfall
    };

    using fnDrucke = std::function<void(const clTTSpiel*)>;

    // drucke prints the slip of a match just called, when the organiser wants slips.
    clSpielbetriebpanel(wxWindow* parent, clTurnier* turnier, fnDrucke drucke);
    ~clSpielbetriebpanel() override;
    // The class whose calls the page shows and makes.
    void setTurnier(clTurnier* turnier);

    // Calls the chosen callable match, or the first, to the table it would get;
    // false when there is none or the tournament refuses, the reason in the status line.
    bool rufeAuf();
    // Takes back the call of the match at the chosen table.
    bool nimmZurueck();
    // Moves the match at the chosen table to a free table the organiser chooses.
    bool verlege();
    // Takes the short form typed as the result of the match at the chosen table;
    // false when it is none, the reason in the preview.
    bool uebernimmErgebnis();
    // A walkover or retirement (clErgebnisEingabe's menu entry ofs) for the match
    // at the chosen table.
    bool setzeAusfall(int ofs);

    // A row per table, a row per callable match in the order to call them.
    wxListCtrl* getPlatten() const { return m_Platten; }
    wxListCtrl* getAufrufbare() const { return m_Aufrufbare; }
    wxSpinCtrl* getMindestpause() const { return m_Mindestpause; }
    wxCheckBox* getZettelWahl() const { return m_Zettel; }
    wxTextCtrl* getKurzeingabe() const { return m_Kurzeingabe; }
    wxString getKurzVorschau() const;
    // The match the page proposes to call next; null when none can be called.
    const clTTSpiel* getVorschlag() const;

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    void gruppenWerdenErsetzt() override;

private:
    void fuelle();
    // The match at the chosen table, null when it is free or none is chosen.
    clTTSpiel* getGewaehlteLaufende() const;
    void melde(const wxString& text);
    void OnAufrufen(wxCommandEvent& event);
    void OnZuruecknehmen(wxCommandEvent& event);
    void OnVerlegen(wxCommandEvent& event);
    void OnMindestpause(wxSpinEvent& event);
    void OnAktiviert(wxListEvent& event);
    void zeigeKurzVorschau();
    void OnCharHook(wxKeyEvent& event);
    void OnAusfallMenue(wxListEvent& event);

    clTurnier* m_Turnier;
    fnDrucke m_Drucke;
    wxListCtrl* m_Platten;
    wxListCtrl* m_Aufrufbare;
    wxSpinCtrl* m_Mindestpause;
    wxCheckBox* m_Zettel;
    wxTextCtrl* m_Kurzeingabe;
    wxStaticText* m_KurzVorschau;
    // What the lists show, row by row.
    std::vector<clTTSpiel*> m_SpielAn;
    std::vector<sAufrufbar> m_Liste;
    // The proposal shown in the status line, cleared by the next change.
    wxString m_Vorschlag;

    wxDECLARE_EVENT_TABLE();
};

#endif
