// The property sheet sizes its page area by the point size it reads from
// its pages' templates; the reader finds it in every dialog compiled into
// Orvanta.exe and refuses a template cut short rather than read past it.
// The file's version information, as its properties show it, and the
// manifest Windows starts it with. Every string and window comes in both
// languages, a window with the same controls in each, each edit, list and
// drop-down after its label.
#include "LauncherDriver.h"
#include "framework/TemplateFont.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

namespace {

TEST(Templates, TheFileNamesItsProductAndVersionInBothLanguages)
{
    const std::string exe = ProgramDir() + "\\Orvanta.exe";
    std::vector<BYTE> info(::GetFileVersionInfoSizeA(exe.c_str(), nullptr));
    ASSERT_TRUE(!info.empty() && ::GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    for (const wchar_t *block : {L"041104B0", L"040904B0"})
        for (const auto &[name, value] : {std::make_pair(L"ProductName", L"Orvanta"), std::make_pair(L"FileVersion", L"1.5")}) {
            wchar_t *text = nullptr;
            UINT length = 0;
            const std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
            ASSERT_TRUE(::VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void **>(&text), &length)) << block;
            EXPECT_STREQ(value, text) << block;
        }
}

TEST(Templates, TheManifestAsksForVisualStylesEachMonitorsScaleAndTheInvokersRights)
{
    HMODULE module = ::LoadLibraryExA((ProgramDir() + "\\Orvanta.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(nullptr, found);
    const std::string manifest(static_cast<const char *>(::LockResource(::LoadResource(module, found))), ::SizeofResource(module, found));
    ::FreeLibrary(module);
    EXPECT_NE(std::string::npos, manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"));
    EXPECT_NE(std::string::npos, manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"));
    EXPECT_NE(std::string::npos, manifest.find(">true/pm</dpiAware>"));
    EXPECT_NE(std::string::npos, manifest.find(R"(requestedExecutionLevel level="asInvoker")"));
}

const LANGID LANGUAGES[] = {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)};

// A block of sixteen strings as counted strings: each one's placeholders
// ("%1"...), or none for a string the block does not hold.
std::vector<std::optional<std::set<wchar_t>>> StringBlock(HMODULE module, const wchar_t *block, LANGID language)
{
    std::vector<std::optional<std::set<wchar_t>>> strings(16);
    HRSRC found = ::FindResourceExW(module, MAKEINTRESOURCEW(6), block, language);
    const WCHAR *at = found ? static_cast<const WCHAR *>(::LockResource(::LoadResource(module, found))) : nullptr;
    for (size_t i = 0; at && i < strings.size(); at += 1 + *at, ++i)
        if (*at) {
            strings[i].emplace();
            for (const WCHAR *c = at + 1; c + 1 < at + 1 + *at; ++c)
                if (*c == L'%')
                    strings[i]->insert(c[1]);
        }
    return strings;
}

// The controls of a window in the order Tab takes them: id, class, style;
// none when the language has no such window. Its font size is found (the
// sheet reads it), and not in the template cut before it.
std::vector<std::tuple<int, std::wstring, LONG_PTR>> Controls(HMODULE module, const wchar_t *id, LANGID language)
{
    std::vector<std::tuple<int, std::wstring, LONG_PTR>> controls;
    HRSRC found = ::FindResourceExW(module, MAKEINTRESOURCEW(5), id, language);
    std::vector<BYTE> bytes(found ? ::SizeofResource(module, found) : 0);
    if (bytes.empty())
        return controls;
    CopyMemory(bytes.data(), ::LockResource(::LoadResource(module, found)), bytes.size());
    const WORD *points = TemplateFontSize(bytes.data(), bytes.size());
    EXPECT_TRUE(points && *points == (PRIMARYLANGID(language) == LANG_JAPANESE ? 9 : 8));
    EXPECT_EQ(nullptr, points ? TemplateFontSize(bytes.data(), static_cast<size_t>(reinterpret_cast<const BYTE *>(points) - bytes.data())) : nullptr);
    HWND parent = ::CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND dialog = ::CreateDialogIndirectParamW(module, reinterpret_cast<const DLGTEMPLATE *>(bytes.data()), parent,
                                               [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    for (HWND c = ::GetWindow(dialog, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        wchar_t name[64] = L"";
        ::GetClassNameW(c, name, 64);
        controls.emplace_back(::GetDlgCtrlID(c), name, ::GetWindowLongPtrW(c, GWL_STYLE));
    }
    ::DestroyWindow(parent);
    return controls;
}

TEST(Templates, EveryStringAndWindowComesInBothLanguages)
{
    ::InitCommonControls();
    HMODULE module = ::LoadLibraryExA((ProgramDir() + "\\Orvanta.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    for (const auto &[type, compare] : {std::make_pair(MAKEINTRESOURCEW(6), true), std::make_pair(MAKEINTRESOURCEW(5), false)}) {
        std::vector<const wchar_t *> names;
        ::EnumResourceNamesW(module, type, [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
            reinterpret_cast<std::vector<const wchar_t *> *>(list)->push_back(name);
            return TRUE;
        }, reinterpret_cast<LONG_PTR>(&names));
        ASSERT_FALSE(names.empty());
        for (const wchar_t *name : names) {
            const UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
            if (compare) {
                EXPECT_EQ(StringBlock(module, name, LANGUAGES[0]), StringBlock(module, name, LANGUAGES[1])) << "strings " << (id - 1) * 16;
                continue;
            }
            const auto japanese = Controls(module, name, LANGUAGES[0]);
            // Narrator names an edit, list or drop-down by the label just before it.
            for (size_t i = 0; i < japanese.size(); ++i) {
                const bool named = std::wstring(L"Edit ComboBox SysListView32 SysTreeView32").find(std::get<1>(japanese[i])) == std::wstring::npos;
                EXPECT_TRUE(named || (i > 0 && std::get<1>(japanese[i - 1]) == L"Static")) << "dialog " << id << ", control " << i;
            }
            EXPECT_EQ(japanese, Controls(module, name, LANGUAGES[1])) << "dialog " << id;
        }
    }
    ::FreeLibrary(module);
}

} // namespace
