#include "modell/clRunde.h"

#include <algorithm>

#include "datei/clMaskierung.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"

const ansetzung clRunde::leerSpiel{-1, -1};

clRunde::clRunde(int anzahl, int anzPlatten) : m_Angesetzt(anzahl > 0 ? anzahl : 0, false)
{
    if (anzahl >= 2)
    {
        const int platz = anzPlatten >= 0 ? std::min(anzahl / 2, anzPlatten) : anzahl / 2;
        m_Ansetzungen.reserve(platz);
        m_Spiele.reserve(platz);
    }
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
    return startNr >= 1 && startNr <= static_cast<int>(m_Angesetzt.size()) && !m_Angesetzt[startNr - 1];
}

void clRunde::addSpiel(clTTSpiel* sp)
{
    if (sp == nullptr || sp->getT1() == nullptr || sp->getT2() == nullptr)
        return;
    const int t1 = sp->getT1()->getStartNr();
    const int t2 = sp->getT2()->getStartNr();
    if (!kannAnsetzen(t1, t2))
        return;
    m_Spiele.push_back(sp);
    addAnsetzung(t1, t2);
}

void clRunde::addAnsetzung(int t1, int t2)
{
    if (!kannAnsetzen(t1, t2))
        return;
    m_Ansetzungen.push_back({t1, t2});
    m_Angesetzt[t1 - 1] = true;
    m_Angesetzt[t2 - 1] = true;
}

void clRunde::addAnsetzung(const ansetzung* Ans)
{
    addAnsetzung(Ans->t1, Ans->t2);
}

clTTSpiel* clRunde::getSpiel(int pltNr) const
{
    if (pltNr < 1 || pltNr > static_cast<int>(m_Spiele.size()))
        return nullptr;
    return m_Spiele[pltNr - 1];
}

ansetzung clRunde::getAnsetzung(int pltNr) const
{
    if (pltNr < 1 || pltNr > AnzSpiele())
        return leerSpiel;
    return m_Ansetzungen[pltNr - 1];
}

bool clRunde::istAngesetzt(int startNr) const
{
    return startNr >= 1 && startNr <= static_cast<int>(m_Angesetzt.size()) && m_Angesetzt[startNr - 1];
}

void clRunde::getSpielfrei(std::vector<int>& res) const
{
    for (size_t i = 0; i < m_Angesetzt.size(); ++i)
    {
        if (!m_Angesetzt[i])
            res.push_back(static_cast<int>(i) + 1);
    }
}

wxString clRunde::getSaveString() const
{
    wxString str;
    for (const clTTSpiel* sp : m_Spiele)
        sp->haengeSaveStringAn(str);
    return str;
}

template <typename Z>
bool clRunde::liesSaveString(std::basic_string_view<Z> zeile, int anzahl, std::vector<eingaben>& spiele,
                             wxString& falsch)
{
    const Z* p = zeile.data();
    const Z* const ende = p + zeile.size();
    for (int k = 0; k < anzahl && p < ende; ++k)
    {
        const Z* schluss = clMaskierung::finde(p, ende, Z(')'));
        if (schluss == p)
            break;
        spiele.emplace_back();
        if (!clTTSpiel::liesSaveString(p + 1, schluss, spiele.back(), falsch))
            return false;
        if (schluss == ende)
            break;
        p = schluss + 1;
    }
    return true;
}

template bool clRunde::liesSaveString(std::string_view, int, std::vector<eingaben>&, wxString&);
template bool clRunde::liesSaveString(std::wstring_view, int, std::vector<eingaben>&, wxString&);
