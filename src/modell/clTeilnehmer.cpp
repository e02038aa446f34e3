#include "modell/clTeilnehmer.h"

#include "datei/clMaskierung.h"

#include <algorithm>

clTeilnehmer::clTeilnehmer() : m_TTR(KeineTTR), m_StartNr(0), m_Kennung(0) {}

clTeilnehmer::~clTeilnehmer() = default;

void clTeilnehmer::addEditData(vecEditListe& el) const
{
    spEditData ed;
    ed.m_EditStatus = esClear;
    ed.m_OldPos = static_cast<int>(el.size());
    ed.m_Name = m_Name;
    ed.m_VName = m_VName;
    ed.m_Anzeige = m_Anzeige;
    ed.m_Verein = m_Verein;
    ed.m_TTR = m_TTR;
    el.push_back(ed);
}

void clTeilnehmer::updateEditData(const spEditData& ed)
{
    setName(ed.m_Name);
    setVName(ed.m_VName);
    setAnzeige(ed.m_Anzeige);
    setVerein(ed.m_Verein);
    setTTR(ed.m_TTR);
    checkAndcorrectAnzeige();
}

wxString clTeilnehmer::getVollerName(bool mitVerein) const
{
    wxString name = m_VName;
    name.Trim(true).Trim(false);
    wxString nachname = m_Name;
    nachname.Trim(true).Trim(false);
    if (!name.empty() && !nachname.empty())
        name += ' ';
    name += nachname;
    if (name.empty())
        name = m_Anzeige;
    if (mitVerein && !m_Verein.empty())
        name += " (" + m_Verein + ")";
    return name;
}

void clTeilnehmer::checkAndcorrectAnzeige()
{
    if (m_Anzeige.empty())
        m_Anzeige = leiteAnzeigeAb(m_VName, m_Name, m_StartNr);
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

wxString clTeilnehmer::ohneSteuerzeichen(const wxString& text)
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

int clTeilnehmer::liesTTR(const wxString& text)
{
    const wxString zahl = wxString(text).Strip(wxString::both);
    long wert = 0;
    return nurZiffern(zahl) && zahl.length() <= 5 && zahl.ToLong(&wert) ? static_cast<int>(wert) : KeineTTR;
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
    default:
        return wxString();
    }
}

void spEditData::setSpalte(int spalte, const wxString& wert)
{
    wxString* const texte[] = {&m_VName, &m_Name, &m_Anzeige, &m_Verein};
    if (spalte == spalteTTR)
        m_TTR = clTeilnehmer::liesTTR(wert);
    else if (spalte >= 0 && spalte < spalteTTR)
        *texte[spalte] = clTeilnehmer::ohneSteuerzeichen(wert);
}

wxString clTeilnehmer::leiteAnzeigeAb(const wxString& vname, const wxString& name, int startnr)
{
    if (!vname.empty())
        return vname;
    if (!name.empty())
        return name;
    return Platzhalter + wxString::Format("%2.2d", startnr);
}

bool clTeilnehmer::istAbgeleitet(const wxString& anzeige, const wxString& vname, const wxString& name)
{
    wxString rest;
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
    // and rating follow only when set, so a line without them reads as ever.
    wxString zeile = clMaskierung::maskiere(m_Name, ",") + ", " + clMaskierung::maskiere(m_VName, ",") +
                     ", " + clMaskierung::maskiere(m_Anzeige, ",");
    if (!m_Verein.empty() || m_TTR != KeineTTR)
        zeile += ", " + clMaskierung::maskiere(m_Verein, ",");
    if (m_TTR != KeineTTR)
        zeile += wxString::Format(", %d", m_TTR);
    return clMaskierung::maskiereZeile(zeile);
}

namespace
{
// The field of a participant line at pos; pos moves past the blank after its comma.
wxString naechstesFeld(const wxString& zeile, size_t& pos)
{
    const wxString feld = clMaskierung::demaskiere(clMaskierung::trenne(zeile, ',', pos));
    if (pos < zeile.length() && zeile[pos] == ' ')
        ++pos;
    return feld;
}
} // namespace

void clTeilnehmer::setFromSaveString(const wxString& str)
{
    size_t pos = 0;
    setName(naechstesFeld(str, pos));
    setVName(naechstesFeld(str, pos));
    setAnzeige(naechstesFeld(str, pos));
    setVerein(naechstesFeld(str, pos));
    setTTR(liesTTR(naechstesFeld(str, pos)));
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
        st.erweiterung = tn->getName();
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
