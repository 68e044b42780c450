// Any bytes as a ".URL" file read in text mode, and as a file name: the URL
// found keeps no control characters and the name is the file name cut.
#include "core/bookmarks/ShortcutFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::string name;
    if (ShortcutName(bytes.c_str(), name) && name.size() + 4 != std::strlen(bytes.c_str()))
        std::abort();

    if (size == 0)
        return 0;
    std::FILE *file = fmemopen(const_cast<char *>(bytes.data()), size, "r");
    if (!file)
        return 0;
    std::string url;
    if (ReadShortcutUrl(file, url))
        for (const char c : url)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || url.size() >= SHORTCUT_LINE_SIZE)
                std::abort();
    std::fclose(file);
    return 0;
}
