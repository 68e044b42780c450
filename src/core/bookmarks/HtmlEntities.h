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

// UTF-8 text with every reference replaced by its character's UTF-8: never
// longer than text, as no reference is shorter than the UTF-8 of its
// character.
std::string DecodeReferences(const std::string &text);
