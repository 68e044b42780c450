// Any bytes as typed into the settings dialogs: the delay edit box (its
// number worked out a second way, with strtol) and the URL edit box (the
// URL's length follows from the blanks escaped, and the limit counts it as
// StoredLength does), and as a run of list
// commands whose rules must always hold; a list saved into a table and
// filled back from it saves the same table again.
#include "FuzzCheck.h"
#include "core/dialogs/OptionValues.h"
#include "core/dialogs/UrlRows.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The placeholder exactly when fewer than 8 entries, and always last.
void CheckRows(const CUrlRows &rows)
{
    const auto &list = rows.Rows();
    if (list.empty())
        return;
    size_t entries = 0;
    for (const UrlRow &row : list) {
        if (row.kind == ROW_PLACEHOLDER)
            continue;
        Check(IsEntryKind(row.kind));
        ++entries;
    }
    Check(entries <= MAX_URLS);
    Check((entries < MAX_URLS) == (list.back().kind == ROW_PLACEHOLDER));
    Check(list.size() == entries + (entries < MAX_URLS ? 1 : 0));
}

bool SameEntries(const UrlTable &a, const UrlTable &b)
{
    for (int i = 0; i < a.count; ++i)
        if (a.kind[i] != b.kind[i] || std::strcmp(a.text[i], b.text[i]) != 0)
            return false;
    return a.count == b.count;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The blanks between the first and the last byte that are not blanks.
size_t InnerBlanks(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return 0;
    const size_t last = text.find_last_not_of(" \t");
    return static_cast<size_t>(std::count_if(text.begin() + static_cast<long>(first), text.begin() + static_cast<long>(last), IsBlank));
}

// The entries saved into table, which filled back into a list saves the same.
void CheckSaved(const CUrlRows &rows, UrlTable &table)
{
    table.count = rows.CopyTo(table);
    const auto &list = rows.Rows();
    Check(table.count == std::count_if(list.begin(), list.end(), [](const UrlRow &row) { return row.kind != ROW_PLACEHOLDER; }));
    CUrlRows again;
    again.Fill(table);
    static UrlTable copy;
    copy.count = again.CopyTo(copy);
    Check(SameEntries(table, copy));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string typed = text.substr(0, std::strlen(text.c_str()));

    const long number = std::strtol(typed.c_str(), nullptr, 10);
    Check(ParseDelay(typed.c_str()) ==
          (typed.empty() ? DELAY_EMPTY : static_cast<int>(std::min<long>(std::max<long>(number, DELAY_MIN), DELAY_MAX))));

    const bool prefix = size % 2 != 0;
    const std::string full = prefix ? AddHttpPrefix(typed) : typed;
    Check(!prefix || full.find("://") < 7);
    std::string url;
    const EntryUrlResult result = MakeEntryUrl(typed, prefix, url);
    if (typed.empty()) {
        Check(result == ENTRY_URL_EMPTY);
    } else {
        const size_t escaped = full.size() + 2 * InnerBlanks(full);
        Check(url.size() == escaped && InnerBlanks(url) == 0);
        Check(result == (StoredLength(url) > MAX_URL_CHARS ? ENTRY_URL_TOO_LONG : ENTRY_URL_OK));
    }

    static UrlTable table;
    table.count = 0;
    CUrlRows rows;
    rows.Fill(table);
    for (size_t i = 0; i < size; ++i) {
        const int arg = static_cast<signed char>(data[i]) >> 3;
        switch (data[i] & 7) {
        case 0: rows.Register(arg, arg & 3, typed); break;
        case 1: {
            // Kinds 0 to 31: Navigator, Explorer, the default browser, kinds
            // no file should hold (they register as the default browser's)
            // and the 16 listed browsers.
            const int kind = arg + BK_LISTED;
            if (!rows.Register(-1, kind, "x y"))
                break;
            const auto &list = rows.Rows();
            const UrlRow &added = list[list.size() - (list.back().kind == ROW_PLACEHOLDER ? 2 : 1)];
            Check(added.kind == (IsEntryKind(kind) ? kind : BK_DEF));
            break;
        }
        case 2: rows.Delete(arg); break;
        case 3: rows.Clear(); break;
        case 4: rows.Restore(table); break;
        case 5: CheckSaved(rows, table); break;
        case 6: rows.RemoveAll(); break;
        default: rows.Fill(table); break;
        }
        CheckRows(rows);
    }
    return 0;
}
