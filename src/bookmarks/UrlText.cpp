#include "bookmarks/UrlText.h"

std::string WithoutControlChars(const std::string &text)
{
    std::string clean;
    clean.reserve(text.size());
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F)
            clean += c;
    }
    return clean;
}
