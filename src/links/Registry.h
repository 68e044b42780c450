// Reading the registry: the few values the program looks at (browser
// locations, the Startup and Favorites folders, Autodial, Netscape
// Navigator's profiles). Each key is open only during the call.
#pragma once

#include <windows.h>

#define REG_VALUE_SIZE 512

// The raw bytes of a value of any type (name null: the key's default
// value) into buffer: how many, or -1 when the key or the value is missing
// or the value does not fit in size bytes.
long ReadRegistryBytes(HKEY root, const char *key, const char *name, void *buffer, DWORD size);

// A value read as text into value (size bytes) and terminated, since a
// string may be stored without its NUL; length, when asked for, gets the
// bytes the registry returned. False when missing or when it does not fit
// with its terminator.
bool ReadRegistryString(HKEY root, const char *key, const char *name, char *value, DWORD size,
                        DWORD *length = nullptr);
