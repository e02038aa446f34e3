#ifndef CLERGEBNISEINGABE_H
#define CLERGEBNISEINGABE_H

#include <vector>
#include <wx/string.h>

#include "modell/clTTSpiel.h"

class wxMenu;
class wxSizer;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

// What the pages that take results share: the preview of a short-form entry,
// the question before an entry is replaced, and the menu of walkover and
// retirement.
class clErgebnisEingabe
{
public:
    // The menu's entries, numbered from a page's first identifier on.
    enum
    {
        ofsKampflos1,
        ofsKampflos2,
        ofsAufgabe1,
        ofsAufgabe2,
        ofsKeinAusfall,
        AnzahlAusfaelle
    };

    // The row of the short form: its label, the field (identifier id) that sends
    // Enter, and the preview beside it.
    static wxSizer* erzeugeKurzeingabe(wxWindow* parent, int id, wxTextCtrl*& eingabe,
                                       wxStaticText*& vorschau);
    // Shows text in the preview, in red when it says why an entry is none.
    static void zeigeVorschau(wxStaticText* vorschau, const wxString& text, bool fehler);
    // kopf (which match), followed by the sets the entry stands for or why it is
    // none; fehler tells which.
    static wxString getKurzVorschau(const wxString& kopf, const clTTSpiel* sp, const wxString& eingabe,
                                    bool& fehler);
    // True when sp has no entry yet or the organiser agrees to replace it by saetze.
    static bool darfErsetzen(wxWindow* parent, const clTTSpiel* sp, const std::vector<satz>& saetze);
    // The sets of the short form text typed for sp, once they may replace what sp
    // holds; false, with a bell when there is no match or the text is none, otherwise.
    static bool liesKurzeingabe(wxWindow* parent, const clTTSpiel* sp, const wxString& text,
                                std::vector<satz>& saetze);
    // Walkover and retirement of either side, or neither, with the match's mark checked.
    static void fuelleAusfallMenue(wxMenu& menu, const clTTSpiel* sp, int erstesId);
    // The mark an entry of that menu sets.
    static void getAusfall(int ofs, modAusfall& art, int& seite);
};

#endif
