#include "dialogs/OtherSourceMenu.h"

#include "bookmarks/LocalProfiles.h"
#include "framework/FileOpenDlg.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

// A menu reads '&' as the mark of the next letter's key.
std::wstring MenuText(const std::string &utf8)
{
    std::wstring text;
    for (const wchar_t c : WideFromUtf8(utf8))
        text += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
    return text;
}

} // namespace

// The profiles are looked for each time: a browser may have been installed
// or a profile added since.
bool ChooseOtherSource(HWND page, HWND button, BookmarkSource &source)
{
    const std::vector<ChromiumProfile> profiles = FindLocalChromiumProfiles();
    HMENU menu = ::CreatePopupMenu();
    UINT command = 1;
    for (const ChromiumProfile &profile : profiles)
        ::AppendMenuW(menu, MF_STRING, command++, MenuText(profile.label).c_str());
    if (!profiles.empty())
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const UINT fromFile = command;
    ::AppendMenuW(menu, MF_STRING, fromFile, LoadResString(IDS_FROM_FILE).c_str());
    RECT rc;
    ::GetWindowRect(button, &rc);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, rc.left, rc.bottom, 0, page,
                         nullptr));
    ::DestroyMenu(menu);
    if (chosen >= 1 && chosen < fromFile) {
        source = ChromiumSource(profiles[chosen - 1]);
        return true;
    }
    std::wstring path;
    // The sheet owns the dialog, as it owns the picker.
    if (chosen != fromFile || !AskFileToOpen(::GetParent(page), IDS_BOOKMARK_FILTER, path))
        return false;
    source = FileSource(Utf8FromWide(path));
    return true;
}
