#ifndef CLFENSTERKONTEXT_H
#define CLFENSTERKONTEXT_H

#include <vector>

class clTurnier;
class clTurniertag;
class clTurnierDokument;
class wxFrame;
class wxGrid;
class wxNotebook;
class wxWindow;

// What the main window's menu commands share: the window, the tournament day,
// the class of it the window shows, the day's document and the pages. The class
// shown is held here and nowhere else among the commands, each asks for it when
// it acts.
class clFensterKontext
{
public:
    clFensterKontext(wxFrame* fenster, clTurniertag* tag);
    clFensterKontext(const clFensterKontext&) = delete;
    clFensterKontext& operator=(const clFensterKontext&) = delete;

    // The parent of the commands' dialogs, and its status line.
    wxFrame* getFenster() const { return m_Fenster; }
    clTurniertag* getTag() const { return m_Tag; }
    clTurnier* getTurnier() const { return m_Turnier; }
    // Only the window sets it, when it shows another class or the day's classes are replaced.
    void setTurnier(clTurnier* turnier) { m_Turnier = turnier; }
    clTurnierDokument& getDokument() const { return *m_Dokument; }
    void setDokument(clTurnierDokument* dokument) { m_Dokument = dokument; }
    // The pages and the grids on them that take typing.
    void setSeiten(wxNotebook* seiten, std::vector<wxGrid*> eingaben);

    // Brings the page to the front.
    void waehleSeite(wxWindow* seite) const;
    // Ends typing in the grids so that the typed text counts.
    void schliesseZellEingaben() const;
    // A cell being typed into gives up what was typed; true when there was one.
    bool brichZellEingabeAb() const;

private:
    wxFrame* m_Fenster;
    clTurniertag* m_Tag;
    clTurnier* m_Turnier;
    clTurnierDokument* m_Dokument = nullptr;
    wxNotebook* m_Seiten = nullptr;
    std::vector<wxGrid*> m_Eingaben;
};

#endif
