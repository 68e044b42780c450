// One byte at a time with one byte of push-back, the way the bookmark file
// is scanned, but served from a buffer: a read call per byte made an
// ordinary 2 MB bookmark file take seconds.
#pragma once

#include "core/bookmarks/ByteStream.h"

#include <vector>

class CByteReader {
public:
    explicit CByteReader(IByteStream &stream) : m_stream(stream), m_buffer(BUFFER_SIZE) {}

    // 0 with the next byte; -2 at the end of the input, -1 after a read
    // error. Once the input is exhausted it stays so.
    int ReadByte(unsigned char &c)
    {
        if (m_pos == m_len && !Fill())
            return m_status;
        c = m_buffer[m_pos++];
        return 0;
    }

    // Gives back the byte read last, so that the next read returns it again.
    void PushBack()
    {
        if (m_pos > 0)
            --m_pos;
    }

    // The bytes buffered and not yet read, refilling the buffer when none
    // are left; false once the input is exhausted. A scan over them and
    // Skip is reading them one by one, without a call per byte.
    bool Available(const unsigned char *&data, size_t &size)
    {
        if (m_pos == m_len && !Fill())
            return false;
        data = m_buffer.data() + m_pos;
        size = m_len - m_pos;
        return true;
    }
    // Counts n of the available bytes as read.
    void Skip(size_t n) { m_pos += n; }

private:
    static const size_t BUFFER_SIZE = 64 * 1024;

    bool Fill();

    IByteStream &m_stream;
    std::vector<unsigned char> m_buffer;
    size_t m_pos = 0;
    size_t m_len = 0;
    int m_status = 0;
};
