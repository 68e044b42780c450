// Character references in the text of a bookmark file, decoded as browsers
// show them: the named ones exports write (&amp; &lt; &gt; &quot; &apos;)
// and decimal and hexadecimal ones (&#39; &#x2713;), each closed by its ';'.
// Anything else stays as written: a raw '&', an unknown name, a reference
// without its ';', or one to no character (0, a surrogate, past U+10FFFF).
#pragma once

#include <cstddef>
#include <string>

// A reference longer than this, ';' included, stays as written, so that a
// run of digits or letters is never scanned further.
#define REFERENCE_MAX 32

// The reference that starts at text[at] (an '&'): true with its
// character and its length in bytes. Numbers 0x80 to 0x9F are the
// characters code page 1252 has there, as browsers read them.
bool ReadReference(const std::string &text, size_t at, unsigned long &codePoint, size_t &length);

// A character (at most U+10FFFF, no surrogate) in UTF-8.
std::string CodePointToUtf8(unsigned long codePoint);

// text with every reference replaced: by its character itself when that is
// ASCII, otherwise by what convert makes of its UTF-8; with no convert, by
// the UTF-8 itself (for UTF-8 text), and then never longer than text, as no
// reference is shorter than the UTF-8 of its character.
std::string DecodeReferences(const std::string &text, std::string (*convert)(const std::string &utf8) = nullptr);
