#ifndef CLRUNDE_H
#define CLRUNDE_H

#include <cstdint>
#include <string_view>
#include <vector>
#include <wx/string.h>

class clTTSpiel;
struct eingaben;

// A pairing as two start numbers; (-1, -1) is the empty pairing.
struct ansetzung
{
    int t1 = -1;
    int t2 = -1;
};

// One round: one time slot with at most one match per table. It refers to its
// matches without owning them; the schedule owns them.
class clRunde
{
public:
    static const ansetzung leerSpiel;

    // Room for pairings is reserved up front: for anzahl/2, or for anzPlatten when the
    // round is known to be played at fewer tables.
    explicit clRunde(int anzahl, int anzPlatten = -1);

    void addSpiel(clTTSpiel* sp);
    void addAnsetzung(int t1, int t2);
    void addAnsetzung(const ansetzung* Ans);

    int AnzSpiele() const { return m_AnzahlPlaetze; }
    clTTSpiel* getSpiel(int pltNr) const;
    ansetzung getAnsetzung(int pltNr) const;
    bool istAngesetzt(int startNr) const;
    bool istSpielfrei(int startNr) const { return !istAngesetzt(startNr); }
    void getSpielfrei(std::vector<int>& res) const;

    wxString getSaveString() const;
    // The same, appended to str: checking a file's rounds writes each one into one buffer.
    void haengeSaveStringAn(wxString& str) const;
    // Appends the entries of the first anzahl match groups of a round line, in
    // table order; false when a group holds a piece that is neither a set nor a
    // mark (in falsch). The line is text, or the bytes of a file as they stand.
    template <typename Z>
    static bool liesSaveString(std::basic_string_view<Z> zeile, int anzahl, std::vector<eingaben>& spiele,
                               wxString& falsch);

private:
    // A table of the round: its pairing and, once made, its match.
    struct sPlatz
    {
        ansetzung paar;
        clTTSpiel* spiel = nullptr;
    };

    const sPlatz& getPlatz(int idx) const { return idx == 0 ? m_ErsterPlatz : m_WeiterePlaetze[idx - 1]; }
    bool kannAnsetzen(int t1, int t2) const;
    bool istFrei(int startNr) const;
    // Enters a pairing kannAnsetzen allowed, with its match or none.
    void setze(int t1, int t2, clTTSpiel* sp);
    void setzeAngesetzt(int startNr);

    // A bit per participant rather than each one's opponent: a schedule on one table
    // has as many rounds as matches, and an opponent list in each took 16 MB for 200.
    // Up to 64 participants the bits stand in place, so that the rounds of a group
    // need no memory of their own for them.
    static constexpr int BitsInPlace = 64;
    int m_Anzahl;
    std::uint64_t m_AngesetztInPlace = 0;
    std::vector<bool> m_Angesetzt;
    // The first table stands in place as well: a group's round is mostly played at
    // one table, and its own memory for it was a tenth of loading a tournament in groups.
    int m_AnzahlPlaetze = 0;
    sPlatz m_ErsterPlatz;
    std::vector<sPlatz> m_WeiterePlaetze;
};

#endif
