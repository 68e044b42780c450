// Any bytes as "nsreg.dat": the profile lookup ends, and what it hands back
// is a NUL-terminated string that fits the value buffer. The first bytes
// also go through the version rule as a "CurrentVersion" value.
#include "core/bookmarks/NavigatorVersion.h"
#include "core/bookmarks/Nsreg.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    int major, minor;
    ParseNavigatorVersion(text, size < 32 ? size : 32, major, minor);
    if (major < 0 || minor < 0 || minor > 9)
        std::abort();

    CMemoryStream stream(data, size);
    char dir[1024];
    std::memset(dir, 'x', sizeof dir);
    if (NsregFindProfileDir(stream, dir, sizeof dir) && std::memchr(dir, '\0', NSREG_VALUE_SIZE) == nullptr)
        std::abort();

    static const char *const path[] = {"Users", "taro", "x"};
    for (int count = 0; count <= 3; ++count) {
        uint32_t key = 0;
        char value[16];
        if (NsregFindKey(stream, path, count, key) && NsregGetValue(stream, key, "ProfileLocation", value, sizeof value) &&
            std::memchr(value, '\0', sizeof value) == nullptr)
            std::abort();
    }
    return 0;
}
