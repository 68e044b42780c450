// Reading the registry: the few values the program looks at (browser
// locations, the Startup and Favorites folders, Autodial, Netscape
// Navigator's profiles). Each key is open only during the call. Key and
// value names, and the text read, are UTF-8; the registry is asked through
// its wide functions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Bytes of a value read as text: a path of MAX_PATH UTF-16 units in UTF-8.
#define REG_VALUE_SIZE (MAX_PATH * 3 + 1)

// The raw bytes of a value of any type (name null: the key's default
// value) into buffer: how many, or -1 when the key or the value is missing
// or the value does not fit in size bytes.
// view: 0, or KEY_WOW64_32KEY / KEY_WOW64_64KEY for the other program
// bitness's view of HKLM\SOFTWARE.
long ReadRegistryBytes(HKEY root, const char *key, const char *name, void *buffer, DWORD size, REGSAM view = 0);

// A value read as text into value (size bytes of UTF-8) and terminated,
// since a string may be stored without its NUL; length, when asked for,
// gets the bytes of the text as stored, its terminator included when it
// was. False when missing or when it does not fit with its terminator.
bool ReadRegistryString(HKEY root, const char *key, const char *name, char *value, DWORD size,
                        DWORD *length = nullptr, REGSAM view = 0);

// The names of key's subkeys (names up to 255 characters, as the registry
// allows), in the registry's order; none when key is missing.
std::vector<std::string> RegistrySubkeys(HKEY root, const char *key, REGSAM view = 0);
