// What the bookmark loaders fill: folders and their entries. The picker
// dialog implements it with its tree-view control and entry tables; tests,
// fuzzers and the benchmark with a tree in memory (MemoryFolders.h).
#pragma once

#include <string>

class IFolderSink {
public:
    virtual ~IFolderSink() = default;
    virtual int PushFolder(const std::string &title, int id) = 0;
    virtual int PopFolder() = 0;
    virtual int CurrentFolder() = 0;
    // Gives the folder the next id (0 for the first one taken): 1 when it
    // was taken, 0 when it was refused.
    virtual int AppendFolder(const std::string &title, int parentId) = 0;
    virtual void AddEntry(int folder, const std::string &name, const std::string &url) = 0;
};
