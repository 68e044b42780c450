#include "core/bookmarks/ByteStream.h"

#include "core/bookmarks/PosixPath.h"

bool CFileStream::Open(const char *path)
{
    Close();
    m_file = std::fopen(PosixPath(path).c_str(), "rb");
    return m_file != nullptr;
}

void CFileStream::Close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

bool CFileStream::Seek(uint32_t offset) { return m_file && std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0; }

long CFileStream::Read(void *buffer, size_t size)
{
    if (!m_file)
        return -1;
    const size_t n = std::fread(buffer, 1, size, m_file);
    return n == 0 && std::ferror(m_file) ? -1 : static_cast<long>(n);
}
