#include "modell/clRunde.h"

#include <algorithm>

#include "datei/clMaskierung.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"

const ansetzung clRunde::leerSpiel{-1, -1};

clRunde::clRunde(int anzahl, int anzPlatten) : m_Gegner(anzahl > 0 ? anzahl : 0, -1)
{
    if (anzahl >= 2)
    {
        const int platz = anzPlatten >= 0 ? std::min(anzahl / 2, anzPlatten) : anzahl / 2;
        m_T1.reserve(platz);
        m_Spiele.reserve(platz);
    }
}

clRunde::~clRunde() = default;

// A pairing enters the round only when both participants belong to it and sit
// it out so far; anything else would break the pairing in the other direction or
// leave matches and pairings out of step.
bool clRunde::kannAnsetzen(int t1, int t2) const
{
    return t1 != t2 && istFrei(t1) && istFrei(t2);
}

bool clRunde::istFrei(int startNr) const
{
    return startNr >= 1 && startNr <= static_cast<int>(m_Gegner.size()) && m_Gegner[startNr - 1] == -1;
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
    m_T1.push_back(t1 - 1);
    m_Gegner[t1 - 1] = t2 - 1;
    m_Gegner[t2 - 1] = t1 - 1;
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
    const int i = m_T1[pltNr - 1];
    return ansetzung{i + 1, m_Gegner[i] + 1};
}

bool clRunde::istAngesetzt(int startNr) const
{
    if (startNr < 1 || startNr > static_cast<int>(m_Gegner.size()))
        return false;
    return m_Gegner[startNr - 1] != -1;
}

void clRunde::getSpielfrei(std::vector<int>& res) const
{
    for (size_t i = 0; i < m_Gegner.size(); ++i)
    {
        if (m_Gegner[i] == -1)
            res.push_back(static_cast<int>(i) + 1);
    }
}

wxString clRunde::getSaveString() const
{
    wxString str;
    for (const clTTSpiel* sp : m_Spiele)
        str += sp->getSaveString();
    return str;
}

bool clRunde::liesSaveString(const wxString& zeile, int anzahl, std::vector<eingaben>& spiele,
                             wxString& falsch)
{
    const wchar_t* p = zeile.wc_str();
    const wchar_t* const ende = p + zeile.length();
    for (int k = 0; k < anzahl && p < ende; ++k)
    {
        const wchar_t* schluss = clMaskierung::finde(p, ende, L')');
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
