#include "modell/clSchema.h"

#include <algorithm>
#include <cstdlib>
#include <wx/wxcrt.h>

#include "datei/clMaskierung.h"
#include "modell/clRunde.h"
#include "modell/clTTSpiel.h"
#include "datei/clZahl.h"

clSchema::clSchema()
    : m_Ordnung(0), m_Platten(1), m_Modus(modDicht), m_anzRunden(1), m_anzAnsetzungen(0), m_Even(false),
      m_Gewinnsaetze(clTTSpiel::MinGewinnsaetze), m_LeereRunde(0)
{
}

clSchema::~clSchema()
{
    bereinigeSpielplan();
}

void clSchema::bereinigeSpielplan()
{
    // Their memory stays for the next schedule: a tournament read anew would
    // otherwise touch megabytes of fresh memory, which cost more than the matches.
    m_Runden.clear();
    m_Spiele.clear();
    m_anzRunden = 0;
    m_anzAnsetzungen = 0;
}

void clSchema::neuesSpiel(clRunde& runde, clTeilnehmer* t1, clTeilnehmer* t2)
{
    clTTSpiel& sp = m_Spiele.emplace_back(t1, t2);
    // A new match has no sets to cut off: only another number needs setting.
    if (sp.getGewinnsaetze() != m_Gewinnsaetze)
        sp.setGewinnsaetze(m_Gewinnsaetze);
    runde.addSpiel(&sp);
}

mapEingaben clSchema::merkeEingaben() const
{
    mapEingaben gemerkt;
    for (const clTTSpiel& sp : m_Spiele)
    {
        if (sp.hatEingaben())
            gemerkt.emplace(std::make_pair(sp.getT1(), sp.getT2()), sp.getEingaben());
    }
    return gemerkt;
}

void clSchema::uebertrageEingaben(const mapEingaben& gemerkt)
{
    for (clTTSpiel& sp : m_Spiele)
    {
        auto eintrag = gemerkt.find({sp.getT1(), sp.getT2()});
        const bool getauscht = eintrag == gemerkt.end();
        if (getauscht)
            eintrag = gemerkt.find({sp.getT2(), sp.getT1()});
        if (eintrag == gemerkt.end())
            continue;
        eingaben e = eintrag->second;
        if (getauscht)
        {
            for (satz& s : e.saetze)
                std::swap(s.P1, s.P2);
            if (e.seite != 0)
                e.seite = 3 - e.seite;
        }
        sp.setEingaben(e);
        // Sets beyond the last set of the current rules do not come along.
        sp.setGewinnsaetze(m_Gewinnsaetze);
    }
}

void clSchema::setGewinnsaetze(int g)
{
    // Every match is made with the schedule's number and changed only with it here:
    // a schedule about to be made anew is not walked through for nothing.
    const int neu = std::clamp(g, clTTSpiel::MinGewinnsaetze, clTTSpiel::MaxGewinnsaetze);
    if (neu == m_Gewinnsaetze)
        return;
    m_Gewinnsaetze = neu;
    for (clTTSpiel& sp : m_Spiele)
        sp.setGewinnsaetze(neu);
}

int clSchema::zaehlePlatten(int n, int pl)
{
    return n > 2 ? std::max(1, std::min(n / 2, pl)) : 1;
}

int clSchema::zaehleRunden(int n, int pl)
{
    if (n <= 2)
        return 1;
    const int ansetzungen = n * (n - 1) / 2;
    const int platten = zaehlePlatten(n, pl);
    return ansetzungen / platten + (ansetzungen % platten > 0 ? 1 : 0);
}

void clSchema::neuerSpielplan(int pl, vecTeilnehmer* tl, modErzeugung me, const wxString& str)
{
    bereinigeSpielplan();
    const int n = static_cast<int>(tl->size());
    m_Ordnung = n;
    m_Even = n % 2 == 0;
    // It never takes a match: no room for any.
    m_LeereRunde = clRunde(n, 0);
    if (n > 2)
    {
        m_Platten = zaehlePlatten(n, pl);
        m_Modus = me;
        m_anzAnsetzungen = n * (n - 1) / 2;
        m_anzRunden = zaehleRunden(n, pl);
        m_Runden.reserve(m_anzRunden);
        m_Spiele.reserve(m_anzAnsetzungen);
        lstAuslasser liste;
        if (!str.empty())
            liesAuslasser(liste, str);
        else
            erzeugeAuslasser(liste);
        erstelleSpielplan(tl, liste);
        return;
    }
    if (n > 0)
    {
        m_Runden.emplace_back(n);
        if (n == 2)
        {
            m_Spiele.reserve(1);
            neuesSpiel(m_Runden.back(), (*tl)[0], (*tl)[1]);
            m_anzAnsetzungen = 1;
        }
    }
    m_anzRunden = 1;
}

const clRunde* clSchema::getRunde(int idx) const
{
    if (idx < 1 || idx > static_cast<int>(m_Runden.size()))
        return &m_LeereRunde;
    return &m_Runden[idx - 1];
}

clTTSpiel* clSchema::getSpiel(int rdx, int pdx) const
{
    if (rdx < 1 || rdx > static_cast<int>(m_Runden.size()))
        return nullptr;
    return m_Runden[rdx - 1].getSpiel(pdx);
}

wxString clSchema::gibSaveString() const
{
    // Up to two participants play without a skip list; one left over from an
    // earlier schedule means nothing.
    wxString str;
    if (m_Ordnung <= 2)
        return str;
    for (int wert : m_Auslasser)
    {
        if (str.empty())
            str = wxString::Format("%d", wert);
        else
            str = wxString::Format("%s,%d", str, wert);
    }
    return str;
}

void clSchema::erzeugeAuslasser(lstAuslasser& mal)
{
    int anz_Auslasser = m_anzAnsetzungen % m_Platten;
    modErzeugung modus = m_Modus;
    if (anz_Auslasser == 0)
        modus = modDicht;
    else
        anz_Auslasser = m_Platten - anz_Auslasser;

    if (modus == modGlvt)
    {
        const int dist = m_anzRunden / anz_Auslasser;
        const int offs = std::rand() % dist;
        for (int mi = 0; mi < anz_Auslasser; ++mi)
            mal.push_back(mi * dist + offs);
    }
    else if (modus == modZfvt)
    {
        while (static_cast<int>(mal.size()) < anz_Auslasser)
        {
            const int az = std::rand() % m_anzRunden;
            if (std::find(mal.begin(), mal.end(), az) == mal.end())
                mal.push_back(az);
        }
        mal.sort();
    }
    else
        mal.push_back(m_anzRunden + 1);
}

// A stored skip list may have been edited by hand. Only as many distinct round
// indices as there are table slots to spare are used, the smallest ones; anything
// else would leave a round that never fills up, or more rounds than the schedule
// counts. The lists the schedule makes itself pass unchanged. No more values than
// that are ever held, however long the line.
void clSchema::liesAuslasser(lstAuslasser& al, const wxString& str)
{
    const int rest = m_anzAnsetzungen % m_Platten;
    const size_t erlaubt = rest == 0 ? 0 : static_cast<size_t>(m_Platten - rest);
    // Every round is full, as in most groups: no value is taken.
    if (erlaubt == 0)
    {
        al.assign(1, m_anzRunden + 1);
        return;
    }
    std::vector<int> werte;
    werte.reserve(erlaubt + 1);
    for (size_t pos = 0; pos < str.length();)
    {
        const int wert = clZahl::lies(clMaskierung::trenne(str, ',', pos));
        if (wert < 0 || wert >= m_anzRunden)
            continue;
        const auto stelle = std::lower_bound(werte.begin(), werte.end(), wert);
        if (stelle != werte.end() && *stelle == wert)
            continue;
        werte.insert(stelle, wert);
        if (werte.size() > erlaubt)
            werte.pop_back();
    }
    al.assign(werte.begin(), werte.end());
    if (al.empty())
        al.push_back(m_anzRunden + 1);
}

void clSchema::erstelleSpielplan(vecTeilnehmer* tl, lstAuslasser& al)
{
    const int n = m_Ordnung;
    const int optPlatten = n / 2;
    const int optRunden = (n - 1) + (n % 2);
    const int z = optRunden / 2 + (optRunden % 2);

    m_Auslasser.clear();
    m_Auslasser.splice(m_Auslasser.end(), al);

    // Takes the next skip value, moving it from the front to the end of the list,
    // so that the list has its starting order again once all values were taken.
    int zyk = static_cast<int>(m_Auslasser.size());
    auto naechsterAuslasser = [this, &zyk]()
    {
        const int wert = m_Auslasser.front();
        m_Auslasser.splice(m_Auslasser.end(), m_Auslasser, m_Auslasser.begin());
        --zyk;
        return wert;
    };
    int ppr = naechsterAuslasser();
    bool auslasserOffen = true;

    // The rounds are filled one after the other; a round is begun by the first
    // match it takes, so that none is made to stay empty.
    m_Runden.emplace_back(n, m_Platten);
    int sollPlatten = m_Platten;
    for (int runde = 0; runde < optRunden; ++runde)
    {
        // The circle turns: from table to table the first players go one back and
        // the second one on, each around optRunden (counted on rather than divided
        // anew for each of the tens of thousands of matches).
        int T1 = (z - 1 + runde) % optRunden;
        int T2 = (z + runde) % optRunden;
        for (int platte = 0; platte < optPlatten; ++platte)
        {
            if (m_Runden.back().AnzSpiele() == sollPlatten)
            {
                m_Runden.emplace_back(n, m_Platten);
                sollPlatten = m_Platten;
            }
            const int idx_rnd = static_cast<int>(m_Runden.size()) - 1;
            if (auslasserOffen && idx_rnd == ppr)
            {
                sollPlatten--;
                if (zyk > 0)
                    ppr = naechsterAuslasser();
                else
                    auslasserOffen = false;
            }
            neuesSpiel(m_Runden.back(), (*tl)[T1], (*tl)[m_Even && platte == optPlatten - 1 ? n - 1 : T2]);
            T1 = T1 == 0 ? optRunden - 1 : T1 - 1;
            T2 = T2 == optRunden - 1 ? 0 : T2 + 1;
        }
    }
}
