// A shorter endurance run than the benchmark's, with the same bounds: what
// the running program holds does not grow with launches and sheets.
#include "Endurance.h"
#include "TestIni.h"

namespace {

std::string Figures(const ProcessResources &r)
{
    return "threads " + std::to_string(r.threads) + ", handles " + std::to_string(r.handles) + ", GDI " +
           std::to_string(r.gdiObjects) + " (" + GdiKindsText(r.gdiByKind) + "), USER " + std::to_string(r.userObjects) +
           " (" + r.guiSource + "), private bytes " + std::to_string(r.privateBytes);
}

class Endurance : public IniTest {};

TEST_F(Endurance, LaunchesAndSheetsLeaveNothingBehind)
{
    EnduranceRun run;
    ASSERT_EQ("", run.Prepare());
    const size_t netscapePages = run.NetscapePages(), explorerPages = run.ExplorerPages();
    const ProcessResources before = run.SampleAtRest();
    ASSERT_NE(0u, before.handles);
    ASSERT_NE(0u, before.userObjects);
    ASSERT_NE(0u, before.privateBytes);

    ASSERT_EQ("", run.RunSequences(100));
    ASSERT_EQ("", run.OpenSheets(20));
    const ProcessResources after = run.SampleAtRest();
    EXPECT_EQ("", OutOfBounds(Growth(before, after))) << "before: " << Figures(before) << "\nafter: " << Figures(after);
    EXPECT_EQ(netscapePages + 100 * EnduranceRun::NN_ENTRIES, run.NetscapePages());
    EXPECT_EQ(explorerPages + 100 * EnduranceRun::IE_ENTRIES, run.ExplorerPages());
}

} // namespace
