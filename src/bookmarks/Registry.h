// Reading the few registry values the bookmark import needs.
#pragma once

#include <windows.h>

#define REG_VALUE_SIZE 512

// Reads a value of key under root into value, at most 511 bytes, and
// terminates it (a string may be stored without its NUL); length is the
// length the query returned. The key is open only during the call.
bool ReadRegistryString(HKEY root, const char *key, const char *name, char (&value)[REG_VALUE_SIZE], DWORD &length);
