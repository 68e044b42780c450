// "Orvanta.ini": the one file in which the program keeps what it remembers.
// Values are read where they are needed with the private-profile functions
// and written key by key through the writers below.
#pragma once

#include "core/settings/Profile.h"

#include <string>

#define INI_FILE_NAME "Orvanta.ini"
#define INI_FILE_NAME_W L"Orvanta.ini"
#define INI_MAIN "Orvanta"

// The path of the settings file every reader and writer here uses: the bare
// name INI_FILE_NAME (Windows' own directory; elsewhere the profile
// directory) until the program sets the user's at start.
const char *SettingsFile();
void SetSettingsFile(const std::string &path);

// Main-section keys, written exactly as spelled here.
#define KEY_USE_BROWSER "USE_Browser"
#define KEY_DELAY "Delay"
#define KEY_XPOS "XPOS"
#define KEY_YPOS "YPOS"
#define KEY_NOTSURF "NotSurf"
#define KEY_REUSE_BROWSER "Reuse_Browser"
#define KEY_WAIT_DIALUP "Wait_Dialup"
#define KEY_PREV_SEL_BROWSER "Prev_Sel_Browser"
#define KEY_WINDOWNUM "WindowNum"
#define KEY_WAIT_NETWORK "Wait_Network"
#define KEY_WAIT_NETWORK_MAX "Wait_Network_Max"
#define KEY_UI_LANGUAGE "UI_Language"
#define KEY_G_NUM "G_NUM"
#define KEY_G_PREV "G_PREV"
#define KEY_URL_NUM "URL_Num"

// A NULL key removes the section, a NULL value the key. Control characters
// in the value are left out: a CR or LF would end the line in the file and
// turn the rest of the value into a line of its own.
// Each returns false when the file could not be written.
bool WriteIniString(const char *section, const char *key, const char *value);
bool WriteIniInt(const char *section, const char *key, int value);
bool WriteMainString(const char *key, const char *value);
bool WriteMainInt(const char *key, int value);
// Makes entries the whole section in one write (ProfileWriteSection).
bool WriteIniSection(const char *section, std::vector<ProfileEntry> entries);

int ReadMainInt(const char *key, int defaultValue);

// A string value is read up to MAX_VALUE_CHARS as StoredLength counts them
// (Unicode.h: the code page's bytes, as an older copy reads the file),
// cut on a whole character. VALUE_TEXT_SIZE holds its UTF-8 and a NUL: a
// byte of the code page is at most three of UTF-8 (a half-width katakana).
#define MAX_VALUE_CHARS 1022
#define VALUE_TEXT_SIZE (3 * MAX_VALUE_CHARS + 1)

// A string value in UTF-8, at most maxChars long as StoredLength counts;
// missing keys read as empty.
std::string ReadIniString(const char *section, const char *key, size_t maxChars = MAX_VALUE_CHARS);
