// The dial-up monitor against our stand-in "Rasapi32.dll" beside the
// program (drivers/fakes/fake_rasapi32.cpp), whose connections come from its
// state file, and against the registry's Autodial value.
#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "links/RasLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RasLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::DeleteFileA(FAKES_DIR "\\Rasapi32.log");
        WriteRasState("");
    }
    void TearDown() override { RasLinkUnload(); }

    // The enumeration calls the stand-in saw: "record size, buffer size
    // given, result", and on 603 the size it asked for.
    static std::vector<std::string> Enumerations()
    {
        std::vector<std::string> calls;
        for (const FakeEvent &e : RasEvents("enum"))
            calls.push_back(e.args.at(0) + " " + e.args.at(1) + " " + e.args.at(2) + (e.args.at(2) == "603" ? " " + e.args.at(3) : ""));
        return calls;
    }
};

std::string Dir(const std::string &path) { return path.substr(0, path.find_last_of('\\')); }

TEST_F(RasLink, LoadsTheLibraryBesideTheProgramOnce)
{
    ASSERT_EQ(1, RasLinkLoad());
    HMODULE module = ::GetModuleHandleA("rasapi32.dll");
    ASSERT_NE(nullptr, module);
    char path[MAX_PATH];
    ::GetModuleFileNameA(module, path, MAX_PATH);
    EXPECT_EQ(ProgramDir(), Dir(path));
    EXPECT_EQ(1, RasLinkLoad());
    RasLinkUnload();
    EXPECT_EQ(nullptr, ::GetModuleHandleA("rasapi32.dll"));
    RasLinkUnload();
}

const std::string R = std::to_string(sizeof(RasConn40));    // one record
std::string Records(size_t n) { return std::to_string(n * sizeof(RasConn40)); }

struct QueryCase {
    const char *name;
    std::string state;
    int count;
    int first;
    std::vector<std::string> enumerations;    // of the count query
};

TEST_F(RasLink, QueriesAnswerFromTheEnumeration)
{
    const std::string ONE = R + " " + R + " 0";
    const QueryCase cases[] = {
        {"none", "[ras]\r\nConnections=0", 0, 0, {ONE}},
        {"one up", "[ras]\r\nConnections=1", 1, 1, {ONE}},
        {"two, one growth", "[ras]\r\nConnections=2", 2, 1, {R + " " + R + " 603 " + Records(2), R + " " + Records(2) + " 0"}},
        {"first still dialling", "[ras]\r\nConnections=1\r\n[1]\r\nState=0", 1, 1, {ONE}},
        {"first disconnected", "[ras]\r\nConnections=1\r\n[1]\r\nState=0x2001", 1, 0, {ONE}},
        {"first with an error", "[ras]\r\nConnections=1\r\n[1]\r\nError=678", 1, 0, {ONE}},
        {"first gone, error 6", "[ras]\r\nConnections=1\r\n[1]\r\nStatusResult=6", 1, 0, {ONE}},
        {"status fails otherwise", "[ras]\r\nConnections=1\r\n[1]\r\nStatusResult=5", 1, 0, {ONE}},
        {"second down, first up", "[ras]\r\nConnections=2\r\n[2]\r\nState=0x2001", 2, 1,
         {R + " " + R + " 603 " + Records(2), R + " " + Records(2) + " 0"}},
        {"enumeration fails", "[ras]\r\nConnections=1\r\nEnumResult=632", -1, -1, {R + " " + R + " 632"}},
        {"still too small after growth", "[ras]\r\nConnections=3\r\nReportSize=" + Records(2), -1, -1,
         {R + " " + R + " 603 " + Records(2), R + " " + Records(2) + " 603 " + Records(2)}},
        {"growth to no more room", "[ras]\r\nConnections=2\r\nReportSize=" + R, -1, -1, {R + " " + R + " 603 " + R}},
        {"absurd size", "[ras]\r\nConnections=2\r\nReportSize=0x7FFFFFFF", -1, -1, {R + " " + R + " 603 2147483647"}},
        {"as many as the cap", "[ras]\r\nConnections=64", 64, 1, {R + " " + R + " 603 " + Records(64), R + " " + Records(64) + " 0"}},
        {"beyond the cap", "[ras]\r\nConnections=65", -1, -1, {R + " " + R + " 603 " + Records(65)}},
    };

    ASSERT_EQ(1, RasLinkLoad());
    for (const QueryCase &c : cases) {
        WriteRasState(c.state);
        ::DeleteFileA(FAKES_DIR "\\Rasapi32.log");
        EXPECT_EQ(c.count, RasLinkQuery(RAS_QUERY_COUNT)) << c.name;
        EXPECT_EQ(c.enumerations, Enumerations()) << c.name;
        EXPECT_EQ(c.first, RasLinkQuery(RAS_QUERY_FIRST)) << c.name;
    }
}

TEST_F(RasLink, StatusOfOneConnection)
{
    WriteRasState("[ras]\r\nConnections=3\r\n[1]\r\nHandle=0x11\r\n[2]\r\nHandle=0x12\r\nState=0x2001\r\n"
                  "[3]\r\nHandle=0x13\r\nError=691");
    ASSERT_EQ(1, RasLinkLoad());
    EXPECT_EQ(0, RasLinkConnectionState(reinterpret_cast<HRASCONN>(0x11)));
    EXPECT_EQ(1, RasLinkConnectionState(reinterpret_cast<HRASCONN>(0x12)));
    EXPECT_EQ(-1, RasLinkConnectionState(reinterpret_cast<HRASCONN>(0x13)));
    // Error 6 means gone, for a handle; the null handle is no connection.
    EXPECT_EQ(1, RasLinkConnectionState(reinterpret_cast<HRASCONN>(0x99)));
    EXPECT_EQ(-1, RasLinkConnectionState(nullptr));
}

TEST_F(RasLink, WithoutTheLibraryEveryQueryIsMinusOne)
{
    WriteRasState("[ras]\r\nConnections=1");
    EXPECT_EQ(-1, RasLinkQuery(RAS_QUERY_COUNT));
    WriteRasState("[ras]\r\nLoad=0\r\nConnections=1");
    EXPECT_EQ(0, RasLinkLoad());
    EXPECT_EQ(nullptr, ::GetModuleHandleA("rasapi32.dll"));
    EXPECT_EQ(-1, RasLinkQuery(RAS_QUERY_COUNT));
    EXPECT_EQ(-1, RasLinkQuery(RAS_QUERY_FIRST));
    EXPECT_EQ(-1, RasLinkConnectionState(reinterpret_cast<HRASCONN>(0x1001)));
    EXPECT_TRUE(Enumerations().empty());
    RasLinkUnload();

    WriteRasState("[ras]\r\nConnections=1");
    EXPECT_EQ(1, RasLinkLoad());
    EXPECT_EQ(1, RasLinkQuery(RAS_QUERY_COUNT));
    RasLinkUnload();
    EXPECT_EQ(-1, RasLinkQuery(RAS_QUERY_COUNT));
}

#define INTERNET_SETTINGS "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"

struct AutodialCase {
    const char *name;
    DWORD type;
    std::string bytes;    // empty: no value
    int enabled;
};

TEST(RasAutodial, FourNonZeroBytesOfAnyTypeMeanOn)
{
    using namespace std::string_literals;
    const AutodialCase cases[] = {
        {"no value", REG_BINARY, ""s, 0},
        {"four zero bytes", REG_BINARY, "\0\0\0\0"s, 0},
        {"01 00 00 00", REG_BINARY, "\x01\0\0\0"s, 1},
        {"00 00 00 01", REG_BINARY, "\0\0\0\x01"s, 1},
        {"dword 1", REG_DWORD, "\x01\0\0\0"s, 1},
        {"dword 0", REG_DWORD, "\0\0\0\0"s, 0},
        {"eight bytes", REG_BINARY, "\x01\0\0\0\0\0\0\0"s, 0},
        {"two bytes", REG_BINARY, "\x01\0"s, 1},
        {"two zero bytes", REG_BINARY, "\0\0"s, 0},
    };
    for (const AutodialCase &c : cases) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, INTERNET_SETTINGS, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        ::RegDeleteValueA(key, "Enable Autodial");
        ::RegCloseKey(key);
        if (!c.bytes.empty()) {
            ASSERT_TRUE(SetKeyValue(HKEY_CURRENT_USER, INTERNET_SETTINGS, "Enable Autodial", c.type, c.bytes));
        }
        EXPECT_EQ(c.enabled, RasLinkAutodialEnabled()) << c.name;
    }
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, INTERNET_SETTINGS));
    EXPECT_EQ(0, RasLinkAutodialEnabled());
}

} // namespace
