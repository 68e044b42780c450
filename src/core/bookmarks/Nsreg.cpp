#include "core/bookmarks/Nsreg.h"

#include "core/text/Unicode.h"

#include <cstring>
#include <string>

namespace {

const size_t NSREG_HEADER_SIZE = 16;
const size_t NSREG_RECORD_SIZE = 32;

uint32_t Le32(const unsigned char *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Le16(const unsigned char *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Reads exactly size bytes at offset.
bool ReadAt(IByteStream &file, uint32_t offset, void *buffer, size_t size)
{
    return file.Seek(offset) && (size == 0 || file.Read(buffer, size) == static_cast<long>(size));
}

// Reads a node's name into stored; the name ends at its first NUL or after
// nameLength bytes. A name longer than the buffer is refused.
bool ReadNodeName(IByteStream &file, const NsregNode &node, char (&stored)[NSREG_NAME_SIZE], size_t &length)
{
    if (node.nameOffset == 0 || node.nameLength > sizeof stored || !ReadAt(file, node.nameOffset, stored, node.nameLength))
        return false;
    const void *nul = std::memchr(stored, '\0', node.nameLength);
    length = nul ? static_cast<size_t>(static_cast<const char *>(nul) - stored) : node.nameLength;
    return true;
}

} // namespace

int NsregReadNode(IByteStream &file, uint32_t offset, NsregNode &node)
{
    unsigned char r[NSREG_RECORD_SIZE];
    if (!ReadAt(file, offset, r, sizeof r))
        return -1;
    node.location = Le32(r);
    node.nameOffset = Le32(r + 4);
    node.nameLength = Le16(r + 8);
    node.type = Le16(r + 10);
    node.next = Le32(r + 12);
    node.value = Le32(r + 20);
    node.valueLength = Le32(r + 24);
    node.parent = Le32(r + 28);
    if (node.type & NSREG_ENTRY) {
        node.down = 0;
        node.valueBufSize = Le32(r + 16) & 0xFFFF;
    } else {
        node.down = Le32(r + 16);
        node.valueBufSize = 0;
    }
    return static_cast<int>(sizeof r);
}

int NsregFindChild(IByteStream &file, uint32_t offset, const char *name, NsregNode &node)
{
    const size_t wanted = std::strlen(name);
    for (int step = 0; offset != 0 && step < NSREG_MAX_CHAIN; ++step) {
        char stored[NSREG_NAME_SIZE];
        size_t length = 0;
        if (NsregReadNode(file, offset, node) < 0 || !ReadNodeName(file, node, stored, length))
            return -1;
        if (length == wanted && std::memcmp(stored, name, length) == 0)
            return 0;
        offset = node.next;
    }
    return -1;
}

int NsregFindKey(IByteStream &file, const char *const *names, int count, uint32_t &key)
{
    unsigned char header[NSREG_HEADER_SIZE];
    if (!ReadAt(file, 0, header, sizeof header))
        return 0;
    const uint32_t root = Le32(header + 12);
    NsregNode node;
    if (root == 0 || NsregReadNode(file, root, node) < 0)
        return 0;
    for (int i = 0; i < count; ++i)
        if (NsregFindChild(file, node.down, names[i], node) < 0)
            return 0;
    key = node.location;
    return 1;
}

int NsregGetValue(IByteStream &file, uint32_t key, const char *name, char *buffer, size_t size)
{
    NsregNode node;
    if (size == 0 || NsregReadNode(file, key, node) < 0 || node.value == 0 || node.valueLength != 0)
        return 0;
    NsregNode entry;
    if (NsregFindChild(file, node.value, name, entry) < 0 || entry.value == 0)
        return 0;
    // The stored length counts the value's NUL; a value stored without one
    // gets one, if there is room.
    if (entry.valueLength > size || !ReadAt(file, entry.value, buffer, entry.valueLength))
        return 0;
    if (entry.valueLength < size) {
        buffer[entry.valueLength] = '\0';
        return 1;
    }
    return buffer[size - 1] == '\0' ? 1 : 0;
}

int NsregFindProfileDir(IByteStream &file, char *dir, size_t size)
{
    static const char *const manager[] = {"Common", "Netscape", "ProfileManager"};
    char user[NSREG_VALUE_SIZE];
    char location[NSREG_VALUE_SIZE];
    uint32_t key = 0;
    if (!NsregFindKey(file, manager, 3, key) || !NsregGetValue(file, key, "LastNetscapeUser", user, sizeof user))
        return 0;
    const char *const users[] = {"Users", user};
    if (!NsregFindKey(file, users, 2, key) || !NsregGetValue(file, key, "ProfileLocation", location, sizeof location))
        return 0;
    const std::string utf8 = AnsiToUtf8(location);
    if (utf8.size() >= size)
        return 0;
    std::memcpy(dir, utf8.c_str(), utf8.size() + 1);
    return 1;
}
