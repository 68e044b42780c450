#include "framework/TemplateFont.h"

namespace {

// Skips a "string or ordinal" field: 0 (none), 0xFFFF and an ordinal, or a
// zero-terminated UTF-16 string. Null when it runs past end.
const WORD *SkipField(const WORD *p, const WORD *end)
{
    if (p >= end)
        return nullptr;
    if (*p == 0xFFFF)
        return p + 2 <= end ? p + 2 : nullptr;
    while (p < end && *p)
        ++p;
    return p < end ? p + 1 : nullptr;
}

} // namespace

WORD *TemplateFontSize(void *dialogTemplate, size_t size)
{
    WORD *words = static_cast<WORD *>(dialogTemplate);
    const WORD *end = words + size / sizeof(WORD);
    const bool extended = size >= 4 && words[1] == 0xFFFF;
    // DLGTEMPLATEEX: version, signature, help id, extended style, style,
    // item count, x, y, cx, cy. DLGTEMPLATE: style, extended style, item
    // count, x, y, cx, cy.
    const size_t header = extended ? 13 : 9;
    if (size < header * sizeof(WORD))
        return nullptr;
    DWORD style;
    CopyMemory(&style, extended ? words + 6 : words, sizeof style);
    if (!(style & DS_SETFONT))
        return nullptr;
    const WORD *p = words + header;
    for (int field = 0; field < 3 && p; ++field)    // menu, class, title
        p = SkipField(p, end);
    return p && p < end ? const_cast<WORD *>(p) : nullptr;
}
