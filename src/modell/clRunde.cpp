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

void clRunde::updateFromSaveString(const wxString& str)
{
    size_t pos = 0;
    for (clTTSpiel* sp : m_Spiele)
    {
        const wxString kopf = clMaskierung::trenne(str, ')', pos);
        if (kopf.empty())
            break;
        sp->setFromSaveString(kopf.Mid(1));
    }
}
