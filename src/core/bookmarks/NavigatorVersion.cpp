#include "core/bookmarks/NavigatorVersion.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Any version from 5 on reads the same; the number need not grow past it.
const int MAJOR_CAP = 1000;

} // namespace

void ParseNavigatorVersion(const char *value, size_t length, int &major, int &minor)
{
    major = 0;
    size_t i = 0;
    for (; i < length && IsDigit(value[i]); ++i)
        major = major >= MAJOR_CAP ? MAJOR_CAP : major * 10 + (value[i] - '0');
    const size_t at = i + 1;
    minor = at < length && IsDigit(value[at]) ? value[at] - '0' : 0;
}

ProfilePlace ProfilePlaceForVersion(const char *value, size_t length)
{
    int major, minor;
    ParseNavigatorVersion(value, length, major, minor);
    if (major < 4)
        return PROFILE_NONE;
    return major == 4 && minor < 5 ? PROFILE_REGISTRY : PROFILE_NSREG;
}
