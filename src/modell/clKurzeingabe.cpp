#include "modell/clKurzeingabe.h"

#include <algorithm>
#include <wx/intl.h>
#include <wx/tokenzr.h>

namespace
{
// Digits only: no sign, no blanks, nothing after them.
bool liesZiffern(const wxString& ziffern, int& punkte)
{
    unsigned long wert = 0;
    if (ziffern.empty() || ziffern.find_first_not_of("0123456789") != wxString::npos ||
        !ziffern.ToULong(&wert) || wert > static_cast<unsigned long>(clKurzeingabe::MaxPunkte))
        return false;
    punkte = static_cast<int>(wert);
    return true;
}

// The set a token stands for; false when it is no signed number of points.
bool liesSatz(const wxString& token, satz& s)
{
    wxString ziffern = token;
    bool seite2 = false;
    if (!ziffern.empty() && (ziffern[0] == '-' || ziffern[0] == '+' || ziffern[0] == wxUniChar(0x2212)))
    {
        seite2 = ziffern[0] != '+';
        ziffern.Remove(0, 1);
    }
    int v = 0;
    if (!liesZiffern(ziffern, v))
        return false;
    const int sieger = v >= 10 ? v + 2 : 11;
    s.P1 = seite2 ? v : sieger;
    s.P2 = seite2 ? sieger : v;
    return true;
}
} // namespace

bool clKurzeingabe::lies(const wxString& text, int gewinnsaetze, std::vector<satz>& saetze, wxString& fehler)
{
    saetze.clear();
    fehler.clear();
    int gewonnen[2] = {0, 0};
    wxStringTokenizer tokens(text, " \t,;", wxTOKEN_STRTOK);
    while (tokens.HasMoreTokens())
    {
        const wxString token = tokens.GetNextToken();
        satz s;
        if (!liesSatz(token, s))
            fehler =
                wxString::Format(wxGetTranslation(L"„%s“ ist keine Satzangabe: erwartet werden die Punkte "
                                                  L"des Satzverlierers, mit Minus, wenn Spieler 2 den "
                                                  L"Satz gewinnt."),
                                 token);
        else if (std::max(s.P1, s.P2) > MaxPunkte)
            // As in a typed cell: the winner's points that would follow are taken for a typing error.
            fehler = wxString::Format(wxGetTranslation(L"„%s“ ergäbe einen Satz %d:%d; mehr als %d Punkte "
                                                       L"in einem Satz gelten als Tippfehler."),
                                      token, s.P1, s.P2, MaxPunkte);
        else if (gewonnen[0] == gewinnsaetze || gewonnen[1] == gewinnsaetze)
            fehler = wxString::Format(wxGetTranslation(L"Das Spiel ist nach dem %d. Satz entschieden; danach "
                                                       L"folgt kein Satz mehr."),
                                      static_cast<int>(saetze.size()));
        if (!fehler.empty())
        {
            saetze.clear();
            return false;
        }
        ++gewonnen[s.P1 > s.P2 ? 0 : 1];
        saetze.push_back(s);
    }
    if (saetze.empty())
        fehler = wxGetTranslation(L"Bitte die Sätze eingeben, z. B. „5 -7 9“.");
    else if (gewonnen[0] < gewinnsaetze && gewonnen[1] < gewinnsaetze)
        fehler = wxString::Format(wxGetTranslation(L"Das Spiel ist noch nicht entschieden: %d:%d Sätze, "
                                                   L"gewonnen wird mit %d Sätzen."),
                                  gewonnen[0], gewonnen[1], gewinnsaetze);
    if (!fehler.empty())
    {
        saetze.clear();
        return false;
    }
    return true;
}

bool clKurzeingabe::liesPunkte(const wxString& text, int& punkte, wxString& fehler)
{
    if (liesZiffern(text.Strip(wxString::both), punkte))
        return true;
    fehler = wxString::Format(
        wxGetTranslation(L"„%s“ ist keine Punktzahl: erlaubt sind ganze Zahlen von 0 bis %d."), text,
        MaxPunkte);
    return false;
}

wxString clKurzeingabe::beschreibe(const std::vector<satz>& saetze)
{
    wxString text;
    for (const satz& s : saetze)
        text += wxString::Format(text.empty() ? "%d:%d" : ", %d:%d", s.P1, s.P2);
    return text;
}
