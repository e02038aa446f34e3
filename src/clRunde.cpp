#include "clRunde.h"

#include "clMaskierung.h"
#include "clTTSpiel.h"
#include "clTeilnehmer.h"

const ansetzung clRunde::leerSpiel{-1, -1};

clRunde::clRunde(int anzahl) : m_Gegner(anzahl > 0 ? anzahl : 0, -1)
{
    if (anzahl >= 2)
        m_T1.reserve(anzahl / 2);
}

clRunde::~clRunde() = default;

void clRunde::addSpiel(clTTSpiel* sp)
{
    m_Spiele.push_back(sp);
    addAnsetzung(sp->getT1()->getStartNr(), sp->getT2()->getStartNr());
}

void clRunde::addAnsetzung(int t1, int t2)
{
    const int anzahl = static_cast<int>(m_Gegner.size());
    if (t1 < 1 || t1 > anzahl || t2 < 1 || t2 > anzahl)
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
    wxString rest = str;
    for (clTTSpiel* sp : m_Spiele)
    {
        const wxString kopf = clMaskierung::trenne(rest, ')', rest);
        if (kopf.empty())
            break;
        sp->setFromSaveString(kopf.Mid(1));
    }
}
