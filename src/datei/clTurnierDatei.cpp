#include "datei/clTurnierDatei.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>

#include "datei/clMaskierung.h"

namespace
{
const char* const Kopfmarke = "#!!";
const char* const Leerzeichen = " \t\n\v\f\r";

// Windows-1252 for the bytes 0x80 to 0x9F; the undefined ones stay as they are.
const wchar_t Cp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Windows-1252 into ziel, which has room for a character per byte; answers how
// many were written.
long ausCp1252(std::string_view bytes, wchar_t* ziel)
{
    for (unsigned char b : bytes)
        *ziel++ = (b >= 0x80 && b < 0xA0) ? Cp1252[b - 0x80] : static_cast<wchar_t>(b);
    return static_cast<long>(bytes.size());
}

// How many bytes at the start of bytes are ASCII.
size_t asciiLauf(std::string_view bytes)
{
    size_t i = 0;
    for (std::uint64_t acht = 0; bytes.size() - i >= sizeof acht; i += sizeof acht)
    {
        std::memcpy(&acht, bytes.data() + i, sizeof acht);
        if (const std::uint64_t hoch = acht & 0x8080808080808080u; hoch != 0)
        {
#if (defined(__GNUC__) || defined(__clang__)) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
            // The first byte read is the lowest: its high bit is the lowest one set.
            return i + static_cast<size_t>(__builtin_ctzll(hoch)) / 8;
#else
            break;
#endif
        }
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

// The anzahl bytes from von, each as the character of its code, into ziel.
void weite(const char* von, size_t anzahl, wchar_t* __restrict ziel)
{
    const unsigned char* quelle = reinterpret_cast<const unsigned char*>(von);
    for (size_t k = 0; k < anzahl; ++k)
        ziel[k] = quelle[k];
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF): checks
// the bytes and, when ziel is given, writes their characters there (as UTF-16
// where wchar_t has 16 bits; never more than a character per byte). Answers how
// many were written, -1 for bytes that are no UTF-8.
long ausUtf8(std::string_view bytes, wchar_t* ziel)
{
    long anzahl = 0;
    for (size_t i = 0; i < bytes.size();)
    {
        // Most of a file is ASCII: a run of it is found eight bytes at a time and
        // widened in one plain loop, which the compiler makes vector instructions of.
        const size_t lauf = i + asciiLauf(bytes.substr(i));
        if (lauf > i)
        {
            if (ziel != nullptr)
                weite(bytes.data() + i, lauf - i, ziel + anzahl);
            anzahl += static_cast<long>(lauf - i);
            i = lauf;
            if (i == bytes.size())
                break;
        }
        unsigned long code = static_cast<unsigned char>(bytes[i++]);
        // Two bytes, as a German letter takes, directly: a name in each match of a
        // file's rounds brings thousands of them.
        if (code >= 0xC2 && code < 0xE0 && i < bytes.size() &&
            (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80)
            code = (code & 0x1F) << 6 | (static_cast<unsigned char>(bytes[i++]) & 0x3F);
        else if (code >= 0x80)
        {
            const size_t folge = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : 1;
            if (code < 0xC2 || code > 0xF4 || bytes.size() - i < folge)
                return -1;
            code &= 0x3Fu >> folge;
            for (size_t k = 0; k < folge; ++k)
            {
                const unsigned char f = static_cast<unsigned char>(bytes[i++]);
                if ((f & 0xC0) != 0x80)
                    return -1;
                code = code << 6 | (f & 0x3F);
            }
            const unsigned long kleinster[] = {0, 0x80, 0x800, 0x10000};
            if (code < kleinster[folge] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return -1;
        }
        const bool paar = sizeof(wchar_t) == 2 && code > 0xFFFF;
        if (ziel != nullptr && paar)
        {
            ziel[anzahl] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            ziel[anzahl + 1] = static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        }
        else if (ziel != nullptr)
            ziel[anzahl] = static_cast<wchar_t>(code);
        anzahl += paar ? 2 : 1;
    }
    return anzahl;
}

bool istUtf8(std::string_view bytes)
{
    return ausUtf8(bytes, nullptr) >= 0;
}

// The characters of bytes into ziel, which has room for one per byte; answers how
// many were written. Decoded here: the toolkit's converter, and a string buffer
// for each line, took a third of the time of loading a tournament.
size_t dekodiere(std::string_view bytes, bool utf8, wchar_t* ziel)
{
    return static_cast<size_t>(std::max(utf8 ? ausUtf8(bytes, ziel) : ausCp1252(bytes, ziel), 0L));
}

// The length of the byte order mark in front of bytes, 0 when there is none.
size_t bomLaenge(std::string_view bytes)
{
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// Where the header mark of a header line stands, or npos for any other line.
// Looked for by its "!!": a search for "#!!" would stop at every '#' of the rows
// of them that stand above each header.
size_t kopfmarke(std::string_view zeile)
{
    if (zeile.empty() || zeile[0] != '#')
        return std::string_view::npos;
    for (size_t pos = zeile.find("!!", 1); pos != std::string_view::npos; pos = zeile.find("!!", pos + 1))
        if (zeile[pos - 1] == '#')
            return pos - 1;
    return std::string_view::npos;
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

clTurnierDatei::clTurnierDatei(const wxString& name) : m_Name(name), m_Utf8(true) {}

wxString clTurnierDatei::dekodiere(const std::string& bytes)
{
    std::string_view inhalt(bytes);
    inhalt.remove_prefix(bomLaenge(inhalt));
    std::wstring text(inhalt.size(), L'\0');
    text.resize(::dekodiere(inhalt, istUtf8(inhalt), text.data()));
    return wxString(text);
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
    writeZeile(wxString(Kopfmarke) + L' ' + m_Praefix + seknam);
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

void clTurnierDatei::setInhalt(const std::string& bytes)
{
    m_Bytes = bytes;
    m_Bytes.erase(0, bomLaenge(m_Bytes));
    m_Utf8 = istUtf8(m_Bytes);
    indiziere();
}

bool clTurnierDatei::liesBytes(const wxString& pfad, size_t hoechstens, const wxString& zuGross,
                               std::string& bytes, wxString* fehler)
{
    wxLogNull keineMeldungen;
    bytes.clear();
    wxFFile datei;
    if (pfad.empty() || !wxFileName::FileExists(pfad) || !datei.Open(pfad, "rb"))
    {
        wxString grund = systemFehler();
        if (wxFileName::DirExists(pfad))
            grund = wxGetTranslation(L"Das ist ein Ordner.");
        else if (!wxFileName::FileExists(pfad))
            grund = wxGetTranslation(L"Die Datei gibt es nicht.");
        setzeFehler(fehler,
                    wxString::Format(wxGetTranslation(L"„%s“ konnte nicht gelesen werden: %s"), pfad, grund));
        return false;
    }
    const wxFileOffset laenge = datei.Length();
    if (laenge > static_cast<wxFileOffset>(hoechstens))
    {
        setzeFehler(fehler, zuGross);
        return false;
    }
    bytes.reserve(laenge > 0 ? static_cast<size_t>(laenge) : 0);
    char puffer[64 * 1024];
    for (;;)
    {
        const size_t gelesen = datei.Read(puffer, sizeof puffer);
        if (datei.Error())
        {
            setzeFehler(fehler, wxString::Format(wxGetTranslation(L"„%s“ konnte nicht gelesen werden: %s"),
                                                 pfad, systemFehler()));
            return false;
        }
        if (bytes.size() + gelesen > hoechstens)
        {
            setzeFehler(fehler, zuGross);
            return false;
        }
        bytes.append(puffer, gelesen);
        if (gelesen < sizeof puffer)
            return true;
    }
}

bool clTurnierDatei::lesen(wxString* fehler)
{
    m_Sektionen.clear();
    const wxString zuGross =
        wxString::Format(wxGetTranslation(L"„%s“ ist zu groß für eine Turnierdatei (höchstens %d MB)."),
                         m_Name, static_cast<int>(MaxGroesse / (1024 * 1024)));
    if (!liesBytes(m_Name, MaxGroesse, zuGross, m_Bytes, fehler))
    {
        m_Bytes.clear();
        return false;
    }
    m_Bytes.erase(0, bomLaenge(m_Bytes));
    m_Utf8 = istUtf8(m_Bytes);
    indiziere();
    return true;
}

std::string_view clTurnierDatei::naechsteZeile(size_t& pos) const
{
    const size_t ende = std::min(m_Bytes.find('\n', pos), m_Bytes.size());
    std::string_view zeile(m_Bytes.data() + pos, ende - pos);
    pos = ende + 1;
    if (!zeile.empty() && zeile.back() == '\r')
        zeile.remove_suffix(1);
    return zeile;
}

void clTurnierDatei::indiziere()
{
    m_Sektionen.clear();
    // Only lines that begin with '#' can be headers: the search goes from one '#'
    // to the next instead of from line to line.
    for (size_t pos = m_Bytes.find('#'); pos < m_Bytes.size(); pos = m_Bytes.find('#', pos))
    {
        if (pos > 0 && m_Bytes[pos - 1] != '\n')
        {
            ++pos;
            continue;
        }
        std::string_view zeile = naechsteZeile(pos);
        const size_t marke = kopfmarke(zeile);
        if (marke == std::string_view::npos)
            continue;
        zeile.remove_prefix(marke + 3);
        const size_t anfang = zeile.find_first_not_of(Leerzeichen);
        if (anfang == std::string_view::npos)
            zeile = std::string_view();
        else
            zeile = zeile.substr(anfang, zeile.find_last_not_of(Leerzeichen) + 1 - anfang);
        // The first section of a name is the one that counts.
        m_Sektionen.emplace(zeile, pos);
    }
}

size_t clTurnierDatei::findZeile(const wxString& mz) const
{
    // The program's section names are plain ASCII, the same bytes in both
    // encodings, and are narrowed here directly: the toolkit's conversion for each
    // of a tournament's groups took a twentieth of loading it.
    std::string name;
    name.reserve(m_Praefix.length() + mz.length());
    bool ascii = true;
    for (const wxString* teil : {&m_Praefix, &mz})
        for (wchar_t c : clMaskierung::sicht(*teil))
        {
            ascii = ascii && c < 0x80;
            name += static_cast<char>(c);
        }
    if (!ascii)
        name = (m_Praefix + mz).utf8_string();
    const auto it = m_Sektionen.find(name);
    return it != m_Sektionen.end() ? it->second : std::string::npos;
}

bool clTurnierDatei::hatSektion(const wxString& sn) const
{
    return findZeile(sn) != std::string::npos;
}

template <typename Tu>
bool clTurnierDatei::fuerRohzeilenAb(size_t pos, size_t hoechstens, const Tu& tu) const
{
    size_t anzahl = 0;
    while (pos < m_Bytes.size())
    {
        const std::string_view zeile = naechsteZeile(pos);
        if (zeile.empty())
            continue;
        if (zeile[0] != '#')
        {
            if (anzahl++ == hoechstens)
                return false;
            if (!tu(zeile))
                break;
        }
        else if (kopfmarke(zeile) != std::string_view::npos)
            break;
    }
    return true;
}

bool clTurnierDatei::fuerRohzeilen(const wxString& sn, size_t hoechstens,
                                   const std::function<bool(std::string_view)>& tu) const
{
    return fuerRohzeilenAb(findZeile(sn), hoechstens, tu);
}

bool clTurnierDatei::fuerZeilen(const wxString& sn, size_t hoechstens,
                                const std::function<bool(std::wstring_view)>& tu) const
{
    // One line's text at a time: the rounds of a large tournament would take
    // megabytes as text, and fresh memory of that size costs more than reading it.
    std::wstring text;
    return fuerRohzeilen(sn, hoechstens,
                         [&](std::string_view zeile)
                         {
                             text.resize(zeile.size());
                             text.resize(::dekodiere(zeile, m_Utf8, text.data()));
                             return tu(text);
                         });
}

bool clTurnierDatei::getSektion(const wxString& sn, wxArrayString& sek, size_t hoechstens) const
{
    return fuerZeilen(sn, hoechstens,
                      [&sek](std::wstring_view zeile)
                      {
                          sek.Add(wxString(zeile.data(), zeile.size()));
                          return true;
                      });
}

bool clTurnierDatei::getSektion(const wxString& sn, std::wstring& text,
                                std::vector<std::wstring_view>& zeilen, size_t hoechstens) const
{
    std::vector<size_t> enden;
    size_t fehlt = 0;
    return getSektionen(&sn, 1, text, zeilen, enden, hoechstens, fehlt);
}

bool clTurnierDatei::getSektionen(const wxString* namen, size_t anzahl, std::wstring& text,
                                  std::vector<std::wstring_view>& zeilen, std::vector<size_t>& enden,
                                  size_t hoechstens, size_t& fehlt) const
{
    // The lines' bytes first: their sum bounds the text (a character never takes
    // less than a byte), which so is made once and decoded into in place, and
    // never moves under the views.
    std::vector<std::string_view> roh;
    roh.reserve(16 * anzahl);
    enden.clear();
    enden.reserve(anzahl);
    bool alle = true;
    fehlt = anzahl;
    for (size_t i = 0; i < anzahl; ++i)
    {
        const size_t pos = findZeile(namen[i]);
        if (pos == std::string::npos)
            fehlt = std::min(fehlt, i);
        alle = fuerRohzeilenAb(pos, hoechstens,
                               [&roh](std::string_view zeile)
                               {
                                   roh.push_back(zeile);
                                   return true;
                               }) &&
               alle;
        enden.push_back(roh.size());
    }
    size_t groesse = 0;
    for (std::string_view zeile : roh)
        groesse += zeile.size();
    text.resize(groesse);
    zeilen.clear();
    zeilen.reserve(roh.size());
    size_t von = 0;
    for (std::string_view zeile : roh)
    {
        const size_t laenge = ::dekodiere(zeile, m_Utf8, text.data() + von);
        zeilen.emplace_back(text.data() + von, laenge);
        von += laenge;
    }
    return alle;
}
