#include "modell/sSpielKennung.h"

#include <algorithm>
#include <climits>
#include <tuple>
#include <utility>
#include <vector>

#include "datei/clZahl.h"

sSpielKennung::sSpielKennung(modPhase ph, int n, int a, int b)
    : phase(ph), nr(n), t1(std::min(a, b)), t2(std::max(a, b))
{
}

sSpielKennung sSpielKennung::getOrt() const
{
    return phase == phaseEndrunde ? sSpielKennung(phase, nr, 0, 0) : *this;
}

bool sSpielKennung::operator==(const sSpielKennung& k) const
{
    return phase == k.phase && nr == k.nr && t1 == k.t1 && t2 == k.t2;
}

bool sSpielKennung::operator<(const sSpielKennung& k) const
{
    return std::make_tuple(phase, nr, t1, t2) < std::make_tuple(k.phase, k.nr, k.t1, k.t2);
}

namespace
{
const wchar_t Kuerzel[] = {L'P', L'G', L'E'};
} // namespace

wxString sSpielKennung::getText(const std::function<int(int)>& nummer) const
{
    const auto spieler = [&nummer](int t) { return t == 0 ? 0 : nummer(t); };
    wxString text(Kuerzel[phase]);
    if (phase != phaseSpielplan)
        text << nr;
    return text << ':' << spieler(t1) << '-' << spieler(t2);
}

bool sSpielKennung::liesText(const wxString& text, sSpielKennung& k)
{
    const size_t doppelpunkt = text.find(':');
    if (text.empty() || doppelpunkt == wxString::npos)
        return false;
    int phase = 0;
    while (phase < 3 && text[0] != Kuerzel[phase])
        ++phase;
    wxString paar = text.Mid(doppelpunkt + 1);
    paar.Replace("-", ",");
    std::vector<long> nr, spieler;
    const wxString vorne = text.Mid(1, doppelpunkt - 1);
    if (phase == 3 || (phase == phaseSpielplan) != vorne.empty() ||
        (!vorne.empty() && (!clZahl::liesListe(vorne, nr) || nr.size() != 1 || nr[0] < 1)) ||
        !clZahl::liesListe(paar, spieler) || spieler.size() != 2 || spieler[0] < 0 || spieler[1] < 0 ||
        spieler[0] > INT_MAX || spieler[1] > INT_MAX || (nr.size() == 1 && nr[0] > INT_MAX))
        return false;
    k = sSpielKennung(static_cast<modPhase>(phase), nr.empty() ? 0 : static_cast<int>(nr[0]),
                      static_cast<int>(spieler[0]), static_cast<int>(spieler[1]));
    return true;
}
