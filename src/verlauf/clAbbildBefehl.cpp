#include "verlauf/clAbbildBefehl.h"

#include <utility>

#include "modell/clTurnier.h"

clAbbildBefehl::clAbbildBefehl(clTurnier* turnier, const wxString& name, std::string andererStand)
    : wxCommand(true, name), m_Turnier(turnier), m_Abbild(std::move(andererStand))
{
}

bool clAbbildBefehl::tausche()
{
    std::string jetzt = m_Turnier->getAbbild();
    if (!m_Turnier->setzeAbbild(m_Abbild))
        return false;
    m_Abbild = std::move(jetzt);
    return true;
}
