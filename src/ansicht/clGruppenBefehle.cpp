#include "ansicht/clGruppenBefehle.h"

#include <functional>
#include <vector>
#include <wx/choicdlg.h>
#include <wx/frame.h>
#include <wx/intl.h>

#include "ansicht/clEndrundenpanel.h"
#include "ansicht/clFensterKontext.h"
#include "ansicht/clGruppenseite.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/dlGleichstandDlg.h"
#include "ansicht/wxQuobelFrame.h"
#include "modell/clGruppenphase.h"
#include "modell/clTTSpiel.h"

namespace
{
// Two of namen, one after the other: the second from those that passt allows
// with the first (indices into namen); false when either choice is cancelled.
bool waehlePaar(wxWindow* fenster, const wxString& titel, const wxArrayString& namen, const wxString& frage,
                const wxString& frageZweiter, const std::function<bool(int, int)>& passt, int& erster,
                int& zweiter)
{
    erster = wxGetSingleChoiceIndex(frage, titel, namen, 0, fenster);
    if (erster < 0)
        return false;
    wxArrayString andere;
    std::vector<int> partner;
    for (int i = 0; i < static_cast<int>(namen.size()); ++i)
        if (passt(erster, i))
        {
            andere.Add(namen[i]);
            partner.push_back(i);
        }
    const int wahl =
        wxGetSingleChoiceIndex(wxString::Format(frageZweiter, namen[erster]), titel, andere, 0, fenster);
    if (wahl < 0)
        return false;
    zweiter = partner[wahl];
    return true;
}

} // namespace

clGruppenBefehle::clGruppenBefehle(clFensterKontext& kontext, clGruppenseite* gruppenseite,
                                   clEndrundenpanel* endrunde)
    : m_Kontext(kontext), m_Gruppenseite(gruppenseite), m_Endrundenpanel(endrunde)
{
}

void clGruppenBefehle::uebernimmEndrundenAenderung(const sEndrundenAenderung& aenderung)
{
    std::vector<clTTSpiel*> spiele{aenderung.spiel};
    for (const std::pair<clTTSpiel*, eingaben>& verloren : aenderung.verloren)
        spiele.push_back(verloren.first);
    m_Kontext.getTurnier()->pruefeWertungen(spiele);
}

wxString clGruppenBefehle::getGruppenSperre() const
{
    const clGruppenphase* gp = m_Kontext.getTurnier()->getGruppenphase();
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
        if (gp->hatErgebnisse(g))
            return wxString::Format(
                wxGetTranslation(L"Gruppe %d hat schon Ergebnisse: die Gruppen bleiben, wie sie sind."), g);
    return wxString();
}

wxString clGruppenBefehle::frageNeueAuslosung() const
{
    wxString frage = _("Die Gruppen neu auslosen? Die bisherige Auslosung geht verloren.");
    // Their players are at the tables: the organiser sends them back.
    const std::vector<sAufruf> laufende = m_Kontext.getTurnier()->getSpielbetrieb().getLaufende();
    if (!laufende.empty())
        frage +=
            "\n\n" + wxGetTranslation(
                         L"Diese laufenden Spiele verlieren ihren Aufruf, wenn ihre Paarung nicht bleibt:");
    for (const sAufruf& a : laufende)
        frage += "\n" + wxString::Format(_("Platte %d: %s"), a.platte, a.spiel->getPaarung());
    return frage;
}

void clGruppenBefehle::OnGruppenAuslosen(wxCommandEvent&)
{
    m_Kontext.schliesseZellEingaben();
    clTurnier* turnier = m_Kontext.getTurnier();
    clTurnierDokument& dokument = m_Kontext.getDokument();
    const wxString titel = _("Gruppen auslosen");
    const wxString sperre = getGruppenSperre();
    if (!turnier->getAuslosungsSperre().empty())
        dokument.zeigeFehler(turnier->getAuslosungsSperre(), titel);
    else if (!sperre.empty())
        dokument.zeigeFehler(sperre, titel);
    else if (turnier->getGruppenphase() == nullptr ||
             dokument.frage(frageNeueAuslosung(), titel, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION) ==
                 wxID_YES)
    {
        turnier->loseGruppen(m_Zufall);
        m_Kontext.waehleSeite(m_Gruppenseite);
    }
}

void clGruppenBefehle::OnSpielerTauschen(wxCommandEvent&)
{
    m_Kontext.schliesseZellEingaben();
    clTurnier* turnier = m_Kontext.getTurnier();
    const wxString titel = _("Spieler tauschen");
    const clGruppenphase* gp = turnier->getGruppenphase();
    const wxString sperre = getGruppenSperre();
    if (gp == nullptr)
        return;
    if (!sperre.empty())
    {
        m_Kontext.getDokument().zeigeFehler(sperre, titel);
        return;
    }
    // Every player as "Gruppe 2: Bernd", with the group and the start number there.
    wxArrayString namen;
    std::vector<std::pair<int, int>> spieler;
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
        for (int p = 1; p <= gp->getGruppe(g)->getAnzahlTeilnehmer(); ++p)
        {
            namen.Add(wxString::Format(_("Gruppe %d: %s"), g,
                                       clGruppenseite::mitVereinUndTTR(*gp->getGruppe(g)->getTeilnehmer(p))));
            spieler.emplace_back(g, p);
        }
    int erster = 0, zweiter = 0;
    if (waehlePaar(
            m_Kontext.getFenster(), titel, namen, _("Welcher Spieler wechselt die Gruppe?"),
            _("Mit wem tauscht %s?"),
            [&spieler](int a, int b) { return spieler[a].first != spieler[b].first; }, erster, zweiter))
        turnier->tauscheGruppenspieler(spieler[erster].first, spieler[erster].second, spieler[zweiter].first,
                                       spieler[zweiter].second);
}

void clGruppenBefehle::OnEndrundeAuslosen(wxCommandEvent&)
{
    m_Kontext.schliesseZellEingaben();
    clTurnier* turnier = m_Kontext.getTurnier();
    clTurnierDokument& dokument = m_Kontext.getDokument();
    const wxString titel = _("Endrunde auslosen");
    const clGruppenphase* gp = turnier->getGruppenphase();
    // The knockout form draws its roster straight into the bracket.
    const bool ko = turnier->getAllgemein()->Turnierform == formKO;
    if (ko && !turnier->pruefeKOAuslosung().empty())
        dokument.zeigeFehler(turnier->pruefeKOAuslosung(), titel);
    else if (!ko && (gp == nullptr || !gp->sindGruppenFertig()))
        dokument.zeigeFehler(_("Erst wenn jedes Gruppenspiel ein Ergebnis hat, wird die Endrunde ausgelost."),
                             titel);
    else if (gp != nullptr && !gp->kannEndrundeAuslosen())
        dokument.zeigeFehler(_("Die Endrunde hat schon Ergebnisse: sie bleibt, wie sie ist."), titel);
    else if (gp == nullptr || gp->getEndrunde() == nullptr ||
             dokument.frage(_("Die Endrunde neu auslosen? Die bisherige Auslosung geht verloren."), titel,
                            wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION) == wxID_YES)
    {
        // Players who share a place that decides who goes on are put in order first.
        std::vector<sEntscheidung> entscheidungen;
        if (!dlGleichstandDlg::frage(m_Kontext.getFenster(), titel, *turnier, entscheidungen))
            return;
        turnier->loseEndrunde(m_Zufall, entscheidungen);
        m_Kontext.waehleSeite(m_Endrundenpanel);
    }
}

void clGruppenBefehle::OnLinienTauschen(wxCommandEvent&)
{
    m_Kontext.schliesseZellEingaben();
    clTurnier* turnier = m_Kontext.getTurnier();
    const wxString titel = _("Linien tauschen");
    const clGruppenphase* gp = turnier->getGruppenphase();
    // The menu offers this only with a bracket; a key or a stale menu may still ask.
    if (gp == nullptr || gp->getEndrunde() == nullptr)
        return;
    if (gp->getEndrunde()->hatEingaben())
    {
        m_Kontext.getDokument().zeigeFehler(_("Die Endrunde hat schon Ergebnisse: sie bleibt, wie sie ist."),
                                            titel);
        return;
    }
    // Every line as "Linie 3: Anna (TSV Nord)" or "Linie 4: Freilos".
    const vecTeilnehmer& linien = gp->getEndrunde()->getLinien();
    wxArrayString namen;
    for (size_t l = 0; l < linien.size(); ++l)
        namen.Add(wxString::Format(_("Linie %d: %s"), static_cast<int>(l + 1),
                                   linien[l] != nullptr ? clGruppenseite::mitVereinUndTTR(*linien[l])
                                                        : _("Freilos")));
    // Swapping two byes changes nothing, so a bye is offered only the players.
    int erste = 0, zweite = 0;
    if (waehlePaar(
            m_Kontext.getFenster(), titel, namen, _("Welche Linie wird getauscht?"),
            _("Mit welcher Linie tauscht %s?"),
            [gp](int a, int b) { return gp->kannLinienTauschen(a + 1, b + 1); }, erste, zweite))
    {
        turnier->tauscheEndrundenLinien(erste + 1, zweite + 1);
        m_Kontext.waehleSeite(m_Endrundenpanel);
    }
}

void clGruppenBefehle::OnMenueZustand(wxUpdateUIEvent& event)
{
    const clGruppenphase* gp = m_Kontext.getTurnier()->getGruppenphase();
    const bool ko = m_Kontext.getTurnier()->getAllgemein()->Turnierform == formKO;
    if (event.GetId() == wxQuobelFrame::idMenuEndrundeAuslosen)
        event.Enable(ko || (gp != nullptr && gp->sindGruppenFertig()));
    else if (event.GetId() == wxQuobelFrame::idMenuGruppenAuslosen)
        event.Enable(!ko);
    else if (event.GetId() == wxQuobelFrame::idMenuSpielerTauschen)
        event.Enable(gp != nullptr && gp->getAnzahlGruppen() > 1);
    else if (event.GetId() == wxQuobelFrame::idMenuDruckGruppen ||
             event.GetId() == wxQuobelFrame::idMenuVorschauGruppen)
        event.Enable(gp != nullptr && !ko);
    else
        event.Enable(gp != nullptr && gp->getEndrunde() != nullptr);
}
