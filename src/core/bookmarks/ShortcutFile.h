// Internet Explorer's Internet shortcut files (".URL"): the entry's name is
// the file name without its extension, its URL the value of the file's
// first "URL=" line. Windows writes that line in the system's code page, so
// a URL the code page cannot hold comes out with '?' there; it then also
// writes the exact URL, in UTF-7, as the "URL=" line of the
// "[InternetShortcut.W]" section, and that one is taken when present.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Lines are read whole up to this many bytes, their line end not counted.
// What lies beyond is read and dropped: a longer line is no URL line the
// program can use (an entry keeps far less), and a file of one endless
// line is not held in memory.
#define SHORTCUT_LINE_MAX (64 * 1024)

// True, with the name, for a file name (UTF-8) longer than four bytes whose
// last four are ".URL" in any letter case. No byte of a character of
// several bytes is ASCII, so bytes can be compared.
bool ShortcutName(const char *fileName, std::string &name);

// Whether a file with these attributes is listed: it needs the archive
// (0x20) or normal (0x80) attribute, so a read-only file without the
// archive attribute is left out.
bool ShortcutAttributesTaken(uint32_t attributes);

// True, with the URL, when the line is longer than four bytes and starts
// with "URL=" in any letter case. The URL keeps no control characters.
bool UrlFromShortcutLine(const char *line, std::string &url);

// Reads a file opened in text mode line by line to its end: true with the
// URL, in UTF-8, of the first "URL=" line of an "[InternetShortcut.W]"
// section (any letter case) when there is one that is UTF-7, decoded as it
// is (Utf8Url); otherwise with the URL of the file's first "URL=" line,
// decoded from the code page (AnsiToUtf8); false when there is none, or
// when that line is longer than maxLine bytes.
bool ReadShortcutUrl(std::FILE *file, std::string &url, size_t maxLine = SHORTCUT_LINE_MAX);
