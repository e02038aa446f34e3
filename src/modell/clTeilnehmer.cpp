#include "modell/clTeilnehmer.h"

#include "datei/clMaskierung.h"
#include "datei/clZahl.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

clTeilnehmer::clTeilnehmer() : m_Daten(std::make_shared<sDaten>()), m_StartNr(0), m_Kennung(0) {}

clTeilnehmer::~clTeilnehmer() = default;

clTeilnehmer::sDaten& clTeilnehmer::aendere()
{
    if (m_Daten.use_count() > 1)
        m_Daten = std::make_shared<sDaten>(*m_Daten);
    return *m_Daten;
}

void clTeilnehmer::addEditData(vecEditListe& el) const
{
    // Filled in place: a text is copied, never moved, so a row pushed whole is made twice.
    fuelleEditData(el.emplace_back(), static_cast<int>(el.size()) - 1);
}

void clTeilnehmer::fuelleEditData(spEditData& ed, int pos) const
{
    ed.m_EditStatus = esClear;
    ed.m_OldPos = pos;
    const sDaten& d = *m_Daten;
    ed.m_Name = d.person.m_Name;
    ed.m_VName = d.person.m_VName;
    ed.m_Anzeige = d.anzeige;
    ed.m_Verein = d.person.m_Verein;
    ed.m_TTR = d.person.m_TTR;
    ed.m_Partner = d.partner;
}

void clTeilnehmer::updateEditData(const spEditData& ed)
{
    setName(ed.m_Name);
    setVName(ed.m_VName);
    setAnzeige(ed.m_Anzeige);
    setVerein(ed.m_Verein);
    setTTR(ed.m_TTR);
    setPartner(ed.m_Partner);
    checkAndcorrectAnzeige();
}

void clTeilnehmer::setPartner(const sPerson& partner)
{
    sPerson& p = aendere().partner;
    p = partner;
    p.m_VName = ohneSteuerzeichen(partner.m_VName);
    p.m_Name = ohneSteuerzeichen(partner.m_Name);
    p.m_Verein = ohneSteuerzeichen(partner.m_Verein);
}

wxString sPerson::getVollerName() const
{
    wxString name = wxString(m_VName).Trim(true).Trim(false);
    const wxString nachname = wxString(m_Name).Trim(true).Trim(false);
    if (!name.empty() && !nachname.empty())
        name += ' ';
    return name + nachname;
}

namespace
{
// A letter of a key, lowered. ASCII letters directly: the C library's lookup for
// every letter took a tenth of matching a day's persons.
wchar_t klein(wchar_t c)
{
    return c < 0x80 ? (c >= L'A' && c <= L'Z' ? c + (L'a' - L'A') : c)
                    : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

// The characters of a text without the blanks around it.
void trimme(const wxString& text, const wchar_t*& anfang, const wchar_t*& ende)
{
    anfang = text.wc_str();
    ende = anfang + text.length();
    while (anfang != ende && clMaskierung::istLeerzeichen(*anfang))
        ++anfang;
    while (ende != anfang && clMaskierung::istLeerzeichen(ende[-1]))
        --ende;
}

// The key of three texts a character at a time: each without the blanks around it,
// its letters lowered, and followed by a tab.
class clSchluesselfolge
{
public:
    clSchluesselfolge(const wxString& vname, const wxString& name, const wxString& verein)
        : m_Texte{&vname, &name, &verein}
    {
        beginneFeld();
    }

    // False after the last character.
    bool naechstes(wchar_t& z)
    {
        if (m_Pos != m_Ende)
        {
            z = klein(*m_Pos++);
            return true;
        }
        if (m_Feld == std::size(m_Texte))
            return false;
        z = L'\t';
        if (++m_Feld < std::size(m_Texte))
            beginneFeld();
        return true;
    }

private:
    void beginneFeld() { trimme(*m_Texte[m_Feld], m_Pos, m_Ende); }

    const wxString* m_Texte[3];
    size_t m_Feld = 0;
    const wchar_t* m_Pos = nullptr;
    const wchar_t* m_Ende = nullptr;
};
} // namespace

wxString sPerson::getSchluessel() const
{
    wxString schluessel;
    schluessel.reserve(m_VName.length() + m_Name.length() + m_Verein.length() + 3);
    clSchluesselfolge folge(m_VName, m_Name, m_Verein);
    for (wchar_t z = 0; folge.naechstes(z);)
        schluessel += z;
    return schluessel;
}

size_t sPerson::getSchluesselwert(const wxString& vname, const wxString& name, const wxString& verein)
{
    // The characters clSchluesselfolge gives, a text at a time.
    size_t wert = 0;
    for (const wxString* text : {&vname, &name, &verein})
    {
        const wchar_t* anfang = nullptr;
        const wchar_t* ende = nullptr;
        for (trimme(*text, anfang, ende); anfang != ende; ++anfang)
            wert = wert * 31 + static_cast<size_t>(klein(*anfang));
        wert = wert * 31 + L'\t';
    }
    return wert;
}

bool sPerson::hatSchluessel(const sPerson& p, const wxString& vname, const wxString& name,
                            const wxString& verein)
{
    // The same texts have the same key: a file loaded again finds its persons so.
    const auto gleich = [](const wxString& a, const wxString& b)
    { return a.length() == b.length() && std::equal(a.wc_str(), a.wc_str() + a.length(), b.wc_str()); };
    if (gleich(p.m_VName, vname) && gleich(p.m_Name, name) && gleich(p.m_Verein, verein))
        return true;
    clSchluesselfolge a(p.m_VName, p.m_Name, p.m_Verein);
    clSchluesselfolge b(vname, name, verein);
    for (;;)
    {
        wchar_t za = 0, zb = 0;
        const bool weiterA = a.naechstes(za);
        const bool weiterB = b.naechstes(zb);
        if (weiterA != weiterB || za != zb)
            return false;
        if (!weiterA)
            return true;
    }
}

wxString clTeilnehmer::getVollerName(bool mitVerein) const
{
    const auto mitKlammer = [mitVerein](wxString name, const wxString& verein)
    { return mitVerein && !verein.empty() ? name + " (" + verein + ")" : name; };
    const sPerson& person = m_Daten->person;
    const sPerson& partner = m_Daten->partner;
    if (istPaar())
        return mitKlammer(person.getVollerName(), person.m_Verein) + " / " +
               mitKlammer(partner.getVollerName(), partner.m_Verein);
    wxString name = person.getVollerName();
    if (name.empty())
        name = m_Daten->anzeige;
    return mitKlammer(name, person.m_Verein);
}

wxString clTeilnehmer::getVerein() const
{
    const wxString& verein = m_Daten->person.m_Verein;
    const wxString& partnerVerein = m_Daten->partner.m_Verein;
    if (!istPaar() || partnerVerein.empty() || partnerVerein == verein)
        return verein;
    if (verein.empty())
        return partnerVerein;
    return verein + " / " + partnerVerein;
}

int clTeilnehmer::getTTR() const
{
    const int ttr = m_Daten->person.m_TTR;
    const int partnerTTR = m_Daten->partner.m_TTR;
    if (!istPaar())
        return ttr;
    return ttr == KeineTTR || partnerTTR == KeineTTR ? KeineTTR : ttr + partnerTTR;
}

void clTeilnehmer::checkAndcorrectAnzeige()
{
    if (m_Daten->anzeige.empty())
    {
        sDaten& d = aendere();
        d.anzeige = leiteAnzeigeAb(d.person.m_VName, d.person.m_Name, m_StartNr, d.partner);
    }
}

namespace
{
const wxString Platzhalter = "Teilnehmer";

bool istSteuerzeichen(wxUniChar z)
{
    return z < 0x20 || (z >= 0x7F && z < 0xA0);
}

bool nurZiffern(const wxString& text)
{
    return !text.empty() && text.find_first_not_of(L"0123456789") == wxString::npos;
}
} // namespace

wxString clTeilnehmer::ohneSteuerzeichen(wxString text)
{
    // Names almost never hold one; every name passes here when a file is loaded.
    if (std::none_of(text.begin(), text.end(), istSteuerzeichen))
        return text;
    wxString ergebnis;
    bool steuerzeichen = false;
    for (wxUniChar z : text)
    {
        if (!istSteuerzeichen(z))
            ergebnis += z;
        else if (!steuerzeichen)
            ergebnis += ' ';
        steuerzeichen = istSteuerzeichen(z);
    }
    return ergebnis;
}

int clTeilnehmer::liesTTR(std::wstring_view text)
{
    // Up to five digits with blanks around them, read in place: every participant of a file passes here.
    const wchar_t* anfang = text.data();
    const wchar_t* ende = anfang + text.size();
    while (anfang != ende && clMaskierung::istLeerzeichen(*anfang))
        ++anfang;
    while (ende != anfang && clMaskierung::istLeerzeichen(ende[-1]))
        --ende;
    if (anfang == ende || ende - anfang > 5)
        return KeineTTR;
    int wert = 0;
    for (; anfang != ende; ++anfang)
    {
        if (*anfang < L'0' || *anfang > L'9')
            return KeineTTR;
        wert = wert * 10 + (*anfang - L'0');
    }
    return wert;
}

std::wstring_view clTeilnehmer::trenneFelder(std::wstring_view zeile, sFeld* felder, size_t anzahl)
{
    // Every participant and person of a file passes here: each character is looked at once.
    const wchar_t* z = zeile.data();
    const wchar_t* const ende = z + zeile.size();
    for (size_t k = 0; k < anzahl; ++k)
    {
        const wchar_t* const anfang = z;
        bool schlicht = true;
        for (;; ++z)
        {
            // Printable characters other than the comma and the backslash, by far
            // the most, are passed over first.
            while (z != ende && ((static_cast<unsigned>(*z) - 0x20u < 0x5Fu && *z != L',' &&
                                  *z != clMaskierung::Zeichen) ||
                                 static_cast<unsigned>(*z) >= 0xA0u))
                ++z;
            if (z == ende || *z == L',')
                break;
            // A control character, or the backslash, which takes the character after it along.
            schlicht = false;
            if (*z == clMaskierung::Zeichen && ++z == ende)
                break;
        }
        felder[k] = {std::wstring_view(anfang, static_cast<size_t>(z - anfang)), schlicht};
        if (z != ende && ++z != ende && *z == L' ')
            ++z;
    }
    return std::wstring_view(z, static_cast<size_t>(ende - z));
}

void clTeilnehmer::liesFeld(const sFeld& feld, wxString& ziel, bool getrimmt)
{
    // A plain field is taken as it stands, without the three strings the general way makes of it.
    if (feld.schlicht)
    {
        std::wstring_view text = feld.text;
        while (getrimmt && !text.empty() && clMaskierung::istLeerzeichen(text.front()))
            text.remove_prefix(1);
        while (getrimmt && !text.empty() && clMaskierung::istLeerzeichen(text.back()))
            text.remove_suffix(1);
        if (text.empty())
            ziel.clear();
        else
            ziel.assign(text.data(), text.size());
        return;
    }
    wxString text = clMaskierung::demaskiere(feld.text);
    ziel = ohneSteuerzeichen(getrimmt ? text.Strip(wxString::both) : text);
}

wxString spEditData::getSpalte(int spalte) const
{
    switch (spalte)
    {
    case spalteVorname:
        return m_VName;
    case spalteName:
        return m_Name;
    case spalteAnzeige:
        return m_Anzeige;
    case spalteVerein:
        return m_Verein;
    case spalteTTR:
        return m_TTR == KeineTTR ? wxString() : wxString::Format("%d", m_TTR);
    case spaltePartnerVorname:
        return m_Partner.m_VName;
    case spaltePartnerName:
        return m_Partner.m_Name;
    case spaltePartnerVerein:
        return m_Partner.m_Verein;
    case spaltePartnerTTR:
        return m_Partner.m_TTR == KeineTTR ? wxString() : wxString::Format("%d", m_Partner.m_TTR);
    default:
        return wxString();
    }
}

void spEditData::setSpalte(int spalte, const wxString& wert)
{
    wxString* const texte[] = {&m_VName,           &m_Name,           &m_Anzeige,         &m_Verein, nullptr,
                               &m_Partner.m_VName, &m_Partner.m_Name, &m_Partner.m_Verein};
    if (spalte == spalteTTR)
        m_TTR = clTeilnehmer::liesTTR(wert);
    else if (spalte == spaltePartnerTTR)
        m_Partner.m_TTR = clTeilnehmer::liesTTR(wert);
    else if (spalte >= 0 && spalte < spaltePartnerTTR)
        *texte[spalte] = clTeilnehmer::ohneSteuerzeichen(wert);
}

namespace
{
// What stands for a person in a pair's display name: the surname, else the first name.
wxString paarTeil(const wxString& vname, const wxString& name)
{
    return name.empty() ? vname : name;
}
} // namespace

wxString clTeilnehmer::leiteAnzeigeAb(const wxString& vname, const wxString& name, int startnr,
                                      const sPerson& partner)
{
    if (partner.hatNamen())
        return paarTeil(vname, name) + "/" + paarTeil(partner.m_VName, partner.m_Name);
    if (!vname.empty())
        return vname;
    if (!name.empty())
        return name;
    return Platzhalter + wxString::Format("%2.2d", startnr);
}

bool clTeilnehmer::istAbgeleitet(const wxString& anzeige, const wxString& vname, const wxString& name,
                                 const sPerson& partner)
{
    wxString rest;
    // A pair is told apart from a namesake pair by a number only.
    if (partner.hatNamen())
        return anzeige.StartsWith(leiteAnzeigeAb(vname, name, 0, partner), &rest) &&
               (rest.empty() || nurZiffern(rest));
    if (vname.empty() && name.empty())
        return anzeige.StartsWith(Platzhalter, &rest) && nurZiffern(rest);
    // A clash adds the surname letter by letter and, when it is used up, a number.
    wxString nummer;
    return anzeige.StartsWith(leiteAnzeigeAb(vname, name, 0), &rest) &&
           (name.StartsWith(rest) || (rest.StartsWith(name, &nummer) && nurZiffern(nummer)));
}

wxString clTeilnehmer::getSaveString() const
{
    // Joined without Format, whose %s would end a value at a NUL character. Club
    // and rating follow only when set, so a line without them reads as ever; a
    // pair's partner follows the first person's club and rating, which are then
    // always written.
    // Wide literals: a day's file writes hundreds of these lines, each unconverted.
    const wxString komma = L",";
    const auto feld = [&komma](const wxString& text) { return L", " + clMaskierung::maskiere(text, komma); };
    const auto vereinUndTTR = [&feld](const sPerson& p, bool immer)
    {
        wxString text;
        if (immer || !p.m_Verein.empty() || p.m_TTR != KeineTTR)
            text += feld(p.m_Verein);
        if (immer || p.m_TTR != KeineTTR)
        {
            text += L", ";
            if (p.m_TTR != KeineTTR)
                clZahl::haengeAn(text, p.m_TTR);
        }
        return text;
    };
    const sDaten& d = *m_Daten;
    wxString zeile = clMaskierung::maskiere(d.person.m_Name, komma) + feld(d.person.m_VName) +
                     feld(d.anzeige) + vereinUndTTR(d.person, istPaar());
    if (istPaar())
        zeile += feld(d.partner.m_Name) + feld(d.partner.m_VName) + vereinUndTTR(d.partner, false);
    return clMaskierung::maskiereZeile(zeile);
}

namespace
{
int ttrAusFeld(const sFeld& feld)
{
    return feld.schlicht || feld.text.find(clMaskierung::Zeichen) == std::wstring_view::npos
               ? clTeilnehmer::liesTTR(feld.text)
               : clTeilnehmer::liesTTR(clMaskierung::demaskiere(feld.text));
}
} // namespace

void clTeilnehmer::setFromSaveString(std::wstring_view str)
{
    // Each field straight into its member: every participant of a file passes here.
    sFeld felder[9];
    trenneFelder(str, felder, std::size(felder));
    sDaten& d = aendere();
    wxString* const texte[] = {&d.person.m_Name, &d.person.m_VName, &d.anzeige,         &d.person.m_Verein,
                               nullptr,          &d.partner.m_Name, &d.partner.m_VName, &d.partner.m_Verein};
    for (size_t k = 0; k < std::size(texte); ++k)
        if (texte[k] != nullptr)
            liesFeld(felder[k], *texte[k]);
    d.person.m_TTR = ttrAusFeld(felder[4]);
    d.partner.m_TTR = ttrAusFeld(felder[8]);
}

void clTeilnehmer::pruefeDuplikate(vecTeilnehmer& tl)
{
    quSort dq;
    for (clTeilnehmer* tn : tl)
    {
        strSort st;
        st.tn = tn;
        st.pidx = 0;
        st.anzeige = tn->getAnzeige();
        // Pairs are numbered: their surnames are in the display name already.
        st.erweiterung = tn->istPaar() ? wxString() : tn->getName();
        dq.push_back(st);
    }
    entferneDuplikate(dq);
}

namespace
{
// Places taken by the character at pos: on Windows a character beyond U+FFFF is
// held as two (a surrogate pair), which must not be split, or the name could not
// be written as UTF-8 any more.
int zeichenlaenge(const wxString& text, int pos)
{
    const wxUniChar::value_type z = wxUniChar(text[pos]).GetValue();
    return z >= 0xD800 && z <= 0xDBFF && pos + 1 < static_cast<int>(text.length()) ? 2 : 1;
}
} // namespace

void clTeilnehmer::entferneDuplikate(quSort& dq)
{
    // Groups that still clash wait on a stack instead of a recursion, so that two
    // long identical surnames cannot exhaust the call stack. The groups are
    // disjoint, so the order in which they are settled does not change the names.
    std::vector<quSort> offeneGruppen;
    offeneGruppen.push_back(std::move(dq));
    dq.clear();
    quSort dq2;
    std::vector<strSort> zuNummerieren;
    while (!offeneGruppen.empty())
    {
        quSort gruppe = std::move(offeneGruppen.back());
        offeneGruppen.pop_back();
        while (!gruppe.empty())
        {
            dq2.clear();
            strSort st1 = gruppe.front();
            gruppe.pop_front();
            dq2.push_back(st1);
            for (size_t siz = gruppe.size(); siz > 0; --siz)
            {
                strSort st = gruppe.front();
                gruppe.pop_front();
                if (st.anzeige == st1.anzeige)
                    dq2.push_back(st);
                else
                    gruppe.push_back(st);
            }
            if (dq2.size() == 1)
            {
                if (st1.pidx > 0)
                    st1.tn->setAnzeige(st1.anzeige);
                continue;
            }
            zuNummerieren.clear();
            for (size_t siz = dq2.size(); siz > 0; --siz)
            {
                strSort st = dq2.front();
                dq2.pop_front();
                if (st.pidx < static_cast<int>(st.erweiterung.length()))
                {
                    const int zeichen = zeichenlaenge(st.erweiterung, st.pidx);
                    st.anzeige += st.erweiterung.Mid(st.pidx, zeichen);
                    st.pidx += zeichen;
                    dq2.push_back(st);
                }
                else
                    zuNummerieren.push_back(st);
            }
            if (zuNummerieren.size() > 1)
            {
                for (size_t k = 0; k < zuNummerieren.size(); ++k)
                    zuNummerieren[k].tn->setAnzeige(
                        wxString::Format("%s%d", zuNummerieren[k].anzeige, static_cast<int>(k + 1)));
            }
            else if (zuNummerieren.size() == 1)
                zuNummerieren[0].tn->setAnzeige(zuNummerieren[0].anzeige);
            if (!dq2.empty())
                offeneGruppen.push_back(std::move(dq2));
        }
    }
}
