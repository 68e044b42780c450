#include "core/text/Arguments.h"

std::string FillArguments(const std::string &text, const std::vector<std::string> &values)
{
    std::string filled;
    size_t at = 0;
    for (size_t found; (found = text.find('%', at)) != std::string::npos && found + 1 < text.size();) {
        const size_t n = static_cast<size_t>(text[found + 1] - '1');
        filled.append(text, at, found - at);
        if (n < values.size() && n < 9)
            filled.append(values[n]);
        else
            filled.append(text, found, 2);
        at = found + 2;
    }
    return filled.append(text, at, std::string::npos);
}
