#include "core/app/BrowserPlaces.h"

#include "core/text/Ascii.h"

#include <cstring>

char s_szNetscapePath[NETSCAPE_PATH_SIZE] = "";
int s_nDefaultKind = -1;

int KindOfHtmlClass(const char *className)
{
    if (std::strcmp(className, "htmlfile") == 0)
        return 1;
    if (std::strcmp(className, "NetscapeMarkup") == 0)
        return 0;
    return -1;
}

int KindOfHttpChoice(const char *progId)
{
    for (const char *explorer : {"IE.HTTP", "IE.HTTPS", "htmlfile"})
        if (EqualsNoCase(progId, explorer))
            return 1;
    return -1;
}
