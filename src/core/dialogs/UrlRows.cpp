#include "core/dialogs/UrlRows.h"

#include "core/text/Unicode.h"

#include <cstring>

std::string AddHttpPrefix(const std::string &text)
{
    const size_t scheme = text.find("://");
    return scheme == std::string::npos || scheme >= 7 ? "http://" + text : text;
}

EntryUrlResult MakeEntryUrl(const std::string &typed, bool prefix, std::string &url)
{
    if (typed.empty())
        return ENTRY_URL_EMPTY;
    url = EscapeInnerBlanks(prefix ? AddHttpPrefix(typed) : typed);
    return UrlFitsEntry(url) ? ENTRY_URL_OK : ENTRY_URL_TOO_LONG;
}

bool CUrlRows::IsEntry(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) && m_rows[static_cast<size_t>(row)].kind != ROW_PLACEHOLDER;
}

void CUrlRows::Fill(const UrlTable &table)
{
    m_rows.clear();
    const int count = table.count < 0 ? 0 : table.count > MAX_URLS ? MAX_URLS : table.count;
    for (int i = 0; i < count; ++i) {
        const char *url = table.text[i] + 1;
        m_rows.push_back({table.kind[i], std::string(url, strnlen(url, URL_TEXT_SIZE - 1))});
    }
    if (count < MAX_URLS)
        m_rows.push_back({ROW_PLACEHOLDER, std::string()});
}

void CUrlRows::Clear()
{
    if (m_rows.empty())
        return;
    m_rows.assign(1, {ROW_PLACEHOLDER, std::string()});
}

void CUrlRows::Restore(const UrlTable &table)
{
    if (!m_rows.empty())
        Fill(table);
}

bool CUrlRows::Register(int editRow, int kind, const std::string &url)
{
    // A kind from the settings file may be anything; a negative one would
    // read as the placeholder.
    const UrlRow row = {IsEntryKind(kind) ? kind : BK_DEF, url};
    if (IsEntry(editRow)) {
        m_rows[static_cast<size_t>(editRow)] = row;
        return true;
    }
    if (!HasPlaceholder())
        return false;
    m_rows.insert(m_rows.end() - 1, row);
    if (m_rows.size() > MAX_URLS)
        m_rows.pop_back();
    return true;
}

bool CUrlRows::Delete(int editRow)
{
    if (!IsEntry(editRow))
        return false;
    m_rows.erase(m_rows.begin() + editRow);
    if (!HasPlaceholder())
        m_rows.push_back({ROW_PLACEHOLDER, std::string()});
    return true;
}

int CUrlRows::CopyTo(UrlTable &table) const
{
    int n = 0;
    for (const UrlRow &row : m_rows) {
        if (n == MAX_URLS)
            break;
        table.kind[n] = row.kind;
        if (row.kind == ROW_PLACEHOLDER)
            break;
        const std::string url = EscapeInnerBlanks(row.url);
        const size_t length = StoredPrefix(url, MAX_URL_CHARS);
        table.text[n][0] = ' ';
        std::memcpy(table.text[n] + 1, url.data(), length);
        table.text[n][1 + length] = '\0';
        ++n;
    }
    return n;
}
