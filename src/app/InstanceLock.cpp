#include "app/InstanceLock.h"

namespace {

// How long a start waits for the window of a launcher that is starting.
const DWORD LAUNCHER_WAIT_MS = 30000;
const DWORD POLL_MS = 50;

HWND FindLauncher() { return ::FindWindowW(nullptr, L"<Orvanta>"); }

} // namespace

CInstanceLock::CInstanceLock()
{
    ::SetLastError(ERROR_SUCCESS);
    m_hMutex = ::CreateMutexW(nullptr, TRUE, L"Local\\Orvanta.Launcher");
    m_bOwned = m_hMutex && ::GetLastError() != ERROR_ALREADY_EXISTS;
}

CInstanceLock::~CInstanceLock()
{
    if (m_bOwned)
        ::ReleaseMutex(m_hMutex);
    if (m_hMutex)
        ::CloseHandle(m_hMutex);
}

// The title is looked for even by the holder of the mutex: a copy of the
// program without it, or any window of that title, is handed the start as
// before. A launcher that ends lets the mutex go, and a start waiting for
// it then runs in its place.
HWND CInstanceLock::RunningLauncher()
{
    for (DWORD waited = 0;; waited += POLL_MS) {
        if (HWND running = FindLauncher())
            return running;
        if (m_bOwned || !m_hMutex || waited >= LAUNCHER_WAIT_MS)
            return nullptr;
        const DWORD got = ::WaitForSingleObject(m_hMutex, POLL_MS);
        m_bOwned = got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
    }
}
