// The property sheet sizes its page area by the point size it reads from
// its pages' templates; the reader finds it in every dialog compiled into
// Orvanta.exe and refuses a template cut short rather than read past it.
// The file's version information, as its properties show it, and the
// manifest Windows starts it with.
#include "LauncherDriver.h"
#include "framework/TemplateFont.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

TEST(Templates, FontSizeIsFoundInEveryDialogOfTheProgram)
{
    HMODULE module = ::LoadLibraryExA((ProgramDir() + "\\Orvanta.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    for (int id : {IDD_ABOUTBOX, IDD_ORVANTA_DIALOG, IDD_SETTINGS, IDD_BOOKMARK, IDD_SET_URLS, IDD_GROUP_NAME}) {
        HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
        ASSERT_NE(nullptr, found) << id;
        const DWORD size = ::SizeofResource(module, found);
        std::vector<BYTE> bytes(size);
        CopyMemory(bytes.data(), ::LockResource(::LoadResource(module, found)), size);
        const WORD *points = TemplateFontSize(bytes.data(), bytes.size());
        ASSERT_NE(nullptr, points) << id;
        EXPECT_EQ(9, *points) << id;
        const size_t beforeFont = static_cast<size_t>(reinterpret_cast<const BYTE *>(points) - bytes.data());
        EXPECT_EQ(nullptr, TemplateFontSize(bytes.data(), beforeFont)) << id;
    }
    ::FreeLibrary(module);
}

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

} // namespace
