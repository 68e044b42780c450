// URL groups: which of the groups 1..16 exist, their sections in
// "Orvanta.ini", and the table that holds the entries of one group.
#pragma once

#include "core/settings/SettingsFile.h"

#include <string>

enum BrowserKind { BK_NN = 0, BK_IE = 1, BK_DEF = 2 };

// The browsers of the program's own list (see BrowserList.h), numbered 1 to
// MAX_BROWSERS: an entry for browser n has the kind BK_LISTED + n - 1 and is
// stored with the tag "B<n>". An older copy reads such a tag as "DEF", so it
// still opens the page in the default browser.
#define MAX_BROWSERS 16
#define BK_LISTED 16
inline bool IsListedKind(int kind) { return kind >= BK_LISTED && kind < BK_LISTED + MAX_BROWSERS; }
// A kind an entry can have; any other number is read as BK_DEF.
inline bool IsEntryKind(int kind) { return (kind >= BK_NN && kind <= BK_DEF) || IsListedKind(kind); }

#define MAX_GROUPS 16
#define MAX_URLS 8
// The highest UL key number read. The program never writes one past
// MAX_URLS; a larger "URL_Num" (a hand edit, a damaged file) is followed no
// further than this, so that a value such as 2000000000 cannot hold up the
// start or a launch for hours, while the gaps of a hand-made list are kept.
#define MAX_URL_KEY 256
#define URL_TEXT_SIZE VALUE_TEXT_SIZE    // an entry's text: a blank, then the URL
#define GROUP_NAME_SIZE VALUE_TEXT_SIZE
// The longest texts the file gives back whole, as StoredLength counts them:
// values are read up to MAX_VALUE_CHARS, and an entry's value holds its tag
// (up to 3), a blank and the URL.
#define MAX_URL_CHARS (MAX_VALUE_CHARS - 4)
#define MAX_GROUP_NAME_CHARS MAX_VALUE_CHARS

struct UrlTable {
    int count;
    int kind[MAX_URLS];
    char text[MAX_URLS][URL_TEXT_SIZE];
};

// The entries of the group loaded last, by Start or by the URL page.
extern UrlTable theUrlTable;
// The current group: "G_PREV" at start, the group of each Start after.
extern int s_nCurrentGroup;

// "NN", "IE", "B<n>" or "DEF", the tag an entry of this kind is stored
// with; any kind that is none of the others is "DEF".
std::string BrowserTag(int kind);
// The kind a stored tag names: "DEF" for any tag that names no other.
int KindOfTag(const std::string &tag);

class CGroupList {
public:
    CGroupList();
    virtual ~CGroupList();

    int IsGroup(int n) const;
    // Fills name (GROUP_NAME_SIZE bytes) with the group's "GNAME"; 0 when the
    // group does not exist.
    int ReadGroupName(int n, char *name) const;
    // The group a text names: its number, else the group of exactly that
    // name, else of that name in other ASCII letter case; 0 when none.
    int FindGroup(const std::string &text) const;
    // The writers return false when the file could not be written; what is
    // held here then stays what the file says.
    bool WriteGroupNumbers() const;
    // Reads the group index once at start-up and returns "G_PREV".
    int LoadGroups();
    // The lowest free group number, -1 when all are used; with take, listed
    // in "G_NUM" too, and 0 when that could not be written.
    int AllocGroup(int take);
    bool DeleteGroup(int n);
    // Fills theUrlTable's entries (not its count) and returns how many, or -1.
    int LoadGroupUrls(int n) const;
    // LoadGroupUrls, with its answer stored as theUrlTable's count: what
    // every caller that shows or starts a group uses.
    int LoadUrlTable(int n) const;
    // Replaces the group's section with its name and theUrlTable's first
    // count entries.
    bool SaveGroup(int n, const char *name, int count) const;
    bool WriteCurrentGroup(int n) const;

private:
    void MigrateLegacyList();

    int m_bUsed[MAX_GROUPS];
};
