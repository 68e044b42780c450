#include "IniFile.h"

#include "core/settings/Profile.h"
#include "core/settings/SettingsFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include "core/text/WideText.h"

#include <windows.h>

#include <shlobj.h>
#else
#include <unistd.h>
#endif

namespace {

std::string Trim(const std::string &s)
{
    const size_t b = s.find_first_not_of(" \t\r");
    const size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(Trim(line));
    return lines;
}

} // namespace

std::string IniPath()
{
#ifdef _WIN32
    static std::string path;
    if (path.empty()) {
        wchar_t *roaming = nullptr;
        ::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &roaming);
        const std::wstring folder = std::wstring(roaming ? roaming : L"") + L"\\Orvanta";
        ::CoTaskMemFree(roaming);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        path = Utf8FromWide(folder + L"\\" INI_FILE_NAME_W);
        SetSettingsFile(path);
    }
    return path;
#else
    static std::string dir;
    if (dir.empty()) {
        char pattern[] = "/tmp/orvanta-ini-XXXXXX";
        dir = mkdtemp(pattern);
        SetProfileDirectory(dir.c_str());
    }
    return dir + "/Orvanta.ini";
#endif
}

bool IniExists()
{
    std::ifstream in(IniPath(), std::ios::binary);
    return in.good();
}

void RemoveIni() { std::remove(IniPath().c_str()); }

void WriteIniText(const std::string &text)
{
    std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
    out << text;
}

std::string ReadIniText()
{
    std::ifstream in(IniPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadIniValue(const char *section, const char *key)
{
    char buffer[2048];
    IniPath();
    ProfileReadString(section, key, "<missing>", buffer, sizeof buffer, SettingsFile());
    return buffer;
}

std::vector<std::string> KeysInOrder(const std::string &text, const std::string &section)
{
    std::vector<std::string> keys;
    bool inside = false;
    for (const std::string &line : Lines(text)) {
        if (!line.empty() && line[0] == '[') {
            inside = line == "[" + section + "]";
            continue;
        }
        const size_t eq = line.find('=');
        if (inside && eq != std::string::npos)
            keys.push_back(Trim(line.substr(0, eq)));
    }
    return keys;
}

std::vector<std::string> SectionsInOrder(const std::string &text)
{
    std::vector<std::string> sections;
    for (const std::string &line : Lines(text))
        if (!line.empty() && line[0] == '[')
            sections.push_back(line.substr(1, line.find(']') - 1));
    return sections;
}

std::string GroupIni(const std::vector<std::string> &entries, const std::string &options)
{
    std::string ini = "[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n" + options + "[G1]\r\nGNAME=day\r\n";
    for (size_t i = 0; i < entries.size(); ++i)
        ini += "UL" + std::to_string(i + 1) + "=" + entries[i] + "\r\n";
    return ini + "URL_Num=" + std::to_string(entries.size()) + "\r\n";
}
