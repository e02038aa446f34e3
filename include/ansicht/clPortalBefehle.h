#ifndef CLPORTALBEFEHLE_H
#define CLPORTALBEFEHLE_H

class clFensterKontext;
class wxCommandEvent;

// The main window's commands of the federation's tournament portal: the import of
// its registrations, its waiting list, and the export of the results for it.
class clPortalBefehle
{
public:
    explicit clPortalBefehle(clFensterKontext& kontext);

    void OnImport(wxCommandEvent& event);
    void OnWarteliste(wxCommandEvent& event);
    void OnExport(wxCommandEvent& event);

private:
    // False, and the organiser is told, when the day holds nothing from the portal.
    bool istImportiert(const wchar_t* titel) const;

    clFensterKontext& m_Kontext;
};

#endif
