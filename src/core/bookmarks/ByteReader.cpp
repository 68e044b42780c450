#include "core/bookmarks/ByteReader.h"

bool CByteReader::Fill()
{
    if (m_status < 0)
        return false;
    const long n = m_stream.Read(m_buffer.data(), m_buffer.size());
    if (n <= 0) {
        m_status = n == 0 ? -2 : -1;
        return false;
    }
    m_pos = 0;
    m_len = static_cast<size_t>(n);
    return true;
}
