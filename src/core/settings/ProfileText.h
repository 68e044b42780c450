// What the two implementations of Profile.h share: how a value or a list of
// names is handed out in the caller's buffer.
#pragma once

#include <cstddef>
#include <string>

// Copies as much of text (UTF-8; a list: names each ended by a NUL) as fits
// into buffer (size bytes), cut on a whole character, and ends it with a
// NUL; a list, cut or not, ends with two, as the list's reader expects.
// Returns the bytes copied.
size_t CopyProfileText(const std::string &text, char *buffer, size_t size, bool list);
