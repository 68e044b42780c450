// The 16-bit-style file functions: a handle from _lopen, reads with _lread.
#include "core/bookmarks/ByteStream.h"

#include <windows.h>

bool CFileStream::Open(const char *path)
{
    Close();
    m_hFile = ::_lopen(path, OF_READ);
    return m_hFile != HFILE_ERROR;
}

void CFileStream::Close()
{
    if (m_hFile != HFILE_ERROR)
        ::_lclose(m_hFile);
    m_hFile = HFILE_ERROR;
}

bool CFileStream::Seek(uint32_t offset)
{
    // _llseek takes a signed 32-bit offset: beyond 2 GiB there is nothing to read.
    if (m_hFile == HFILE_ERROR || offset > 0x7FFFFFFFu)
        return false;
    return ::_llseek(m_hFile, static_cast<LONG>(offset), FILE_BEGIN) != HFILE_ERROR;
}

long CFileStream::Read(void *buffer, size_t size)
{
    if (m_hFile == HFILE_ERROR)
        return -1;
    const UINT chunk = size > 0x7FFFFFFFu ? 0x7FFFFFFFu : static_cast<UINT>(size);
    const UINT n = ::_lread(m_hFile, buffer, chunk);
    return n == static_cast<UINT>(HFILE_ERROR) ? -1 : static_cast<long>(n);
}
