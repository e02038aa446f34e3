#ifndef CLPERSON_H
#define CLPERSON_H

#include <string_view>
#include <wx/string.h>

struct sPerson;

// A person of the tournament day, entered in one or more classes: a correction of
// the name, club or rating is made once and reaches every entry of the person.
class clPerson
{
public:
    clPerson() = default;
    clPerson(const clPerson&) = default;
    clPerson& operator=(const clPerson&) = default;
    // The toolkit's texts are copied even when moved: a person is moved by exchanging
    // its texts, so that the day's list of persons grows or shrinks without copying them.
    clPerson(clPerson&& p) noexcept { tausche(p); }
    clPerson& operator=(clPerson&& p) noexcept
    {
        tausche(p);
        return *this;
    }
    ~clPerson() = default;

    // A person's stable number within the day: entries and the file name persons by it.
    int getKennung() const { return m_Kennung; }
    void setKennung(int kennung) { m_Kennung = kennung; }

    wxString Vorname;
    wxString Name;
    wxString Verein;
    // KeineTTR when there is none.
    int TTR = -1;
    // 0 where not known.
    int Jahrgang = 0;
    // -1 not known, 0 female, 1 male.
    int Geschlecht = -1;
    wxString Lizenz;
    // The person's number at the federation's tournament portal, where it has one.
    wxString InterneNr;

    // "Anna Meier".
    wxString getVollerName() const;
    // How the hall calls the person: the surname, the first name where there is none.
    const wxString& getRufname() const { return Name.empty() ? Vorname : Name; }
    // What tells one person from another: the licence, else the portal's number,
    // else first name, surname and club ("L:…", "I:…", "N:…"); by the names and
    // the club alone when nurNamen.
    wxString getIdentitaet(bool nurNamen = false) const;
    // Name, club and rating as an entry holds them.
    sPerson getMeldedaten() const;
    // Name, club and rating agree with those of an entry.
    bool gleicheMeldedaten(const sPerson& p) const;
    // Takes name, club and rating from an entry.
    void setMeldedaten(const sPerson& p);
    // True when the person has data beyond what an entry holds.
    bool hatZusatzdaten() const
    {
        return Jahrgang != 0 || Geschlecht != -1 || !Lizenz.empty() || !InterneNr.empty();
    }

    // One line of the file: "nr, Vorname, Name, Verein, TTR, Jahrgang, Geschlecht, Lizenz",
    // and ", InterneNr" where there is one.
    wxString getSaveString() const;
    // False when the line is damaged.
    bool setFromSaveString(std::wstring_view zeile);

private:
    void tausche(clPerson& p) noexcept;

    int m_Kennung = 0;
};

#endif
