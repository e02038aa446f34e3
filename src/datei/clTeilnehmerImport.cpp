#include "datei/clTeilnehmerImport.h"

#include <vector>
#include <wx/intl.h>
#include <wx/strconv.h>
#include <wx/tokenzr.h>

#include "datei/clTurnierDatei.h"

namespace
{
// A list of several hundred participants, even with many further columns, stays
// far below this; a larger file is something else.
const size_t MaxGroesse = 1024 * 1024;

// The column of the participants page that each column of a line fills.
typedef std::vector<int> vecSpalten;
const int Weglassen = -1;
const vecSpalten VornameZuerst = {spalteVorname, spalteName, spalteAnzeige, spalteVerein, spalteTTR};
const vecSpalten NameZuerst = {spalteName, spalteVorname, spalteAnzeige, spalteVerein, spalteTTR};
// The partner's column of a column of the first person; Weglassen for the display name.
int partnerSpalte(int spalte)
{
    switch (spalte)
    {
    case spalteVorname:
        return spaltePartnerVorname;
    case spalteName:
        return spaltePartnerName;
    case spalteVerein:
        return spaltePartnerVerein;
    case spalteTTR:
        return spaltePartnerTTR;
    default:
        return Weglassen;
    }
}

// In a list of pairs the partner's columns follow, in the order of the first person's.
vecSpalten mitPartner(vecSpalten spalten, bool paare)
{
    if (paare)
        for (int s : {spalten[0], spalten[1], static_cast<int>(spalteVerein), static_cast<int>(spalteTTR)})
            spalten.push_back(partnerSpalte(s));
    return spalten;
}

const char* const Leerraum = " \t\r\n";

// Blanks around and between words count as one; a line break inside a quoted
// field is one of them.
wxString bereinige(const wxString& text)
{
    return wxJoin(wxStringTokenize(text, Leerraum, wxTOKEN_STRTOK), ' ', '\0');
}

bool istTrenner(wxUniChar z)
{
    return z == '\t' || z == ';' || z == ',';
}

// A line as spreadsheets write it: its characters without the quote marks, and
// for each whether it stood inside quotes, where neither a separator nor a line
// break ends anything.
struct sZeile
{
    wxString text;
    std::vector<bool> zitiert;

    void add(wxUniChar z, bool zitat)
    {
        text += z;
        zitiert.push_back(zitat);
    }
};

// A field that starts with a quote runs to the closing quote, over line breaks
// too, and a doubled quote inside it is one quote.
std::vector<sZeile> zeilenVon(const wxString& text)
{
    std::vector<sZeile> zeilen(1);
    bool zitat = false;
    bool feldAnfang = true;
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it)
    {
        sZeile& zeile = zeilen.back();
        const wxUniChar z = *it;
        if (zitat && z == '"')
        {
            const wxString::const_iterator naechstes = it + 1;
            zitat = naechstes != text.end() && *naechstes == '"';
            if (zitat)
                zeile.add(*++it, true);
        }
        else if (zitat)
            zeile.add(z, true);
        else if (z == '"' && feldAnfang)
            zitat = true;
        else if (z == '\n' || z == '\r')
        {
            if (!zeile.text.empty())
                zeilen.emplace_back();
            feldAnfang = true;
        }
        else
        {
            zeile.add(z, false);
            feldAnfang = istTrenner(z) || (feldAnfang && z == ' ');
        }
    }
    return zeilen;
}

// The separator of a line: the first of Tab, ';' and ',' that it holds outside
// quotes, else none.
wxUniChar trennerVon(const sZeile& zeile)
{
    for (wxUniChar t : {wxUniChar('\t'), wxUniChar(';'), wxUniChar(',')})
        for (size_t i = 0; i < zeile.text.length(); ++i)
            if (zeile.text[i] == t && !zeile.zitiert[i])
                return t;
    return 0;
}

wxArrayString felder(const sZeile& zeile, wxUniChar trenner)
{
    wxArrayString ergebnis;
    wxString feld;
    for (size_t i = 0; i < zeile.text.length(); ++i)
    {
        if (zeile.text[i] == trenner && !zeile.zitiert[i])
        {
            ergebnis.Add(bereinige(feld));
            feld.clear();
        }
        else
            feld += zeile.text[i];
    }
    ergebnis.Add(bereinige(feld));
    return ergebnis;
}

spEditData ausFeldern(const wxArrayString& werte, const vecSpalten& spalten)
{
    spEditData ed;
    for (size_t i = 0; i < werte.size() && i < spalten.size(); ++i)
        ed.setSpalte(spalten[i], werte[i]);
    return ed;
}

bool kleinGeschrieben(const wxString& wort)
{
    return wxIslower(wort[0]);
}

// "Vorname Name": the surname is the last word and the lower-case words before it
// ("von der Heide"), the first word always belongs to the first name. Of a pair
// "Anna Meier / Berta Schulz".
spEditData ausWoertern(const wxString& zeile, bool paare)
{
    if (paare && zeile.Find('/') != wxNOT_FOUND)
    {
        spEditData ed = ausWoertern(zeile.BeforeFirst('/'), false);
        const spEditData partner = ausWoertern(zeile.AfterFirst('/'), false);
        ed.m_Partner.m_VName = partner.m_VName;
        ed.m_Partner.m_Name = partner.m_Name;
        return ed;
    }
    const wxArrayString woerter = wxStringTokenize(zeile, Leerraum, wxTOKEN_STRTOK);
    size_t name = woerter.size() > 1 ? woerter.size() - 1 : woerter.size();
    while (name > 1 && !kleinGeschrieben(woerter.back()) && kleinGeschrieben(woerter[name - 1]))
        --name;
    spEditData ed;
    for (size_t i = 0; i < woerter.size(); ++i)
    {
        wxString& teil = i < name ? ed.m_VName : ed.m_Name;
        teil << (teil.empty() ? "" : " ") << woerter[i];
    }
    return ed;
}

// The columns that a header line names, or nothing when it names none.
vecSpalten spaltenDesKopfes(const wxArrayString& kopf)
{
    vecSpalten spalten;
    bool erkannt = false;
    for (const wxString& feld : kopf)
    {
        wxString name = feld.Lower();
        // "Partner Vorname", "Partner Name", … name the partner's columns.
        const bool partner = name.StartsWith("partner ", &name);
        int spalte = Weglassen;
        if (name == "vorname")
            spalte = spalteVorname;
        else if (name == "name" || name == "nachname")
            spalte = spalteName;
        else if (name == "anzeige")
            spalte = spalteAnzeige;
        else if (name == "verein")
            spalte = spalteVerein;
        else if (name == "ttr" || name == "q-ttr" || name == "rating")
            spalte = spalteTTR;
        if (partner)
            spalte = partnerSpalte(spalte);
        erkannt = erkannt || spalte != Weglassen;
        spalten.push_back(spalte);
    }
    return erkannt ? spalten : vecSpalten();
}

// Spreadsheets save "Unicode text" as UTF-16 with a byte order mark; everything
// else is UTF-8 or Windows-1252. Broken UTF-16 gives no text.
wxString dekodiere(const std::string& bytes)
{
    const bool le = bytes.compare(0, 2, "\xFF\xFE") == 0;
    if (!le && bytes.compare(0, 2, "\xFE\xFF") != 0)
        return clTurnierDatei::dekodiere(bytes);
    const std::string ohneBom = bytes.substr(2);
    if (le)
        return wxString(ohneBom.data(), wxMBConvUTF16LE(), ohneBom.size());
    return wxString(ohneBom.data(), wxMBConvUTF16BE(), ohneBom.size());
}
} // namespace

vecEditListe clTeilnehmerImport::zerlege(const wxString& text, bool paare)
{
    vecEditListe zeilen;
    vecSpalten kopf;
    wxUniChar kopfTrenner = 0;
    for (const sZeile& zeile : zeilenVon(text))
    {
        const wxUniChar trenner = trennerVon(zeile);
        const vecSpalten spalten = spaltenDesKopfes(felder(zeile, trenner));
        if (!spalten.empty())
        {
            kopf = spalten;
            kopfTrenner = trenner;
            continue;
        }
        spEditData ed;
        if (!kopf.empty())
            ed = ausFeldern(felder(zeile, kopfTrenner), kopf);
        else if (trenner == 0)
            ed = ausWoertern(zeile.text, paare);
        else
            ed = ausFeldern(felder(zeile, trenner),
                            mitPartner(trenner == ',' ? NameZuerst : VornameZuerst, paare));
        if (!ed.m_VName.empty() || !ed.m_Name.empty() || !ed.m_Anzeige.empty())
            zeilen.push_back(ed);
    }
    return zeilen;
}

bool clTeilnehmerImport::liesDatei(const wxString& pfad, vecEditListe& zeilen, wxString* fehler, bool paare)
{
    std::string bytes;
    if (!clTurnierDatei::liesBytes(
            pfad, MaxGroesse,
            wxString::Format(wxGetTranslation(L"„%s“ ist zu groß für eine Teilnehmerliste."), pfad), bytes,
            fehler))
        return false;
    vecEditListe gelesen = zerlege(dekodiere(bytes), paare);
    if (gelesen.empty())
    {
        *fehler = wxString::Format(wxGetTranslation(L"In „%s“ steht kein Teilnehmer."), pfad);
        return false;
    }
    zeilen.swap(gelesen);
    return true;
}
