#include "BookmarkDump.h"
#include "core/bookmarks/MemoryFolders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FolderIndex, PushedFoldersNestAndPopReturnsToTheParent)
{
    CMemoryBookmarks b;
    b.PushFolder("R", 0);
    b.PushFolder("A", 1);
    b.PopFolder();
    b.PushFolder("B", 2);
    EXPECT_EQ(2, b.CurrentFolder());
    EXPECT_EQ("+R #0\n +A #1\n +B #2\n", Dump(b));
}

TEST(FolderIndex, PopAtDepthZeroStaysThere)
{
    CMemoryBookmarks b;
    EXPECT_EQ(0, b.CurrentFolder());
    b.PopFolder();
    b.PopFolder();
    EXPECT_EQ(0, b.CurrentFolder());
    b.PushFolder("A", 7);
    EXPECT_EQ(7, b.CurrentFolder());
    b.PopFolder();
    b.PopFolder();
    EXPECT_EQ(0, b.CurrentFolder());
    b.PushFolder("B", 8);
    EXPECT_EQ("+A #7\n+B #8\n", Dump(b));
}

TEST(FolderIndex, IdOutsideTheTablesIsLeftOutWithItsContents)
{
    CMemoryBookmarks b;
    b.PushFolder("R", 0);
    for (const int id : {256, -1, 1000}) {
        b.PushFolder("X", id);
        b.PushFolder("inside", 3);
        EXPECT_EQ(0, b.CurrentFolder()) << id;
        b.PopFolder();
        b.PopFolder();
        EXPECT_EQ(0, b.CurrentFolder()) << id;
    }
    b.PushFolder("Y", 255);
    EXPECT_EQ(255, b.CurrentFolder());
    EXPECT_EQ("+R #0\n +Y #255\n", Dump(b));
}

TEST(FolderIndex, AppendedFoldersGetTheNextIdsBelowTheirParents)
{
    CMemoryBookmarks b;
    EXPECT_EQ(1, b.AppendFolder("Root", 0));
    EXPECT_EQ(1, b.AppendFolder("A", 0));
    EXPECT_EQ(1, b.AppendFolder("B", 1));
    EXPECT_EQ(1, b.AppendFolder("C", 2));
    EXPECT_EQ(1, b.AppendFolder("D", 0));
    EXPECT_EQ("+Root #0\n +A #1\n  +B #2\n   +C #3\n +D #4\n", Dump(b));
}

TEST(FolderIndex, AppendStopsAt256FoldersAndRefusesUnknownParents)
{
    CMemoryBookmarks b;
    b.AppendFolder("Root", 0);
    EXPECT_EQ(0, b.AppendFolder("X", 1));
    EXPECT_EQ(0, b.AppendFolder("X", -1));
    for (int i = 1; i < MAX_FOLDERS; ++i)
        ASSERT_EQ(1, b.AppendFolder("F" + std::to_string(i), i - 1));
    EXPECT_EQ(0, b.AppendFolder("over", 0));
    EXPECT_EQ(256u, b.m_tree.m_folders.size());
    EXPECT_EQ(255, b.m_tree.m_folders.back().id);
    EXPECT_EQ(254, b.m_tree.m_folders.back().parent);
}

TEST(EntryTables, EntriesStayInOrderPerFolderAndIdsOutsideAreDropped)
{
    CEntryTables t;
    t.AddEntry(3, "a", "http://a/");
    t.AddEntry(3, "b", "http://b/");
    t.AddEntry(0, "c", "http://c/");
    t.AddEntry(256, "x", "x");
    t.AddEntry(-1, "x", "x");
    EXPECT_EQ(2, t.m_nCount[3]);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), t.m_names[3]);
    EXPECT_EQ((std::vector<std::string>{"http://a/", "http://b/"}), t.m_urls[3]);
    EXPECT_EQ(1, t.m_nCount[0]);
    t.Clear();
    EXPECT_EQ(0, t.m_nCount[3]);
    EXPECT_TRUE(t.m_names[3].empty());
}

} // namespace
