// Any bytes as typed into the settings dialogs: the delay edit box and the
// URL edit box, and as a run of list commands whose rules must always hold.
#include "core/dialogs/OptionValues.h"
#include "core/dialogs/UrlRows.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

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
        Check(row.kind >= BK_NN && row.kind <= BK_DEF);
        ++entries;
    }
    Check(entries <= MAX_URLS);
    Check((entries < MAX_URLS) == (list.back().kind == ROW_PLACEHOLDER));
    Check(list.size() == entries + (entries < MAX_URLS ? 1 : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string typed = text.substr(0, std::strlen(text.c_str()));

    const int delay = ParseDelay(typed.c_str());
    Check(delay >= DELAY_MIN && delay <= DELAY_MAX);

    std::string url;
    const EntryUrlResult result = MakeEntryUrl(typed, size % 2 != 0, url);
    Check((result == ENTRY_URL_EMPTY) == typed.empty());
    Check(result != ENTRY_URL_OK || url.size() <= MAX_URL_CHARS);

    static UrlTable table;
    table.count = 0;
    CUrlRows rows;
    rows.Fill(table);
    for (size_t i = 0; i < size; ++i) {
        const int arg = static_cast<signed char>(data[i]) >> 3;
        switch (data[i] & 7) {
        case 0: rows.Register(arg, arg & 3, typed); break;
        case 1: rows.Register(-1, arg, "x y"); break;
        case 2: rows.Delete(arg); break;
        case 3: rows.Clear(); break;
        case 4: rows.Restore(table); break;
        case 5: table.count = rows.CopyTo(table); break;
        case 6: rows.RemoveAll(); break;
        default: rows.Fill(table); break;
        }
        CheckRows(rows);
    }
    return 0;
}
