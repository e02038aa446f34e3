#include "ansicht/wxQuobelApp.h"

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/weakref.h>

#include <cstdio>
#include <memory>

#include "ansicht/clSprache.h"
#include "ansicht/clStartoptionen.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/wxQuobelFrame.h"

wxIMPLEMENT_APP(wxQuobelApp);

bool wxQuobelApp::Initialize(int& argc, wxChar** argv)
{
    wxString fehler;
    if (!clStartoptionen::nimmLiveOption(argc, argv, m_LivePort, fehler))
    {
        std::fprintf(stderr, "quobel: %s\n", fehler.utf8_str().data());
        return false;
    }
    return wxApp::Initialize(argc, argv);
}

bool wxQuobelApp::OnInit()
{
    // Settings and recent files are kept under this name, however the program was
    // started: in ~/.quobel on Linux, under Software\Quobel in the Windows registry.
#ifdef __WXMSW__
    SetAppName("Quobel");
#else
    SetAppName("quobel");
#endif
    if (!wxApp::OnInit())
        return false;
    clSprache::ladeDeutsch();
    wxInitAllImageHandlers();
    wxQuobelFrame* frame = new wxQuobelFrame(nullptr, "Quobel");
    frame->Show();
    // Asked once the window is on screen, so that the questions open over it: a
    // question asked before the window manager has placed the window opens in the
    // corner of the screen. That is when the window is first activated, or after a
    // second where nothing activates it.
    wxWeakRef<wxQuobelFrame> fenster(frame);
    const auto fragen = [fenster, datei = m_Startdatei, port = m_LivePort]
    {
        if (wxQuobelFrame* frame = fenster.get())
        {
            clTurnierDokument& dokument = frame->getDokument();
            // A live site that ran when Quobel crashed comes back on.
            const int livePort = dokument.pruefeWiederherstellung();
            if (!datei.empty() && dokument.frageAenderungenSpeichern())
                dokument.oeffneDatei(wxFileName(datei).GetAbsolutePath());
            if (port > 0 || livePort > 0)
                frame->starteLiveSeite(port > 0 ? port : livePort);
        }
    };
    const auto einmal = [gefragt = std::make_shared<bool>(false), fragen]
    {
        if (!*gefragt)
        {
            *gefragt = true;
            fragen();
        }
    };
    frame->Bind(wxEVT_ACTIVATE,
                [frame, einmal](wxActivateEvent& event)
                {
                    event.Skip();
                    if (event.GetActive())
                        frame->CallAfter(einmal);
                });
    Bind(wxEVT_TIMER, [einmal](wxTimerEvent&) { einmal(); });
    m_Fragezeit.SetOwner(this);
    m_Fragezeit.StartOnce(1000);
    return true;
}

void wxQuobelApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    // --live[=PORT] is taken before (see Initialize); it is listed for --help.
    parser.AddUsageText(
        _("--live[=PORT]  die Live-Seite im Netz anbieten (Port 8080, wenn keiner genannt ist)"));
    parser.AddParam(_("Turnierdatei"), wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool wxQuobelApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    if (parser.GetParamCount() > 0)
        m_Startdatei = parser.GetParam(0);
    return wxApp::OnCmdLineParsed(parser);
}
