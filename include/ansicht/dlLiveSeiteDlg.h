#ifndef DLLIVESEITEDLG_H
#define DLLIVESEITEDLG_H

#include <wx/arrstr.h>
#include <wx/dialog.h>

// Tells the desk where the phones find the live site: the address to type, big,
// and its QR code to scan from the screen, the other addresses of the machine
// below. Answers wxID_STOP when the organiser switches the site off.
class dlLiveSeiteDlg : public wxDialog
{
public:
    dlLiveSeiteDlg(wxWindow* eltern, const wxArrayString& adressen);
};

#endif
