// Any bytes as a browser's reply to "WWW_ListWindows" (the first byte picks
// the service), and as the text of an item the launcher sends.
#include "core/links/DdeFormat.h"

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int service = data[0] & 1;
    const unsigned char *reply = data + 1;
    const size_t length = size - 1 < DDE_REPLY_SIZE ? size - 1 : DDE_REPLY_SIZE;

    uint32_t ids[DDE_MAX_WINDOWS + 1] = {};
    ids[DDE_MAX_WINDOWS] = 0xA5A5A5A5u;
    const int n = ParseWindowList(reply, length, service, ids);
    if (n < 0 || n > DDE_MAX_WINDOWS || ids[DDE_MAX_WINDOWS] != 0xA5A5A5A5u)
        std::abort();
    if (ParseWindowList<uint32_t>(reply, length, service, nullptr) != 1)
        std::abort();

    const std::string text(reinterpret_cast<const char *>(reply), size - 1);
    char item[DDE_URL_ITEM_SIZE];
    FormatOpenUrlItem(item, text.c_str(), ReplyDword(reply, length, 0));
    if (std::strlen(item) >= sizeof item)
        std::abort();
    return 0;
}
