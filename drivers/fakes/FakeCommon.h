// What every test double shares: its files in FAKES_DIR, named after its own
// module ("netscape.exe" reads "netscape.ini" and appends to "netscape.log"),
// its log of time-stamped lines, and the named event that tells every
// running copy of it to quit.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#define FAKES_DIR "C:\\fakes"

// Log lines: the tick count in milliseconds, the kind of event and its
// fields, separated by tabs.
#define FAKE_LOG_SEPARATOR '\t'

// FAKES_DIR\<base name of module><extension>.
std::string FakeFile(HMODULE module, const char *extension);
// The name of the quit event of the fake with this base name.
std::string FakeQuitEventName(const std::string &baseName);
std::string FakeBaseName(HMODULE module);

class FakeLog {
public:
    explicit FakeLog(HMODULE module = nullptr) : m_path(FakeFile(module, ".log")) {}
    // Appends one line in a single write, so that copies running at the
    // same time do not mix their lines.
    void Write(const char *kind, std::initializer_list<std::string> fields = {}) const;

private:
    std::string m_path;
};

// The settings a test wrote for this fake; read on every call, so that a
// test can change them while the fake runs.
class FakeConfig {
public:
    explicit FakeConfig(HMODULE module = nullptr) : m_path(FakeFile(module, ".ini")) {}
    std::string String(const char *section, const std::string &key) const;
    long Number(const char *section, const std::string &key, long fallback) const;

private:
    std::string m_path;
};

// Pumps messages until the quit event is set, WM_QUIT arrives or lifetime
// milliseconds have passed. tick, when given, runs after each wake-up and
// returns how long to sleep at most before the next one.
void RunUntilQuit(const std::string &baseName, DWORD lifetime, DWORD (*tick)() = nullptr);
