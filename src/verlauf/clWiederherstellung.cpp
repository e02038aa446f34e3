#include "verlauf/clWiederherstellung.h"

#include <algorithm>
#include <wx/arrstr.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "datei/clMaskierung.h"
#include "datei/clTurnierDatei.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "verlauf/clDateiSperre.h"

namespace
{
const wxString Praefix = "quobel-";
const wxString Endung = "quobel";
const wxString SperrEndung = "sperre";
const wxString HerkunftSektion = "Wiederherstellung";
const wxString EingabenSektion = "Teilnehmereingaben";

wxString sperreZu(const wxString& pfad)
{
    wxFileName name(pfad);
    name.SetExt(SperrEndung);
    return name.GetFullPath();
}

long long zahl(const wxString& text, long long ersatz)
{
    long long z = 0;
    return text.ToLongLong(&z) ? z : ersatz;
}

// A row of the participants' edit list as a line: status, roster position and the
// columns of the participants page.
wxString alsZeile(const spEditData& ed)
{
    wxString zeile = wxString::Format("%d,%d", ed.m_EditStatus, ed.m_OldPos);
    for (int spalte = 0; spalte < AnzahlTeilnehmerSpalten; ++spalte)
        zeile += "," + clMaskierung::maskiere(ed.getSpalte(spalte), ",");
    return clMaskierung::maskiereZeile(zeile);
}

spEditData ausZeile(const wxString& zeile)
{
    size_t pos = 0;
    const auto feld = [&] { return clMaskierung::demaskiere(clMaskierung::trenne(zeile, ',', pos)); };
    spEditData ed;
    ed.m_EditStatus = static_cast<int>(zahl(feld(), esNew));
    ed.m_OldPos = static_cast<int>(zahl(feld(), -1));
    for (int spalte = 0; spalte < AnzahlTeilnehmerSpalten; ++spalte)
        ed.setSpalte(spalte, feld());
    return ed;
}
} // namespace

sDateiStand sDateiStand::von(const wxString& pfad)
{
    sDateiStand stand;
    const wxFileName datei(pfad);
    if (pfad.empty() || !datei.FileExists())
        return stand;
    wxLogNull keineMeldungen;
    stand.groesse = static_cast<long long>(datei.GetSize().GetValue());
    const wxDateTime zeit = datei.GetModificationTime();
    stand.zeit = zeit.IsValid() ? zeit.GetValue().GetValue() : 0;
    return stand;
}

clWiederherstellung::clWiederherstellung(clTurniertag* tag, clTeilnehmerTableBase* eingaben,
                                         const wxString& ordner)
    : m_Tag(tag), m_Eingaben(eingaben), m_FehlerGemeldet(false)
{
    Bind(wxEVT_TIMER, &clWiederherstellung::OnTimer, this);
    // The first name that no running Quobel holds and that no crashed one left a
    // file under: a process id can come again, after a reboot or when ids wrap.
    wxFileName::Mkdir(ordner, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    for (int n = 0;; ++n)
    {
        const wxString name = Praefix + wxString::Format(n == 0 ? "%lu" : "%lu-%d", wxGetProcessId(), n);
        m_Pfad = wxFileName(ordner, name, Endung).GetFullPath();
        m_Sperre.reset(new clDateiSperre(sperreZu(m_Pfad)));
        // Where no lock can be had at all, no recovery file can be written either.
        if (m_Sperre->istGesperrt() ? !wxFileExists(m_Pfad) : !m_Sperre->istBelegt())
            break;
    }
}

clWiederherstellung::~clWiederherstellung() = default;

wxString clWiederherstellung::getStandardOrdner()
{
#ifdef __WINDOWS__
    wxString basis;
    if (!wxGetEnv("LOCALAPPDATA", &basis) || basis.empty())
        basis = wxStandardPaths::Get().GetUserLocalDataDir() + "\\..";
    return wxFileName(basis, wxString()).GetPath() + "\\Quobel";
#else
    wxString basis;
    if (!wxGetEnv("XDG_STATE_HOME", &basis) || !wxIsAbsolutePath(basis))
        basis = wxGetHomeDir() + "/.local/state";
    return basis + "/quobel";
#endif
}

void clWiederherstellung::setOriginal(const wxString& datei, const sDateiStand& stand)
{
    m_Original = datei;
    m_Stand = stand;
}

void clWiederherstellung::setLivePort(int port)
{
    m_LivePort = port;
    // The file is there while there are unsaved changes; it says so at once.
    if (wxFileName::FileExists(m_Pfad))
        merkeVor();
}

bool clWiederherstellung::schreibe()
{
    if (m_Timer)
        m_Timer->Stop();
    const auto zusatz = [this](clTurnierDatei& dat)
    {
        wxArrayString herkunft;
        herkunft.Add(clMaskierung::maskiereZeile(clMaskierung::maskiere(m_Original)));
        herkunft.Add(wxLongLong(m_Stand.groesse).ToString());
        herkunft.Add(wxLongLong(m_Stand.zeit).ToString());
        herkunft.Add(wxString::Format("%d", m_LivePort));
        dat.writeSektion(HerkunftSektion, herkunft);
        if (m_Eingaben == nullptr || !m_Eingaben->hatAenderungen())
            return;
        wxArrayString zeilen;
        for (const spEditData& ed : m_Eingaben->getEditListe())
            zeilen.Add(alsZeile(ed));
        dat.writeSektion(EingabenSektion, zeilen);
    };
    wxString fehler;
    const bool geschrieben =
        wxFileName::Mkdir(wxFileName(m_Pfad).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) &&
        m_Tag->speichereMit(m_Pfad, zusatz, &fehler);
    if (geschrieben)
        m_FehlerGemeldet = false;
    else if (!m_FehlerGemeldet)
    {
        m_FehlerGemeldet = true;
        if (m_Meldung)
            m_Meldung(
                wxString::Format(wxGetTranslation(L"Die Sicherung gegen Abstürze konnte nicht geschrieben "
                                                  L"werden: %s"),
                                 fehler.empty() ? m_Pfad : fehler));
    }
    return geschrieben;
}

void clWiederherstellung::entferne()
{
    if (m_Timer)
        m_Timer->Stop();
    if (wxFileName::FileExists(m_Pfad))
    {
        wxLogNull keineMeldungen;
        wxRemoveFile(m_Pfad);
    }
}

void clWiederherstellung::merkeVor()
{
    if (!m_Timer)
        m_Timer.reset(new wxTimer(this));
    if (!m_Timer->IsRunning())
        m_Timer->StartOnce(Verzoegerung);
}

void clWiederherstellung::OnTimer(wxTimerEvent&)
{
    schreibe();
}

std::vector<sWiederherstellung> clWiederherstellung::suche(const wxString& ordner)
{
    std::vector<sWiederherstellung> funde;
    wxArrayString dateien;
    if (!wxDir::Exists(ordner))
        return funde;
    wxLogNull keineMeldungen;
    wxDir::GetAllFiles(ordner, &dateien, Praefix + "*." + Endung, wxDIR_FILES);
    dateien.Sort();
    for (const wxString& pfad : dateien)
    {
        if (clDateiSperre::istBelegt(sperreZu(pfad)))
            continue;
        clTurnierDatei dat(pfad);
        if (!dat.lesen(nullptr))
            continue;
        sWiederherstellung fund;
        fund.pfad = pfad;
        wxArrayString zeilen;
        dat.getSektion("Allgemein", zeilen, 1);
        if (!zeilen.empty())
            fund.bezeichnung = clMaskierung::demaskiere(zeilen[0]);
        zeilen.clear();
        dat.getSektion(HerkunftSektion, zeilen, 4);
        if (!zeilen.empty())
            fund.original = clMaskierung::demaskiere(zeilen[0]);
        if (zeilen.size() >= 3)
            fund.stand = {zahl(zeilen[1], -1), zahl(zeilen[2], 0)};
        if (zeilen.size() == 4)
            fund.livePort = static_cast<int>(std::clamp<long long>(zahl(zeilen[3], 0), 0, 65535));
        zeilen.clear();
        // Deleted rows stay in the list until it is applied.
        if (dat.getSektion(EingabenSektion, zeilen, 4 * clTurnier::MaxTeilnehmer))
            for (const wxString& zeile : zeilen)
                fund.eingaben.push_back(ausZeile(zeile));
        fund.zeit = wxFileName(pfad).GetModificationTime();
        funde.push_back(fund);
    }
    return funde;
}

wxString clWiederherstellung::legeBeiseite(const wxString& pfad)
{
    const wxFileName alt(pfad);
    wxFileName neu(alt.GetPath() + "/beiseite", wxString());
    if (!wxFileName::Mkdir(neu.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
        return wxString();
    neu.SetName(alt.GetName() + wxDateTime::Now().Format("-%Y%m%d-%H%M%S"));
    neu.SetExt(Endung);
    return wxRenameFile(pfad, neu.GetFullPath()) ? neu.GetFullPath() : wxString();
}
