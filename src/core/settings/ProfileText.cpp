#include "core/settings/ProfileText.h"

#include "core/text/Utf8Text.h"

#include <cstring>

size_t CopyProfileText(const std::string &text, char *buffer, size_t size, bool list)
{
    if (!buffer || size == 0)
        return 0;
    size_t n = text.size();
    if (n >= size)
        n = WholeCharsLength(text, list && size >= 2 ? size - 2 : size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    if (list && n + 1 < size)
        buffer[n + 1] = '\0';
    return n;
}
