#include "modell/clEndrunde.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <wx/intl.h>

#include "datei/clMaskierung.h"
#include "datei/clZahl.h"

clEndrunde::clEndrunde(const vecTeilnehmer& linien, int gewinnsaetze, bool spielUmPlatz3)
    : m_Linien(linien),
      m_Gewinnsaetze(std::clamp(gewinnsaetze, clTTSpiel::MinGewinnsaetze, clTTSpiel::MaxGewinnsaetze)),
      m_AnzRunden(1)
{
    int anzLinien = 2;
    while (anzLinien < static_cast<int>(linien.size()) && anzLinien < MaxLinien)
    {
        anzLinien *= 2;
        ++m_AnzRunden;
    }
    m_Linien.resize(anzLinien, nullptr);
    m_SpielUmPlatz3 = spielUmPlatz3 && m_AnzRunden >= 2;
    const int anzahl = anzLinien - 1 + (m_SpielUmPlatz3 ? 1 : 0);
    m_Knoten.resize(anzahl);
    m_Spielblock.resize(anzahl);
    m_Spiele.reserve(anzahl);
    for (clTTSpiel& sp : m_Spielblock)
    {
        sp.setGewinnsaetze(m_Gewinnsaetze);
        m_Spiele.push_back(&sp);
    }
    if (m_SpielUmPlatz3)
        m_Knoten.back().runde = m_AnzRunden;
    int anfang = 0;
    for (int runde = 1; runde <= m_AnzRunden; anfang += getAnzahlSpiele(runde++))
    {
        for (int i = 0; i < getAnzahlSpiele(runde); ++i)
        {
            sKnoten& kn = m_Knoten[anfang + i];
            kn.runde = runde;
            if (runde < m_AnzRunden)
            {
                kn.nach = anfang + getAnzahlSpiele(runde) + i / 2;
                kn.nachSeite = 1 + i % 2;
            }
            if (runde == m_AnzRunden - 1 && m_SpielUmPlatz3)
                kn.platz3Seite = 1 + i;
            if (runde == 1)
            {
                m_Spiele[i]->setTeilnehmer(m_Linien[2 * i], m_Linien[2 * i + 1]);
                kn.frei[0] = m_Linien[2 * i] == nullptr;
                kn.frei[1] = m_Linien[2 * i + 1] == nullptr;
            }
            // A side stays empty for good behind a match of two byes, and the match for
            // third place behind a semi-final that is a bye.
            if (kn.nach >= 0 && kn.frei[0] && kn.frei[1])
                m_Knoten[kn.nach].frei[kn.nachSeite - 1] = true;
            if (kn.platz3Seite > 0 && (kn.frei[0] || kn.frei[1]))
                m_Knoten.back().frei[kn.platz3Seite - 1] = true;
        }
    }
    for (int i = 0; i < getAnzahlSpiele(1); ++i)
        wende(getFolgen(i, *m_Spiele[i]));
}

clEndrunde::~clEndrunde() = default;

int clEndrunde::getAnzahlSpiele(int runde) const
{
    return runde >= 1 && runde <= m_AnzRunden ? getAnzahlLinien() >> runde : 0;
}

clTTSpiel* clEndrunde::getSpiel(int runde, int nr) const
{
    if (nr < 1 || nr > getAnzahlSpiele(runde))
        return nullptr;
    return m_Spiele[getAnzahlLinien() - (getAnzahlLinien() >> (runde - 1)) + nr - 1];
}

clTTSpiel* clEndrunde::getSpielUmPlatz3() const
{
    return m_SpielUmPlatz3 ? m_Spiele.back() : nullptr;
}

clTTSpiel* clEndrunde::getSpiel(int index) const
{
    return index >= 0 && index < getAnzahlSpiele() ? m_Spiele[index] : nullptr;
}

int clEndrunde::getIndex(const clTTSpiel* sp) const
{
    // The block holds the matches in playing order: a match's place is its index.
    const std::less<const clTTSpiel*> vor;
    const clTTSpiel* const anfang = m_Spielblock.data();
    if (m_Spielblock.empty() || vor(sp, anfang) || !vor(sp, anfang + m_Spielblock.size()))
        return -1;
    return static_cast<int>(sp - anfang);
}

wxString clEndrunde::getRundenname(int runde) const
{
    static const wchar_t* const namen[] = {L"Finale", L"Halbfinale", L"Viertelfinale", L"Achtelfinale"};
    const int vorFinale = m_AnzRunden - runde;
    if (runde < 1 || vorFinale < 0)
        return wxString();
    if (vorFinale < 4)
        return wxGetTranslation(namen[vorFinale]);
    return wxString::Format(wxGetTranslation(L"%d. Runde"), runde);
}

wxString clEndrunde::getSpielname(const clTTSpiel* sp) const
{
    const int k = getIndex(sp);
    if (k >= 0 && k == getPlatz3Index())
        return wxGetTranslation(L"Spiel um Platz 3");
    return k < 0 ? wxString() : getRundenname(m_Knoten[k].runde);
}

bool clEndrunde::istFrei(const clTTSpiel* sp, int seite) const
{
    const int k = getIndex(sp);
    return k >= 0 && (seite == 1 || seite == 2) && m_Knoten[k].frei[seite - 1];
}

bool clEndrunde::istSpielbar(const clTTSpiel* sp) const
{
    return getIndex(sp) >= 0 && sp->getT1() != nullptr && sp->getT2() != nullptr;
}

clTeilnehmer* clEndrunde::getSieger(const clTTSpiel* sp) const
{
    const int k = getIndex(sp);
    return k < 0 ? nullptr : getAusgang(k, *sp).sieger;
}

clTeilnehmer* clEndrunde::getVerlierer(const clTTSpiel* sp) const
{
    const int k = getIndex(sp);
    return k < 0 ? nullptr : getAusgang(k, *sp).verlierer;
}

bool clEndrunde::hatEingaben() const
{
    return std::any_of(m_Spiele.begin(), m_Spiele.end(),
                       [](const clTTSpiel* sp) { return sp->hatEingaben(); });
}

// ---- advancing

clEndrunde::sAusgang clEndrunde::getAusgang(int k, const clTTSpiel& sp) const
{
    const sKnoten& kn = m_Knoten[k];
    if (kn.frei[0] || kn.frei[1])
        return {kn.frei[0] ? sp.getT2() : sp.getT1(), nullptr};
    sWertung w1;
    sWertung w2;
    if (sp.getT1() == nullptr || sp.getT2() == nullptr || !sp.getErgebnis(w1, w2))
        return {};
    if (w1.m_Spiel.eigene == 1)
        return {sp.getT1(), sp.getT2()};
    return {sp.getT2(), sp.getT1()};
}

std::vector<clEndrunde::sWechsel> clEndrunde::getFolgen(int k, const clTTSpiel& sp) const
{
    std::vector<sWechsel> folgen;
    gibWeiter(k, getAusgang(k, sp), folgen);
    return folgen;
}

void clEndrunde::gibWeiter(int k, const sAusgang& a, std::vector<sWechsel>& folgen) const
{
    const sKnoten& kn = m_Knoten[k];
    if (kn.nach >= 0)
        setzeSeite(kn.nach, kn.nachSeite, a.sieger, folgen);
    if (kn.platz3Seite > 0)
        setzeSeite(getPlatz3Index(), kn.platz3Seite, a.verlierer, folgen);
}

void clEndrunde::setzeSeite(int k, int seite, clTeilnehmer* tn, std::vector<sWechsel>& folgen) const
{
    const clTTSpiel* sp = m_Spiele[k];
    if ((seite == 1 ? sp->getT1() : sp->getT2()) == tn)
        return;
    folgen.push_back({k, seite, tn});
    // The entries belonged to the old pairing and go with it: only a bye still
    // decides the match.
    const clTTSpiel neu(seite == 1 ? tn : sp->getT1(), seite == 2 ? tn : sp->getT2());
    gibWeiter(k, getAusgang(k, neu), folgen);
}

std::vector<clTTSpiel*> clEndrunde::wende(const std::vector<sWechsel>& folgen)
{
    // A change follows a single path through the rounds and from a semi-final on to
    // the final before the match for third place, so the matches come in playing order.
    std::vector<clTTSpiel*> entfernt;
    for (const sWechsel& w : folgen)
    {
        clTTSpiel* sp = m_Spiele[w.spiel];
        if (sp->hatEingaben())
        {
            entfernt.push_back(sp);
            sp->setEingaben(eingaben());
        }
        sp->setTeilnehmer(w.seite == 1 ? w.tn : sp->getT1(), w.seite == 2 ? w.tn : sp->getT2());
    }
    return entfernt;
}

std::vector<clTTSpiel*> clEndrunde::getVerloreneErgebnisse(const clTTSpiel* sp, const eingaben& neu) const
{
    std::vector<clTTSpiel*> verloren;
    const int k = getIndex(sp);
    if (k < 0)
        return verloren;
    clTTSpiel kopie(*sp);
    kopie.setEingaben(neu);
    for (const sWechsel& w : getFolgen(k, kopie))
        if (m_Spiele[w.spiel]->hatEingaben())
            verloren.push_back(m_Spiele[w.spiel]);
    return verloren;
}

std::vector<clTTSpiel*> clEndrunde::pruefeSpiel(clTTSpiel* sp)
{
    const int k = getIndex(sp);
    if (k < 0)
        return {};
    if (!istSpielbar(sp))
        sp->setEingaben(eingaben());
    return wende(getFolgen(k, *sp));
}

// ---- the final placing

int clEndrunde::getVerliererPlatz(int runde) const
{
    // Byes that reach the next round take no place there.
    if (runde >= m_AnzRunden)
        return 2;
    int weiter = 0;
    for (int nr = 1; nr <= getAnzahlSpiele(runde + 1); ++nr)
        for (int seite : {1, 2})
            weiter += istFrei(getSpiel(runde + 1, nr), seite) ? 0 : 1;
    return weiter + 1;
}

vecPlatzierung clEndrunde::getEndstand() const
{
    // A player's last match so far tells where it stands: a match it won is only its
    // last when it was the final or the match for third place.
    std::unordered_map<const clTeilnehmer*, int> letztes;
    for (int k = 0; k < getAnzahlSpiele(); ++k)
        for (const clTeilnehmer* tn : {m_Spiele[k]->getT1(), m_Spiele[k]->getT2()})
            letztes[tn] = k;
    struct sZeile
    {
        sPlatzierung p;
        int rang;
    };
    std::vector<sZeile> zeilen;
    for (clTeilnehmer* tn : m_Linien)
    {
        if (tn == nullptr)
            continue;
        const int k = letztes[tn];
        const bool platz3 = k == getPlatz3Index();
        const int verliererPlatz = platz3 ? 4 : getVerliererPlatz(m_Knoten[k].runde);
        const sAusgang a = getAusgang(k, *m_Spiele[k]);
        int platz = 0;
        if (a.sieger == tn)
            platz = platz3 ? 3 : 1;
        else if (a.verlierer == tn)
            platz = verliererPlatz;
        zeilen.push_back({{tn, platz}, platz != 0 ? platz : verliererPlatz});
    }
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const sZeile& a, const sZeile& b)
                     { return a.rang != b.rang ? a.rang < b.rang : a.p.platz == 0 && b.p.platz != 0; });
    vecPlatzierung endstand;
    for (const sZeile& z : zeilen)
        endstand.push_back(z.p);
    return endstand;
}

void clEndrunde::haengeAn(vecPlatzierung& endstand, vecPlatzierung gruppenplaetze)
{
    std::stable_sort(gruppenplaetze.begin(), gruppenplaetze.end(),
                     [](const sPlatzierung& a, const sPlatzierung& b) { return a.platz < b.platz; });
    const int naechster = static_cast<int>(endstand.size()) + 1;
    for (size_t i = 0; i < gruppenplaetze.size(); ++i)
    {
        const bool geteilt = i > 0 && gruppenplaetze[i].platz == gruppenplaetze[i - 1].platz;
        endstand.push_back(
            {gruppenplaetze[i].tn, geteilt ? endstand.back().platz : naechster + static_cast<int>(i)});
    }
}

// ---- the tournament file

namespace
{
// Reads a match line into sp; false unless the line is one group and writing the
// match's entries again (into geschrieben) gives back what follows the names, so
// that nothing in it was skipped or misread.
bool liesSpiel(clTTSpiel& sp, std::wstring_view zeile, wxString& geschrieben)
{
    size_t pos = 0;
    const std::wstring_view gruppe = clMaskierung::trenne(zeile, L')', pos);
    eingaben e;
    wxString falsch;
    if (zeile.empty() || zeile[0] != L'(' || gruppe.size() + 1 != zeile.size() ||
        !clTTSpiel::liesSaveString(gruppe.data() + 1, gruppe.data() + gruppe.size(), e, falsch))
        return false;
    sp.setEingaben(e);
    geschrieben.clear();
    sp.haengeEingabenAn(geschrieben);
    // The names end at the first comma; the closing parenthesis is the line's last sign.
    const wchar_t* const ende = zeile.data() + zeile.size() - 1;
    return clMaskierung::gleichOhneLeerzeichen(geschrieben.wc_str(),
                                               geschrieben.wc_str() + geschrieben.length(),
                                               clMaskierung::finde(zeile.data(), ende, L','), ende);
}
} // namespace

wxArrayString clEndrunde::getSaveStrings(const std::function<int(const clTeilnehmer*)>& referenz) const
{
    wxArrayString zeilen;
    zeilen.Add(wxString::Format("%d,%d", m_Gewinnsaetze, m_SpielUmPlatz3 ? 1 : 0));
    wxString linien;
    for (const clTeilnehmer* tn : m_Linien)
        linien << (linien.empty() ? "" : ",") << (tn != nullptr ? referenz(tn) : -1);
    zeilen.Add(linien);
    for (const clTTSpiel* sp : m_Spiele)
        zeilen.Add(sp->getSaveString());
    return zeilen;
}

std::unique_ptr<clEndrunde> clEndrunde::lies(const std::vector<std::wstring_view>& zeilen,
                                             const std::function<clTeilnehmer*(int)>& teilnehmer,
                                             wxString& fehler)
{
    const auto abbruch = [&fehler](size_t zeile, const wchar_t* grund)
    {
        fehler = wxString::Format(wxGetTranslation(L"Endrunde, Zeile %d: %s"), static_cast<int>(zeile) + 1,
                                  wxGetTranslation(grund));
        return std::unique_ptr<clEndrunde>();
    };
    std::vector<long> regeln;
    if (zeilen.empty() || !clZahl::liesListe(zeilen[0], regeln) || regeln.size() != 2 ||
        regeln[0] < clTTSpiel::MinGewinnsaetze || regeln[0] > clTTSpiel::MaxGewinnsaetze || regeln[1] < 0 ||
        regeln[1] > 1)
        return abbruch(0, L"Gewinnsätze und Spiel um Platz 3 sind nicht lesbar.");
    std::vector<long> referenzen;
    if (zeilen.size() < 2 || !clZahl::liesListe(zeilen[1], referenzen) || referenzen.size() < 2 ||
        referenzen.size() > MaxLinien || (referenzen.size() & (referenzen.size() - 1)) != 0)
        return abbruch(1, L"die Linien sind nicht lesbar.");
    vecTeilnehmer linien;
    std::vector<const clTeilnehmer*> gesehen;
    for (long ref : referenzen)
    {
        clTeilnehmer* tn = ref >= 0 && ref <= INT_MAX ? teilnehmer(static_cast<int>(ref)) : nullptr;
        if (ref != -1 && tn == nullptr)
            return abbruch(1, L"eine Linie nennt keinen Teilnehmer oder einen zweimal.");
        if (tn != nullptr)
            gesehen.push_back(tn);
        linien.push_back(tn);
    }
    std::sort(gesehen.begin(), gesehen.end());
    if (std::adjacent_find(gesehen.begin(), gesehen.end()) != gesehen.end())
        return abbruch(1, L"eine Linie nennt keinen Teilnehmer oder einen zweimal.");
    std::unique_ptr<clEndrunde> er(new clEndrunde(linien, static_cast<int>(regeln[0]), regeln[1] == 1));
    const size_t anzahl = 2 + er->m_Spiele.size();
    if (zeilen.size() < anzahl)
        return abbruch(zeilen.size(), L"hier fehlen Spiele.");
    if (zeilen.size() > anzahl)
        return abbruch(anzahl, L"die Endrunde hat weniger Spiele.");
    // In playing order every match has its players from the matches before it.
    wxString geschrieben;
    for (int k = 0; k < er->getAnzahlSpiele(); ++k)
    {
        clTTSpiel* sp = er->m_Spiele[k];
        if (!liesSpiel(*sp, zeilen[2 + k], geschrieben))
            return abbruch(2 + k, L"das Spiel ist nicht lesbar.");
        if (sp->hatEingaben() && !er->istSpielbar(sp))
            return abbruch(2 + k, L"das Spiel hat Eingaben, aber keine zwei Spieler.");
        er->wende(er->getFolgen(k, *sp));
    }
    return er;
}
