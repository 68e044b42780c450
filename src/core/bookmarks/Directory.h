// A directory's items and its files, by paths in UTF-8 with '\' between
// their parts, as the program builds them (JoinPath). Windows lists with
// FindFirstFileW; elsewhere (tests, fuzzers) readdir and stat stand in, and
// a path's backslash characters read as '/'.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#define DIRECTORY_ATTRIBUTE 0x10
#define ARCHIVE_ATTRIBUTE 0x20

struct DirectoryItem {
    std::string name;
    bool isDirectory;
    // The file attribute bits. Elsewhere than on Windows a directory has
    // DIRECTORY_ATTRIBUTE, a regular file ARCHIVE_ATTRIBUTE, anything else
    // (a pipe, a device) none.
    uint32_t attributes;
};

// The items of directory dir in the order the system lists them, without
// "." and "..". False when dir cannot be listed.
bool ListDirectory(const std::string &dir, std::vector<DirectoryItem> &items);

// Opens a file for reading in text mode; null when that fails.
std::FILE *OpenTextFile(const std::string &path);
