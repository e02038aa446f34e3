#include "verlauf/clErgebnisBefehl.h"

#include <utility>

#include "modell/clTurnier.h"
#include "tabellen/clWertungTableBase.h"

clErgebnisBefehl::clErgebnisBefehl(clTurnier* turnier, const wxString& name,
                                   std::vector<sAenderung> aenderungen)
    : wxCommand(true, name), m_Turnier(turnier), m_Aenderungen(std::move(aenderungen))
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
    return true;
}

void clErgebnisBefehl::setze(bool nachher)
{
    const clWertungTableBase::clStapel stapel(m_Turnier->getWertungTableBase());
    const std::vector<clTTSpiel*> spiele = m_Turnier->getAlleSpiele();
    for (const sAenderung& a : m_Aenderungen)
    {
        if (a.index < spiele.size())
        {
            spiele[a.index]->setEingaben(nachher ? a.nachher : a.vorher);
            m_Turnier->pruefeWertung(spiele[a.index]);
        }
    }
}
