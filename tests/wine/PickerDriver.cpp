#include "PickerDriver.h"

#include "LauncherDriver.h"
#include "NsregImage.h"
#include "core/text/Utf8Text.h"
#include "core/text/WideText.h"

#include <shlwapi.h>

#include <thread>

namespace {

struct ThreadDialog {
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lParam)
{
    wchar_t cls[32] = L"";
    ::GetClassNameW(hwnd, cls, 32);
    if (std::wstring(cls) != L"#32770" || !::IsWindowVisible(hwnd))
        return TRUE;
    reinterpret_cast<ThreadDialog *>(lParam)->found = hwnd;
    return FALSE;
}

HWND WaitThreadDialog(DWORD thread)
{
    ThreadDialog d = {nullptr};
    WaitUntil([&] {
        ::EnumThreadWindows(thread, MatchDialog, reinterpret_cast<LPARAM>(&d));
        return d.found != nullptr;
    });
    return d.found;
}

std::wstring ItemText(HWND tree, HTREEITEM item, LPARAM &data)
{
    wchar_t text[1024] = L"";
    TVITEMW tvi = {};
    tvi.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.pszText = text;
    tvi.cchTextMax = 1024;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    data = tvi.lParam;
    return text;
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

void TreeLevel(HWND tree, HTREEITEM item, size_t depth, std::string &out)
{
    for (; item; item = Next(tree, item, TVGN_NEXT)) {
        LPARAM data = 0;
        const std::wstring text = ItemText(tree, item, data);
        out += std::string(depth, ' ') + "+" + AnsiFromWide(text.c_str()) + " #" + std::to_string(data) + "\n";
        TreeLevel(tree, Next(tree, item, TVGN_CHILD), depth + 1, out);
    }
}

HTREEITEM FindItem(HWND tree, HTREEITEM item, const std::string &title)
{
    for (; item; item = Next(tree, item, TVGN_NEXT)) {
        LPARAM data = 0;
        if (Utf8FromWide(ItemText(tree, item, data)) == title)
            return item;
        if (HTREEITEM found = FindItem(tree, Next(tree, item, TVGN_CHILD), title))
            return found;
    }
    return nullptr;
}

std::wstring SubItemText(HWND list, int row, int column)
{
    wchar_t text[1024] = L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 1024;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace

INT_PTR RunPicker(CBookmarkDlg &dlg, const std::function<void(HWND)> &drive)
{
    const DWORD thread = ::GetCurrentThreadId();
    std::thread driver([&] {
        HWND hwnd = WaitThreadDialog(thread);
        if (!hwnd)
            return;
        drive(hwnd);
        // Queued behind whatever drive posted, so it ends only a dialog still open.
        ::PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    });
    const INT_PTR result = dlg.DoModal();
    driver.join();
    return result;
}

std::string TreeText(HWND tree)
{
    std::string out;
    TreeLevel(tree, Next(tree, nullptr, TVGN_ROOT), 0, out);
    return out;
}

std::vector<std::string> PickerRows(HWND list)
{
    std::vector<std::string> rows;
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        rows.push_back(AnsiFromWide(SubItemText(list, i, 0).c_str()) + " | " +
                       AnsiFromWide(SubItemText(list, i, 1).c_str()));
    return rows;
}

void SelectRows(HWND list, const std::vector<int> &rows)
{
    LVITEMW none = {};
    none.stateMask = LVIS_SELECTED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    for (const int row : rows) {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

bool SelectFolder(HWND tree, const std::string &title)
{
    HTREEITEM item = FindItem(tree, Next(tree, nullptr, TVGN_ROOT), title);
    return item && ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

bool WaitRows(HWND list, int count)
{
    return WaitUntil([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == count; }, 5000);
}

std::string TempDir()
{
    char dir[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, dir);
    return dir;
}

std::string WindowsDir()
{
    char dir[MAX_PATH];
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    return dir;
}

void SetRegString(HKEY root, const std::string &key, const char *name, const std::string &value)
{
    HKEY hKey;
    if (::RegCreateKeyExW(root, WideFromUtf8(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring text = WideFromUtf8(value);
    ::RegSetValueExW(hKey, WideFromUtf8(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
}

void DeleteKey(HKEY root, const std::string &key) { ::SHDeleteKeyA(root, key.c_str()); }

namespace {

const char NAVIGATOR_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator";

std::string NsregPath() { return JoinPath(WindowsDir(), "nsreg.dat"); }

} // namespace

std::string InstallNavigatorProfile(const std::string &user, const std::string &bookmarks)
{
    const std::string dir = JoinPath(TempDir(), user + "-profile");
    RemoveTree(dir);
    MakeDir(dir);
    WriteBytes(JoinPath(dir, "bookmark.htm"), bookmarks);
    SetRegString(HKEY_LOCAL_MACHINE, NAVIGATOR_KEY, "CurrentVersion", "4.7 (ja)");
    WriteBytes(NsregPath(), ProfileImage(user, user, dir).Bytes());
    return dir;
}

void RemoveNavigatorProfile(const std::string &dir)
{
    DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Netscape");
    ::DeleteFileA(NsregPath().c_str());
    RemoveTree(dir);
}
