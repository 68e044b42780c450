// Builds "nsreg.dat" files for tests: a header, key and entry records and
// their names and values, with helpers to break them the ways a damaged
// file can be broken.
#pragma once

#include <cstdint>
#include <string>

class NsregImage {
public:
    NsregImage();

    // The root key ("/"); its offset is put into the header.
    uint32_t AddRoot();
    // A key appended to the end of parent's child chain.
    uint32_t AddKey(uint32_t parent, const std::string &name);
    // A value entry appended to the end of key's entry chain; the stored
    // value is value's bytes as given (add the NUL yourself).
    uint32_t AddEntry(uint32_t key, const std::string &name, const std::string &value);
    // Bytes placed at the end of the file; returns their offset.
    uint32_t AddBytes(const std::string &bytes);

    // Record field at byte offset field (0, 4, ... 28) of the node at node.
    void SetField32(uint32_t node, int field, uint32_t value);
    void SetField16(uint32_t node, int field, uint16_t value);
    uint32_t Field32(uint32_t node, int field) const;
    void SetRootOffset(uint32_t offset);

    const std::string &Bytes() const { return m_bytes; }
    void Truncate(size_t size) { m_bytes.resize(size); }

private:
    uint32_t AddNode(const std::string &name, uint16_t type, uint32_t parent);
    // Appends node to the chain whose first offset lives at field of owner.
    void Append(uint32_t owner, int field, uint32_t node);

    std::string m_bytes;
};

// The usual profile manager layout: Common/Netscape/ProfileManager with
// "LastNetscapeUser" = user, and Users/<profile> with "ProfileLocation" =
// dir (both stored with their NUL).
NsregImage ProfileImage(const std::string &user, const std::string &profile, const std::string &dir);
