#include "core/settings/EntryUrl.h"

#include "core/settings/GroupList.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

std::string EscapeInnerBlanks(const std::string &url)
{
    size_t first = 0, last = url.size();
    while (first < last && IsBlankChar(url[first]))
        ++first;
    while (last > first && IsBlankChar(url[last - 1]))
        --last;
    std::string escaped = url.substr(0, first);
    for (size_t i = first; i < last; ++i)
        escaped += url[i] == ' ' ? "%20" : url[i] == '\t' ? "%09" : std::string(1, url[i]);
    return escaped + url.substr(last);
}

bool UrlFitsEntry(const std::string &url) { return StoredLength(EscapeInnerBlanks(url)) <= MAX_URL_CHARS; }
