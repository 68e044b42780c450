// Private-profile functions for builds without kernel32. The file is read
// whole on every call and written back whole after a change. Lines end at
// CR, LF or CR LF; every line is written back with CR LF, and lines the
// functions do not touch keep their bytes, NULs too. The file is in code
// page 932, as Windows keeps it in the system's code page, each line
// decoded when read and encoded when written; or, once a text needed a
// character the code page lacks, UTF-16LE with its byte-order mark, into
// which the whole file was converted then, as ProfileWin.cpp does.
#include "core/settings/Profile.h"

#include "core/settings/ProfileText.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string g_dir;

// A line of the file: its bytes, and its text in UTF-8. In a UTF-16 file
// the bytes are the text's, encoded as the file is written.
struct IniLine {
    std::string bytes, text;
};

struct IniFile {
    bool utf16 = false;
    std::vector<IniLine> lines;
};

const char UTF16_BOM[] = "\xFF\xFE";

// The code point of the UTF-8 character of length bytes at text[at].
uint32_t CodePoint(const std::string &text, size_t at, size_t length)
{
    static const unsigned char leadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    uint32_t c = static_cast<unsigned char>(text[at]) & leadMask[length];
    for (size_t i = 1; i < length; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
    return c;
}

void AppendUtf16(std::string &out, uint32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

// UTF-16LE of UTF-8 text; a byte that is not UTF-8 as U+FFFD.
std::string Utf16Bytes(const std::string &utf8)
{
    std::string out;
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = Utf8CharLength(utf8, at);
        const uint32_t c = length ? CodePoint(utf8, at, length) : 0xFFFDu;
        if (c >= 0x10000) {
            AppendUtf16(out, 0xD800u + ((c - 0x10000) >> 10));
            AppendUtf16(out, 0xDC00u + ((c - 0x10000) & 0x3FF));
        } else {
            AppendUtf16(out, c);
        }
        at += length ? length : 1;
    }
    return out;
}

// UTF-8 of UTF-16LE bytes from at; an unpaired surrogate, and an odd last
// byte, as U+FFFD.
std::string Utf8OfUtf16(const std::string &bytes, size_t at)
{
    std::string out;
    const auto unit = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    for (; at + 1 < bytes.size(); at += 2) {
        const uint32_t u = unit(at);
        if (u >= 0xD800 && u < 0xDC00 && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 && unit(at + 2) < 0xE000) {
            out += CodePointToUtf8(0x10000 + ((u - 0xD800) << 10) + (unit(at + 2) - 0xDC00));
            at += 2;
        } else {
            out += CodePointToUtf8(u >= 0xD800 && u < 0xE000 ? 0xFFFDu : u);
        }
    }
    if (at < bytes.size())
        out += CodePointToUtf8(0xFFFDu);
    return out;
}

// The bytes of a line of text in the file's form.
IniLine Encoded(const std::string &text, bool utf16)
{
    if (utf16)
        return {text, text};
    std::string bytes, ansi;
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8CharLength(text, at);
        if (length == 1)
            bytes += text[at];
        else
            bytes += length > 1 && CharToAnsiExact(text.substr(at, length), ansi) ? ansi : std::string("?");
        at += length > 0 ? length : 1;
    }
    return {bytes, text};
}

std::string PathOf(const char *fileName)
{
    if (std::strchr(fileName, '/') || g_dir.empty())
        return fileName;
    return g_dir + "/" + fileName;
}

// A missing file reads as no lines.
IniFile ReadFile(const std::string &path)
{
    IniFile file;
    std::string bytes;
    if (FILE *f = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            bytes += static_cast<char>(c);
        std::fclose(f);
    }
    file.utf16 = bytes.compare(0, 2, UTF16_BOM) == 0;
    if (file.utf16)
        bytes = Utf8OfUtf16(bytes, 2);
    std::string line;
    bool afterCr = false;
    const auto addLine = [&] { file.lines.push_back({line, file.utf16 ? line : AnsiToUtf8(line)}); };
    for (const char c : bytes) {
        const bool lfOfCrLf = afterCr && c == '\n';
        afterCr = c == '\r';
        if (lfOfCrLf)
            continue;
        if (c == '\r' || c == '\n') {
            addLine();
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        addLine();
    return file;
}

bool WriteFile(const std::string &path, const IniFile &file)
{
    std::string bytes = file.utf16 ? UTF16_BOM : "";
    for (const IniLine &line : file.lines)
        bytes += file.utf16 ? Utf16Bytes(line.text + "\r\n") : line.bytes + "\r\n";
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
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

SectionSpan FindSection(const std::vector<IniLine> &lines, const char *section)
{
    SectionSpan span;
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!SectionName(lines[i].text, name))
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

long FindKey(const std::vector<IniLine> &lines, const SectionSpan &span, const char *key, std::string *value)
{
    std::string name, v;
    for (size_t i = span.first; i < span.last; ++i) {
        if (KeyLine(lines[i].text, name, v) && EqualsNoCase(name, key)) {
            if (value)
                *value = v;
            return static_cast<long>(i);
        }
    }
    return -1;
}

// What a NULL section or key asks for: the names of the file's sections, or
// of the keys of one section (span), each ended by a NUL.
std::string NameList(const std::vector<IniLine> &lines, const SectionSpan *span)
{
    std::string list, name, value;
    const size_t first = span ? span->first : 0, last = span ? span->last : lines.size();
    for (size_t i = first; i < last; ++i) {
        const bool named = span ? KeyLine(lines[i].text, name, value) : SectionName(lines[i].text, name);
        // An empty name would read as the end of the list.
        if (named && !name.empty())
            list.append(name).push_back('\0');
    }
    return list;
}

} // namespace

void SetProfileDirectory(const char *dir) { g_dir = dir ? dir : ""; }

size_t ProfileReadString(const char *section, const char *key, const char *defaultValue, char *buffer, size_t size,
                         const char *fileName)
{
    const std::vector<IniLine> lines = fileName ? ReadFile(PathOf(fileName)).lines : std::vector<IniLine>();
    if (!section)
        return CopyProfileText(NameList(lines, nullptr), buffer, size, true);
    const SectionSpan span = FindSection(lines, section);
    if (!key)
        return CopyProfileText(NameList(lines, &span), buffer, size, true);
    std::string value;
    if (FindKey(lines, span, key, &value) < 0) {
        value = defaultValue ? defaultValue : "";
        while (!value.empty() && value.back() == ' ')
            value.pop_back();
    } else if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    return CopyProfileText(value, buffer, size, false);
}

unsigned ProfileReadInt(const char *section, const char *key, int defaultValue, const char *fileName)
{
    char text[32];
    if (ProfileReadString(section, key, "", text, sizeof text, fileName) == 0)
        return static_cast<unsigned>(defaultValue);
    const char *p = text;
    while (IsBlankChar(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    unsigned n = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        n = n * 10u + static_cast<unsigned>(*p - '0');
    return negative ? 0u - n : n;
}

// Like Windows, a call that changes nothing still writes the file, so that
// a missing one is then there, empty.
bool ProfileWriteString(const char *section, const char *key, const char *value, const char *fileName)
{
    if (!section || !fileName)
        return false;
    const std::string path = PathOf(fileName);
    IniFile file = ReadFile(path);
    // The first text the code page cannot hold turns the file into UTF-16.
    if (!FitsCodePage(section) || (key && !FitsCodePage(key)) || (value && !FitsCodePage(value)))
        file.utf16 = true;
    std::vector<IniLine> &lines = file.lines;
    const auto encoded = [&](const std::string &text) { return Encoded(text, file.utf16); };
    const SectionSpan span = FindSection(lines, section);
    const long at = key ? FindKey(lines, span, key, nullptr) : -1;

    if (!key) {
        if (span.found)
            lines.erase(lines.begin() + static_cast<long>(span.first - 1), lines.begin() + static_cast<long>(span.last));
    } else if (!value) {
        if (at >= 0)
            lines.erase(lines.begin() + at);
    } else if (!span.found) {
        lines.push_back(encoded(std::string("[") + section + "]"));
        lines.push_back(encoded(std::string(key) + "=" + value));
    } else if (at >= 0) {
        std::string name, old;
        KeyLine(lines[static_cast<size_t>(at)].text, name, old);
        lines[static_cast<size_t>(at)] = encoded(name + "=" + value);
    } else {
        size_t end = span.last;
        while (end > span.first && Trim(lines[end - 1].text).empty())
            --end;
        lines.insert(lines.begin() + static_cast<long>(end), encoded(std::string(key) + "=" + value));
    }
    return WriteFile(path, file);
}

// The section's blank lines at its end stay, as before the next section.
bool ProfileWriteSection(const char *section, const std::vector<ProfileEntry> &entries, const char *fileName)
{
    if (!section || !fileName)
        return false;
    const std::string path = PathOf(fileName);
    IniFile file = ReadFile(path);
    std::vector<std::string> texts;
    bool fits = FitsCodePage(section);
    for (const ProfileEntry &entry : entries) {
        texts.push_back(entry.key + "=" + entry.value);
        fits = fits && FitsCodePage(texts.back());
    }
    file.utf16 = file.utf16 || !fits;
    std::vector<IniLine> &lines = file.lines;
    SectionSpan span = FindSection(lines, section);
    if (!span.found) {
        lines.push_back(Encoded(std::string("[") + section + "]", file.utf16));
        span.first = span.last = lines.size();
    }
    size_t end = span.last;
    while (end > span.first && Trim(lines[end - 1].text).empty())
        --end;
    lines.erase(lines.begin() + static_cast<long>(span.first), lines.begin() + static_cast<long>(end));
    for (size_t i = 0; i < texts.size(); ++i)
        lines.insert(lines.begin() + static_cast<long>(span.first + i), Encoded(texts[i], file.utf16));
    return WriteFile(path, file);
}
