#include "verlauf/clAbbildBefehl.h"

#include <utility>

#include "modell/clTurniertag.h"

clAbbildBefehl::clAbbildBefehl(clTurniertag* tag, const wxString& name, std::string andererStand)
    : wxCommand(true, name), m_Tag(tag), m_Abbild(std::move(andererStand))
{
}

bool clAbbildBefehl::tausche()
{
    std::string jetzt = m_Tag->getAbbild();
    if (!m_Tag->setzeAbbild(m_Abbild))
        return false;
    m_Abbild = std::move(jetzt);
    return true;
}
