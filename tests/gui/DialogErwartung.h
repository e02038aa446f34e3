#ifndef DIALOGERWARTUNG_H
#define DIALOGERWARTUNG_H

#include <functional>
#include <gtest/gtest.h>
#include <vector>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/spinctrl.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "dlAllgemeinDlg.h"

// A dialog that no expectation answers would really open and hang the test run:
// while this hook is registered it is a failure and is cancelled instead.
class KeinEchterDialog : public wxModalDialogHook
{
public:
    KeinEchterDialog() { Register(); }
    ~KeinEchterDialog() override { Unregister(); }

protected:
    int Enter(wxDialog* dlg) override
    {
        ADD_FAILURE() << "unerwarteter Dialog: " << dlg->GetTitle().utf8_str();
        return wxID_CANCEL;
    }
};

// Answers a modal dialog of type T with what the function returns; the function
// may look at the dialog and fill it in first.
template <class T>
class ErwarteDialog : public wxExpectModalBase<T, ErwarteDialog<T>>
{
public:
    explicit ErwarteDialog(std::function<int(T*)> antwort) : m_Antwort(std::move(antwort)) {}

protected:
    int OnInvoked(T* dlg) const override { return m_Antwort(dlg); }

private:
    std::function<int(T*)> m_Antwort;
};

// Answers a message box whose text mentions teil.
inline ErwarteDialog<wxMessageDialog> erwarteMeldung(int antwort, const wxString& teil)
{
    return ErwarteDialog<wxMessageDialog>(
        [antwort, teil](wxMessageDialog* dlg)
        {
            const wxString text = dlg->GetMessage() + "\n" + dlg->GetExtendedMessage();
            EXPECT_TRUE(text.Contains(teil)) << text.utf8_str() << " ohne " << teil.utf8_str();
            return antwort;
        });
}

template <class T>
void sammleKinder(wxWindow* fenster, std::vector<T*>& gefunden)
{
    for (wxWindow* kind : fenster->GetChildren())
    {
        if (T* t = dynamic_cast<T*>(kind))
            gefunden.push_back(t);
        sammleKinder(kind, gefunden);
    }
}

// Every window of type T inside fenster, in the order they were created.
template <class T>
std::vector<T*> alleKinder(wxWindow* fenster)
{
    std::vector<T*> gefunden;
    sammleKinder(fenster, gefunden);
    return gefunden;
}

// Presses the button with this identifier, as a click does.
inline void klicke(wxWindow* fenster, int id)
{
    for (wxButton* b : alleKinder<wxButton>(fenster))
    {
        if (b->GetId() == id)
        {
            wxCommandEvent klick(wxEVT_BUTTON, id);
            klick.SetEventObject(b);
            b->ProcessWindowEvent(klick);
            return;
        }
    }
    ADD_FAILURE() << "kein Knopf " << id;
}

// Chooses pfad in the file dialog with this message. Only the toolkit's own part
// is set: the native chooser cannot take a path before it is shown.
inline int waehle(wxFileDialog* dlg, const wxString& nachricht, const wxString& pfad, int antwort = wxID_OK)
{
    EXPECT_EQ(nachricht, dlg->GetMessage());
    EXPECT_TRUE(dlg->GetWildcard().Contains("*.quobel"));
    dlg->wxFileDialogBase::SetPath(pfad);
    return antwort;
}

inline ErwarteDialog<wxFileDialog> waehleDatei(const wxString& nachricht, const wxString& pfad,
                                               int antwort = wxID_OK)
{
    return ErwarteDialog<wxFileDialog>([=](wxFileDialog* dlg)
                                       { return waehle(dlg, nachricht, pfad, antwort); });
}

// What the settings dialog's fields show.
inline allgemein liesFelder(dlAllgemeinDlg* dlg)
{
    const std::vector<wxTextCtrl*> texte = alleKinder<wxTextCtrl>(dlg);
    allgemein alg;
    wxString* felder[] = {&alg.Bezeichnung, &alg.Veranstalter, &alg.Ort, &alg.Datum};
    for (size_t i = 0; i < 4 && i < texte.size(); ++i)
        *felder[i] = texte[i]->GetValue();
    alg.Platten = alleKinder<wxSpinCtrl>(dlg).at(0)->GetValue();
    alg.ModusIdx = alleKinder<wxChoice>(dlg).at(0)->GetSelection();
    return alg;
}

// Types alg into the settings dialog's fields and presses "Aktualisieren".
inline int fuelleAus(dlAllgemeinDlg* dlg, const allgemein& alg)
{
    const std::vector<wxTextCtrl*> texte = alleKinder<wxTextCtrl>(dlg);
    const wxString* felder[] = {&alg.Bezeichnung, &alg.Veranstalter, &alg.Ort, &alg.Datum};
    for (size_t i = 0; i < 4 && i < texte.size(); ++i)
        texte[i]->SetValue(*felder[i]);
    alleKinder<wxSpinCtrl>(dlg).at(0)->SetValue(alg.Platten);
    alleKinder<wxChoice>(dlg).at(0)->SetSelection(alg.ModusIdx);
    klicke(dlg, dlAllgemeinDlg::idAktBtnAnwenden);
    return wxID_OK;
}

inline bool operator==(const allgemein& a, const allgemein& b)
{
    return a.Bezeichnung == b.Bezeichnung && a.Veranstalter == b.Veranstalter && a.Ort == b.Ort &&
           a.Datum == b.Datum && a.Platten == b.Platten && a.ModusIdx == b.ModusIdx;
}

#endif
