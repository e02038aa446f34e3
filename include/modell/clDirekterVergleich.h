#ifndef CLDIREKTERVERGLEICH_H
#define CLDIREKTERVERGLEICH_H

#include <vector>

#include "modell/clTTSpiel.h"

// A decided match between the participants with the indices a and b.
struct spBegegnung
{
    int a = 0;
    int b = 0;
    sWertung wa; // the result seen from a
};

// The ITTF placing of a group: participants are ordered by their match points;
// those with equal match points by the matches among them alone: their match
// points there, then the ratio of sets won to lost, then of points won to lost.
// Whenever a step separates some while others remain equal, each group still
// equal is ordered again from the first step, by the matches among its members.
// Who remains equal after every step shares the place, in start order.
class clDirekterVergleich
{
public:
    // spielpunkte: each participant's match points, or whatever else ranks them
    // before the matches among equal ones are compared (higher first); begegnungen:
    // the decided matches (those between participants of different values are not needed).
    clDirekterVergleich(const std::vector<int>& spielpunkte, const std::vector<spBegegnung>& begegnungen);

    // rangliste: the participant on each place; gleichAb: for each place the first
    // place of the participants that remain equal with it (its own when none does).
    void ordne(std::vector<int>& rangliste, std::vector<int>& gleichAb);

    // The ratio won:lost compared exactly: +1 when a:b is the higher, -1 when the
    // lower, 0 when equal. A ratio with nothing lost is higher than any other.
    static int vergleicheQuotient(long long gewonnenA, long long verlorenA, long long gewonnenB,
                                  long long verlorenB);

private:
    struct sVergleich
    {
        long long spielpunkte = 0;
        long long saetze[2] = {0, 0};
        long long punkte[2] = {0, 0};
    };

    // Orders a group whose members are equal so far and appends it.
    void ordneGruppe(const std::vector<int>& gruppe, std::vector<int>& rangliste, std::vector<int>& gleichAb);
    // The counts of the matches among the members of gruppe.
    void zaehleUntereinander(const std::vector<int>& gruppe);

    const std::vector<int>& m_Spielpunkte;
    const std::vector<spBegegnung>& m_Begegnungen;
    // The matches of each participant, as indices into m_Begegnungen.
    std::vector<std::vector<int>> m_SpieleVon;
    // Which group a participant was last counted in.
    std::vector<int> m_Gruppe;
    int m_letzteGruppe;
    std::vector<sVergleich> m_Stand;
};

#endif
