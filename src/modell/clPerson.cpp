#include "modell/clPerson.h"

#include "datei/clMaskierung.h"
#include "datei/clZahl.h"
#include "modell/clTeilnehmer.h"

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

sPerson clPerson::getMeldedaten() const
{
    return {Vorname, Name, Verein, TTR};
}

bool clPerson::gleicheMeldedaten(const clPerson& p) const
{
    return Vorname == p.Vorname && Name == p.Name && Verein == p.Verein && TTR == p.TTR;
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

bool clPerson::setFromSaveString(const wxString& zeile)
{
    // The licence may be empty: eight fields, a ninth where the portal's number is known.
    const std::wstring_view text = clMaskierung::sicht(zeile);
    wxString felder[9];
    size_t pos = 0;
    for (size_t k = 0; k < 9 && (k < 8 || pos < text.size()); ++k)
    {
        wxString& feld = felder[k];
        feld = clMaskierung::demaskiere(clMaskierung::trenne(text, L',', pos));
        feld.Strip(wxString::both);
        if (pos < text.size() && text[pos] == L' ')
            ++pos;
    }
    if (pos < text.size())
        return false;
    long zahlen[4];
    const size_t stellen[] = {0, 4, 5, 6};
    for (size_t i = 0; i < 4; ++i)
        if (!felder[stellen[i]].ToLong(&zahlen[i]))
            return false;
    m_Kennung = static_cast<int>(zahlen[0]);
    Vorname = clTeilnehmer::ohneSteuerzeichen(std::move(felder[1]));
    Name = clTeilnehmer::ohneSteuerzeichen(std::move(felder[2]));
    Verein = clTeilnehmer::ohneSteuerzeichen(std::move(felder[3]));
    TTR = zahlen[1] >= 0 && zahlen[1] <= 99999 ? static_cast<int>(zahlen[1]) : KeineTTR;
    Jahrgang = zahlen[2] >= 1900 && zahlen[2] <= 2100 ? static_cast<int>(zahlen[2]) : 0;
    Geschlecht = zahlen[3] == 0 || zahlen[3] == 1 ? static_cast<int>(zahlen[3]) : -1;
    Lizenz = clTeilnehmer::ohneSteuerzeichen(std::move(felder[7]));
    InterneNr = clTeilnehmer::ohneSteuerzeichen(std::move(felder[8]));
    return m_Kennung > 0;
}
