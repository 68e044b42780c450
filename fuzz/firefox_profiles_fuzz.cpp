// Any bytes as Firefox's "profiles.ini": at most MAX_FIREFOX_PROFILES
// profiles, each named in valid UTF-8 without a double quote, and a name
// the text holds on a line of its own is read.
#include "FuzzCheck.h"
#include "core/bookmarks/FirefoxProfiles.h"
#include "core/text/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::vector<FirefoxProfile> profiles = ParseFirefoxProfiles(text);
    Check(profiles.size() <= MAX_FIREFOX_PROFILES);
    for (const FirefoxProfile &profile : profiles)
        Check(!profile.name.empty() && profile.name.find('"') == std::string::npos && ValidUtf8(profile.name) == profile.name &&
              text.find(profile.name) != std::string::npos);
    return 0;
}
