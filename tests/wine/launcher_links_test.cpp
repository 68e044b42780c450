// The real Orvanta.exe holds its links to the system from its start to its
// close: here the dial-up library, seen through our stand-in
// "Rasapi32.dll" beside it.
#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "TestIni.h"

namespace {

struct CloseCase {
    const char *name;
    std::function<void(const Launcher &)> close;
};

using LauncherLinks = IniTest;

TEST_F(LauncherLinks, DialUpLibraryIsLoadedAtStartAndFreedOnEveryClosePath)
{
    const CloseCase cases[] = {
        {"close box", [](const Launcher &app) { app.Close(); }},
        {"enter", [](const Launcher &app) { app.Command(IDOK); }},
        {"escape", [](const Launcher &app) { app.Command(IDCANCEL); }},
    };
    for (const CloseCase &c : cases) {
        WriteRasState("");
        ::DeleteFileA(FAKES_DIR "\\Rasapi32.log");
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        const std::string pid = std::to_string(app.Pid());
        // Placing the window at its saved position shows it before the
        // library is loaded.
        ASSERT_TRUE(WaitUntil([] { return !RasEvents("attach").empty(); })) << c.name;
        const std::vector<FakeEvent> attach = RasEvents("attach");
        ASSERT_EQ(1u, attach.size()) << c.name;
        EXPECT_EQ(pid, attach[0].args.at(0)) << c.name;
        c.close(app);
        ASSERT_TRUE(app.WaitExit()) << c.name;
        const std::vector<FakeEvent> detach = RasEvents("detach");
        ASSERT_EQ(1u, detach.size()) << c.name;
        // Freed by the program, not at the process's exit: Escape too runs
        // the release steps.
        EXPECT_EQ((std::vector<std::string>{pid, "freed"}), detach[0].args) << c.name;
    }
}

} // namespace
