// Process start: one launcher window per session, run as a modal dialog;
// the process ends with it.
#include <windows.h>
#include <commctrl.h>

#include "core/app/CommandLine.h"
#include "app/MainDlg.h"
#include "app/StartHandOver.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    // Whoever owns a window with this title, the program is already running:
    // it is handed the arguments, in a message only the launcher reads.
    if (HWND running = ::FindWindowA(nullptr, "<Orvanta>")) {
        HandOverStart(running, args);
        return 0;
    }

    CMainDlg dlg;
    dlg.m_start = ParseStartArguments(args);
    dlg.DoModal();
    return 0;
}
