// Netscape Navigator's bookmark file ("bookmark.htm") read into folders and
// entries. Not an HTML parser: a tag scanner that reads one byte at a time,
// looks only at tag names, takes the text between tags raw and pulls the
// HREF value out of bookmark tags.
#pragma once

#include "core/bookmarks/ByteReader.h"
#include "core/bookmarks/FolderSink.h"

#include <string>

// A tag name ('<' and the name as written) is cut to this many bytes.
#define TAG_NAME_MAX 1023

// Reads up to and including the next tag: name gets '<' and the tag's name,
// tag its whole text. end is set only when the input ran out before a '<';
// a tag cut off by the end is handed on and the next read finds the end.
void ReadTag(CByteReader &in, std::string &tag, std::string &name, bool &end);

// Reads the text up to the next '<', which is left unread. end is set when
// the input ran out first.
void ReadText(CByteReader &in, std::string &text, bool &end);

// The value of the first "HREF" (upper case) attribute of a tag's text, with
// control characters removed; empty when there is none.
std::string GetHref(const std::string &tag);

// Case-insensitive ASCII comparison of a whole tag name with a literal.
bool TagNameIs(const std::string &name, const char *literal);

// The heading ("<H1") becomes folder 0; the "<DT><H3" headings folders 1,
// 2, ... in file order, nested as their "<DL>" lists; the "<DT><A" tags
// entries of the innermost open folder, but for one whose URL an entry
// cannot keep whole (EntryUrl.h). Returns 1.
int ReadBookmarks(IByteStream &file, IFolderSink &sink);
