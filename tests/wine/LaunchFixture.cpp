#include "LaunchFixture.h"

#include "core/text/WideText.h"

#include <algorithm>

void LaunchTest::SetUp()
{
    IniTest::SetUp();
    ASSERT_TRUE(m_explorer.Install(""));
    ASSERT_TRUE(RegisterAsExplorerServer(m_explorer));
    ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "NetscapeMarkup"));
}

// Entries beyond ASCII go into the file in UTF-16, as the program keeps
// text its code page lacks.
void LaunchTest::StartGroup(const std::vector<std::string> &entries, const std::string &options)
{
    const std::string ini = GroupIni(entries, options);
    const std::wstring wide = WideFromUtf8(ini);
    const bool ascii = std::all_of(ini.begin(), ini.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    WriteIniText(ascii ? ini : "\xFF\xFE" + std::string(reinterpret_cast<const char *>(wide.data()), wide.size() * 2));
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
