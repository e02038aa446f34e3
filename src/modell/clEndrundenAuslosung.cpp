#include "modell/clEndrundenAuslosung.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace
{
// A line nobody has been drawn onto yet.
const int Leer = -2;

// An index drawn with a chance in proportion to its weight; the weights are not
// all zero, and an index of weight zero is never drawn.
int waehleGewichtet(const std::vector<double>& gewichte, std::mt19937& zufall)
{
    double los = std::uniform_real_distribution<double>(
        0.0, std::accumulate(gewichte.begin(), gewichte.end(), 0.0))(zufall);
    int gewaehlt = 0;
    for (size_t i = 0; i < gewichte.size(); ++i)
    {
        if (gewichte[i] <= 0)
            continue;
        gewaehlt = static_cast<int>(i);
        if (los < gewichte[i])
            break;
        los -= gewichte[i];
    }
    return gewaehlt;
}

// n over k, 0 when k > n.
double binomial(int n, int k)
{
    double b = 1;
    for (int i = 1; i <= k; ++i)
        b = b * (n - k + i) / i;
    return b;
}

// The seeds 2^k+1 … 2^(k+1) that take part, and the lines they are drawn onto.
struct sStufe
{
    std::vector<int> imBereich; // those whose half decides the byes' balance
    std::vector<int> andere;
    std::vector<int> oben, unten; // the lines in the upper and the lower half
};
} // namespace

clEndrundenAuslosung::clEndrundenAuslosung(std::vector<std::vector<int>> erste, int aufsteiger)
    : m_Erste(std::move(erste)), m_Aufsteiger(aufsteiger >= 2 ? 2 : 1)
{
}

int clEndrundenAuslosung::getAnzahlLinien(int spieler)
{
    if (spieler <= 0)
        return 0;
    int linien = 2;
    while (linien < spieler)
        linien *= 2;
    return linien;
}

bool clEndrundenAuslosung::hatSpieler(const std::vector<int>& linien) const
{
    std::vector<int> erwartet;
    erwartet.reserve(m_Erste.size() * static_cast<size_t>(m_Aufsteiger));
    for (const std::vector<int>& gruppe : m_Erste)
        for (size_t p = 0; p < gruppe.size() && p < static_cast<size_t>(m_Aufsteiger); ++p)
            erwartet.push_back(gruppe[p]);
    std::vector<int> da;
    da.reserve(linien.size());
    for (int snr : linien)
        if (snr != Freilos)
            da.push_back(snr);
    std::sort(erwartet.begin(), erwartet.end());
    std::sort(da.begin(), da.end());
    return static_cast<int>(linien.size()) ==
               getAnzahlLinien(static_cast<int>(m_Erste.size()) * m_Aufsteiger) &&
           da == erwartet;
}

// Why the rules always hold together. Seeds 1 … B/2 stand on the lines 1, B and
// m·B/2^k, m·B/2^k + 1, which are never partners in the first round; seeds beyond
// B/2 and the byes beside the first y seeds stand on their partner lines. With
// q = 1 the byes lie in the halves of seeds 1 … y (y = B − N), so only the lot
// of the step holding seed y must split those seeds evenly. With q = 2 every group
// puts one player into each half, so each half holds N players and B/2 − N byes, and
// each bye stands beside a player it is meant for: exactly y/2 of those must lie in
// each half. When t = y − N > 0 runners-up get byes too; a group among 1 … t puts a
// bye into each half, so the seeds t+1 … N must split evenly between the halves.
// In both cases a contiguous range of seeds (1 … min(y, N), or t+1 … N) must split
// evenly, its size even when q = 2. Each step has half its lines in each half, the
// full steps split evenly by themselves, and the one or two partial steps at the
// ends of the range have room for any split that balances them, so such a split
// always exists (checked for every N up to 300). The free lines then match the
// runners-up of each half in number, with whole free pairs for those with a bye.
std::vector<int> clEndrundenAuslosung::lose(std::mt19937& zufall) const
{
    for (const std::vector<int>& gruppe : m_Erste)
        if (static_cast<int>(gruppe.size()) < m_Aufsteiger)
            return loseKurz(zufall);
    const int n = static_cast<int>(m_Erste.size());
    const int b = getAnzahlLinien(n * m_Aufsteiger);
    // While drawing, the winner of group s + 1 is s and its runner-up n + s.
    std::vector<int> linie(b, Leer);
    std::vector<int> platz(n);
    auto setze = [&](int l, int s)
    {
        linie[l] = s;
        if (s < n)
            platz[s] = l;
    };
    if (n == 0)
        return linie;
    setze(0, 0);
    if (n >= 2)
        setze(b - 1, 1);

    const int freilose = b - n * m_Aufsteiger;
    const int zweiteMitFreilos = std::max(0, freilose - n);
    // The seeds (from 0) whose byes must split evenly between the halves.
    const int von = zweiteMitFreilos, bis = std::min(freilose, n);
    std::vector<sStufe> stufen;
    for (int k = 1; (2 << k) <= b / 2 && (1 << k) < n; ++k)
    {
        sStufe st;
        for (int s = 1 << k; s < std::min(2 << k, n); ++s)
            (s >= von && s < bis ? st.imBereich : st.andere).push_back(s);
        for (int m = 1; m < (1 << k); m += 2)
            for (int l : {m * (b >> k) - 1, m * (b >> k)})
                (l < b / 2 ? st.oben : st.unten).push_back(l);
        stufen.push_back(st);
    }

    // How many of the range's seeds each step puts into the upper half, drawn so
    // that every placement of the seeds that splits the range evenly is equally
    // likely: a step with c of them and h lines in each half has C(h, x)·C(h, c − x)
    // times as many placements with x of them above as any other step's fixed
    // factor. gewicht[i][r]: the placements of steps i … with r of them above.
    std::vector<std::vector<double>> gewicht(stufen.size() + 1, std::vector<double>(1, 1.0));
    for (size_t i = stufen.size(); i-- > 0;)
    {
        const int c = static_cast<int>(stufen[i].imBereich.size());
        const int h = static_cast<int>(stufen[i].oben.size());
        gewicht[i].assign(gewicht[i + 1].size() + c, 0.0);
        for (int x = 0; x <= c; ++x)
            for (size_t r = 0; r < gewicht[i + 1].size(); ++r)
                gewicht[i][r + x] += binomial(h, x) * binomial(h, c - x) * gewicht[i + 1][r];
    }
    const int fest = von == 0 && bis > 0 ? 1 : 0; // seed 1, always above
    std::vector<double> ziele(gewicht[0].size(), 0.0);
    for (int r = (bis - von) / 2 - fest; r <= (bis - von + 1) / 2 - fest; ++r)
        if (r >= 0 && r < static_cast<int>(ziele.size()))
            ziele[r] = gewicht[0][r];
    int oben = waehleGewichtet(ziele, zufall);

    for (size_t i = 0; i < stufen.size(); ++i)
    {
        sStufe& st = stufen[i];
        const int c = static_cast<int>(st.imBereich.size());
        const int h = static_cast<int>(st.oben.size());
        std::vector<double> anteile(c + 1, 0.0);
        for (int x = 0; x <= c && x <= oben; ++x)
            if (oben - x < static_cast<int>(gewicht[i + 1].size()))
                anteile[x] = binomial(h, x) * binomial(h, c - x) * gewicht[i + 1][oben - x];
        const int x = waehleGewichtet(anteile, zufall);
        oben -= x;
        for (std::vector<int>* v : {&st.imBereich, &st.oben, &st.unten})
            std::shuffle(v->begin(), v->end(), zufall);
        std::vector<int> uebrig(st.oben.begin() + x, st.oben.end());
        uebrig.insert(uebrig.end(), st.unten.begin() + (c - x), st.unten.end());
        std::shuffle(uebrig.begin(), uebrig.end(), zufall);
        for (int j = 0; j < c; ++j)
            setze(j < x ? st.oben[j] : st.unten[j - x], st.imBereich[j]);
        for (size_t j = 0; j < st.andere.size(); ++j)
            setze(uebrig[j], st.andere[j]);
    }

    for (int s = 0; s < bis; ++s)
        linie[platz[s] ^ 1] = Freilos;
    std::vector<int> frei;
    for (int l = 0; l < b; ++l)
        if (linie[l] == Leer)
            frei.push_back(l);
    std::shuffle(frei.begin(), frei.end(), zufall);
    const int ersterSpaeter = std::max(2, b / 2);
    for (int s = ersterSpaeter; s < n; ++s)
        setze(frei[s - ersterSpaeter], s);

    if (m_Aufsteiger == 2)
    {
        auto haelfte = [b](int l) { return l < b / 2 ? 0 : 1; };
        for (int s = 0; s < zweiteMitFreilos; ++s)
        {
            std::vector<int> paare;
            for (int l = 0; l < b; l += 2)
                if (haelfte(l) != haelfte(platz[s]) && linie[l] == Leer && linie[l + 1] == Leer)
                    paare.push_back(l);
            const int l = paare[std::uniform_int_distribution<size_t>(0, paare.size() - 1)(zufall)] +
                          std::uniform_int_distribution<int>(0, 1)(zufall);
            setze(l, n + s);
            linie[l ^ 1] = Freilos;
        }
        std::vector<int> haelften[2];
        for (int l = 0; l < b; ++l)
            if (linie[l] == Leer)
                haelften[haelfte(l)].push_back(l);
        for (std::vector<int>& h : haelften)
            std::shuffle(h.begin(), h.end(), zufall);
        for (int s = zweiteMitFreilos; s < n; ++s)
        {
            std::vector<int>& h = haelften[1 - haelfte(platz[s])];
            setze(h.back(), n + s);
            h.pop_back();
        }
    }

    for (int& l : linie)
        if (l >= 0)
        {
            const std::vector<int>& gruppe = m_Erste[l % n];
            const size_t p = static_cast<size_t>(l / n);
            l = p < gruppe.size() ? gruppe[p] : Freilos;
        }
    return linie;
}

std::vector<int> clEndrundenAuslosung::loseKurz(std::mt19937& zufall) const
{
    // The winners of the groups that have one are the seeds, in group order; the
    // runners-up are those of the seeds whose group has a second player.
    std::vector<int> sieger, zweiter, zweiterVon;
    for (const std::vector<int>& gruppe : m_Erste)
        if (!gruppe.empty())
        {
            if (m_Aufsteiger == 2 && gruppe.size() >= 2)
            {
                zweiter.push_back(gruppe[1]);
                zweiterVon.push_back(static_cast<int>(sieger.size()));
            }
            sieger.push_back(gruppe[0]);
        }
    const int n = static_cast<int>(sieger.size());
    const int r = static_cast<int>(zweiter.size());
    const int b = getAnzahlLinien(n + r);
    if (b <= 2)
        return {n > 0 ? sieger[0] : Freilos, n > 1 ? sieger[1] : Freilos};
    const int gesetzt = std::min(n, b / 2);
    const auto haelfte = [b](int l) { return l < b / 2 ? 0 : 1; };
    const int MaxVersuche = 1000;
    for (int versuch = 1;; ++versuch)
    {
        std::vector<int> linie(b, Leer);
        std::vector<int> platz(n, -1);
        linie[0] = sieger[0];
        platz[0] = 0;
        linie[b - 1] = sieger[1];
        platz[1] = b - 1;
        for (int k = 1; (1 << k) < gesetzt; ++k)
        {
            std::vector<int> linien;
            for (int m = 1; m < (1 << k); m += 2)
                linien.insert(linien.end(), {m * (b >> k) - 1, m * (b >> k)});
            std::shuffle(linien.begin(), linien.end(), zufall);
            for (int s = 1 << k; s < std::min(2 << k, gesetzt); ++s)
            {
                linie[linien[s - (1 << k)]] = sieger[s];
                platz[s] = linien[s - (1 << k)];
            }
        }
        // The half of each player: seeds beyond B/2 by a line beside a seed drawn
        // for them, runners-up in the other half from their winners. Each half's
        // players, best first: the seeds, then the runners-up in group order.
        std::vector<int> neben;
        for (int s = 0; s < gesetzt; ++s)
            neben.push_back(platz[s] ^ 1);
        std::shuffle(neben.begin(), neben.end(), zufall);
        std::vector<int> spieler[2], spielerHaelfte(n + r);
        for (int s = 0; s < n; ++s)
            spielerHaelfte[s] = haelfte(s < gesetzt ? platz[s] : neben[s - gesetzt]);
        for (int i = 0; i < r; ++i)
            spielerHaelfte[n + i] = 1 - spielerHaelfte[zweiterVon[i]];
        for (int p = 0; p < n + r; ++p)
            spieler[spielerHaelfte[p]].push_back(p);
        // Each half holds B/2 lines, a bye at most in each pair of them.
        const auto freilose = [&](int h) { return b / 2 - static_cast<int>(spieler[h].size()); };
        const auto passt = [&](int h) { return freilose(h) >= 0 && freilose(h) <= b / 4; };
        if (!(passt(0) && passt(1)))
        {
            if (versuch < MaxVersuche)
                continue;
            // Not met in any case tried: the players after the seeds then take
            // free lines in either half.
            std::vector<int> frei;
            for (int l = 0; l < b; ++l)
                if (linie[l] == Leer)
                    frei.push_back(l);
            std::shuffle(frei.begin(), frei.end(), zufall);
            for (int p = gesetzt; p < n + r; ++p)
                linie[frei[p - gesetzt]] = p < n ? sieger[p] : zweiter[p - n];
            for (int& l : linie)
                if (l == Leer)
                    l = Freilos;
            return linie;
        }
        for (int h = 0; h < 2; ++h)
        {
            // The best of the half get its byes: beside a seed its partner line,
            // else a pair of their own; the others take the lines that remain.
            std::vector<int> ohne;
            for (size_t j = 0; j < spieler[h].size(); ++j)
            {
                const int p = spieler[h][j];
                const bool mitFreilos = static_cast<int>(j) < freilose(h);
                if (p < gesetzt)
                {
                    if (mitFreilos)
                        linie[platz[p] ^ 1] = Freilos;
                    continue;
                }
                if (!mitFreilos)
                {
                    ohne.push_back(p);
                    continue;
                }
                std::vector<int> paare;
                for (int l = h * b / 2; l < (h + 1) * b / 2; l += 2)
                    if (linie[l] == Leer && linie[l + 1] == Leer)
                        paare.push_back(l);
                if (paare.empty())
                {
                    ohne.push_back(p);
                    continue;
                }
                const int l = paare[std::uniform_int_distribution<size_t>(0, paare.size() - 1)(zufall)] +
                              std::uniform_int_distribution<int>(0, 1)(zufall);
                linie[l] = p < n ? sieger[p] : zweiter[p - n];
                linie[l ^ 1] = Freilos;
            }
            std::vector<int> frei;
            for (int l = 0; l < b; ++l)
                if (linie[l] == Leer && haelfte(l) == h)
                    frei.push_back(l);
            std::shuffle(frei.begin(), frei.end(), zufall);
            for (size_t j = 0; j < ohne.size() && j < frei.size(); ++j)
                linie[frei[j]] = ohne[j] < n ? sieger[ohne[j]] : zweiter[ohne[j] - n];
        }
        for (int& l : linie)
            if (l == Leer)
                l = Freilos;
        return linie;
    }
}
