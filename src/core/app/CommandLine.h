// Reading the program's command line. Pure text handling, no windows.
#pragma once

#include <cstddef>
#include <string>

// Copies the first whitespace-delimited token of args into token (size
// bytes, cut on a whole character to fit size - 1) and returns its length.
size_t ReadFirstToken(const char *args, char *token, size_t size);

// What the arguments ask for at start. "-start" (the first argument, in any
// letter case) alone starts the last group; a group may follow it, by
// number or name ("-start 5", "-start News", "-start \"My News\"").
struct StartArguments {
    int bStart = 0;
    // The text naming the group, "" for the last one; never longer than
    // MAX_GROUP_NAME_CHARS (as StoredLength counts) and one character more,
    // since no longer name is read back.
    std::string group;
};
StartArguments ParseStartArguments(const char *args);

// The program's own path from the whole process command line: the text
// between a leading double quote and the next one (or the end), else the
// first whitespace-delimited token without a double quote at either end.
// Returns its length; a path that does not fit in size - 1 bytes is refused
// (path empty, 0) rather than cut, since a cut path names another file.
size_t ParseSelfPath(const char *commandLine, char *path, size_t size);
