#include "core/settings/GroupList.h"

#include "core/settings/SettingsFile.h"
#include "core/text/Ascii.h"
#include "core/text/Utf8Text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

UrlTable theUrlTable;
int s_nCurrentGroup = 0;

namespace {

// "G_NUM" is read up to this many characters; numbers past them are not.
const size_t GROUP_INDEX_CHARS = 510;

void SectionName(int n, char (&section)[16]) { std::snprintf(section, sizeof section, "%s%d", "G", n); }

void UrlKey(int k, char (&key)[16]) { std::snprintf(key, sizeof key, "%s%d", "UL", k); }

// The decimal number at the start of a "G_NUM" token; large values stay
// large without overflowing.
int TokenNumber(const char *p, const char *end)
{
    int n = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
        n = n > MAX_GROUPS * 10 ? n : n * 10 + (*p - '0');
    return n;
}

} // namespace

std::string BrowserTag(int kind)
{
    if (IsListedKind(kind))
        return "B" + std::to_string(kind - BK_LISTED + 1);
    switch (kind) {
    case BK_NN: return "NN";
    case BK_IE: return "IE";
    default: return "DEF";
    }
}

int KindOfTag(const std::string &tag)
{
    if (tag == "NN")
        return BK_NN;
    if (tag == "IE")
        return BK_IE;
    // "B1" to "B16", written as BrowserTag writes them: no sign, no zeros.
    if (tag.size() >= 2 && tag.size() <= 3 && tag[0] == 'B' && tag[1] >= '1' && tag[1] <= '9' &&
        (tag.size() == 2 || (tag[2] >= '0' && tag[2] <= '9'))) {
        const int n = std::stoi(tag.substr(1));
        if (n <= MAX_BROWSERS)
            return BK_LISTED + n - 1;
    }
    return BK_DEF;
}

CGroupList::CGroupList() { std::memset(m_bUsed, 0, sizeof m_bUsed); }

CGroupList::~CGroupList() = default;

int CGroupList::IsGroup(int n) const { return n >= 1 && n <= MAX_GROUPS && m_bUsed[n - 1] ? 1 : 0; }

int CGroupList::ReadGroupName(int n, char *name) const
{
    if (!IsGroup(n))
        return 0;
    char section[16];
    SectionName(n, section);
    const std::string value = ReadIniString(section, "GNAME");
    std::memcpy(name, value.c_str(), value.size() + 1);    // never longer than GROUP_NAME_SIZE - 1
    return 1;
}

int CGroupList::FindGroup(const std::string &text) const
{
    // Up to two digits, so that no number overflows.
    if (!text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string::npos) {
        const int n = std::stoi(text);
        return IsGroup(n) ? n : 0;
    }
    char name[GROUP_NAME_SIZE];
    for (int n = 1; n <= MAX_GROUPS; ++n)
        if (ReadGroupName(n, name) && text == name)
            return n;
    for (int n = 1; n <= MAX_GROUPS; ++n)
        if (ReadGroupName(n, name) && EqualsAsciiNoCase(text.c_str(), name))
            return n;
    return 0;
}

bool CGroupList::WriteGroupNumbers() const
{
    std::string value;
    for (int n = 1; n <= MAX_GROUPS; ++n) {
        if (!IsGroup(n))
            continue;
        if (!value.empty())
            value += ' ';
        value += std::to_string(n);
    }
    return WriteMainString(KEY_G_NUM, value.c_str());
}

int CGroupList::LoadGroups()
{
    const std::string numbers = ReadIniString(INI_MAIN, KEY_G_NUM, GROUP_INDEX_CHARS);
    // Blanks, control characters and bytes from 0x80 up all end a token.
    const char *token = numbers.c_str();
    for (size_t i = 0; i <= numbers.size(); ++i) {
        if (static_cast<signed char>(numbers[i]) > ' ')
            continue;
        const int n = TokenNumber(token, numbers.c_str() + i);
        if (n >= 1 && n <= MAX_GROUPS)
            m_bUsed[n - 1] = 1;
        token = numbers.c_str() + i + 1;
    }
    const int previous = ReadMainInt(KEY_G_PREV, 0);
    if (previous != 0 || !numbers.empty())
        return previous;
    MigrateLegacyList();
    return previous;
}

// An older layout kept one list in the main section; it becomes group 1.
void CGroupList::MigrateLegacyList()
{
    const int count = ReadMainInt(KEY_URL_NUM, 0);
    if (count == 0)
        return;
    for (int k = 1; k <= count && k <= MAX_URL_KEY; ++k) {
        char key[16];
        UrlKey(k, key);
        const std::string value = ReadIniString(INI_MAIN, key);
        if (value.empty())
            continue;
        WriteIniString("G1", key, value.c_str());
        WriteMainString(key, nullptr);
    }
    WriteMainString(KEY_URL_NUM, nullptr);
    WriteIniInt("G1", KEY_URL_NUM, count);
    WriteMainString(KEY_G_NUM, "1");
    m_bUsed[0] = 1;
    WriteIniString("G1", "GNAME", "Default");
}

int CGroupList::AllocGroup(int take)
{
    for (int n = 1; n <= MAX_GROUPS; ++n) {
        if (IsGroup(n))
            continue;
        if (take == 1) {
            m_bUsed[n - 1] = 1;
            if (!WriteGroupNumbers()) {
                m_bUsed[n - 1] = 0;
                return 0;
            }
        }
        return n;
    }
    return -1;
}

// The group leaves "G_NUM" first: a section left behind by a failed second
// write is never read, and the next group to take its number replaces it.
bool CGroupList::DeleteGroup(int n)
{
    if (!IsGroup(n))
        return true;
    m_bUsed[n - 1] = 0;
    if (!WriteGroupNumbers()) {
        m_bUsed[n - 1] = 1;
        return false;
    }
    char section[16];
    SectionName(n, section);
    WriteIniString(section, nullptr, nullptr);
    return true;
}

int CGroupList::LoadGroupUrls(int n) const
{
    if (!IsGroup(n))
        return -1;
    char section[16];
    SectionName(n, section);
    const int count = static_cast<int>(ProfileReadInt(section, KEY_URL_NUM, 0, SettingsFile()));
    int e = 0;
    for (int k = 1; k <= count && k <= MAX_URL_KEY && e < MAX_URLS; ++k) {
        char key[16];
        UrlKey(k, key);
        const std::string read = ReadIniString(section, key);
        if (read.empty())
            continue;
        const char *value = read.c_str();
        char *text = theUrlTable.text[e];
        text[0] = ' ';
        text[1] = '\0';
        const char *tagEnd = value;
        while (*tagEnd && !IsBlankChar(*tagEnd))
            ++tagEnd;
        if (tagEnd == value)
            continue;
        const char *url = tagEnd;
        while (IsBlankChar(*url))
            ++url;
        size_t length = 0;
        while (url[length] && !IsBlankChar(url[length]))
            ++length;
        std::memcpy(text + 1, url, length);    // the tag leaves room for the blank
        text[1 + length] = '\0';
        theUrlTable.kind[e] = KindOfTag(std::string(static_cast<const char *>(value), tagEnd));
        ++e;
    }
    return e;
}

int CGroupList::LoadUrlTable(int n) const
{
    theUrlTable.count = LoadGroupUrls(n);
    return theUrlTable.count;
}

bool CGroupList::SaveGroup(int n, const char *name, int count) const
{
    char section[16];
    SectionName(n, section);
    count = std::clamp(count, 0, MAX_URLS);
    std::vector<ProfileEntry> entries = {{"GNAME", name}};
    for (int i = 0; i < count; ++i) {
        char key[16];
        UrlKey(i + 1, key);
        entries.push_back({key, BrowserTag(theUrlTable.kind[i]) + theUrlTable.text[i]});
    }
    entries.push_back({KEY_URL_NUM, std::to_string(count)});
    return WriteIniSection(section, std::move(entries));
}

bool CGroupList::WriteCurrentGroup(int n) const { return WriteMainInt(KEY_G_PREV, n); }
