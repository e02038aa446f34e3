#include "verlauf/clErgebnisBefehl.h"

#include <map>
#include <utility>

#include "modell/clTurnier.h"
#include "tabellen/clWertungTableBase.h"

clErgebnisBefehl::clErgebnisBefehl(clTurnier* turnier, const wxString& name,
                                   std::vector<sAenderung> aenderungen, std::vector<sAufrufDaten> verworfen)
    : wxCommand(true, name), m_Turnier(turnier), m_Aenderungen(std::move(aenderungen)),
      m_Verworfen(std::move(verworfen))
{
}

bool clErgebnisBefehl::Do()
{
    setze(true);
    return true;
}

bool clErgebnisBefehl::Undo()
{
    setze(false);
    m_Turnier->stelleAufrufeWieder(m_Verworfen);
    return true;
}

void clErgebnisBefehl::setze(bool nachher)
{
    const clWertungTableBase::clStapel stapel(m_Turnier->getWertungTableBase());
    std::vector<sSpielKennung> kennungen;
    const std::vector<clTTSpiel*> spiele = m_Turnier->getAlleSpiele(&kennungen);
    std::map<sSpielKennung, clTTSpiel*> orte;
    for (size_t k = 0; k < spiele.size(); ++k)
        orte.emplace(kennungen[k].getOrt(), spiele[k]);
    for (const sAenderung& a : m_Aenderungen)
    {
        const auto it = orte.find(a.kennung.getOrt());
        if (it != orte.end())
        {
            it->second->setEingaben(nachher ? a.nachher : a.vorher);
            m_Turnier->pruefeWertung(it->second);
        }
    }
}
