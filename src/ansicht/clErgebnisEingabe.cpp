#include "ansicht/clErgebnisEingabe.h"

#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "modell/clKurzeingabe.h"
#include "modell/clTeilnehmer.h"

namespace
{
wxString anzeigeVon(const clTeilnehmer* tn)
{
    return tn != nullptr ? tn->getAnzeige() : wxString();
}
} // namespace

wxSizer* clErgebnisEingabe::erzeugeKurzeingabe(wxWindow* parent, int id, wxTextCtrl*& eingabe,
                                               wxStaticText*& vorschau)
{
    wxBoxSizer* kurz = new wxBoxSizer(wxHORIZONTAL);
    kurz->Add(new wxStaticText(parent, wxID_ANY, _("Kurzeingabe (Strg+K):")), 0,
              wxALIGN_CENTER_VERTICAL | wxALL, 5);
    eingabe = new wxTextCtrl(parent, id, wxString(), wxDefaultPosition, wxSize(160, -1), wxTE_PROCESS_ENTER);
    eingabe->SetToolTip(_("Punkte des Satzverlierers je Satz, mit Minus, wenn Spieler 2 den Satz gewinnt: "
                          "\"5 -7 9\" ist 11:5, 7:11, 11:9"));
    kurz->Add(eingabe, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    vorschau = new wxStaticText(parent, wxID_ANY, wxString());
    kurz->Add(vorschau, 1, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    return kurz;
}

void clErgebnisEingabe::zeigeVorschau(wxStaticText* vorschau, const wxString& text, bool fehler)
{
    vorschau->SetForegroundColour(fehler ? wxColour(192, 0, 0)
                                         : wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    vorschau->SetLabel(text);
}

wxString clErgebnisEingabe::getKurzVorschau(const wxString& kopf, const clTTSpiel* sp,
                                            const wxString& eingabe, bool& fehler)
{
    wxString text = kopf + wxString::Format(": %s - %s", anzeigeVon(sp->getT1()), anzeigeVon(sp->getT2()));
    fehler = false;
    if (!wxString(eingabe).Strip(wxString::both).empty())
    {
        std::vector<satz> saetze;
        wxString grund;
        fehler = !clKurzeingabe::lies(eingabe, sp->getGewinnsaetze(), saetze, grund);
        text += ": " + (fehler ? grund : clKurzeingabe::beschreibe(saetze));
    }
    return text;
}

bool clErgebnisEingabe::darfErsetzen(wxWindow* parent, const clTTSpiel* sp, const std::vector<satz>& saetze)
{
    if (!sp->hatEingaben())
        return true;
    wxMessageDialog frage(parent,
                          wxString::Format(wxGetTranslation(L"%s - %s hat schon einen Eintrag.\n\n"
                                                            L"Durch %s ersetzen?"),
                                           anzeigeVon(sp->getT1()), anzeigeVon(sp->getT2()),
                                           clKurzeingabe::beschreibe(saetze)),
                          _("Ergebnis ersetzen?"), wxYES_NO | wxYES_DEFAULT | wxICON_QUESTION);
    frage.SetYesNoLabels(_("Ja"), _("Nein"));
    return frage.ShowModal() == wxID_YES;
}

bool clErgebnisEingabe::liesKurzeingabe(wxWindow* parent, const clTTSpiel* sp, const wxString& text,
                                        std::vector<satz>& saetze)
{
    wxString grund;
    if (sp == nullptr || !clKurzeingabe::lies(text, sp->getGewinnsaetze(), saetze, grund))
    {
        wxBell();
        return false;
    }
    return darfErsetzen(parent, sp, saetze);
}

void clErgebnisEingabe::fuelleAusfallMenue(wxMenu& menu, const clTTSpiel* sp, int erstesId)
{
    const wxString name1 = anzeigeVon(sp->getT1());
    const wxString name2 = anzeigeVon(sp->getT2());
    const wxString texte[AnzahlAusfaelle] = {wxString::Format(_("%s kampflos (w.o.)"), name1),
                                             wxString::Format(_("%s kampflos (w.o.)"), name2),
                                             wxString::Format(_("%s gibt auf (Aufgabe)"), name1),
                                             wxString::Format(_("%s gibt auf (Aufgabe)"), name2),
                                             wxGetTranslation(L"Regulär gespielt (ohne w.o./Aufgabe)")};
    for (int ofs = 0; ofs < AnzahlAusfaelle; ++ofs)
    {
        if (ofs == ofsKeinAusfall)
            menu.AppendSeparator();
        menu.AppendCheckItem(erstesId + ofs, texte[ofs]);
        modAusfall art = ausfKeiner;
        int seite = 0;
        getAusfall(ofs, art, seite);
        menu.Check(erstesId + ofs,
                   sp->getAusfallArt() == art && sp->getAusfallSeite() == (art == ausfKeiner ? 0 : seite));
    }
}

void clErgebnisEingabe::getAusfall(int ofs, modAusfall& art, int& seite)
{
    art = ofs == ofsKeinAusfall                        ? ausfKeiner
          : ofs == ofsKampflos1 || ofs == ofsKampflos2 ? ausfKampflos
                                                       : ausfAufgabe;
    seite = ofs == ofsKampflos1 || ofs == ofsAufgabe1 ? 1 : 2;
}
