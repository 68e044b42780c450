// Any bytes as the program's arguments.
#include "app/CommandLine.h"

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string args(reinterpret_cast<const char *>(data), size);
    char token[1024];
    const size_t n = ReadFirstToken(args.c_str(), token, sizeof token);
    if (n >= sizeof token || std::strlen(token) != n)
        std::abort();
    IsStartArgument(args.c_str());
    return 0;
}
