#include "ausgabe/clEndrundenAusdruck.h"

#include <wx/dc.h>
#include <wx/intl.h>

#include "ausgabe/clEndrundenZeichner.h"
#include "modell/clEndrunde.h"

namespace
{
// The page is drawn in tenths of a millimetre.
const int ProMM = 10;
const int KopfHoehe = 5 * ProMM;
const int UnterzeilenHoehe = 4 * ProMM;
const int BaumAbstand = 16 * ProMM;
} // namespace

clEndrundenAusdruck::clEndrundenAusdruck(const clEndrunde& er, const wxString& titel,
                                         const wxString& unterzeile, const wxPageSetupDialogData& seite,
                                         const clSpielbetrieb* halle)
    : wxPrintout("Quobel - " + titel), m_Endrunde(er), m_Halle(halle), m_Titel(titel),
      m_Unterzeile(unterzeile), m_Seite(seite),
      m_Teile(clEndrundenLayout::teileAuf(er, clEndrundenLayout::LinienProSeite))
{
}

bool clEndrundenAusdruck::HasPage(int seite)
{
    return seite >= 1 && seite <= static_cast<int>(m_Teile.size());
}

void clEndrundenAusdruck::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo)
{
    *minPage = *selPageFrom = 1;
    *maxPage = *selPageTo = static_cast<int>(m_Teile.size());
}

bool clEndrundenAusdruck::OnPrintPage(int seite)
{
    wxDC* dc = GetDC();
    if (dc == nullptr || !HasPage(seite))
        return false;
    int breiteMM = 0, hoeheMM = 0;
    GetPageSizeMM(&breiteMM, &hoeheMM);
    const wxPoint obenLinks = m_Seite.GetMarginTopLeft();
    const wxPoint untenRechts = m_Seite.GetMarginBottomRight();
    FitThisSizeToPageMargins(wxSize((breiteMM - obenLinks.x - untenRechts.x) * ProMM,
                                    (hoeheMM - obenLinks.y - untenRechts.y) * ProMM),
                             m_Seite);
    const wxRect flaeche = GetLogicalPageMarginsRect(m_Seite);
    const clEndrundenLayout::sAusschnitt& teil = m_Teile[seite - 1];
    wxString titel = m_Titel;
    if (teil.anzahlPlaetze < m_Endrunde.getAnzahlLinien() >> (teil.ersteRunde - 1))
        titel += wxString::Format(_(", Linien %d-%d"), teil.ersterPlatz + 1,
                                  teil.ersterPlatz + teil.anzahlPlaetze);
    const wxString seitenangabe =
        wxString::Format(_("Seite %d von %d"), seite, static_cast<int>(m_Teile.size()));
    dc->SetTextForeground(*wxBLACK);
    dc->SetFont(clEndrundenZeichner::getSchrift(*dc, KopfHoehe, true));
    dc->DrawText(titel, flaeche.x, flaeche.y);
    dc->SetFont(clEndrundenZeichner::getSchrift(*dc, UnterzeilenHoehe, false));
    dc->DrawText(seitenangabe, flaeche.GetRight() - dc->GetTextExtent(seitenangabe).x, flaeche.y);
    dc->DrawText(m_Unterzeile, flaeche.x, flaeche.y + KopfHoehe + ProMM);
    const int linie = flaeche.y + KopfHoehe + UnterzeilenHoehe + 3 * ProMM;
    dc->SetPen(wxPen(*wxBLACK, ProMM / 3));
    dc->DrawLine(flaeche.x, linie, flaeche.GetRight(), linie);
    const wxRect baum(flaeche.x, flaeche.y + BaumAbstand, flaeche.width, flaeche.height - BaumAbstand);
    clEndrundenZeichner::zeichne(*dc, clEndrundenLayout(m_Endrunde, teil, baum), nullptr, m_Halle);
    return true;
}
