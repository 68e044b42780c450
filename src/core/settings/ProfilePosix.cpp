// Private-profile functions for builds without kernel32. The file is read
// whole on every call and written back whole after a change. Lines end at
// CR, LF or CR LF; every line is written back with CR LF, and lines the
// functions do not touch keep their bytes, NULs too.
#include "core/settings/Profile.h"

#include "core/text/Ascii.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string g_dir;

std::string PathOf(LPCSTR fileName)
{
    if (std::strchr(fileName, '/') || g_dir.empty())
        return fileName;
    return g_dir + "/" + fileName;
}

// A missing file reads as no lines.
void ReadLines(const std::string &path, std::vector<std::string> &lines)
{
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return;
    std::string line;
    bool afterCr = false;
    for (int c; (c = std::fgetc(f)) != EOF;) {
        const bool lfOfCrLf = afterCr && c == '\n';
        afterCr = c == '\r';
        if (lfOfCrLf)
            continue;
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    if (!line.empty())
        lines.push_back(line);
    std::fclose(f);
}

bool WriteLines(const std::string &path, const std::vector<std::string> &lines)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = true;
    for (const std::string &line : lines)
        ok = std::fwrite(line.data(), 1, line.size(), f) == line.size() && std::fputs("\r\n", f) >= 0 && ok;
    return std::fclose(f) == 0 && ok;
}

std::string Trim(const std::string &s)
{
    size_t b = 0, e = s.size();
    while (b < e && IsBlankChar(s[b]))
        ++b;
    while (e > b && IsBlankChar(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// The name of the section a line opens, or false when it opens none.
bool SectionName(const std::string &line, std::string &name)
{
    std::string t = Trim(line);
    if (t.empty() || t[0] != '[')
        return false;
    size_t close = t.rfind(']');
    name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// Splits "name = value"; false for lines without an equals sign.
bool KeyLine(const std::string &line, std::string &name, std::string &value)
{
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    name = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

// Lines [first, last) belong to the section: its header is first - 1. A
// missing section has no lines.
struct SectionSpan {
    size_t first = 0, last = 0;
    bool found = false;
};

SectionSpan FindSection(const std::vector<std::string> &lines, LPCSTR section)
{
    SectionSpan span;
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!SectionName(lines[i], name))
            continue;
        if (span.found) {
            span.last = i;
            return span;
        }
        if (EqualsNoCase(name, section)) {
            span.found = true;
            span.first = i + 1;
        }
    }
    span.last = span.found ? lines.size() : 0;
    return span;
}

long FindKey(const std::vector<std::string> &lines, const SectionSpan &span, LPCSTR key,
             std::string *value)
{
    std::string name, v;
    for (size_t i = span.first; i < span.last; ++i) {
        if (KeyLine(lines[i], name, v) && EqualsNoCase(name, key)) {
            if (value)
                *value = v;
            return static_cast<long>(i);
        }
    }
    return -1;
}

// What a NULL section or key asks for: the names of the file's sections, or
// of the keys of one section (span), each ended by a NUL.
std::string NameList(const std::vector<std::string> &lines, const SectionSpan *span)
{
    std::string list, name, value;
    const size_t first = span ? span->first : 0, last = span ? span->last : lines.size();
    for (size_t i = first; i < last; ++i) {
        const bool named = span ? KeyLine(lines[i], name, value) : SectionName(lines[i], name);
        // An empty name would read as the end of the list.
        if (named && !name.empty())
            list.append(name).push_back('\0');
    }
    return list;
}

// Copies as much as fits and ends it with a NUL; a list that is cut still
// ends with two, as the list's reader expects.
DWORD CopyOut(const std::string &text, LPSTR buffer, DWORD size, bool list = false)
{
    if (!buffer || size == 0)
        return 0;
    DWORD n = static_cast<DWORD>(text.size());
    if (n >= size)
        n = list && size >= 2 ? size - 2 : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    if (list && n + 1 < size)
        buffer[n + 1] = '\0';
    return n;
}

} // namespace

void SetProfileDirectory(const char *dir) { g_dir = dir ? dir : ""; }

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName)
{
    std::vector<std::string> lines;
    if (fileName)
        ReadLines(PathOf(fileName), lines);
    if (!section)
        return CopyOut(NameList(lines, nullptr), buffer, size, true);
    const SectionSpan span = FindSection(lines, section);
    if (!key)
        return CopyOut(NameList(lines, &span), buffer, size, true);
    std::string value;
    if (FindKey(lines, span, key, &value) < 0) {
        value = defaultValue ? defaultValue : "";
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
    } else if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    return CopyOut(value, buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    char text[32];
    if (GetPrivateProfileStringA(section, key, "", text, sizeof text, fileName) == 0)
        return static_cast<UINT>(defaultValue);
    const char *p = text;
    while (IsBlankChar(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    UINT n = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        n = n * 10u + static_cast<UINT>(*p - '0');
    return negative ? 0u - n : n;
}

// Like Windows, a call that changes nothing still writes the file, so that
// a missing one is then there, empty.
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    if (!section || !fileName)
        return 0;
    const std::string path = PathOf(fileName);
    std::vector<std::string> lines;
    ReadLines(path, lines);
    const SectionSpan span = FindSection(lines, section);
    const long at = key ? FindKey(lines, span, key, nullptr) : -1;

    if (!key) {
        if (span.found)
            lines.erase(lines.begin() + static_cast<long>(span.first - 1), lines.begin() + static_cast<long>(span.last));
    } else if (!value) {
        if (at >= 0)
            lines.erase(lines.begin() + at);
    } else if (!span.found) {
        lines.push_back(std::string("[") + section + "]");
        lines.push_back(std::string(key) + "=" + value);
    } else if (at >= 0) {
        std::string name, old;
        KeyLine(lines[static_cast<size_t>(at)], name, old);
        lines[static_cast<size_t>(at)] = name + "=" + value;
    } else {
        size_t end = span.last;
        while (end > span.first && Trim(lines[end - 1]).empty())
            --end;
        lines.insert(lines.begin() + static_cast<long>(end), std::string(key) + "=" + value);
    }
    return WriteLines(path, lines) ? 1 : 0;
}
