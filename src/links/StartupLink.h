// The program's shortcut in the user's Startup folder, with "-start" as its
// arguments, through the shell's link object. COM is entered by the launcher
// window before any of these run. Paths are UTF-8.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Room for a path of MAX_PATH UTF-16 units in UTF-8.
#define LINK_PATH_SIZE (MAX_PATH * 3)

// The Startup folder from the user's shell folders; 0 when it cannot be read
// or does not fit in size bytes.
int GetStartupFolder(char *folder, size_t size);
// The shortcut's path (LINK_PATH_SIZE bytes); 0 when it cannot be built.
int GetStartupLinkPath(const char *programPath, char *linkPath);
// 1 when a shortcut of the program's name loads and resolves; owner parents
// whatever the shell shows while it resolves.
int IsStartupLinked(HWND owner, const char *programPath);
// 1 when the shortcut was saved, with comment as its description; 0 when not.
int CreateStartupLink(const char *programPath, const char *workDir, const char *args, const std::wstring &comment);
// False when the shortcut is still there, its path in remaining: a file
// held open by another program cannot be deleted. A shortcut already gone,
// or no Startup folder, counts as removed.
bool DeleteStartupLink(const char *programPath, std::string &remaining);
