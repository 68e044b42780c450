// Start waits for the network, in the real Orvanta.exe, with our network
// list (tests/fakes/fake_netlist.cpp) registered as the system's.
#include "LaunchFixture.h"

namespace {

class NetworkWait : public NetworkListTest {
protected:
    // The network as the list reports it, then Start with these options.
    void StartWith(const char *network, const std::string &options)
    {
        m_netlist.Configure(network);
        StartGroup({"IE http://after-network/"}, "Delay=2\r\n" + options);
        ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(m_app.Window()); }));
    }
};

TEST_F(NetworkWait, OptionOffIsNotAsked)
{
    StartWith(LOCAL_ONLY, "");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 5000));
    EXPECT_TRUE(m_netlist.Events("create").empty());
}

TEST_F(NetworkWait, OnlineOpensAtOnce)
{
    StartWith(INTERNET, "Wait_Network=1\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 5000));
    EXPECT_EQ(1u, m_netlist.Events("connectivity").size());
    EXPECT_LT(static_cast<int>(m_explorer.Events("start").at(0).time - m_netlist.Events("connectivity").at(0).time), 500);
}

TEST_F(NetworkWait, PagesFollowTheNetworkWhenItComesUp)
{
    StartWith(LOCAL_ONLY, "Wait_Network=1\r\n");
    ASSERT_TRUE(m_netlist.WaitEvents("connectivity", 3, 10000));
    EXPECT_TRUE(m_explorer.Events("navigate").empty()) << "nothing opens on a local network alone";
    const std::vector<FakeEvent> polls = m_netlist.Events("connectivity");
    EXPECT_EQ(polls.size(), m_netlist.Events("create").size()) << "a new object for each poll";
    EXPECT_NEAR(1000, static_cast<int>(polls[2].time - polls[1].time), 300) << "polled once a second";
    const DWORD up = ::GetTickCount();
    m_netlist.Configure(INTERNET);
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 5000));
    const std::vector<FakeEvent> after = EventsSince(m_netlist.Events("connectivity"), up, m_explorer.Events("start").at(0).time);
    ASSERT_FALSE(after.empty());
    EXPECT_LE(static_cast<int>(after.back().time - up), 1300) << "the first poll that finds the network opens the page";
}

TEST_F(NetworkWait, PagesOpenAnywayAfterTheTimeOut)
{
    const DWORD start = ::GetTickCount();
    StartWith(LOCAL_ONLY, "Wait_Network=1\r\nWait_Network_Max=2\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    const int waited = static_cast<int>(m_explorer.Events("start").at(0).time - start);
    EXPECT_GE(waited, 2000);
    EXPECT_LE(waited, 4500);
    EXPECT_EQ(3u, m_netlist.Events("connectivity").size()) << "at Start, then once a second";
}

TEST_F(NetworkWait, NoNetworkListMeansNoWait)
{
    ASSERT_TRUE(DeleteKeyTree(HKEY_CLASSES_ROOT, NETLIST_CLSID));
    StartWith(LOCAL_ONLY, "Wait_Network=1\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 5000));
    EXPECT_TRUE(m_netlist.Events("create").empty());
}

} // namespace
