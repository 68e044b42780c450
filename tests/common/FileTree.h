// Files and folders that tests make, by paths in the system's form, in
// UTF-8 (on Linux a name's bytes are its UTF-8).
#pragma once

#include <string>

void MakeDir(const std::string &path);
void WriteBytes(const std::string &path, const std::string &bytes);
// Removes path and all below it, read-only files too.
void RemoveTree(const std::string &path);
// A new empty folder in the temporary folder, its name starting with prefix.
std::string MakeTempDir(const char *prefix);
// A file or folder of tests/data, rest written with '/', in the system's
// form (under Wine on drive Z:, which is the root of the host's files).
std::string TestDataPath(const std::string &rest);
