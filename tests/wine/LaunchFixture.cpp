#include "LaunchFixture.h"

void LaunchTest::SetUp()
{
    IniTest::SetUp();
    ASSERT_TRUE(m_explorer.Install(""));
    ASSERT_TRUE(RegisterAsExplorerServer(m_explorer));
    ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "NetscapeMarkup"));
}

void LaunchTest::StartGroup(const std::vector<std::string> &entries, const std::string &options)
{
    WriteIniText(GroupIni(entries, options));
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    m_app.Click(IDC_START);
}
