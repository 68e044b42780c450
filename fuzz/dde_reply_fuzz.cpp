// Any bytes as a browser's reply to "WWW_ListWindows" (the first byte picks
// the service), and as the text of an item the launcher sends. The window
// list is worked out a second way, from the reply copied into zeroed words
// (this host is little-endian, as the reply is), and the items are built
// again with std::string; both must agree.
#include "FuzzCheck.h"
#include "core/links/DdeFormat.h"

#include <cstring>
#include <string>

namespace {

const uint32_t UNTOUCHED = 0xA5A5A5A5u;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int service = data[0] & 1;
    const unsigned char *reply = data + 1;
    const size_t length = size - 1 < DDE_REPLY_SIZE ? size - 1 : DDE_REPLY_SIZE;

    uint32_t words[DDE_REPLY_SIZE / 4 + DDE_MAX_WINDOWS + 1] = {};
    std::memcpy(words, reply, length);
    uint32_t expected[DDE_MAX_WINDOWS];
    int count = 0, result;
    if (length == 0) {
        result = 1;
    } else if (service == BK_IE && words[0] == 1 && words[1] == 0xFFFFFFFFu) {
        expected[count++] = 0;
        result = 1;
    } else {
        while (count < DDE_MAX_WINDOWS && words[count] != 0) {
            expected[count] = words[count];
            ++count;
        }
        result = count;
    }

    uint32_t ids[DDE_MAX_WINDOWS + 1];
    for (uint32_t &id : ids)
        id = UNTOUCHED;
    Check(ParseWindowList(reply, length, service, ids) == result);
    for (int i = 0; i <= DDE_MAX_WINDOWS; ++i)
        Check(ids[i] == (i < count ? expected[i] : UNTOUCHED));
    Check(ParseWindowList<uint32_t>(reply, length, service, nullptr) == 1);
    for (size_t i = 0; i <= DDE_REPLY_SIZE / 4 + 1; ++i)
        Check(ReplyDword(reply, length, i) == words[i]);

    const std::string text(reinterpret_cast<const char *>(reply), size - 1);
    const int32_t id = static_cast<int32_t>(words[0]);
    char item[DDE_URL_ITEM_SIZE];
    FormatOpenUrlItem(item, text.c_str(), words[0]);
    Check(item == (text.c_str() + (",," + std::to_string(id) + ",0,,,")).substr(0, sizeof item - 1));
    char frame[DDE_FRAME_ITEM_SIZE];
    FormatFrameParentItem(frame, words[0]);
    Check(frame == std::to_string(id));
    return 0;
}
