#include "DialogTemplate.h"

#include "LauncherDriver.h"

namespace {

// Reads the template's fields in order; every read stays inside the resource.
class Reader {
public:
    Reader(const BYTE *data, size_t size) : m_p(data), m_begin(data), m_end(data + size) {}

    bool ok() const { return m_ok; }
    template <typename T> T Get()
    {
        T value{};
        if (m_end - m_p < static_cast<ptrdiff_t>(sizeof value)) {
            m_ok = false;
            return value;
        }
        memcpy(&value, m_p, sizeof value);
        m_p += sizeof value;
        return value;
    }
    std::wstring String()
    {
        std::wstring text;
        for (wchar_t c; m_ok && (c = Get<wchar_t>()) != 0;)
            text += c;
        return text;
    }
    // A name or an ordinal (0xFFFF and a number); ordinals come back as "#n".
    std::wstring NameOrOrdinal()
    {
        const WORD first = Get<WORD>();
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Get<WORD>());
        if (first == 0)
            return std::wstring();
        return static_cast<wchar_t>(first) + String();
    }
    void Skip(size_t bytes) { m_p = static_cast<size_t>(m_end - m_p) < bytes ? (m_ok = false, m_end) : m_p + bytes; }
    void AlignDword() { Skip(static_cast<size_t>((4 - (m_p - m_begin) % 4) % 4)); }

private:
    const BYTE *m_p, *m_begin, *m_end;
    bool m_ok = true;
};

std::wstring ClassName(const std::wstring &name)
{
    static const wchar_t *const predefined[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
    for (int i = 0; i < 6; ++i)
        if (name == L"#" + std::to_wstring(0x80 + i))
            return predefined[i];
    return name;
}

std::string Utf8(const std::wstring &text)
{
    char utf8[1024] = "";
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

} // namespace

// In UTF-8, so that a failure reads in the log.
void PrintTo(const DialogItem &item, std::ostream *os)
{
    *os << "{" << item.id << ", " << Utf8(item.cls) << ", \"" << Utf8(item.text)
        << "\", style 0x" << std::hex << item.style << std::dec << ", " << item.x << "," << item.y << " " << item.cx
        << "x" << item.cy << "}";
}

DialogTemplate LoadDialogTemplate(HMODULE module, int id)
{
    DialogTemplate dlg;
    HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));    // RT_DIALOG
    HGLOBAL handle = info ? ::LoadResource(module, info) : nullptr;
    const BYTE *data = handle ? static_cast<const BYTE *>(::LockResource(handle)) : nullptr;
    if (!data)
        return dlg;
    Reader r(data, ::SizeofResource(module, info));
    if (r.Get<WORD>() != 1 || r.Get<WORD>() != 0xFFFF)
        return dlg;
    r.Get<DWORD>();    // help id
    dlg.exStyle = r.Get<DWORD>();
    dlg.style = r.Get<DWORD>();
    const WORD count = r.Get<WORD>();
    r.Get<short>();
    r.Get<short>();
    dlg.cx = r.Get<short>();
    dlg.cy = r.Get<short>();
    r.NameOrOrdinal();    // menu
    r.NameOrOrdinal();    // class
    dlg.caption = r.String();
    if (dlg.style & DS_SETFONT) {
        dlg.pointSize = r.Get<WORD>();
        r.Get<WORD>();    // weight
        r.Get<BYTE>();    // italic
        dlg.charset = r.Get<BYTE>();
        dlg.font = r.String();
    }
    for (WORD i = 0; i < count && r.ok(); ++i) {
        r.AlignDword();
        DialogItem item{};
        r.Get<DWORD>();    // help id
        r.Get<DWORD>();    // extended style
        item.style = r.Get<DWORD>();
        item.x = r.Get<short>();
        item.y = r.Get<short>();
        item.cx = r.Get<short>();
        item.cy = r.Get<short>();
        item.id = static_cast<int>(r.Get<DWORD>());
        item.cls = ClassName(r.NameOrOrdinal());
        item.text = r.NameOrOrdinal();
        r.Skip(r.Get<WORD>());    // creation data
        dlg.items.push_back(item);
    }
    dlg.loaded = r.ok();
    return dlg;
}
