// Internet Explorer's Internet shortcut files (".URL"): the entry's name is
// the file name without its extension, its URL the value of the file's
// first "URL=" line.
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

// True, with the name, for a file name longer than four characters whose
// last four are ".URL" in any letter case. None of ".URL" can be the
// second byte of a double-byte character, so bytes can be compared.
bool ShortcutName(const char *fileName, std::string &name);

// Whether a file with these attributes is listed: it needs the archive
// (0x20) or normal (0x80) attribute, so a read-only file without the
// archive attribute is left out.
bool ShortcutAttributesTaken(uint32_t attributes);

// True, with the URL, when the line is longer than four bytes and starts
// with "URL=" in any letter case. The URL keeps no control characters.
bool UrlFromShortcutLine(const char *line, std::string &url);

// Reads a file opened in text mode line by line up to the first "URL="
// line: true with its URL; false when there is none, or when that line is
// longer than maxLine bytes.
bool ReadShortcutUrl(std::FILE *file, std::string &url, size_t maxLine = SHORTCUT_LINE_MAX);
