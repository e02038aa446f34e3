#include "verlauf/clErgebnisBefehl.h"

#include <map>
#include <utility>

#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "tabellen/clWertungTableBase.h"

clErgebnisBefehl::clErgebnisBefehl(clTurniertag* tag, int konkurrenz, const wxString& name,
                                   std::vector<sAenderung> aenderungen, std::vector<sAufrufDaten> verworfen)
    : wxCommand(true, name), m_Tag(tag), m_Konkurrenz(konkurrenz), m_Aenderungen(std::move(aenderungen)),
      m_Verworfen(std::move(verworfen))
{
}

clTurnier* clErgebnisBefehl::getTurnier() const
{
    return m_Tag->getKonkurrenz(m_Tag->findeKennung(m_Konkurrenz));
}

bool clErgebnisBefehl::Do()
{
    if (getTurnier() == nullptr)
        return false;
    setze(true);
    return true;
}

bool clErgebnisBefehl::Undo()
{
    if (getTurnier() == nullptr)
        return false;
    setze(false);
    getTurnier()->stelleAufrufeWieder(m_Verworfen);
    return true;
}

void clErgebnisBefehl::setze(bool nachher)
{
    clTurnier* turnier = getTurnier();
    const clWertungTableBase::clStapel stapel(turnier->getWertungTableBase());
    std::vector<sSpielKennung> kennungen;
    const std::vector<clTTSpiel*> spiele = turnier->getAlleSpiele(&kennungen);
    std::map<sSpielKennung, clTTSpiel*> orte;
    for (size_t k = 0; k < spiele.size(); ++k)
        orte.emplace(kennungen[k].getOrt(), spiele[k]);
    for (const sAenderung& a : m_Aenderungen)
    {
        const auto it = orte.find(a.kennung.getOrt());
        if (it != orte.end())
        {
            it->second->setEingaben(nachher ? a.nachher : a.vorher);
            turnier->pruefeWertung(it->second);
        }
    }
}
