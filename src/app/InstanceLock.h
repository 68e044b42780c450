// The one launcher of the user's session. The window title alone cannot
// decide it: two starts at the same moment (the Startup shortcut and a task
// at logon) may both look before either has its window. A mutex of the
// session, taken first, lets exactly one of them be the launcher; the
// others wait for its window and hand their arguments to it.
#pragma once

#include <windows.h>

class CInstanceLock {
public:
    CInstanceLock();
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock &) = delete;
    CInstanceLock &operator=(const CInstanceLock &) = delete;

    // The window of the running launcher (or of whatever holds its title)
    // to hand this start to; null when this start is to be the launcher:
    // it holds the mutex, or the holder showed no window in time (a hung
    // start is no launcher).
    HWND RunningLauncher();

private:
    HANDLE m_hMutex = nullptr;
    bool m_bOwned = false;
};
