// Bookmark files in the Netscape format read into folders and entries:
// Netscape Navigator's "bookmark.htm" and the "Export bookmarks to HTML"
// files of Chrome, Edge, Firefox, Safari and Internet Explorer. Not an HTML
// parser: a tag scanner that looks at tag names, keeps the few attribute
// values it uses and the text between tags, and reads everything in
// bounded pieces, so that neither a 100 MB tag nor a 100 MB text is held.
// Names, folder titles and URLs arrive as Charset.h makes them: in UTF-8,
// character references decoded.
#pragma once

#include "core/bookmarks/ByteReader.h"
#include "core/bookmarks/FolderSink.h"

#include <string>

// A tag name ('<' and the name as written) is cut to this many bytes.
#define TAG_NAME_MAX 1023

// An attribute value is kept up to this many bytes. An HREF value longer
// than that as written is no URL an entry can keep (an entry keeps 1018
// bytes, and no real export writes one that long in references), so its
// bookmark is left out, as one whose URL is too long; the ICON values of
// today's exports (50 KB and more of base64) are not kept at all, and an
// HREF before or after one is found all the same.
#define ATTRIBUTE_VALUE_MAX (64 * 1024)

// The text between two tags is kept up to this many bytes, cut on a whole
// character; the rest is read and dropped. Names are far shorter.
#define TEXT_MAX 4096

// One attribute value as written, and whether the tag had it.
struct AttributeValue {
    std::string text;
    bool present = false;
    bool cut = false;    // longer than ATTRIBUTE_VALUE_MAX; text is its start
};

// A tag as the reader keeps it: its name and the values the reader uses,
// each the first of its name. Attribute names are matched in any letter
// case, and only as names: "HREF=" inside another value is that value's.
struct BookmarkTag {
    std::string name;          // '<' and the tag's name, cut to TAG_NAME_MAX
    AttributeValue href;       // "<A": the bookmark's URL
    AttributeValue content;    // "<META": "text/html; charset=UTF-8"
    AttributeValue charset;    // "<META": "UTF-8"
};

// Reads up to and including the next tag. A value is double-quoted (a '>'
// inside does not end the tag) or runs to a blank or the '>'. end is set
// only when the input ran out before a '<'; a tag cut off by the end is
// handed on with what it had, and the next read finds the end.
void ReadTag(CByteReader &in, BookmarkTag &tag, bool &end);

// Reads the text up to the next '<', which is left unread, keeping at most
// TEXT_MAX + 1 bytes: one more than a name keeps, so that it can be cut on
// a whole character. end is set when the input ran out first.
void ReadText(CByteReader &in, std::string &text, bool &end);

// Case-insensitive ASCII comparison of a whole tag name with a literal.
bool TagNameIs(const std::string &name, const char *literal);

// The heading ("<H1") becomes folder 0; the "<DT><H3" headings folders 1,
// 2, ... in file order, nested as their "<DL>" lists; the "<DT><A" tags
// entries of the innermost open folder, but for one whose URL an entry
// cannot keep whole (EntryUrl.h). The list starts at the first "<DL", or
// at the first "<DT" after a heading (Safari's export has no outer list);
// items before it add nothing. Other tags and the text after them ("<DD>"
// descriptions, "<HR>", "<p>") leave no trace. A UTF-8 byte-order mark or
// META declaration makes the file UTF-8 (Charset.h). Returns 1.
int ReadBookmarks(IByteStream &file, IFolderSink &sink);
