#include "LaunchFixture.h"

std::string GroupIni(const std::vector<std::string> &entries, const std::string &options)
{
    std::string ini = "[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n" + options + "[G1]\r\nGNAME=day\r\n";
    for (size_t i = 0; i < entries.size(); ++i)
        ini += "UL" + std::to_string(i + 1) + "=" + entries[i] + "\r\n";
    return ini + "URL_Num=" + std::to_string(entries.size()) + "\r\n";
}

std::vector<std::string> Items(const FakeProgram &server, const std::string &topic)
{
    std::vector<std::string> items;
    for (const FakeEvent &e : server.Events("request"))
        if (e.args.at(0) == topic)
            items.push_back(e.args.at(2));
    return items;
}

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
