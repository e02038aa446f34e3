#include "modell/clPortalDaten.h"

#include "datei/clMaskierung.h"
#include "datei/clTurnierDatei.h"

#include <wx/arrstr.h>
#include <wx/intl.h>

wxString clPortalDaten::getWettbewerb(int klasse) const
{
    const auto it = m_Wettbewerbe.find(klasse);
    return it == m_Wettbewerbe.end() ? wxString() : it->second;
}

int clPortalDaten::findeKlasse(const wxString& wettbewerb) const
{
    for (const auto& [klasse, w] : m_Wettbewerbe)
        if (w == wettbewerb)
            return klasse;
    return 0;
}

void clPortalDaten::setWettbewerb(int klasse, const wxString& wettbewerb)
{
    m_Wettbewerbe[klasse] = wettbewerb;
}

wxString clPortalDaten::getSpieler(int klasse, int kennung) const
{
    const auto it = m_Spieler.find({klasse, kennung});
    return it == m_Spieler.end() ? wxString() : it->second;
}

void clPortalDaten::setSpieler(int klasse, int kennung, const wxString& id)
{
    if (id.empty())
        m_Spieler.erase({klasse, kennung});
    else
        m_Spieler[{klasse, kennung}] = id;
}

void clPortalDaten::entferneKlasse(int klasse)
{
    m_Wettbewerbe.erase(klasse);
    m_Spieler.erase(m_Spieler.lower_bound({klasse, 0}), m_Spieler.lower_bound({klasse + 1, 0}));
}

void clPortalDaten::schreibe(clTurnierDatei& dat, const std::function<int(int, int)>& nummer) const
{
    if (istLeer())
        return;
    const wxString komma = L",";
    wxArrayString sek;
    for (const auto& [klasse, w] : m_Wettbewerbe)
        if (nummer(klasse, 0) != 0)
            sek.Add(wxString::Format(L"W, %d, ", klasse) + clMaskierung::maskiere(w, komma));
    std::map<std::pair<int, int>, wxString> nachNummer;
    for (const auto& [wo, id] : m_Spieler)
        if (const int nr = m_Wettbewerbe.count(wo.first) != 0 && nummer(wo.first, 0) != 0
                               ? nummer(wo.first, wo.second)
                               : 0)
            nachNummer[{wo.first, nr}] = id;
    for (const auto& [wo, id] : nachNummer)
        sek.Add(wxString::Format(L"S, %d, %d, ", wo.first, wo.second) + clMaskierung::maskiere(id, komma));
    dat.writeSektion("Turnierportal", sek);
    dat.writeSektionHeader("Turnierportal Dokument");
    const wxString text = wxString::FromUTF8(m_Dokument.data(), m_Dokument.size());
    size_t von = 0;
    // Every line of the document, also an empty one, is kept with a mark in front:
    // the file passes over empty lines and those that begin as its own comments do.
    while (von <= text.length())
    {
        const size_t bis = std::min(text.find('\n', von), text.length());
        dat.writeZeile(L"|" + clMaskierung::maskiere(text.substr(von, bis - von)));
        von = bis + 1;
    }
}

bool clPortalDaten::lies(const clTurnierDatei& dat, const std::function<bool(int, int)>& gibtEs,
                         wxString& grund)
{
    clPortalDaten gelesen;
    wxArrayString sek;
    dat.getSektion("Turnierportal Dokument", sek, SIZE_MAX);
    wxString text;
    for (size_t z = 0; z < sek.size(); ++z)
    {
        if (!sek[z].StartsWith(L"|"))
        {
            grund = wxString::Format(_("Turnierportal Dokument, Zeile %d: eine Zeile ohne Marke"),
                                     static_cast<int>(z) + 1);
            return false;
        }
        if (z > 0)
            text += '\n';
        text += clMaskierung::demaskiere(sek[z].Mid(1));
    }
    const wxScopedCharBuffer utf8 = text.utf8_str();
    gelesen.m_Dokument.assign(utf8.data(), utf8.length());

    sek.clear();
    dat.getSektion("Turnierportal", sek, SIZE_MAX);
    for (size_t z = 0; z < sek.size(); ++z)
    {
        size_t pos = 0;
        // One blank follows the comma; a competition's key itself may begin with its tab.
        const auto rest = [&sek, z, &pos]
        {
            wxString r = sek[z].Mid(pos);
            if (r.StartsWith(" "))
                r.Remove(0, 1);
            return clMaskierung::demaskiere(r);
        };
        const wxString art = clMaskierung::trenne(sek[z], ',', pos).Strip(wxString::both);
        long klasse = 0, kennung = 0;
        bool gut = clMaskierung::trenne(sek[z], ',', pos).Strip(wxString::both).ToLong(&klasse) &&
                   klasse > 0 && klasse <= 1000000;
        if (gut && art == "W")
        {
            const wxString w = rest();
            gut = !w.empty() && gibtEs(static_cast<int>(klasse), 0) && gelesen.findeKlasse(w) == 0 &&
                  gelesen.m_Wettbewerbe.emplace(static_cast<int>(klasse), w).second;
        }
        else if (gut && art == "S")
        {
            gut = clMaskierung::trenne(sek[z], ',', pos).Strip(wxString::both).ToLong(&kennung) &&
                  kennung > 0 && kennung <= 1000000 &&
                  gelesen.m_Wettbewerbe.count(static_cast<int>(klasse)) != 0 &&
                  gibtEs(static_cast<int>(klasse), static_cast<int>(kennung));
            const wxString id = rest();
            gut = gut && !id.empty() &&
                  gelesen.m_Spieler
                      .emplace(std::make_pair(static_cast<int>(klasse), static_cast<int>(kennung)), id)
                      .second;
        }
        else
            gut = false;
        if (!gut)
        {
            grund = wxString::Format(
                wxGetTranslation(
                    L"Turnierportal, Zeile %d: die Konkurrenz oder Meldung gibt es nicht, oder sie "
                    L"steht zweimal"),
                static_cast<int>(z) + 1);
            return false;
        }
    }
    if (gelesen.istLeer() && !gelesen.m_Wettbewerbe.empty())
    {
        grund = _("Turnierportal: die Zuordnungen stehen ohne das Dokument des Turnierportals");
        return false;
    }
    *this = std::move(gelesen);
    return true;
}
