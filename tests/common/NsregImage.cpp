#include "NsregImage.h"

namespace {

const int F_NEXT = 12, F_DOWN = 16, F_VALUE = 20, F_LENGTH = 24;

} // namespace

NsregImage::NsregImage() : m_bytes(16, '\0') { m_bytes.replace(0, 4, "\x76\x10\xab\x00", 4); }

uint32_t NsregImage::AddBytes(const std::string &bytes)
{
    const uint32_t at = static_cast<uint32_t>(m_bytes.size());
    m_bytes += bytes;
    return at;
}

uint32_t NsregImage::AddNode(const std::string &name, uint16_t type, uint32_t parent)
{
    const uint32_t nameAt = AddBytes(name + '\0');
    const uint32_t at = AddBytes(std::string(32, '\0'));
    SetField32(at, 0, at);
    SetField32(at, 4, nameAt);
    SetField16(at, 8, static_cast<uint16_t>(name.size() + 1));
    SetField16(at, 10, type);
    SetField32(at, 28, parent);
    return at;
}

void NsregImage::Append(uint32_t owner, int field, uint32_t node)
{
    uint32_t at = Field32(owner, field);
    if (at == 0) {
        SetField32(owner, field, node);
        return;
    }
    while (Field32(at, F_NEXT) != 0)
        at = Field32(at, F_NEXT);
    SetField32(at, F_NEXT, node);
}

uint32_t NsregImage::AddRoot()
{
    const uint32_t root = AddNode("/", 1, 0);
    SetRootOffset(root);
    return root;
}

uint32_t NsregImage::AddKey(uint32_t parent, const std::string &name)
{
    const uint32_t key = AddNode(name, 1, parent);
    Append(parent, F_DOWN, key);
    return key;
}

uint32_t NsregImage::AddEntry(uint32_t key, const std::string &name, const std::string &value)
{
    const uint32_t entry = AddNode(name, 0x11, key);
    const uint32_t valueAt = AddBytes(value);
    SetField32(entry, F_DOWN, static_cast<uint32_t>(value.size()));
    SetField32(entry, F_VALUE, valueAt);
    SetField32(entry, F_LENGTH, static_cast<uint32_t>(value.size()));
    Append(key, F_VALUE, entry);
    return entry;
}

void NsregImage::SetField32(uint32_t node, int field, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes[node + static_cast<uint32_t>(field + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void NsregImage::SetField16(uint32_t node, int field, uint16_t value)
{
    m_bytes[node + static_cast<uint32_t>(field)] = static_cast<char>(value & 0xFF);
    m_bytes[node + static_cast<uint32_t>(field + 1)] = static_cast<char>(value >> 8);
}

uint32_t NsregImage::Field32(uint32_t node, int field) const
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(m_bytes[node + static_cast<uint32_t>(field + i)]);
    return value;
}

void NsregImage::SetRootOffset(uint32_t offset) { SetField32(0, 12, offset); }

NsregImage ProfileImage(const std::string &user, const std::string &profile, const std::string &dir)
{
    NsregImage image;
    const uint32_t root = image.AddRoot();
    const uint32_t common = image.AddKey(root, "Common");
    const uint32_t netscape = image.AddKey(common, "Netscape");
    const uint32_t manager = image.AddKey(netscape, "ProfileManager");
    image.AddEntry(manager, "NeedMigration", std::string("no\0", 3));
    image.AddEntry(manager, "LastNetscapeUser", user + '\0');
    const uint32_t users = image.AddKey(root, "Users");
    image.AddKey(users, "other");
    const uint32_t key = image.AddKey(users, profile);
    image.AddEntry(key, "ProfileLocation", dir + '\0');
    return image;
}
