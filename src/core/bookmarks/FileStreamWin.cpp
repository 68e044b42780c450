// A file read through the wide file functions, so that any path opens.
#include "core/bookmarks/ByteStream.h"

#include "core/text/WideText.h"

#include <windows.h>

bool CFileStream::Open(const char *path)
{
    Close();
    HANDLE file = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_hFile = file == INVALID_HANDLE_VALUE ? nullptr : file;
    return m_hFile != nullptr;
}

void CFileStream::Close()
{
    if (m_hFile)
        ::CloseHandle(m_hFile);
    m_hFile = nullptr;
}

bool CFileStream::Seek(uint32_t offset)
{
    if (!m_hFile)
        return false;
    LARGE_INTEGER to;
    to.QuadPart = offset;
    return ::SetFilePointerEx(m_hFile, to, nullptr, FILE_BEGIN) != 0;
}

long CFileStream::Read(void *buffer, size_t size)
{
    if (!m_hFile)
        return -1;
    const DWORD chunk = size > 0x7FFFFFFFu ? 0x7FFFFFFFu : static_cast<DWORD>(size);
    DWORD n = 0;
    return ::ReadFile(m_hFile, buffer, chunk, &n, nullptr) ? static_cast<long>(n) : -1;
}
