// Test-side control of our test doubles (drivers/fakes): each fake program is
// copied into the prefix's C:\fakes under the name a test gives it, reads
// its settings from <name>.ini there and appends time-stamped events to
// <name>.log. The registry values that lead the program to them are set
// here too. Waits are bounded polls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "FakeCommon.h"

// One line of a fake's log.
struct FakeEvent {
    DWORD time;                      // GetTickCount() when it happened
    std::string kind;                // "start", "request", "navigate", ...
    std::vector<std::string> args;   // what the kind's comment in drivers/fakes says
};

// The events that happened from `from` up to `to`, both included.
std::vector<FakeEvent> EventsSince(const std::vector<FakeEvent> &events, DWORD from, DWORD to);

class FakeProgram {
public:
    // name: the copy's base name; program: the fake beside the test
    // ("fake_browser.exe", "fake_explorer.exe").
    FakeProgram(std::string name, std::string program);
    // Quits every copy still running.
    ~FakeProgram();
    FakeProgram(const FakeProgram &) = delete;
    FakeProgram &operator=(const FakeProgram &) = delete;

    // Copies the program, writes its settings and empties its log.
    bool Install(const std::string &settings);
    // New settings; a running copy reads them on its next call.
    void Configure(const std::string &settings) const;
    std::string Path() const { return m_dir + "\\" + m_name + ".exe"; }
    std::string LogPath() const { return m_dir + "\\" + m_name + ".log"; }
    // Starts a copy directly, with exactly this command line.
    bool Start(const std::string &commandLine = "");

    std::vector<FakeEvent> Events(const std::string &kind = "") const;
    // Waits until the log holds at least count events of this kind.
    bool WaitEvents(const std::string &kind, size_t count = 1, DWORD ms = 10000) const;
    // Tells every running copy to quit and waits until they all ended.
    bool Quit(DWORD ms = 10000);

private:
    std::string m_name;
    std::string m_program;
    std::string m_dir = FAKES_DIR;
};

// The items a DDE stand-in was asked for on one topic, in order.
std::vector<std::string> Items(const FakeProgram &server, const std::string &topic);
// The arguments each copy of a stand-in browser was started with, after its
// quoted program path ("<line>" for a line that does not start with it).
std::vector<std::string> Arguments(const FakeProgram &browser);

// Counts the lines of one kind a fake appended to its log, reading only
// what was added since the last call: for runs whose logs grow long.
class LogCounter {
public:
    LogCounter(std::string path, const std::string &kind) : m_path(std::move(path)), m_needle("\t" + kind + "\t") {}
    size_t Count();

private:
    std::string m_path, m_needle, m_unread;
    LONGLONG m_offset = 0;
    size_t m_count = 0;
};

// Settings of fake_browser.exe serving one DDE service: replies as its
// "[replies]" lines, registering registerAfter ms after start (-1 never).
std::string DdeServerSettings(const char *service, const std::string &replies, int registerAfter = 0);
// Installs and starts the server, and waits until its service is registered.
bool StartDdeServer(FakeProgram &server, const std::string &settings);

// Registry set-up of the prefix; keys are created as needed.
bool SetKeyDefault(HKEY root, const std::string &key, const std::string &value);
bool SetKeyValue(HKEY root, const std::string &key, const std::string &name, DWORD type, const std::string &bytes);
bool DeleteKeyTree(HKEY root, const std::string &key);

#define APP_PATHS_NETSCAPE "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Netscape.exe"
#define CLSID_NETSCAPE_SERVER "CLSID\\{EF5F7050-385A-11CE-8193-0020AF18F905}\\LocalServer32"
#define CLSID_EXPLORER_SERVER "CLSID\\{0002DF01-0000-0000-C000-000000000046}\\LocalServer32"

// Where the program looks: this copy becomes Netscape Navigator's
// executable (its App Paths value), or Internet Explorer's automation
// server (CLSID_InternetExplorer's LocalServer32).
bool RegisterAsNetscape(const FakeProgram &fake);
bool RegisterAsExplorerServer(const FakeProgram &fake);

// The settings of the stand-in "Rasapi32.dll" (drivers/fakes/fake_rasapi32.cpp).
void WriteRasState(const std::string &settings);
std::vector<FakeEvent> RasEvents(const std::string &kind = "");

// The kernel handles this process holds (HandleCount in ProcessResources.h).
size_t ProcessHandleCount();

// Polls cond every 10 ms for up to ms milliseconds, dispatching this
// thread's messages in between (DDE and COM need them).
bool PumpUntil(const std::function<bool()> &cond, DWORD ms = 10000);
