#include "modell/clRunde.h"

#include <algorithm>

#include "datei/clMaskierung.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"

const ansetzung clRunde::leerSpiel{-1, -1};

clRunde::clRunde(int anzahl, int anzPlatten) : m_Anzahl(std::max(anzahl, 0))
{
    if (m_Anzahl > BitsInPlace)
        m_Angesetzt.assign(m_Anzahl, false);
    const int platten = anzPlatten >= 0 ? std::min(anzahl / 2, anzPlatten) : anzahl / 2;
    if (platten > 1)
        m_WeiterePlaetze.reserve(static_cast<size_t>(platten) - 1);
}

// A pairing enters the round only when both participants belong to it and sit
// it out so far; anything else would break the pairing in the other direction or
// leave matches and pairings out of step.
bool clRunde::kannAnsetzen(int t1, int t2) const
{
    return t1 != t2 && istFrei(t1) && istFrei(t2);
}

bool clRunde::istFrei(int startNr) const
{
    return startNr >= 1 && startNr <= m_Anzahl && !istAngesetzt(startNr);
}

void clRunde::setzeAngesetzt(int startNr)
{
    if (m_Anzahl > BitsInPlace)
        m_Angesetzt[startNr - 1] = true;
    else
        m_AngesetztInPlace |= std::uint64_t(1) << (startNr - 1);
}

void clRunde::addSpiel(clTTSpiel* sp)
{
    if (sp == nullptr || sp->getT1() == nullptr || sp->getT2() == nullptr)
        return;
    const int t1 = sp->getT1()->getStartNr();
    const int t2 = sp->getT2()->getStartNr();
    if (kannAnsetzen(t1, t2))
        setze(t1, t2, sp);
}

void clRunde::addAnsetzung(int t1, int t2)
{
    if (kannAnsetzen(t1, t2))
        setze(t1, t2, nullptr);
}

void clRunde::setze(int t1, int t2, clTTSpiel* sp)
{
    if (m_AnzahlPlaetze == 0)
        m_ErsterPlatz = {{t1, t2}, sp};
    else
        m_WeiterePlaetze.push_back({{t1, t2}, sp});
    ++m_AnzahlPlaetze;
    setzeAngesetzt(t1);
    setzeAngesetzt(t2);
}

void clRunde::addAnsetzung(const ansetzung* Ans)
{
    addAnsetzung(Ans->t1, Ans->t2);
}

clTTSpiel* clRunde::getSpiel(int pltNr) const
{
    if (pltNr < 1 || pltNr > AnzSpiele())
        return nullptr;
    return getPlatz(pltNr - 1).spiel;
}

ansetzung clRunde::getAnsetzung(int pltNr) const
{
    if (pltNr < 1 || pltNr > AnzSpiele())
        return leerSpiel;
    return getPlatz(pltNr - 1).paar;
}

bool clRunde::istAngesetzt(int startNr) const
{
    if (startNr < 1 || startNr > m_Anzahl)
        return false;
    if (m_Anzahl > BitsInPlace)
        return m_Angesetzt[startNr - 1];
    return (m_AngesetztInPlace >> (startNr - 1) & 1) != 0;
}

void clRunde::getSpielfrei(std::vector<int>& res) const
{
    for (int nr = 1; nr <= m_Anzahl; ++nr)
    {
        if (!istAngesetzt(nr))
            res.push_back(nr);
    }
}

wxString clRunde::getSaveString() const
{
    wxString str;
    haengeSaveStringAn(str);
    return str;
}

void clRunde::haengeSaveStringAn(wxString& str) const
{
    for (int i = 0; i < m_AnzahlPlaetze; ++i)
        if (const clTTSpiel* sp = getPlatz(i).spiel)
            sp->haengeSaveStringAn(str);
}

template <typename Z>
bool clRunde::liesSaveString(std::basic_string_view<Z> zeile, int anzahl, std::vector<eingaben>& spiele,
                             wxString& falsch)
{
    const Z* p = zeile.data();
    const Z* const ende = p + zeile.size();
    // Most lines hold no escape at all: one look for a backslash in the whole line
    // spares two in each of its matches.
    const bool maskiert = zeile.find(Z(clMaskierung::Zeichen)) != zeile.npos;
    for (int k = 0; k < anzahl && p < ende; ++k)
    {
        const Z* schluss = clMaskierung::finde(p, ende, Z(')'), maskiert);
        if (schluss == p)
            break;
        spiele.emplace_back();
        if (!clTTSpiel::liesSaveString(p + 1, schluss, spiele.back(), falsch, maskiert))
            return false;
        if (schluss == ende)
            break;
        p = schluss + 1;
    }
    return true;
}

template bool clRunde::liesSaveString(std::string_view, int, std::vector<eingaben>&, wxString&);
template bool clRunde::liesSaveString(std::wstring_view, int, std::vector<eingaben>&, wxString&);
