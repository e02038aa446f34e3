#include "clTurnierDatei.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
const char* const Kopfmarke = "#!!";
// No tournament comes near this; a larger file is something else.
const wxFileOffset MaxGroesse = 64 * 1024 * 1024;

// Windows-1252 for the bytes 0x80 to 0x9F; the undefined ones stay as they are.
const wchar_t Cp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

wxString ausCp1252(const std::string& bytes)
{
    wxString text;
    text.reserve(bytes.size());
    for (unsigned char b : bytes)
        text += (b >= 0x80 && b < 0xA0) ? Cp1252[b - 0x80] : static_cast<wchar_t>(b);
    return text;
}

wxString dekodiere(const std::string& bytes)
{
    size_t anfang = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        anfang = 3;
    const wxString text = wxString::FromUTF8(bytes.data() + anfang, bytes.size() - anfang);
    if (!text.empty() || bytes.size() == anfang)
        return text;
    return ausCp1252(bytes);
}

wxString systemFehler()
{
    return wxSysErrorMsgStr(wxSysErrorCode());
}

void setzeFehler(wxString* fehler, const wxString& text)
{
    if (fehler != nullptr)
        *fehler = text;
}
} // namespace

clTurnierDatei::clTurnierDatei(const wxString& name) : m_Name(name) {}

wxString clTurnierDatei::dekodiere(const std::string& bytes)
{
    return ::dekodiere(bytes);
}

clTurnierDatei::~clTurnierDatei() = default;

void clTurnierDatei::writeSektion(const wxString& seknam, const wxArrayString& sek)
{
    writeSektionHeader(seknam);
    for (const wxString& zeile : sek)
        writeZeile(zeile);
}

void clTurnierDatei::writeSektionHeader(const wxString& seknam)
{
    writeZeile(wxString('#', 64));
    writeZeile(wxString::Format("%s %s", Kopfmarke, seknam));
}

void clTurnierDatei::writeZeile(const wxString& z)
{
    const wxScopedCharBuffer utf8 = z.utf8_str();
    m_Ausgabe.append(utf8.data(), utf8.length());
    m_Ausgabe += '\n';
}

bool clTurnierDatei::speichern(wxString* fehler)
{
    // The toolkit would report each failure in a window of its own; the caller
    // gets one message that names the file instead.
    wxLogNull keineMeldungen;
    if (wxFileName(m_Name).GetFullName().empty())
    {
        setzeFehler(fehler, wxString::Format(wxGetTranslation(L"„%s“ ist kein gültiger Dateiname."), m_Name));
        return false;
    }
    wxTempFile temp;
    if (!temp.Open(m_Name))
    {
        setzeFehler(fehler, wxString::Format(wxGetTranslation(L"„%s“ konnte nicht geschrieben werden: %s"),
                                             m_Name, systemFehler()));
        return false;
    }
    if (!temp.Write(m_Ausgabe.data(), m_Ausgabe.size()) || !temp.Commit())
    {
        const wxString grund = systemFehler();
        temp.Discard();
        setzeFehler(fehler, wxString::Format(wxGetTranslation(L"„%s“ konnte nicht geschrieben werden: %s"),
                                             m_Name, grund));
        return false;
    }
    return true;
}

bool clTurnierDatei::lesen(wxString* fehler)
{
    wxLogNull keineMeldungen;
    m_Zeilen.clear();
    wxFFile datei;
    if (m_Name.empty() || !wxFileName::FileExists(m_Name) || !datei.Open(m_Name, "rb"))
    {
        wxString grund = systemFehler();
        if (wxFileName::DirExists(m_Name))
            grund = wxGetTranslation(L"Das ist ein Ordner.");
        else if (!wxFileName::FileExists(m_Name))
            grund = wxGetTranslation(L"Die Datei gibt es nicht.");
        setzeFehler(fehler, wxString::Format(wxGetTranslation(L"„%s“ konnte nicht gelesen werden: %s"),
                                             m_Name, grund));
        return false;
    }
    const wxFileOffset groesse = datei.Length();
    if (groesse > MaxGroesse)
    {
        setzeFehler(fehler,
                    wxString::Format(wxGetTranslation(L"„%s“ ist zu groß für eine Turnierdatei."), m_Name));
        return false;
    }
    std::string bytes(groesse > 0 ? static_cast<size_t>(groesse) : 0, '\0');
    if (groesse > 0 && datei.Read(&bytes[0], bytes.size()) != bytes.size())
    {
        setzeFehler(fehler, wxString::Format(wxGetTranslation(L"„%s“ konnte nicht gelesen werden: %s"),
                                             m_Name, systemFehler()));
        return false;
    }
    const wxString text = dekodiere(bytes);
    size_t anfang = 0;
    while (anfang < text.length())
    {
        size_t ende = text.find('\n', anfang);
        if (ende == wxString::npos)
            ende = text.length();
        size_t laenge = ende - anfang;
        if (laenge > 0 && text[ende - 1] == '\r')
            --laenge;
        m_Zeilen.Add(text.substr(anfang, laenge));
        anfang = ende + 1;
    }
    return true;
}

bool clTurnierDatei::istKopfzeile(const wxString& zeile)
{
    return zeile.StartsWith("#") && zeile.Contains(Kopfmarke);
}

long clTurnierDatei::findZeile(const wxString& mz) const
{
    for (size_t i = 0; i < m_Zeilen.size(); ++i)
    {
        const wxString& zeile = m_Zeilen[i];
        if (istKopfzeile(zeile) && zeile.Mid(zeile.Find(Kopfmarke) + 3).Strip(wxString::both) == mz)
            return static_cast<long>(i + 1);
    }
    return -1;
}

bool clTurnierDatei::hatSektion(const wxString& sn) const
{
    return findZeile(sn) >= 0;
}

void clTurnierDatei::getSektion(const wxString& sn, wxArrayString& sek) const
{
    const long start = findZeile(sn);
    if (start < 0)
        return;
    for (size_t i = static_cast<size_t>(start); i < m_Zeilen.size(); ++i)
    {
        const wxString& zeile = m_Zeilen[i];
        if (zeile.empty())
            continue;
        if (zeile[0] != '#')
            sek.Add(zeile);
        else if (zeile.Contains(Kopfmarke))
            break;
    }
}
