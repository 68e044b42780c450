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

const char NETLIST_CLSID[] = "CLSID\\{DCB00C01-570F-4A9B-8D69-199FDBA5723B}";
const char INTERNET[] = "[network]\r\nConnectivity=0x40\r\n";    // NLM_CONNECTIVITY_IPV4_INTERNET
const char LOCAL_ONLY[] = "[network]\r\nConnectivity=0x10\r\n";  // NLM_CONNECTIVITY_IPV4_LOCALNETWORK

void NetworkListTest::SetUp()
{
    LaunchTest::SetUp();
    ::CreateDirectoryA(FAKES_DIR, nullptr);
    ::DeleteFileA(m_netlist.LogPath().c_str());
    const std::string server = std::string(NETLIST_CLSID) + "\\InprocServer32";
    ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, server, ProgramDir() + "\\fake_netlist.dll"));
    ASSERT_TRUE(SetKeyValue(HKEY_CLASSES_ROOT, server, "ThreadingModel", REG_SZ, std::string("Both", 5)));
}
