// A launcher window with a simulated clock and scripted browsers, for
// driving the launch sequence tick by tick. Posted notices are handled
// before timers fall due, as in a Windows message queue.
#pragma once

#include "core/app/LaunchHost.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct Opened {
    int ms;
    std::string what;
    bool operator==(const Opened &o) const { return ms == o.ms && what == o.what; }
};
void PrintTo(const Opened &o, std::ostream *os);

class LaunchSim : public ILaunchHost {
public:
    // Netscape Navigator as the DDE client sees it.
    enum class Server { Absent, VersionOnly, Full };
    Server netscape = Server::Absent;
    bool explorerDde = false;
    std::vector<uint32_t> netscapeWindows;
    std::map<uint32_t, uint32_t> frameParents;
    std::vector<uint32_t> explorerWindows;
    bool startSucceeds = true;
    int registerAfterMs = 400;    // a started Netscape Navigator registers this much later; -1 never
    int autodial = 0;
    int dialupCount = 0;
    int firstConnection = 0;      // RasLinkQuery(first connection)
    int network = 1;              // NetworkConnectivity()
    int networkPolls = 0;
    bool notSurf = false;

    // Automation windows: 0 empty, 1 open, 2 closed by the user.
    int slots[8] = {};
    int created = 0;

    std::vector<Opened> log;
    bool minimized = false;
    std::string ended;            // "", "restore" or "close"
    int endedAtMs = -1;
    int now = 0;

    // Runs queued notices and due timers up to this time.
    void RunUntil(int ms);
    void At(int ms, std::function<void()> action) { m_scheduled.insert({ms, std::move(action)}); }

    unsigned SetTimer(unsigned id, unsigned ms) override;
    void KillTimer(unsigned id) override { m_timers.erase(id); }
    void PostNotify(int code) override { m_posted.push_back(code); }
    void PostEndCommand(bool close) override;
    void MinimizeWindow() override { minimized = true; }
    unsigned TickCount() override { return static_cast<unsigned>(now); }
    int RasLinkAutodialEnabled() override { return autodial; }
    int RasLinkQuery(int query) override { return query == 2 ? dialupCount : firstConnection; }
    int NetworkConnectivity() override
    {
        ++networkPolls;
        return network;
    }
    int DdeListWindows(uint32_t *ids, int service) override;
    int DdeGetVersion() override { return netscape == Server::Absent ? -1 : 0; }
    uint32_t DdeGetFrameParent(uint32_t id) override;
    uint32_t DdeOpenURL(const char *text, int service, uint32_t id) override;
    int StartProgram(const char *path, const char *commandLine) override;
    int ExplorerWindowsCreated() override { return created; }
    int NavigateExplorerSlot(int slot, const char *url) override;
    void ReleaseExplorerSlot(int slot) override { slots[slot] = 0; }
    void CreateExplorerWindow(const char *url) override;
    int OpenInDefaultBrowser(const char *url) override
    {
        Record(std::string("DEF open:") + (*url ? url : "(home)"));
        return 0;
    }
    // Browsers 1 to listedCount are listed; each start logs "B<n> tab:" or
    // "B<n> new:" and the URL.
    int listedCount = 2;
    int StartListedBrowser(int n, const char *url, int window) override
    {
        if (n > listedCount)
            return -2;
        Record("B" + std::to_string(n) + (window ? " new:" : " tab:") + url + (startSucceeds ? "" : " (failed)"));
        return startSucceeds ? 0 : -1;
    }

    int TimerPeriod(unsigned id) const;

private:
    struct Timer {
        unsigned period;
        int due;
    };
    void Record(const std::string &what) { log.push_back({now, what}); }
    std::map<unsigned, Timer> m_timers;
    std::vector<int> m_posted;
    std::multimap<int, std::function<void()>> m_scheduled;
};
