#ifndef CLBEFEHLSVERLAUF_H
#define CLBEFEHLSVERLAUF_H

#include <functional>
#include <string>
#include <vector>
#include <wx/cmdproc.h>

#include "modell/clTTSpiel.h"
#include "modell/clTurnierBeobachter.h"

class clTurniertag;

// Undo and redo. Every change of the tournament day is recorded as one step from
// what the day tells its observers: changed results of a class by comparison with
// the entries of every match as they stood, any other change (a roster, general
// data, a draw, a call, a class added or removed) by an image of the whole day
// taken just before. A new or loaded tournament starts a new history. Whether the tournament has unsaved
// changes after an undo or a redo is decided by the step at which it was last saved.
class clBefehlsverlauf : public wxCommandProcessor, public clTurnierBeobachter
{
public:
    static const int MaxSchritte = 100;

    explicit clBefehlsverlauf(clTurniertag* tag);
    ~clBefehlsverlauf() override;

    // "Rückgängig: Ergebnis Runde 3, Platte 2", or without a name when there is nothing to undo.
    wxString getRueckgaengigText() const;
    wxString getWiederherstellenText() const;
    // The labels of the edit menu's items wxID_UNDO and wxID_REDO, and whether they can be used.
    void SetMenuStrings() override;

    void turnierWirdGeaendert(modAenderung art) override;
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

    // The tournament was saved as it stands now.
    void merkeGesichert();
    // The tournament as it stands now is saved nowhere, and no undo leads back to a saved state.
    void vergissGesichert() { m_GesichertVerloren = true; }
    void Store(wxCommand* befehl) override;

protected:
    // What an undone or redone step changes is not recorded again.
    bool DoCommand(wxCommand& befehl) override;
    bool UndoCommand(wxCommand& befehl) override;

private:
    // The entries of every match as they stand now.
    void merkeStand();
    void neuerVerlauf();
    // Does or undoes a step without recording what it changes; ziel is the step
    // that is the current one afterwards.
    bool gibWieder(const std::function<bool()>& schritt, const wxList::compatibility_iterator& ziel);
    bool istGesichertBei(const wxList::compatibility_iterator& stand) const;
    // Records the matches whose entries changed as one step.
    void speichereErgebnisse(const wxString& schritt);

    clTurniertag* m_Tag;
    // The entries of every match, class by class in the order of the day.
    std::vector<std::vector<eingaben>> m_Stand;
    // The tournament just before a change of roster or general data.
    std::string m_Vorher;
    bool m_Wiedergabe;
    // Whether the step being undone or redone leads to the saved state.
    bool m_ZielGesichert;
    // The saved state lies outside the history: cut off, pushed out or never in it.
    bool m_GesichertVerloren;
};

#endif
