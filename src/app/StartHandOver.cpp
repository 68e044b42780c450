#include "app/StartHandOver.h"

#include "core/app/StartMessage.h"

void HandOverStart(HWND running, const char *args)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(running, &pid);
    ::AllowSetForegroundWindow(pid);
    // A launcher started at the same moment may have its window before it
    // takes messages: the message waits until it does, a few seconds at most.
    if (HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, pid)) {
        ::WaitForInputIdle(process, 5000);
        ::CloseHandle(process);
    }
    std::string message = PackStartMessage(args);
    COPYDATASTRUCT data = {START_MESSAGE_ID, static_cast<DWORD>(message.size()), &message[0]};
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_BLOCK, 500,
                          &answer);
}

bool ReadHandedStart(LPARAM copyData, std::string &args)
{
    const COPYDATASTRUCT *data = reinterpret_cast<const COPYDATASTRUCT *>(copyData);
    return data && data->dwData == START_MESSAGE_ID && UnpackStartMessage(data->lpData, data->cbData, args);
}
