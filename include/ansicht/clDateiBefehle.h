#ifndef CLDATEIBEFEHLE_H
#define CLDATEIBEFEHLE_H

#include <functional>
#include <wx/string.h>

class clFensterKontext;
class clTurnierpanel;
struct allgemein;
class wxCommandEvent;

// The main window's commands of the tournament as a document: new, general data,
// open, save, recent files, the import of participants, and undo and redo.
class clDateiBefehle
{
public:
    // zeigeAllgemein shows the general data in the window's head.
    clDateiBefehle(clFensterKontext& kontext, clTurnierpanel* teilnehmer,
                   std::function<void(const allgemein*)> zeigeAllgemein);

    // The dialog of the general data, for a new tournament when neu.
    void zeigeAllgemeinDlg(const wxString& titel, bool neu);

    void OnNeu(wxCommandEvent& event);
    void OnBearbeiten(wxCommandEvent& event);
    void OnLaden(wxCommandEvent& event);
    void OnSchreiben(wxCommandEvent& event);
    void OnSpeichern(wxCommandEvent& event);
    void OnSpeichernUnter(wxCommandEvent& event);
    void OnDateiverlauf(wxCommandEvent& event);
    void OnTeilnehmerImport(wxCommandEvent& event);
    void OnRueckgaengig(wxCommandEvent& event);
    void OnWiederherstellen(wxCommandEvent& event);

private:
    clFensterKontext& m_Kontext;
    clTurnierpanel* m_Turnierpanel;
    std::function<void(const allgemein*)> m_ZeigeAllgemein;
};

#endif
