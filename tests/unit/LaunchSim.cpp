#include "LaunchSim.h"

#include "core/app/LaunchSequencer.h"

#include <ostream>

void PrintTo(const Opened &o, std::ostream *os) { *os << "{" << o.ms << ", \"" << o.what << "\"}"; }

void LaunchSim::RunUntil(int ms)
{
    for (;;) {
        if (!m_posted.empty()) {
            const int code = m_posted.front();
            m_posted.erase(m_posted.begin());
            OnLaunchNotify(static_cast<uintptr_t>(code), 0, notSurf);
            continue;
        }
        int next = ms + 1;
        for (const auto &t : m_timers)
            next = std::min(next, t.second.due);
        if (!m_scheduled.empty())
            next = std::min(next, m_scheduled.begin()->first);
        if (next > ms)
            break;
        now = next;
        if (!m_scheduled.empty() && m_scheduled.begin()->first == next) {
            auto action = m_scheduled.begin()->second;
            m_scheduled.erase(m_scheduled.begin());
            action();
            continue;
        }
        for (auto &t : m_timers) {
            if (t.second.due == next) {
                t.second.due += static_cast<int>(t.second.period);
                OnLaunchTimer();
                break;
            }
        }
    }
    now = ms;
}

unsigned LaunchSim::SetTimer(unsigned id, unsigned ms)
{
    const unsigned period = ms < 10 ? 10 : ms;    // USER_TIMER_MINIMUM
    m_timers[id] = {period, now + static_cast<int>(period)};
    return id;
}

int LaunchSim::TimerPeriod(unsigned id) const
{
    auto it = m_timers.find(id);
    return it == m_timers.end() ? -1 : static_cast<int>(it->second.period);
}

void LaunchSim::PostEndCommand(bool close)
{
    ended = close ? "close" : "restore";
    endedAtMs = now;
}

int LaunchSim::DdeListWindows(uint32_t *ids, int service)
{
    const bool answers = service == 0 ? netscape == Server::Full : explorerDde;
    if (!answers)
        return -1;
    if (!ids)
        return 1;
    const std::vector<uint32_t> &windows = service == 0 ? netscapeWindows : explorerWindows;
    int n = 0;
    for (; n < static_cast<int>(windows.size()) && n < 5; ++n)
        ids[n] = windows[static_cast<size_t>(n)];
    return n;
}

uint32_t LaunchSim::DdeGetFrameParent(uint32_t id)
{
    auto it = frameParents.find(id);
    return netscape == Server::Full && it != frameParents.end() ? it->second : 0;
}

uint32_t LaunchSim::DdeOpenURL(const char *text, int service, uint32_t id)
{
    const bool answers = service == 0 ? netscape != Server::Absent : explorerDde;
    Record(std::string(service == 0 ? "NN" : "IE") + " dde " + std::to_string(static_cast<int32_t>(id)) + ":" + text +
           (answers ? "" : " (no server)"));
    return answers ? id : 0xFFFFFFFFu;
}

int LaunchSim::StartProgram(const char *, const char *commandLine)
{
    Record(std::string("NN start:") + commandLine + (startSucceeds ? "" : " (failed)"));
    if (!startSucceeds)
        return -1;
    if (netscape != Server::Full && registerAfterMs >= 0)
        At(now + registerAfterMs, [this] {
            netscape = Server::Full;
            PostNotify(NOTIFY_NS_READY);
        });
    return 0;
}

int LaunchSim::NavigateExplorerSlot(int slot, const char *url)
{
    if (slots[slot] != 1)
        return 0;
    Record("IE slot " + std::to_string(slot) + ":" + url);
    return 1;
}

void LaunchSim::CreateExplorerWindow(const char *url)
{
    for (int slot = 0; slot < 8; ++slot) {
        if (slots[slot] != 0)
            continue;
        ++created;
        slots[slot] = 1;
        Record("IE new " + std::to_string(slot) + ":" + (*url ? url : "(home)"));
        return;
    }
    Record(std::string("IE no window:") + url);
}
