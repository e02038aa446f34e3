#ifndef CLSPIELBETRIEBPANEL_H
#define CLSPIELBETRIEBPANEL_H

#include <functional>
#include <vector>
#include <wx/panel.h>

#include "modell/clTurnierBeobachter.h"
#include "modell/clTurniertag.h"

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
// the matches that can be called now, each with the table it would get, then
// those that wait for a person on a table, with the reason. On a day of several
// classes both lists cover all of them and name each match's class. When a
// result frees a table the next call is proposed, without taking the focus from
// where the organiser types. The page observes the day and holds its matches
// only until the next change, so that a class replaced never leaves it with a
// match gone.
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

    // The match and its class.
    using fnDrucke = std::function<void(clTurnier*, const clTTSpiel*)>;

    // drucke prints the slip of a match just called, when the organiser wants slips.
    clSpielbetriebpanel(wxWindow* parent, clTurniertag* tag, fnDrucke drucke);
    ~clSpielbetriebpanel() override;

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

    // A row per table, a row per callable match in the order to call them, then the waiting ones.
    wxListCtrl* getPlatten() const { return m_Platten; }
    wxListCtrl* getAufrufbare() const { return m_Aufrufbare; }
    wxSpinCtrl* getMindestpause() const { return m_Mindestpause; }
    wxCheckBox* getZettelWahl() const { return m_Zettel; }
    wxTextCtrl* getKurzeingabe() const { return m_Kurzeingabe; }
    wxString getKurzVorschau() const;
    // The match the page proposes to call next; null when none can be called.
    const clTTSpiel* getVorschlag() const;
    // Why the chosen match cannot be called now; empty when it can.
    wxString getWartegrund() const;

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    void gruppenWerdenErsetzt() override;

private:
    void fuelle();
    // The match at the chosen table, null when it is free or none is chosen.
    clTTSpiel* getGewaehlteLaufende() const;
    clTurnier* getGewaehlteKonkurrenz() const;
    // The chosen row of the matches to call, else the first; null for none.
    const sHallenVorschlag* getGewaehlterVorschlag() const;
    // The next open match in another class of each person on a table.
    std::vector<sHallenVorschlag> sucheWartende() const;
    // "Herren A: " before a place when the day has several classes.
    wxString getVorsatz(int konkurrenz) const;
    void melde(const wxString& text);
    void OnAufrufen(wxCommandEvent& event);
    void OnZuruecknehmen(wxCommandEvent& event);
    void OnVerlegen(wxCommandEvent& event);
    void OnMindestpause(wxSpinEvent& event);
    void OnAktiviert(wxListEvent& event);
    void zeigeKurzVorschau();
    void OnCharHook(wxKeyEvent& event);
    void OnAusfallMenue(wxListEvent& event);

    clTurniertag* m_Tag;
    fnDrucke m_Drucke;
    wxListCtrl* m_Platten;
    wxListCtrl* m_Aufrufbare;
    wxSpinCtrl* m_Mindestpause;
    wxCheckBox* m_Zettel;
    wxTextCtrl* m_Kurzeingabe;
    wxStaticText* m_KurzVorschau;
    // What the lists show, row by row.
    std::vector<sHallenAufruf> m_SpielAn;
    std::vector<sHallenVorschlag> m_Liste;
    // The proposal shown in the status line, cleared by the next change.
    wxString m_Vorschlag;

    wxDECLARE_EVENT_TABLE();
};

#endif
