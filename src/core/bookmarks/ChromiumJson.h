// Chromium's files ("Bookmarks", "Local State") read with nlohmann's JSON
// library, so that no exception leaves the reading: the file is read with a
// size cap, parsed with exceptions off, and values nested deeper than a
// bound are dropped while parsing, so that what the callers walk by
// recursion is shallow. Callers check every value's type before using it.
#pragma once

#include "core/bookmarks/ByteStream.h"

#include <nlohmann/json.hpp>

#include <string>

// A bigger file is not read: Chrome's own file with 100,000 bookmarks is
// about 30 MB, and the parsed tree takes several times the bytes.
#define JSON_FILE_MAX (32u * 1024u * 1024u)
// Objects and arrays deeper than this are left out (a folder takes two).
#define JSON_DEPTH_MAX 200

// The whole file, or false when it cannot be read or is bigger than
// JSON_FILE_MAX.
bool ReadWholeFile(IByteStream &file, std::string &bytes);

// The JSON value of text; a discarded value (not JSON, cut off) when it is
// not one. keys, when given, is a null-terminated list: members of other
// names are dropped while parsing, so that a big file keeps what is needed.
nlohmann::json ParseJson(const std::string &text, const char *const *keys = nullptr);

// The string member name of an object, or empty when obj is no object or
// the member is missing or no string.
std::string StringMember(const nlohmann::json &obj, const char *name);
// The member name of an object, or null.
const nlohmann::json *Member(const nlohmann::json &obj, const char *name);
