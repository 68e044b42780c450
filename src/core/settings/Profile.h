// The program's own private-profile functions, through which it reaches
// "Orvanta.ini": Windows' GetPrivateProfileInt, GetPrivateProfileString and
// WritePrivateProfileString, with every text in UTF-8. On Windows they are
// kernel32's wide functions (ProfileWin.cpp); other builds (the unit tests
// on Linux) get ProfilePosix.cpp, which behaves the same way for everything
// the program relies on, with code page 932 for the system's. Both keep the
// file in the code page until a text needs a character the code page
// lacks, and from then on in UTF-16LE.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The value's leading decimal number (a sign allowed), defaultValue when the
// key is missing or empty.
unsigned ProfileReadInt(const char *section, const char *key, int defaultValue, const char *fileName);

// The value of key in section into buffer (size bytes), cut on a whole
// UTF-8 character to fit size - 1 bytes and NUL-ended; defaultValue when
// the key is missing. A NULL section asks for the names of the file's
// sections, a NULL key for those of the section's keys: each name ended by
// a NUL and the list by a second one, a cut list too. Returns the bytes
// copied, the last NUL not counted.
size_t ProfileReadString(const char *section, const char *key, const char *defaultValue, char *buffer, size_t size,
                         const char *fileName);

// Sets key in section to value; a NULL value removes the key, a NULL key
// the section. False when the file cannot be written.
bool ProfileWriteString(const char *section, const char *key, const char *value, const char *fileName);

struct ProfileEntry {
    std::string key, value;
};

// Makes entries, in their order, the whole of section (made where missing)
// in one write of the file, as WritePrivateProfileSection does: no moment
// in which the section is gone and its new keys not yet there. False when
// the file cannot be written; it is then as it was.
bool ProfileWriteSection(const char *section, const std::vector<ProfileEntry> &entries, const char *fileName);

#ifndef _WIN32
// Folder in which a bare file name is looked for (Windows uses its own
// directory); the current directory until set.
void SetProfileDirectory(const char *dir);
#endif
