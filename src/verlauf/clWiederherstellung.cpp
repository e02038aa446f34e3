#include "verlauf/clWiederherstellung.h"

#include <wx/arrstr.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/process.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "datei/clMaskierung.h"
#include "modell/clTurnier.h"
#include "datei/clTurnierDatei.h"

namespace
{
const wxString Praefix = "quobel-";
const wxString Endung = "quobel";
} // namespace

clWiederherstellung::clWiederherstellung(clTurnier* turnier, const wxString& ordner)
    : m_Turnier(turnier),
      m_Pfad(wxFileName(ordner, wxString::Format("%s%lu", Praefix, wxGetProcessId()), Endung).GetFullPath()),
      m_FehlerGemeldet(false)
{
    Bind(wxEVT_TIMER, &clWiederherstellung::OnTimer, this);
    m_Turnier->addBeobachter(this);
}

clWiederherstellung::~clWiederherstellung()
{
    m_Turnier->removeBeobachter(this);
}

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

bool clWiederherstellung::schreibe()
{
    if (m_Timer)
        m_Timer->Stop();
    wxString fehler;
    const bool geschrieben =
        wxFileName::Mkdir(wxFileName(m_Pfad).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) &&
        m_Turnier->speichereWiederherstellung(m_Pfad, m_Original, &fehler);
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

void clWiederherstellung::turnierGeaendert(modAenderung, const wxString&)
{
    if (!m_Turnier->istGeaendert())
        return;
    if (!m_Timer)
        m_Timer.reset(new wxTimer(this));
    if (!m_Timer->IsRunning())
        m_Timer->StartOnce(Verzoegerung);
}

void clWiederherstellung::OnTimer(wxTimerEvent&)
{
    if (m_Turnier->istGeaendert())
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
        unsigned long pid = 0;
        const wxString name = wxFileName(pfad).GetName();
        if (!name.Mid(Praefix.length()).ToULong(&pid) || pid == wxGetProcessId() ||
            wxProcess::Exists(static_cast<int>(pid)))
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
        dat.getSektion(clTurnier::WiederherstellungSektion, zeilen, 1);
        if (!zeilen.empty())
            fund.original = clMaskierung::demaskiere(zeilen[0]);
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
