// A read-only reader of Netscape Navigator's registry file "nsreg.dat": a
// tree of named nodes in 32-byte records, little-endian, every offset
// absolute, 0 meaning none. The file comes from outside the program: every
// read is checked, records cut off by the end of the file are not records,
// and a sibling chain is followed a bounded number of steps.
#pragma once

#include "core/bookmarks/ByteStream.h"

#include <cstddef>
#include <cstdint>

#define NSREG_NAME_SIZE 256      // a node's name, its NUL included
#define NSREG_VALUE_SIZE 512     // the user name and the profile directory
#define NSREG_MAX_CHAIN 10000    // no real key has this many children

struct NsregNode {
    uint32_t location;        // the node's own offset
    uint32_t nameOffset;
    uint16_t nameLength;      // NUL included
    uint16_t type;            // NSREG_ENTRY set: a value entry, else a key
    uint32_t next;            // next sibling
    uint32_t down;            // key: first child key; entry: 0
    uint32_t value;           // key: first entry; entry: the value's bytes
    uint32_t valueLength;     // key: 0; entry: the value's length
    uint32_t valueBufSize;    // entry: low 16 bits of record field 16
    uint32_t parent;
};

#define NSREG_ENTRY 0x10

// -1 when the record cannot be read whole, otherwise 32.
int NsregReadNode(IByteStream &file, uint32_t offset, NsregNode &node);

// Follows the chain that starts at offset for the node named name (compared
// byte for byte). 0 with the node, or -1.
int NsregFindChild(IByteStream &file, uint32_t offset, const char *name, NsregNode &node);

// Walks the key path names[0..count-1] from the root: 1 with the own
// offset of the node reached, or 0.
int NsregFindKey(IByteStream &file, const char *const *names, int count, uint32_t &key);

// The value of entry name of the key at key offset, NUL-terminated, into
// buffer (size bytes). 0 when it is missing, cut off, or does not fit.
int NsregGetValue(IByteStream &file, uint32_t key, const char *name, char *buffer, size_t size);

// The current profile's directory: "Common/Netscape/ProfileManager" gives
// "LastNetscapeUser", and "Users/<that user>" its "ProfileLocation" (both
// in the system's code page, as Navigator wrote them). 1 with the directory
// in UTF-8 in dir (size bytes), or 0.
int NsregFindProfileDir(IByteStream &file, char *dir, size_t size);
