// What the launcher and the browsers' DDE servers exchange: the items it
// sends and the replies it reads. Bytes only, no DDE, so that the rules
// can be tested and fuzzed anywhere.
#pragma once

#include "core/settings/GroupList.h"

#include <cstddef>
#include <cstdint>

#define DDE_REPLY_SIZE 256        // bytes of a reply that are looked at
#define DDE_URL_ITEM_SIZE 1024    // the "WWW_OpenURL" item, cut to fit
#define DDE_FRAME_ITEM_SIZE 256   // the "WWW_GetFrameParent" item
#define DDE_MAX_WINDOWS 5         // window ids a list holds

// "WWW_OpenURL": the caller's text, then ",,id,0,,," with the id signed,
// so that 0xFFFFFFFF goes out as "-1". The browsers' DDE servers take the
// system's code page: the text is in it already (the caller converts it,
// Utf8UrlToAnsi).
void FormatOpenUrlItem(char (&item)[DDE_URL_ITEM_SIZE], const char *text, uint32_t windowId);
// "WWW_GetFrameParent": the window id, signed.
void FormatFrameParentItem(char (&item)[DDE_FRAME_ITEM_SIZE], uint32_t windowId);

// The little-endian DWORD at index of a reply of size bytes; bytes past
// the end read as 0, so a list ends where the data ends.
uint32_t ReplyDword(const unsigned char *reply, size_t size, size_t index);

// The result of a "WWW_ListWindows" request that brought data back (size
// bytes of it were copied). ids, when given, has room for DDE_MAX_WINDOWS
// and is written only when the result counts ids it received.
// - no list, or no bytes: 1 (the service answered);
// - Internet Explorer's "1, 0xFFFFFFFF": one id, 0;
// - a first DWORD 0: 0, no windows;
// - else the ids up to the one before a 0, at most DDE_MAX_WINDOWS.
template <typename Id>
int ParseWindowList(const unsigned char *reply, size_t size, int service, Id *ids)
{
    if (!ids || size == 0)
        return 1;
    if (service == BK_IE && ReplyDword(reply, size, 0) == 1 && ReplyDword(reply, size, 1) == 0xFFFFFFFFu) {
        ids[0] = 0;
        return 1;
    }
    if (ReplyDword(reply, size, 0) == 0)
        return 0;
    int n = 0;
    do {
        ids[n] = ReplyDword(reply, size, static_cast<size_t>(n));
        ++n;
    } while (n < DDE_MAX_WINDOWS && ReplyDword(reply, size, static_cast<size_t>(n)) != 0);
    return n;
}
