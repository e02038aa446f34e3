// Test program for the windows: sets up the application object once, as the
// program does, turns toolkit assertions into test failures instead of dialogs
// and keeps the toolkit's log windows out of the way.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

namespace
{
void assertFehler(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "Toolkit-Assertion in " << func.utf8_str() << ": " << cond.utf8_str() << " " << msg.utf8_str();
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv))
    {
        fprintf(stderr, "Das Fenstersystem ist nicht erreichbar (kein DISPLAY?)\n");
        return 1;
    }
    if (!wxTheApp->CallOnInit())
        return 1;
    wxInitAllImageHandlers();
    wxSetAssertHandler(assertFehler);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    const int ergebnis = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return ergebnis;
}
