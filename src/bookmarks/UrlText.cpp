#include "bookmarks/UrlText.h"

#include <algorithm>

std::string WithoutControlChars(std::string text)
{
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    text.erase(std::remove_if(text.begin(), text.end(), isControl), text.end());
    return text;
}
