#include "core/links/DdeFormat.h"

#include <cstdio>

void FormatOpenUrlItem(char (&item)[DDE_URL_ITEM_SIZE], const char *text, uint32_t windowId)
{
    std::snprintf(item, sizeof item, "%s,,%d,0,,,", text, static_cast<int32_t>(windowId));
}

void FormatFrameParentItem(char (&item)[DDE_FRAME_ITEM_SIZE], uint32_t windowId)
{
    std::snprintf(item, sizeof item, "%d", static_cast<int32_t>(windowId));
}

uint32_t ReplyDword(const unsigned char *reply, size_t size, size_t index)
{
    if (index > size / 4)
        return 0;
    uint32_t value = 0;
    for (size_t i = 0; i < 4 && index * 4 + i < size; ++i)
        value |= static_cast<uint32_t>(reply[index * 4 + i]) << (8 * i);
    return value;
}
