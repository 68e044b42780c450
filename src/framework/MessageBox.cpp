#include "framework/MessageBox.h"

#include "core/text/Arguments.h"
#include "res/resource.h"

std::wstring LoadResString(UINT id)
{
    const wchar_t *text = nullptr;
    // With a zero buffer size LoadStringW hands out a pointer into the resource.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring LoadResString(UINT id, const std::vector<std::string> &values)
{
    return WideFromUtf8(FillArguments(Utf8FromWide(LoadResString(id)), values));
}

std::wstring LoadResString(UINT id, const std::string &value) { return LoadResString(id, std::vector<std::string>{value}); }

int AppMessageBox(HWND owner, const std::wstring &text, UINT type)
{
    return ::MessageBoxW(owner, text.c_str(), LoadResString(IDS_APP_TITLE).c_str(), type);
}

int AppMessageBox(HWND owner, UINT idText, UINT type) { return AppMessageBox(owner, LoadResString(idText), type); }
