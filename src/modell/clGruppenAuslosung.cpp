#include "modell/clGruppenAuslosung.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <queue>

clGruppenAuslosung::clGruppenAuslosung(const vecLosSpieler& spieler) : m_Spieler(spieler)
{
    std::map<wxString, int> nummer;
    for (size_t pos = 0; pos < m_Spieler.size(); ++pos)
    {
        m_Position[m_Spieler[pos].index] = static_cast<int>(pos);
        m_Vereine.emplace_back();
        for (const wxString* verein : {&m_Spieler[pos].verein, &m_Spieler[pos].partnerVerein})
        {
            const wxString name = verein->Strip(wxString::both).Lower();
            if (name.empty())
                continue;
            const auto neu = nummer.emplace(name, static_cast<int>(m_Mitglieder.size()));
            if (neu.second)
                m_Mitglieder.push_back(0);
            std::vector<int>& vereine = m_Vereine.back();
            if (std::find(vereine.begin(), vereine.end(), neu.first->second) != vereine.end())
                continue;
            vereine.push_back(neu.first->second);
            ++m_Mitglieder[neu.first->second];
        }
        m_Doppel = m_Doppel || m_Vereine.back().size() > 1;
    }
}

int clGruppenAuslosung::getAnzahlGruppen(int anzahlSpieler, int groesse)
{
    groesse = std::max(1, groesse);
    return std::max(1, (std::max(0, anzahlSpieler) + groesse - 1) / groesse);
}

std::vector<int> clGruppenAuslosung::getGruppenGroessen(int anzahlSpieler, int anzahlGruppen)
{
    anzahlSpieler = std::max(0, anzahlSpieler);
    anzahlGruppen = std::max(1, anzahlGruppen);
    std::vector<int> groessen(anzahlGruppen, anzahlSpieler / anzahlGruppen);
    for (int g = 0; g < anzahlSpieler % anzahlGruppen; ++g)
        ++groessen[g];
    return groessen;
}

int clGruppenAuslosung::getGesetzteJeGruppe(int anzahlSpieler, int anzahlGruppen)
{
    return std::max(1, getGruppenGroessen(anzahlSpieler, anzahlGruppen).back() / 2);
}

vecGruppen clGruppenAuslosung::lose(int anzahlGruppen, std::mt19937& zufall) const
{
    const int n = static_cast<int>(m_Spieler.size());
    const std::vector<int> groessen = getGruppenGroessen(n, anzahlGruppen);
    const int gruppen = static_cast<int>(groessen.size());
    // The lot comes first, so that the stable order by rating leaves equal
    // ratings in the lot's order.
    std::vector<int> rang(n);
    std::iota(rang.begin(), rang.end(), 0);
    std::shuffle(rang.begin(), rang.end(), zufall);
    std::stable_sort(rang.begin(), rang.end(),
                     [this](int a, int b)
                     { return std::max(m_Spieler[a].ttr, -1) > std::max(m_Spieler[b].ttr, -1); });

    const int gesetzte = std::min(n, gruppen * getGesetzteJeGruppe(n, gruppen));
    vecGruppen gesetzt(gruppen), lot(gruppen);
    for (int r = 0; r < gesetzte; ++r)
    {
        const int spalte = r % gruppen;
        gesetzt[(r / gruppen) % 2 == 0 ? spalte : gruppen - 1 - spalte].push_back(rang[r]);
    }
    std::shuffle(rang.begin() + gesetzte, rang.end(), zufall);
    for (int g = 0, r = gesetzte; g < gruppen; ++g)
        while (static_cast<int>(gesetzt[g].size() + lot[g].size()) < groessen[g])
            lot[g].push_back(rang[r++]);
    trenneVereine(gesetzt, lot);

    vecGruppen ergebnis(gruppen);
    for (int g = 0; g < gruppen; ++g)
        for (const vecGruppen* teil : {&gesetzt, &lot})
            for (int pos : (*teil)[g])
                ergebnis[g].push_back(m_Spieler[pos].index);
    return ergebnis;
}

// Only how many players of each club come into each group matters for the pairs,
// so the draw of the unseeded players is a transport of each club's players into
// the groups' free places. The j-th player of a club in a group (counting from 1)
// makes s + j - 1 new pairs there, s being the club's seeded players in it: each
// further player costs at least as much as the one before, so the cost is convex
// in every count. Such a transport reaches its minimum exactly by successive
// shortest paths of a min-cost flow, one player at a time, when the network offers
// each club-to-group arc at the cost of its next player and back at the cost of
// its last one: these are the cheapest of the parallel unit arcs the convex cost
// stands for, so every path is a shortest path of that plain network, and with
// potentials (Dijkstra on reduced costs) the classic argument holds unchanged.
// Each player also costs 1 when he leaves the group the lot gave him, and a pair
// costs more than all such moves together: among the draws with the fewest pairs
// the one that keeps most of the lot wins, and a lot without clashes stands.
// Players without a club-mate among all players can make no pair; they travel as
// one club whose players cost nothing but their moves.
void clGruppenAuslosung::trenneVereine(const vecGruppen& gesetzt, vecGruppen& lot) const
{
    std::vector<int> knotenVonVerein(m_Mitglieder.size(), 0);
    int vereine = 1;
    for (size_t v = 0; v < m_Mitglieder.size(); ++v)
        if (m_Mitglieder[v] > 1)
            knotenVonVerein[v] = vereine++;
    // A pair of two clubs travels with the first of them that has other members.
    auto vereinVon = [&](int pos)
    {
        for (int v : m_Vereine[pos])
            if (knotenVonVerein[v] > 0)
                return knotenVonVerein[v];
        return 0;
    };

    // Per club and group (at v * gruppen + g): the seeded, the drawn by the lot,
    // and the drawn after mending.
    const int gruppen = static_cast<int>(lot.size());
    std::vector<int> gesetzte(vereine * gruppen), gelost(vereine * gruppen), menge(vereine * gruppen);
    std::vector<int> angebot(vereine), frei(gruppen);
    int ungesetzte = 0;
    for (int g = 0; g < gruppen; ++g)
    {
        for (int pos : gesetzt[g])
            ++gesetzte[vereinVon(pos) * gruppen + g];
        for (int pos : lot[g])
        {
            ++gelost[vereinVon(pos) * gruppen + g];
            ++angebot[vereinVon(pos)];
            ++frei[g];
            ++ungesetzte;
        }
    }
    const long long paar = ungesetzte + 1;
    auto kosten = [&](int v, int g, int j)
    {
        const int i = v * gruppen + g;
        return (v == 0 ? 0 : paar * (gesetzte[i] + j - 1)) + (j > gelost[i] ? 1 : 0);
    };

    // Nodes: the source, the clubs, the groups, the sink.
    const int quelle = 0, senke = vereine + gruppen + 1;
    const long long unendlich = std::numeric_limits<long long>::max() / 4;
    std::vector<long long> potential(senke + 1, 0), abstand(senke + 1);
    std::vector<int> vorgaenger(senke + 1), gesendet(vereine, 0), erhalten(gruppen, 0);
    using tOffen = std::pair<long long, int>;
    for (int spieler = 0; spieler < ungesetzte; ++spieler)
    {
        std::fill(abstand.begin(), abstand.end(), unendlich);
        abstand[quelle] = 0;
        std::priority_queue<tOffen, std::vector<tOffen>, std::greater<tOffen>> offen;
        offen.push({0, quelle});
        auto lockere = [&](int von, int nach, long long k)
        {
            const long long d = abstand[von] + k + potential[von] - potential[nach];
            if (d < abstand[nach])
            {
                abstand[nach] = d;
                vorgaenger[nach] = von;
                offen.push({d, nach});
            }
        };
        while (!offen.empty())
        {
            const tOffen oben = offen.top();
            offen.pop();
            const int u = oben.second;
            if (oben.first > abstand[u])
                continue;
            if (u == quelle)
            {
                for (int v = 0; v < vereine; ++v)
                    if (gesendet[v] < angebot[v])
                        lockere(u, 1 + v, 0);
            }
            else if (u <= vereine)
            {
                for (int g = 0; g < gruppen; ++g)
                    lockere(u, vereine + 1 + g, kosten(u - 1, g, menge[(u - 1) * gruppen + g] + 1));
            }
            else if (u < senke)
            {
                const int g = u - vereine - 1;
                for (int v = 0; v < vereine; ++v)
                    if (menge[v * gruppen + g] > 0)
                        lockere(u, 1 + v, -kosten(v, g, menge[v * gruppen + g]));
                if (erhalten[g] < frei[g])
                    lockere(u, senke, 0);
            }
        }
        // Capped at the sink's distance, so that the reduced costs stay
        // non-negative on the arcs out of nodes this search did not reach.
        for (int k = 0; k <= senke; ++k)
            potential[k] += std::min(abstand[k], abstand[senke]);
        for (int nach = senke; nach != quelle; nach = vorgaenger[nach])
        {
            const int von = vorgaenger[nach];
            if (von == quelle)
                ++gesendet[nach - 1];
            else if (nach == senke)
                ++erhalten[von - vereine - 1];
            else if (von <= vereine)
                ++menge[(von - 1) * gruppen + nach - vereine - 1];
            else
                --menge[(nach - 1) * gruppen + von - vereine - 1];
        }
    }

    // Who the mended draw keeps stays on his place; the others fill the places
    // that became free in the groups that need players of their club.
    std::vector<std::vector<int>> wandernd(vereine);
    for (int g = 0; g < gruppen; ++g)
        for (int& pos : lot[g])
        {
            const int v = vereinVon(pos);
            if (menge[v * gruppen + g] > 0)
                --menge[v * gruppen + g];
            else
            {
                wandernd[v].push_back(pos);
                pos = -1;
            }
        }
    for (int g = 0; g < gruppen; ++g)
        for (int& pos : lot[g])
            for (int v = 0; pos < 0; ++v)
                if (menge[v * gruppen + g] > 0)
                {
                    --menge[v * gruppen + g];
                    pos = wandernd[v].back();
                    wandernd[v].pop_back();
                }
    if (m_Doppel)
        trenneDoppel(gesetzt, lot);
}

void clGruppenAuslosung::trenneDoppel(const vecGruppen& gesetzt, vecGruppen& lot) const
{
    // The club-mates of pos among the others of group g, pos himself not counted.
    const vecGruppen& gelost = lot;
    const auto kameraden = [&](int pos, int g, int ohne)
    {
        int anzahl = 0;
        for (const vecGruppen* teil : {&gesetzt, &gelost})
            for (int andere : (*teil)[g])
                anzahl += andere != pos && andere != ohne && sindVereinskameraden(pos, andere) ? 1 : 0;
        return anzahl;
    };
    // Each exchange lowers the number of club-mates, so the passes end.
    for (bool besser = true; besser;)
    {
        besser = false;
        for (size_t g = 0; g < lot.size(); ++g)
            for (size_t h = g + 1; h < lot.size(); ++h)
                for (int& a : lot[g])
                    for (int& b : lot[h])
                    {
                        const int vorher = kameraden(a, g, -1) + kameraden(b, h, -1);
                        const int nachher = kameraden(a, h, b) + kameraden(b, g, a);
                        if (nachher < vorher)
                        {
                            std::swap(a, b);
                            besser = true;
                        }
                    }
    }
}

bool clGruppenAuslosung::sindVereinskameraden(int pos1, int pos2) const
{
    for (int v : m_Vereine[pos1])
        if (std::find(m_Vereine[pos2].begin(), m_Vereine[pos2].end(), v) != m_Vereine[pos2].end())
            return true;
    return false;
}

vecVereinsPaare clGruppenAuslosung::getVereinsPaare(const std::vector<int>& gruppe) const
{
    std::vector<int> positionen;
    for (int index : gruppe)
    {
        const auto it = m_Position.find(index);
        positionen.push_back(it == m_Position.end() ? -1 : it->second);
    }
    vecVereinsPaare paare;
    for (size_t i = 0; i < gruppe.size(); ++i)
        for (size_t j = i + 1; j < gruppe.size(); ++j)
            if (positionen[i] >= 0 && positionen[j] >= 0 &&
                sindVereinskameraden(positionen[i], positionen[j]))
                paare.emplace_back(gruppe[i], gruppe[j]);
    return paare;
}

int clGruppenAuslosung::zaehleVereinsPaare(const vecGruppen& gruppen) const
{
    int paare = 0;
    for (const std::vector<int>& gruppe : gruppen)
        paare += static_cast<int>(getVereinsPaare(gruppe).size());
    return paare;
}
