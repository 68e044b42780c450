// Any bytes as "nsreg.dat": the lookups end, and the values they hand back
// are bytes of the file, NUL-terminated in the buffer given; the profile
// directory comes back in UTF-8 and is refused whole when it does not fit,
// and a value read into a small buffer reads the same into a large one. The first bytes also go through the
// version rule as a "CurrentVersion" value, worked out a second way.
#include "FuzzCheck.h"
#include "core/bookmarks/NavigatorVersion.h"
#include "core/bookmarks/Nsreg.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool InFile(const uint8_t *data, size_t size, const char *text)
{
    const char *file = reinterpret_cast<const char *>(data);
    const size_t length = std::strlen(text);
    return length == 0 || std::search(file, file + size, text, text + length) != file + size;
}

// The major number exactly below 1000 (any version from 5 on reads the
// same), the minor digit one past the digits' end.
void CheckVersion(const char *value, size_t length)
{
    int major, minor;
    ParseNavigatorVersion(value, length, major, minor);
    size_t digits = 0;
    long number = 0;
    for (; digits < length && IsDigit(value[digits]); ++digits)
        number = std::min(number * 10 + (value[digits] - '0'), 1000000L);
    Check(number < 1000 ? major == number : major >= 1000);
    Check(minor == (digits + 1 < length && IsDigit(value[digits + 1]) ? value[digits + 1] - '0' : 0));
    const ProfilePlace place = ProfilePlaceForVersion(value, length);
    Check(place == (major < 4 ? PROFILE_NONE : major == 4 && minor < 5 ? PROFILE_REGISTRY : PROFILE_NSREG));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckVersion(reinterpret_cast<const char *>(data), size < 32 ? size : 32);

    CMemoryStream stream(data, size);
    char dir[1024];
    std::memset(dir, 'x', sizeof dir);
    if (NsregFindProfileDir(stream, dir, sizeof dir)) {
        const size_t length = strnlen(dir, sizeof dir);
        Check(length < sizeof dir && ValidUtf8(dir) == dir);
        char exact[sizeof dir];
        Check(NsregFindProfileDir(stream, exact, length + 1) && std::strcmp(exact, dir) == 0);
        Check(!NsregFindProfileDir(stream, exact, length));
    }

    static const char *const path[] = {"Users", "taro", "x"};
    for (int count = 0; count <= 3; ++count) {
        uint32_t key = 0;
        if (!NsregFindKey(stream, path, count, key))
            continue;
        char small[16], large[NSREG_VALUE_SIZE];
        const bool inSmall = NsregGetValue(stream, key, "ProfileLocation", small, sizeof small) != 0;
        const bool inLarge = NsregGetValue(stream, key, "ProfileLocation", large, sizeof large) != 0;
        Check(!inSmall || (inLarge && std::memchr(small, '\0', sizeof small) && std::strcmp(small, large) == 0));
        Check(!inLarge || (std::memchr(large, '\0', sizeof large) && InFile(data, size, large)));
    }
    return 0;
}
