#include "bookmarks/LocalProfiles.h"

#include "core/text/WideText.h"
#include "links/KnownFolder.h"

std::vector<ChromiumProfile> FindLocalChromiumProfiles()
{
    const std::string path = Utf8FromWide(KnownFolder(FOLDERID_LocalAppData));
    return path.empty() ? std::vector<ChromiumProfile>() : FindChromiumProfiles(path);
}
