#include "core/app/StartMessage.h"

#include "core/text/Unicode.h"
#include "core/text/Utf8Text.h"

#include <cstring>

namespace {

// Signature, then the length of the arguments, as 32-bit numbers, so that
// the 32-bit and the 64-bit program read each other.
const size_t HEADER_SIZE = 8;

} // namespace

std::string PackStartMessage(const char *args)
{
    const uint32_t length = static_cast<uint32_t>(args ? WholeCharsPrefix(args, START_MESSAGE_MAX_ARGS) : 0);
    const uint32_t header[2] = {START_MESSAGE_SIGNATURE, length};
    std::string message(HEADER_SIZE + length, '\0');
    std::memcpy(&message[0], header, HEADER_SIZE);
    if (length)
        std::memcpy(&message[HEADER_SIZE], args, length);
    return message;
}

bool UnpackStartMessage(const void *data, size_t size, std::string &args)
{
    args.clear();
    if (!data || size < HEADER_SIZE)
        return false;
    uint32_t header[2];
    std::memcpy(header, data, HEADER_SIZE);
    const size_t length = size - HEADER_SIZE;
    const bool ansi = header[0] == START_MESSAGE_SIGNATURE_ANSI;
    if ((header[0] != START_MESSAGE_SIGNATURE && !ansi) || header[1] != length || length > START_MESSAGE_MAX_ARGS)
        return false;
    const char *text = static_cast<const char *>(data) + HEADER_SIZE;
    // A command line holds no terminator inside.
    if (std::memchr(text, '\0', length))
        return false;
    const std::string received(text, length);
    args = ansi ? AnsiToUtf8(received) : ValidUtf8(received);
    return true;
}
