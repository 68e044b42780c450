#include "bookmarks/PathJoin.h"

bool EndsWithBackslash(const std::string &path, LeadBytePredicate isLeadByte)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); i += isLeadByte(static_cast<unsigned char>(path[i])) ? 2 : 1)
        last = i;
    return last != std::string::npos && path[last] == '\\';
}

std::string JoinPath(const std::string &dir, const std::string &rest, LeadBytePredicate isLeadByte)
{
    if (dir.empty() || EndsWithBackslash(dir, isLeadByte))
        return dir + rest;
    return dir + "\\" + rest;
}
