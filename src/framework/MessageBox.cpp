#include "framework/MessageBox.h"

#include "res/resource.h"

std::wstring LoadResString(UINT id)
{
    const wchar_t *text = nullptr;
    // With a zero buffer size LoadStringW hands out a pointer into the resource.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring WideFromAnsi(const char *text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

std::string AnsiFromWide(const std::wstring &text)
{
    BOOL lossy = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (length <= 1 || lossy)
        return std::string();
    std::string ansi(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &ansi[0], length, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(length) - 1);
    return ansi;
}

int AppMessageBox(HWND owner, const std::wstring &text, UINT type)
{
    return ::MessageBoxW(owner, text.c_str(), LoadResString(IDS_APP_TITLE).c_str(), type);
}

int AppMessageBox(HWND owner, UINT idText, UINT type) { return AppMessageBox(owner, LoadResString(idText), type); }
