#include "ansicht/clHallenanzeige.h"

#include <algorithm>
#include <wx/control.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/intl.h>

#include "ausgabe/clEndrundenZeichner.h"
#include "ausgabe/clQrCode.h"
#include "modell/clGruppenphase.h"
#include "modell/clSpielbetrieb.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "tabellen/clWertungTableBase.h"

namespace
{
const wxColour Hintergrund(0, 0, 0);
const wxColour Schrift(255, 255, 255);
const wxColour Grau(185, 185, 185);
const wxColour Gelb(255, 210, 0);
const wxColour Blau(120, 210, 255);
const wxColour Streifen(32, 32, 32);
const wxColour Kopf(225, 225, 225);

// The screen is measured in units of a 24th of its height: at 1080 lines a unit
// is 45 pixels, and no text is smaller than half of one.
constexpr int EinheitenHoch = 24;
// Rows of standings a page takes, titles and column heads counted.
constexpr int ZeilenProSeite = 18;
// Lines of the bracket a page takes: more would shrink the names too far.
constexpr int LinienProSeite = 8;

// The least height of a row of calls at e pixels a unit: 1.2 units in one
// column, one unit in two.
int ZeilenHoehe(int e, int spalten)
{
    return spalten > 1 ? e : e * 6 / 5;
}

void schreibe(wxDC& dc, const wxString& text, int x, int y, int breite)
{
    dc.DrawText(wxControl::Ellipsize(text, dc, wxELLIPSIZE_END, std::max(1, breite)), x, y);
}

// Text of about hoehe pixels, centred in a row of zeile pixels from y.
void setzeSchrift(wxDC& dc, int hoehe, bool fett, const wxColour& farbe)
{
    dc.SetFont(clEndrundenZeichner::getSchrift(dc, std::max(1, hoehe), fett));
    dc.SetTextForeground(farbe);
}
} // namespace

clHallenanzeige::clHallenanzeige(wxWindow* parent, clTurniertag* tag)
    : wxFrame(parent, wxID_ANY, _("Hallenanzeige"), wxDefaultPosition, wxSize(1280, 720)), m_Tag(tag),
      m_Flaeche(new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS)),
      m_Wechsel(this), m_Verzoegerung(this)
{
    SetBackgroundColour(Hintergrund);
    m_Flaeche->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_Flaeche->Bind(wxEVT_PAINT, &clHallenanzeige::OnZeichnen, this);
    m_Flaeche->Bind(wxEVT_SIZE,
                    [this](wxSizeEvent& e)
                    {
                        m_Flaeche->Refresh();
                        e.Skip();
                    });
    Bind(wxEVT_CHAR_HOOK, &clHallenanzeige::OnTaste, this);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { naechsteSeite(); }, m_Wechsel.GetId());
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { aktualisiere(); }, m_Verzoegerung.GetId());
    m_Tag->addBeobachter(this);
    aktualisiere();
    m_Wechsel.Start(Wechselzeit);
}

clHallenanzeige::~clHallenanzeige()
{
    m_Tag->removeBeobachter(this);
}

void clHallenanzeige::zeige()
{
    const int hier = wxDisplay::GetFromWindow(GetParent() != nullptr ? GetParent() : this);
    for (unsigned d = 0; wxDisplay::GetCount() > 1 && d < wxDisplay::GetCount(); ++d)
        if (static_cast<int>(d) != hier)
        {
            SetSize(wxDisplay(d).GetGeometry());
            Show();
            ShowFullScreen(true);
            Raise();
            return;
        }
    Show();
    Raise();
}

void clHallenanzeige::turnierGeaendert(modAenderung, const wxString&)
{
    veraltet();
}

void clHallenanzeige::gruppenWerdenErsetzt()
{
    // The pages name the groups and the bracket only by number; still they must
    // not be drawn from the old ones.
    veraltet();
}

void clHallenanzeige::veraltet()
{
    m_Veraltet = true;
    if (!m_Verzoegerung.IsRunning())
        m_Verzoegerung.StartOnce(Verzoegerung);
}

void clHallenanzeige::aktualisiere()
{
    m_Verzoegerung.Stop();
    m_Veraltet = false;
    m_Laufende.clear();
    for (const sHallenAufruf& a : m_Tag->getLaufende())
        m_Laufende.push_back(
            erzeugeZeile(a.konkurrenz, a.platte, a.aufruf.spiel,
                         wxString::Format(_("seit %s"), clSpielbetrieb::getUhrzeit(a.aufruf.beginn))));
    m_Naechste.clear();
    for (const sHallenVorschlag& v : m_Tag->getNaechste())
        m_Naechste.push_back(erzeugeZeile(v.konkurrenz, v.platte, v.vorschlag.spiel,
                                          v.vorschlag.bereit ? wxString() : _("nach der Pause")));
    m_Seiten.clear();
    for (int i = 0; i < m_Tag->getAnzahl(); ++i)
        sammleSeiten(i);
    if (m_Seite >= getAnzahlSeiten())
        m_Seite = 0;
    m_Flaeche->Refresh();
}

clHallenanzeige::sZeile clHallenanzeige::erzeugeZeile(int konkurrenz, int platte, const clTTSpiel* sp,
                                                      const wxString& zusatz) const
{
    const auto mitVerein = [](const clTeilnehmer* tn)
    { return tn != nullptr ? tn->getVollerName(true) : wxString(); };
    // On a day of several classes the players look for their class first.
    const wxString klasse = m_Tag->getAnzahl() > 1 ? m_Tag->getName(konkurrenz) : wxString();
    return {platte, sp->getPaarung(true), mitVerein(sp->getT1()) + L" \u2013 " + mitVerein(sp->getT2()),
            sp->getPaarung(), klasse.empty() || zusatz.empty() ? klasse + zusatz : klasse + ", " + zusatz};
}

void clHallenanzeige::haengeTabelleAn(clTurnier* turnier, const wxString& titel, int konkurrenz)
{
    clWertungTableBase* wt = turnier->getWertungTableBase();
    if (wt == nullptr || turnier->getAnzahlTeilnehmer() == 0)
        return;
    wxArrayString kopf;
    kopf.Add(_("Platz"));
    for (int c = 0; c < wt->GetNumberCols(); ++c)
        kopf.Add(wt->GetColLabelValue(c));
    // A table starts a page of its own rather than go on over two; only one
    // longer than a page goes on over several, each with its heads.
    const size_t ganz = wt->getAnzahl() + 2;
    for (int platz = 0; platz < wt->getAnzahl(); ++platz)
    {
        const size_t belegt = m_Seiten.empty() ? 0 : m_Seiten.back().zeilen.size();
        if (m_Seiten.empty() || m_Seiten.back().endrunde || m_Seiten.back().konkurrenz != konkurrenz ||
            (platz == 0 && belegt > 0 && belegt + ganz > ZeilenProSeite) ||
            belegt + (platz == 0 ? 3 : 1) > ZeilenProSeite)
        {
            m_Seiten.push_back({});
            m_Seiten.back().konkurrenz = konkurrenz;
        }
        sSeite& s = m_Seiten.back();
        if (platz == 0 || s.zeilen.empty())
        {
            s.zeilen.push_back(wxArrayString(1, &titel));
            s.zeilen.push_back(kopf);
            s.titel += (s.titel.empty() ? wxString() : wxString(", ")) + titel;
        }
        wxArrayString zeile;
        zeile.Add(wt->GetRowLabelValue(platz));
        // The first column names the player, here in full.
        zeile.Add(turnier->getTeilnehmer(wt->getStartNrAufPlatz(platz))->getVollerName());
        for (int c = 1; c < wt->GetNumberCols(); ++c)
            zeile.Add(wt->GetValue(platz, c));
        s.zeilen.push_back(zeile);
    }
}

void clHallenanzeige::sammleSeiten(int konkurrenz)
{
    clTurnier* turnier = m_Tag->getKonkurrenz(konkurrenz);
    // Each title names the class when the day has several.
    const wxString vorsatz = m_Tag->getAnzahl() > 1 ? m_Tag->getName(konkurrenz) + ": " : wxString();
    const clGruppenphase* gp = turnier->getGruppenphase();
    if (gp == nullptr)
        haengeTabelleAn(turnier, vorsatz + _("Tabelle"), konkurrenz);
    // Once the bracket is drawn it comes first, and only the groups still
    // playing follow it.
    const clEndrunde* er = gp != nullptr ? gp->getEndrunde() : nullptr;
    if (er != nullptr)
    {
        const std::vector<clEndrundenLayout::sAusschnitt> teile =
            clEndrundenLayout::teileAuf(*er, LinienProSeite);
        for (size_t i = 0; i < teile.size(); ++i)
            m_Seiten.push_back(
                {vorsatz + (teile.size() > 1 ? wxString::Format(_("Endrunde (%zu/%zu)"), i + 1, teile.size())
                                             : _("Endrunde")),
                 {},
                 true,
                 teile[i],
                 konkurrenz});
    }
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
    {
        const std::vector<clTTSpiel>& spiele = gp->getGruppe(g)->getSchema().getSpiele();
        const bool fertig = std::all_of(spiele.begin(), spiele.end(),
                                        [](const clTTSpiel& sp)
                                        {
                                            sWertung w1, w2;
                                            return sp.getErgebnis(w1, w2);
                                        });
        if (er == nullptr || !fertig)
            haengeTabelleAn(gp->getGruppe(g), vorsatz + wxString::Format(_("Gruppe %d"), g), konkurrenz);
    }
}

void clHallenanzeige::naechsteSeite()
{
    m_Seite = m_Seiten.empty() ? 0 : (m_Seite + 1) % getAnzahlSeiten();
    m_Flaeche->Refresh();
}

wxArrayString clHallenanzeige::getInhalt() const
{
    wxArrayString inhalt;
    for (const auto& [titel, zeilen] :
         {std::pair{_("Es spielen"), &m_Laufende}, {_(L"Als Nächstes"), &m_Naechste}})
    {
        inhalt.Add(titel);
        for (const sZeile& z : *zeilen)
            inhalt.Add(wxString::Format(_("Platte %d: %s"), z.platte, z.namen) +
                       (z.zusatz.empty() ? wxString() : ", " + z.zusatz));
    }
    if (!m_LiveAdresse.empty())
        inhalt.Add(m_LiveAdresse);
    if (m_Seiten.empty())
        return inhalt;
    const sSeite& s = m_Seiten[m_Seite];
    inhalt.Add(s.titel);
    for (const wxArrayString& zeile : s.zeilen)
        inhalt.Add(wxJoin(zeile, '|', 0));
    return inhalt;
}

void clHallenanzeige::OnTaste(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_F11)
        ShowFullScreen(!IsFullScreen());
    else if (event.GetKeyCode() == WXK_ESCAPE && IsFullScreen())
        ShowFullScreen(false);
    else
        event.Skip();
}

void clHallenanzeige::OnZeichnen(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(m_Flaeche);
    if (m_Veraltet)
        aktualisiere();
    const wxSize groesse = m_Flaeche->GetClientSize();
    const int e = std::max(8, groesse.y / EinheitenHoch);
    dc.SetBackground(wxBrush(Hintergrund));
    dc.Clear();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

    // The title and the clock over everything.
    setzeSchrift(dc, e, true, Schrift);
    const wxString uhr = clSpielbetrieb::getUhrzeit(m_Tag->getKonkurrenz(0)->getSpielbetrieb().jetzt());
    const int uhrBreite = dc.GetTextExtent(uhr).GetWidth();
    dc.DrawText(uhr, groesse.x - e / 2 - uhrBreite, e / 3);
    schreibe(dc, m_Tag->getKonkurrenz(0)->getAllgemein()->Bezeichnung, e / 2, e / 3,
             groesse.x - 2 * e - uhrBreite);
    dc.SetPen(wxPen(Grau, std::max(1, e / 12)));
    dc.DrawLine(0, 2 * e, groesse.x, 2 * e);

    // The calls on the left, above the live site's address; the changing page on
    // the right. Every table being played at is on screen: when one column of
    // rows does not take them, two do, in smaller type and on half the width.
    const int hoehe = groesse.y - 3 * e;
    const int code = m_LiveAdresse.empty() ? 0 : std::min(hoehe / 4, groesse.x * 4 / 25) + e / 2;
    const int verfuegbar = hoehe - code;
    const int anteil = m_Naechste.empty() ? verfuegbar : verfuegbar * 3 / 5;
    const int laufend = static_cast<int>(m_Laufende.size());
    const bool zweiSpaltig = 2 * e + laufend * ZeilenHoehe(e, 1) > anteil;
    const int links = groesse.x * (zweiSpaltig ? 11 : 8) / 20;
    wxRect spiele(e / 2, 2 * e + e / 2, links - e, hoehe);
    spiele.height -= zeichneLiveAdresse(dc, spiele);
    // The running matches take the room they need, the next calls what is left.
    const int spalten = zweiSpaltig ? 2 : 1;
    const int noetig = 2 * e + (laufend + spalten - 1) / spalten * ZeilenHoehe(e, spalten);
    const int oben = m_Naechste.empty() ? spiele.height : std::min(std::max(anteil, noetig), spiele.height);
    zeichneZeilen(dc, wxRect(spiele.x, spiele.y, spiele.width, oben), _("Es spielen"), Gelb, m_Laufende,
                  spalten);
    if (!m_Naechste.empty() && spiele.height - oben >= 2 * e + ZeilenHoehe(e, 1))
        zeichneZeilen(dc, wxRect(spiele.x, spiele.y + oben, spiele.width, spiele.height - oben),
                      _(L"Als Nächstes"), Blau, m_Naechste, 1);
    dc.DrawLine(links, 2 * e, links, groesse.y);
    zeichneSeite(dc, wxRect(links + e / 2, 2 * e + e / 2, groesse.x - links - e, groesse.y - 3 * e));
}

void clHallenanzeige::setLiveAdresse(const wxString& adresse)
{
    m_LiveAdresse = adresse;
    m_LiveCode = adresse.empty() ? wxImage() : clQrCode(adresse.utf8_string()).alsBild(1);
    m_Flaeche->Refresh();
}

int clHallenanzeige::zeichneLiveAdresse(wxDC& dc, const wxRect& r) const
{
    if (m_LiveAdresse.empty() || !m_LiveCode.IsOk())
        return 0;
    const int e = std::max(8, m_Flaeche->GetClientSize().y / EinheitenHoch);
    // Whole pixels per module keep the code sharp for the phones' cameras.
    const int module = m_LiveCode.GetWidth();
    const int seite = std::max(1, std::min(r.height / 4, r.width * 2 / 5) / module) * module;
    const int y = r.GetBottom() - seite;
    dc.DrawBitmap(wxBitmap(m_LiveCode.Scale(seite, seite, wxIMAGE_QUALITY_NEAREST)), r.x, y);
    const int x = r.x + seite + e / 2;
    // The address is read, not guessed: its type shrinks until it fits.
    int hoehe = e * 2 / 3;
    for (setzeSchrift(dc, hoehe, true, Schrift);
         hoehe > e / 3 && dc.GetTextExtent(m_LiveAdresse).x > r.GetRight() - x;
         setzeSchrift(dc, hoehe, true, Schrift))
        --hoehe;
    dc.DrawText(m_LiveAdresse, x, y + seite / 2);
    setzeSchrift(dc, hoehe, false, Grau);
    schreibe(dc, _("Live-Ergebnisse:"), x, y + seite / 2 - dc.GetCharHeight() * 3 / 2, r.GetRight() - x);
    return seite + e / 2;
}

void clHallenanzeige::zeichneZeilen(wxDC& dc, const wxRect& r, const wxString& titel, const wxColour& farbe,
                                    const std::vector<sZeile>& zeilen, int spalten) const
{
    const int e = std::max(8, m_Flaeche->GetClientSize().y / EinheitenHoch);
    setzeSchrift(dc, e, true, farbe);
    dc.DrawText(titel, r.x, r.y);
    if (zeilen.empty())
    {
        setzeSchrift(dc, e * 3 / 4, false, Grau);
        dc.DrawText(titel == _("Es spielen") ? _(L"Zurzeit läuft kein Spiel.") : wxString(), r.x,
                    r.y + 3 * e / 2);
        return;
    }
    // Rows of up to 1.7 units, shrinking to fit down to their least height; the
    // rest is counted. Two columns fill the first before the second.
    const int kleinste = ZeilenHoehe(e, spalten);
    const int proSpalte = std::max(1, (r.height - 2 * e) / kleinste);
    const int anzahl = std::min<int>(zeilen.size(), proSpalte * spalten);
    const int zeilenJeSpalte = (anzahl + spalten - 1) / spalten;
    const int hoehe = std::clamp((r.height - 2 * e) / std::max(1, zeilenJeSpalte), kleinste,
                                 spalten > 1 ? e * 6 / 5 : e * 17 / 10);
    const int kasten = hoehe * (spalten > 1 ? 13 : 17) / 10;
    const int breite = (r.width - (spalten - 1) * e / 2) / spalten;
    int y = r.y + 3 * e / 2;
    for (int i = 0; i < anzahl; ++i, y += hoehe)
    {
        if (i > 0 && i % zeilenJeSpalte == 0)
            y = r.y + 3 * e / 2;
        const wxRect zelle(r.x + i / zeilenJeSpalte * (breite + e / 2), y, breite, hoehe);
        const sZeile& z = zeilen[i];
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(z.platte > 0 ? farbe : Streifen));
        dc.DrawRoundedRectangle(zelle.x, y + hoehe / 12, kasten, hoehe * 5 / 6, hoehe / 8);
        setzeSchrift(dc, hoehe * 3 / 5, true, Hintergrund);
        const wxString nr = z.platte > 0 ? wxString::Format("%d", z.platte) : wxString(L"\u2013");
        const wxSize nrGroesse = dc.GetTextExtent(nr);
        dc.SetTextForeground(z.platte > 0 ? Hintergrund : Schrift);
        dc.DrawText(nr, zelle.x + (kasten - nrGroesse.x) / 2, y + (hoehe - nrGroesse.y) / 2);
        const int x = zelle.x + kasten + e / 3;
        setzeSchrift(dc, hoehe * 2 / 5, false, Grau);
        const int zusatzBreite = z.zusatz.empty() ? 0 : dc.GetTextExtent(z.zusatz).x + e / 3;
        const int zusatzY = y + hoehe / 2 - dc.GetCharHeight() / 2;
        // The names come first: the full names, with the clubs where they fit, else
        // the display names; the time only where it leaves them their room.
        setzeSchrift(dc, hoehe / 2, true, Schrift);
        const int ganz = zelle.GetRight() - x;
        const auto passt = [&dc](const wxString& text, int breite)
        { return dc.GetTextExtent(text).x <= breite; };
        const wxString* namen = &z.kurz;
        bool mitZusatz = true;
        if (passt(z.mitVereinen, ganz - zusatzBreite))
            namen = &z.mitVereinen;
        else if (passt(z.namen, ganz - zusatzBreite))
            namen = &z.namen;
        else if (passt(z.namen, ganz))
        {
            namen = &z.namen;
            mitZusatz = false;
        }
        else
            mitZusatz = passt(z.kurz, ganz - zusatzBreite);
        schreibe(dc, *namen, x, y + (hoehe - dc.GetCharHeight()) / 2, ganz - (mitZusatz ? zusatzBreite : 0));
        if (mitZusatz)
        {
            setzeSchrift(dc, hoehe * 2 / 5, false, Grau);
            dc.DrawText(z.zusatz, zelle.GetRight() - zusatzBreite + e / 3, zusatzY);
        }
    }
    if (static_cast<int>(zeilen.size()) > anzahl)
    {
        setzeSchrift(dc, e * 2 / 3, false, Grau);
        dc.DrawText(wxString::Format(_("und %d weitere"), static_cast<int>(zeilen.size()) - anzahl), r.x,
                    r.y + 3 * e / 2 + zeilenJeSpalte * hoehe);
    }
}

void clHallenanzeige::zeichneSeite(wxDC& dc, const wxRect& r) const
{
    if (m_Seiten.empty())
        return;
    const int e = std::max(8, m_Flaeche->GetClientSize().y / EinheitenHoch);
    const sSeite& s = m_Seiten[m_Seite];
    const clTurnier* turnier = m_Tag->getKonkurrenz(s.konkurrenz);
    const clGruppenphase* gp = turnier != nullptr ? turnier->getGruppenphase() : nullptr;
    if (s.endrunde && gp != nullptr && gp->getEndrunde() != nullptr)
    {
        setzeSchrift(dc, e, true, Gelb);
        dc.DrawText(s.titel, r.x, r.y);
        const clEndrundenLayout layout(*gp->getEndrunde(), s.ausschnitt,
                                       wxRect(r.x, r.y + 2 * e, r.width, r.height - 2 * e));
        sEndrundenFarben farben;
        farben.text = Schrift;
        farben.blass = Grau;
        farben.ergebnis = Blau;
        clEndrundenZeichner::zeichne(dc, layout, nullptr, nullptr, farben);
        return;
    }
    // Standings: the place, the name taking what the figures leave, the figures.
    // The titles take a third of a row more room above them.
    const int hoehe = std::min(e * 3 / 2, r.height / (ZeilenProSeite + 1));
    // Each cell measured in the type it is drawn in: the column titles in bold,
    // bright and not much smaller than the figures, to be read from the back of the hall.
    std::vector<int> breite;
    for (size_t z = 1; z < s.zeilen.size(); ++z)
    {
        const wxArrayString& zeile = s.zeilen[z];
        const bool kopf = s.zeilen[z - 1].size() == 1;
        setzeSchrift(dc, kopf ? hoehe / 2 : hoehe * 11 / 20, kopf, Schrift);
        for (size_t c = 0; zeile.size() > 1 && c < zeile.size(); ++c)
        {
            breite.resize(std::max(breite.size(), zeile.size()), 0);
            if (c != 1)
                breite[c] = std::max(breite[c], dc.GetTextExtent(zeile[c]).x + e / 2);
        }
    }
    int summe = 0;
    for (int b : breite)
        summe += b;
    if (breite.size() > 1)
        breite[1] = std::max(e, r.width - summe);
    int y = r.y;
    for (size_t z = 0; z < s.zeilen.size(); ++z, y += hoehe)
    {
        const wxArrayString& zeile = s.zeilen[z];
        if (zeile.size() == 1)
        {
            // A block's title, with room above it after another block.
            y += z > 0 ? hoehe / 3 : 0;
            setzeSchrift(dc, hoehe * 3 / 5, true, Gelb);
            dc.DrawText(zeile[0], r.x, y + (hoehe - dc.GetCharHeight()) / 2);
            continue;
        }
        const bool kopf = s.zeilen[z - 1].size() == 1;
        if (!kopf && z % 2 == 0)
        {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(Streifen));
            dc.DrawRectangle(r.x, y, r.width, hoehe);
        }
        setzeSchrift(dc, kopf ? hoehe / 2 : hoehe * 11 / 20, kopf, kopf ? Kopf : Schrift);
        int x = r.x;
        for (size_t c = 0; c < zeile.size() && c < breite.size(); ++c)
        {
            const int w = dc.GetTextExtent(zeile[c]).x;
            // The name stands left, the figures in the middle of their columns.
            const int ab = c == 1 ? x : x + std::max(0, (breite[c] - w) / 2);
            schreibe(dc, zeile[c], ab, y + (hoehe - dc.GetCharHeight()) / 2, breite[c] - e / 4);
            x += breite[c];
        }
    }
}
