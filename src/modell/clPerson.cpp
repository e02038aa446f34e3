#include "modell/clPerson.h"

#include "datei/clMaskierung.h"
#include "datei/clZahl.h"
#include "modell/clTeilnehmer.h"

#include <iterator>
#include <utility>

wxString clPerson::getVollerName() const
{
    if (Vorname.empty())
        return Name;
    return Name.empty() ? Vorname : Vorname + " " + Name;
}

wxString clPerson::getIdentitaet(bool nurNamen) const
{
    if (!nurNamen && !Lizenz.empty())
        return "L:" + Lizenz;
    if (!nurNamen && !InterneNr.empty())
        return "I:" + InterneNr;
    return "N:" + getMeldedaten().getSchluessel();
}

void clPerson::tausche(clPerson& p) noexcept
{
    for (auto [a, b] : {std::pair{&Vorname, &p.Vorname},
                        {&Name, &p.Name},
                        {&Verein, &p.Verein},
                        {&Lizenz, &p.Lizenz},
                        {&InterneNr, &p.InterneNr}})
        a->swap(*b);
    std::swap(TTR, p.TTR);
    std::swap(Jahrgang, p.Jahrgang);
    std::swap(Geschlecht, p.Geschlecht);
    std::swap(m_Kennung, p.m_Kennung);
}

sPerson clPerson::getMeldedaten() const
{
    return {Vorname, Name, Verein, TTR};
}

bool clPerson::gleicheMeldedaten(const sPerson& p) const
{
    return Vorname == p.m_VName && Name == p.m_Name && Verein == p.m_Verein && TTR == p.m_TTR;
}

void clPerson::setMeldedaten(const sPerson& p)
{
    Vorname = p.m_VName;
    Name = p.m_Name;
    Verein = p.m_Verein;
    TTR = p.m_TTR;
}

wxString clPerson::getSaveString() const
{
    // Wide literals: a day's file writes hundreds of these lines, each unconverted.
    const wxString komma = L",";
    wxString zeile;
    clZahl::haengeAn(zeile, m_Kennung);
    for (const wxString* text : {&Vorname, &Name, &Verein})
        zeile << L", " << clMaskierung::maskiere(*text, komma);
    for (int zahl : {TTR, Jahrgang, Geschlecht})
    {
        zeile += L", ";
        clZahl::haengeAn(zeile, zahl);
    }
    zeile << L", " << clMaskierung::maskiere(Lizenz, komma);
    if (!InterneNr.empty())
        zeile << L", " << clMaskierung::maskiere(InterneNr, komma);
    return clMaskierung::maskiereZeile(zeile);
}

namespace
{
// A number field of a person line: unescaped and trimmed, the whole of it a number
// as the C library reads one, which ends at a NUL character.
bool liesZahlfeld(const sFeld& feld, long& zahl)
{
    std::wstring_view text = feld.text;
    // A plain field holds neither a backslash nor a NUL character.
    if (!feld.schlicht && text.find(clMaskierung::Zeichen) != std::wstring_view::npos)
        return clMaskierung::demaskiere(text).Strip(wxString::both).ToLong(&zahl);
    while (!text.empty() && clMaskierung::istLeerzeichen(text.back()))
        text.remove_suffix(1);
    return clZahl::liesZahl(feld.schlicht ? text : text.substr(0, text.find(L'\0')), zahl);
}
} // namespace

bool clPerson::setFromSaveString(std::wstring_view text)
{
    // The licence may be empty: eight fields, a ninth where the portal's number is known.
    // Read in place: every person of a day's file passes here.
    sFeld felder[9];
    if (!clTeilnehmer::trenneFelder(text, felder, std::size(felder)).empty())
        return false;
    long zahlen[4];
    const size_t stellen[] = {0, 4, 5, 6};
    for (size_t i = 0; i < 4; ++i)
        if (!liesZahlfeld(felder[stellen[i]], zahlen[i]))
            return false;
    m_Kennung = static_cast<int>(zahlen[0]);
    clTeilnehmer::liesFeld(felder[1], Vorname, true);
    clTeilnehmer::liesFeld(felder[2], Name, true);
    clTeilnehmer::liesFeld(felder[3], Verein, true);
    TTR = zahlen[1] >= 0 && zahlen[1] <= 99999 ? static_cast<int>(zahlen[1]) : KeineTTR;
    Jahrgang = zahlen[2] >= 1900 && zahlen[2] <= 2100 ? static_cast<int>(zahlen[2]) : 0;
    Geschlecht = zahlen[3] == 0 || zahlen[3] == 1 ? static_cast<int>(zahlen[3]) : -1;
    clTeilnehmer::liesFeld(felder[7], Lizenz, true);
    clTeilnehmer::liesFeld(felder[8], InterneNr, true);
    return m_Kennung > 0;
}
