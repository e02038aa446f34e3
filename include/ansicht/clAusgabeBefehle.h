#ifndef CLAUSGABEBEFEHLE_H
#define CLAUSGABEBEFEHLE_H

#include <memory>

class clDruck;
class clFensterKontext;
class wxCommandEvent;
class wxMenu;

// The main window's commands of printing, print preview, page setup and export:
// of the tournament or the group shown, of every group, of the bracket and
// of every class of the day. They
// keep the printing for the window's life, so that printer and page settings
// are kept too.
class clAusgabeBefehle
{
public:
    explicit clAusgabeBefehle(clFensterKontext& kontext);
    ~clAusgabeBefehle();
    clAusgabeBefehle(const clAusgabeBefehle&) = delete;
    clAusgabeBefehle& operator=(const clAusgabeBefehle&) = delete;

    clDruck& getDruck() const { return *m_Druck; }

    void OnDrucken(wxCommandEvent& event);
    void OnSeiteEinrichten(wxCommandEvent& event);
    void OnExportieren(wxCommandEvent& event);
    void OnDruckEndrunde(wxCommandEvent& event);
    void OnDruckGruppen(wxCommandEvent& event);
    void OnDruckKonkurrenzen(wxCommandEvent& event);
    // Offers "Alle Konkurrenzen" in the menus of printing and preview while the day has several classes.
    void zeigeMenues(wxMenu* druck, wxMenu* vorschau) const;

private:
    // The round whose match slips to print: 0 all rounds, -1 cancelled.
    int frageSpielzettelRunde();

    clFensterKontext& m_Kontext;
    std::unique_ptr<clDruck> m_Druck;
};

#endif
