#include "core/bookmarks/ByteStream.h"

#include <cstring>

bool CMemoryStream::Seek(uint32_t offset)
{
    m_pos = offset;
    return true;
}

long CMemoryStream::Read(void *buffer, size_t size)
{
    if (m_pos >= m_size)
        return 0;
    const size_t n = size < m_size - m_pos ? size : m_size - m_pos;
    std::memcpy(buffer, m_data + m_pos, n);
    m_pos += n;
    return static_cast<long>(n);
}
