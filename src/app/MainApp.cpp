// Process start: one launcher window per session, run as a modal dialog;
// the process ends with it.
#include <windows.h>
#include <commctrl.h>

#include "core/app/CommandLine.h"
#include "core/settings/Options.h"
#include "core/settings/SettingsFile.h"
#include "app/InstanceLock.h"
#include "app/MainDlg.h"
#include "app/SettingsPlace.h"
#include "app/StartHandOver.h"
#include "app/UiLanguage.h"
#include "core/text/WideText.h"

#include <shlwapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The arguments as the user wrote them, in any script: WinMain's own
    // are in the system's code page.
    const std::string args = Utf8FromWide(::PathGetArgsW(::GetCommandLineW()));
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    // Whoever owns a window with this title, the program is already running:
    // it is handed the arguments, in a message only the launcher reads.
    CInstanceLock lock;
    if (HWND running = lock.RunningLauncher()) {
        HandOverStart(running, args.c_str());
        return 0;
    }

    const std::string settings = FindSettingsFile();
    if (!settings.empty())
        SetSettingsFile(settings);
    UseUiLanguage(UiLanguageFor(ReadMainInt(KEY_UI_LANGUAGE, UI_AUTO)));
    CMainDlg dlg;
    dlg.m_start = ParseStartArguments(args.c_str());
    dlg.DoModal();
    return 0;
}
