#include "datei/clPortalDokument.h"

#include "datei/clTurnierDatei.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <wx/datetime.h>
#include <wx/intl.h>
#include <wx/strconv.h>

namespace
{

// A yes of the portal's flags: "1", "true" or "yes".
bool ja(const pugi::xml_attribute& a)
{
    const wxString w = clPortalDokument::wert(a).Lower();
    return w == "1" || w == "true" || w == "yes";
}

// The line of a place in the document, counted from 1.
class clZeilen
{
public:
    explicit clZeilen(const std::string& bytes)
    {
        for (size_t pos = bytes.find('\n'); pos != std::string::npos; pos = bytes.find('\n', pos + 1))
            m_Umbrueche.push_back(static_cast<ptrdiff_t>(pos));
    }
    int zeile(ptrdiff_t offset) const
    {
        return static_cast<int>(std::lower_bound(m_Umbrueche.begin(), m_Umbrueche.end(), offset) -
                                m_Umbrueche.begin()) +
               1;
    }

private:
    std::vector<ptrdiff_t> m_Umbrueche;
};

struct sAbbruch
{
    int zeile;
    wxString was;
};
} // namespace

wxString sPortalSpieler::getName() const
{
    wxString n;
    for (const clPerson& p : personen)
        n += (n.empty() ? "" : " / ") + p.getVollerName();
    return n;
}

wxString sPortalSpieler::getIdentitaet(bool nurNamen) const
{
    std::vector<wxString> teile;
    for (const clPerson& p : personen)
        teile.push_back(p.getIdentitaet(nurNamen));
    return verbinde(teile);
}

wxString sPortalSpieler::verbinde(std::vector<wxString> identitaeten)
{
    std::sort(identitaeten.begin(), identitaeten.end());
    wxString id;
    for (const wxString& t : identitaeten)
        id += t + '\n';
    return id;
}

wxString sPortalWettbewerb::getName() const
{
    return altersklasse.empty() ? art : altersklasse + ' ' + art;
}

int sPortalWettbewerb::getKonkurrenzArt() const
{
    if (art == "Doppel")
        return artDoppel;
    return art == "Mixed" ? artMixed : artEinzel;
}

const sPortalWettbewerb* clPortalDokument::findeWettbewerb(const wxString& schluessel) const
{
    for (const sPortalWettbewerb& w : m_Wettbewerbe)
        if (w.getSchluessel() == schluessel)
            return &w;
    return nullptr;
}

bool clPortalDokument::liesDatei(const wxString& pfad, wxString* fehler)
{
    std::string bytes;
    return clTurnierDatei::liesBytes(pfad, MaxGroesse,
                                     wxString::Format(wxGetTranslation(L"„%s“ ist größer als 16 MB: das ist "
                                                                       L"keine Datei des Turnierportals."),
                                                      pfad),
                                     bytes, fehler) &&
           lies(bytes, pfad, fehler);
}

bool clPortalDokument::lies(const std::string& bytes, const wxString& name, wxString* fehler)
{
    const auto melde = [&](int zeile, const wxString& was)
    {
        const wxString wo = zeile > 0 ? wxString::Format(_("Zeile %d: "), zeile) : wxString();
        *fehler = name.empty() ? wo + was : wxString::Format(wxGetTranslation(L"„%s“, %s%s"), name, wo, was);
        return false;
    };
    if (bytes.size() > MaxGroesse)
        return melde(0, wxGetTranslation(L"größer als 16 MB: das ist keine Datei des Turnierportals."));
    // The portal writes UTF-8; a file saved again by another program may be Windows-1252.
    const bool utf8 = wxConvUTF8.ToWChar(nullptr, 0, bytes.data(), bytes.size()) != wxCONV_FAILED;
    pugi::xml_document doc;
    const pugi::xml_parse_result ergebnis = doc.load_buffer(
        bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_doctype | pugi::parse_declaration,
        utf8 ? pugi::encoding_auto : pugi::encoding_latin1);
    const clZeilen zeilen(bytes);
    if (!ergebnis)
        return melde(
            zeilen.zeile(ergebnis.offset),
            wxString::Format(_("kein lesbares XML (%s)."), wxString::FromUTF8(ergebnis.description())));
    for (const pugi::xml_node& n : doc.children())
        if (n.type() == pugi::node_doctype && std::string(n.value()).find("ENTITY") != std::string::npos)
            return melde(
                zeilen.zeile(n.offset_debug()),
                wxGetTranslation(L"die Datei erklärt eigene Entitäten; eine Datei des Turnierportals tut "
                                 L"das nicht."));
    const pugi::xml_node turnier = doc.document_element();
    if (std::string(turnier.name()) != "tournament")
        return melde(zeilen.zeile(turnier.offset_debug()),
                     wxString::Format(wxGetTranslation(L"keine Turnierdatei des Turnierportals (das erste "
                                                       L"Element heißt „%s“, nicht „tournament“)."),
                                      wxString::FromUTF8(turnier.name())));

    std::vector<sPortalWettbewerb> wettbewerbe;
    wxArrayString hinweise;
    std::map<wxString, int> ids;
    try
    {
        for (const pugi::xml_node& k : turnier.children("competition"))
        {
            sPortalWettbewerb w;
            w.altersklasse = wert(k.attribute("age-group"));
            w.art = wert(k.attribute("type"));
            w.zeile = zeilen.zeile(k.offset_debug());
            if (w.art != "Einzel" && w.art != "Doppel" && w.art != "Mixed")
            {
                hinweise.Add(wxString::Format(
                    wxGetTranslation(
                        L"Zeile %d: „%s“ wird nicht importiert: Quobel spielt keine Konkurrenz der "
                        L"Art „%s“."),
                    w.zeile, w.getName(), w.art));
                continue;
            }
            if (std::any_of(wettbewerbe.begin(), wettbewerbe.end(),
                            [&w](const sPortalWettbewerb& a)
                            { return a.getSchluessel() == w.getSchluessel(); }))
                throw sAbbruch{
                    w.zeile,
                    wxString::Format(wxGetTranslation(L"den Wettbewerb „%s“ gibt es zweimal."), w.getName())};
            const size_t personen = w.art == "Einzel" ? 1 : 2;
            std::map<wxString, int> gemeldet;
            for (const pugi::xml_node& s : k.child("players").children("player"))
            {
                sPortalSpieler sp;
                sp.zeile = zeilen.zeile(s.offset_debug());
                sp.id = wert(s.attribute("id"));
                sp.warteliste = ja(s.attribute("waiting-list-player"));
                if (sp.id.empty())
                    throw sAbbruch{sp.zeile,
                                   wxString::Format(wxGetTranslation(L"ein Spieler in „%s“ hat keine id."),
                                                    w.getName())};
                if (!ids.emplace(sp.id, sp.zeile).second)
                    throw sAbbruch{sp.zeile,
                                   wxString::Format(wxGetTranslation(L"die id „%s“ steht schon in Zeile %d."),
                                                    sp.id, ids[sp.id])};
                for (const pugi::xml_node& p : s.children("person"))
                {
                    clPerson pp;
                    pp.Vorname = wert(p.attribute("firstname"));
                    pp.Name = wert(p.attribute("lastname"));
                    pp.Verein = wert(p.attribute("club-name"));
                    pp.Lizenz = wert(p.attribute("licence-nr"));
                    pp.InterneNr = wert(p.attribute("internal-nr"));
                    const int zeile = zeilen.zeile(p.offset_debug());
                    if (pp.Vorname.empty() && pp.Name.empty())
                        throw sAbbruch{zeile,
                                       wxString::Format(_("eine Person ohne Namen (Spieler %s)."), sp.id)};
                    const wxString ttr = wert(p.attribute("ttr"));
                    pp.TTR = clTeilnehmer::liesTTR(ttr);
                    if (!ttr.empty() && pp.TTR == KeineTTR)
                        hinweise.Add(wxString::Format(
                            wxGetTranslation(
                                L"Zeile %d: die TTR „%s“ von %s ist keine ganze Zahl; %s steht ohne TTR."),
                            zeile, ttr, pp.getVollerName(), pp.getVollerName()));
                    long zahl = 0;
                    if (wert(p.attribute("birthyear")).ToLong(&zahl) && zahl >= 1900 && zahl <= 2100)
                        pp.Jahrgang = static_cast<int>(zahl);
                    const wxString sex = wert(p.attribute("sex"));
                    pp.Geschlecht = sex == "0" ? 0 : sex == "1" ? 1 : -1;
                    sp.personen.push_back(pp);
                }
                if (sp.personen.size() != personen)
                    throw sAbbruch{
                        sp.zeile,
                        wxString::Format(wxGetTranslation(L"Spieler %s hat %d Personen; zu „%s“ gehören %d."),
                                         sp.id, static_cast<int>(sp.personen.size()), w.getName(),
                                         static_cast<int>(personen))};
                for (const clPerson& pp : sp.personen)
                    if (!gemeldet.emplace(pp.getIdentitaet(), sp.zeile).second)
                        throw sAbbruch{sp.zeile,
                                       wxString::Format(wxGetTranslation(L"%s ist in „%s“ schon in Zeile "
                                                                         L"%d gemeldet."),
                                                        pp.getVollerName(), w.getName(),
                                                        gemeldet[pp.getIdentitaet()])};
                w.spieler.push_back(std::move(sp));
            }
            if (w.spieler.empty())
                throw sAbbruch{w.zeile,
                               wxString::Format(wxGetTranslation(L"der Wettbewerb „%s“ hat keine Spieler."),
                                                w.getName())};
            wettbewerbe.push_back(std::move(w));
        }
    }
    catch (const sAbbruch& a)
    {
        return melde(a.zeile, a.was);
    }
    if (wettbewerbe.empty())
        return melde(0, _("in der Datei steht kein Wettbewerb, den Quobel spielen kann."));

    // Kept as UTF-8, whatever the file read was.
    if (doc.first_child().type() == pugi::node_declaration)
        doc.remove_child(doc.first_child());
    pugi::xml_node erklaerung = doc.prepend_child(pugi::node_declaration);
    erklaerung.append_attribute("version") = "1.0";
    erklaerung.append_attribute("encoding") = "UTF-8";
    m_Turnier = wert(turnier.attribute("name"));
    wxDateTime datum;
    wxString::const_iterator ende;
    m_Datum = datum.ParseFormat(wert(turnier.attribute("start-date")), "%Y-%m-%d", &ende)
                  ? datum.Format("%d.%m.%Y")
                  : wxString();
    m_Wettbewerbe = std::move(wettbewerbe);
    m_Hinweise = std::move(hinweise);
    m_Text = alsText(doc);
    return true;
}

wxString clPortalDokument::wert(const pugi::xml_attribute& attribut)
{
    return clTeilnehmer::ohneSteuerzeichen(wxString::FromUTF8(attribut.value())).Strip(wxString::both);
}

wxString clPortalDokument::schluesselVon(const pugi::xml_node& wettbewerb)
{
    sPortalWettbewerb w;
    w.altersklasse = wert(wettbewerb.attribute("age-group"));
    w.art = wert(wettbewerb.attribute("type"));
    return w.getSchluessel();
}

std::string clPortalDokument::alsText(const pugi::xml_document& doc)
{
    struct sSchreiber : pugi::xml_writer
    {
        std::string text;
        void write(const void* daten, size_t groesse) override
        {
            text.append(static_cast<const char*>(daten), groesse);
        }
    } schreiber;
    doc.save(schreiber, "\t", pugi::format_default, pugi::encoding_utf8);
    return schreiber.text;
}
