// Byte sources the bookmark readers take their input from: a file opened
// read-only (the Windows file functions on Windows, stdio elsewhere) or a
// block of memory (tests and fuzzers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class IByteStream {
public:
    virtual ~IByteStream() = default;
    // Moves to offset bytes from the start; false when that fails.
    virtual bool Seek(uint32_t offset) = 0;
    // Reads up to size bytes: the count read, 0 at the end, -1 on an error.
    virtual long Read(void *buffer, size_t size) = 0;
};

class CMemoryStream : public IByteStream {
public:
    CMemoryStream(const void *data, size_t size) : m_data(static_cast<const unsigned char *>(data)), m_size(size) {}

    bool Seek(uint32_t offset) override;
    long Read(void *buffer, size_t size) override;

private:
    const unsigned char *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

class CFileStream : public IByteStream {
public:
    CFileStream() = default;
    ~CFileStream() override { Close(); }
    CFileStream(const CFileStream &) = delete;
    CFileStream &operator=(const CFileStream &) = delete;

    // Opens a file by its path (UTF-8), read-only
    // (elsewhere than on Windows its backslashes read as '/', see PosixPath.h).
    bool Open(const char *path);
    void Close();
    bool Seek(uint32_t offset) override;
    long Read(void *buffer, size_t size) override;

private:
#ifdef _WIN32
    void *m_hFile = nullptr;    // a HANDLE; null while closed
#else
    std::FILE *m_file = nullptr;
#endif
};
