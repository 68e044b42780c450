// The three private-profile functions through which the program reaches
// "Orvanta.ini". On Windows they are kernel32's own; other builds (the unit
// tests on Linux) get ProfilePosix.cpp, which behaves the same way for
// everything the program relies on.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int BOOL;
typedef int INT;
typedef const char *LPCSTR;
typedef char *LPSTR;

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                               LPSTR buffer, DWORD size, LPCSTR fileName);
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

// Folder in which a bare file name is looked for (Windows uses its own
// directory); the current directory until set.
void SetProfileDirectory(const char *dir);
#endif
