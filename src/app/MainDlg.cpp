#include "app/MainDlg.h"

#include "app/AboutDlg.h"
#include "app/LaunchHostWin32.h"
#include "app/LaunchMenu.h"
#include "app/SelfPath.h"
#include "app/SettingsCommand.h"
#include "app/StartHandOver.h"
#include "core/app/LaunchSequencer.h"
#include "core/settings/SettingsFile.h"
#include "dialogs/UnsavedSettings.h"
#include "framework/MessageBox.h"
#include "links/BrowserLocation.h"
#include "links/BrowserStart.h"
#include "links/DdeLink.h"
#include "links/RasLink.h"
#include "links/StartupLink.h"
#include "res/resource.h"

#include <objbase.h>
#include <shellapi.h>
#include <windowsx.h>

HWND s_hwndMain = nullptr;
int s_bStartupLinked = 0;

namespace {

// Posted to the launcher itself: the sender of a second start's arguments
// is not kept waiting by what they start, message boxes included.
const UINT WM_HANDED_START = WM_APP;
// The launch's notices (NOTIFY_NS_READY, NOTIFY_LAUNCH_DONE). Not WM_USER:
// to a dialog that is DM_GETDEFID, which the dialog manager sends itself.
const UINT WM_LAUNCH_NOTIFY = WM_APP + 2;
// Sent to every top-level window when Explorer has made its taskbar anew.
const UINT WM_TASKBAR_CREATED = ::RegisterWindowMessageW(L"TaskbarCreated");

// The tooltip joins the group's name to the program's sentence, both in
// UTF-8, so that it shows whole under any code page.
std::string TipSentence(UINT id) { return Utf8FromWide(LoadResString(id)); }

} // namespace

CMainDlg::CMainDlg() : CDialog(IDD_ORVANTA_DIALOG) {}

void CMainDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_GROUP, m_comboGroup);
    DDX_Control(pDX, IDC_START, m_btnStart);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    HMENU sysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (sysMenu) {
        ::AppendMenuW(sysMenu, MF_SEPARATOR, 0, nullptr);
        AppendLaunchCommands(sysMenu);
        ::AppendMenuW(sysMenu, MF_STRING, IDM_ABOUTBOX, LoadResString(IDS_ABOUTBOX).c_str());
    }
    m_icons.Set(m_hWnd, IDR_MAINFRAME, m_dpi);
    m_comboGroup.SetMinVisible(MAX_GROUPS);
    m_notifyIcon.Attach(m_hWnd, ID_NOTIFY_ICON, WM_NOTIFY_ICON, IDR_MAINFRAME);
    m_tipTexts = {TipSentence(IDS_TIP_STEPPING), TipSentence(IDS_TIP_DIALUP), TipSentence(IDS_TIP_NETWORK),
                  TipSentence(IDS_TIP_NAVIGATOR)};

    ::CoInitialize(nullptr);
    s_hwndMain = m_hWnd;
    s_nDefaultKind = GetDefaultBrowserKind();
    LocateNetscape(s_szNetscapePath);
    GetSelfPath();

    int x, y;
    s_options = ReadOptions(x, y);
    s_nCurrentGroup = m_groups.LoadGroups();
    theUrlTable.count = 0;
    FillGroupCombo();
    PlaceWindow(x, y);
    RasLinkLoad();
    LaunchInit(WindowsLaunchHost(m_hWnd, WM_LAUNCH_NOTIFY));
    DdeLinkInit(s_hwndMain, WM_LAUNCH_NOTIFY);
    ResetIeBrowsers();

    if (m_start.bStart)
        StartGroup(m_start.group);
    return TRUE;
}

// The window stands at the template's 0,0, so offsetting the normal
// rectangle moves it without changing its size.
void CMainDlg::PlaceWindow(int x, int y) const
{
    if (x < 0 || y < 0)
        return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    ::GetWindowPlacement(m_hWnd, &wp);
    wp.rcNormalPosition = {x, y, wp.rcNormalPosition.right + x, wp.rcNormalPosition.bottom + y};
    ::SetWindowPlacement(m_hWnd, &wp);
}

void CMainDlg::FillGroupCombo()
{
    m_comboGroup.ResetContent();
    for (int n = 1; n <= MAX_GROUPS; ++n) {
        char name[GROUP_NAME_SIZE] = "";
        if (!m_groups.ReadGroupName(n, name))
            continue;
        const int item = m_comboGroup.AddString(name);
        m_comboGroup.SetItemData(item, n);
        if (n == s_nCurrentGroup)
            m_comboGroup.SetCurSel(item);
    }
    if (m_comboGroup.GetCurSel() == CB_ERR && m_comboGroup.GetCount() > 0)
        m_comboGroup.SetCurSel(0);
}

BOOL CMainDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_START && code == BN_CLICKED)
        OnStart();
    else if (id == IDC_SETTINGS && code == BN_CLICKED)
        OnSettings();
    else
        return CDialog::OnCommand(id, code, control);
    return TRUE;
}

void CMainDlg::OnDpiChanged(UINT, UINT newDpi) { m_icons.Set(m_hWnd, IDR_MAINFRAME, newDpi); }

BOOL CMainDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result)
{
    switch (msg) {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_icons.Big());
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_TIMER:
        // A DDE exchange waits in a message loop of its own; a tick that
        // falls due meanwhile must not start a second step inside the first.
        if (!m_bStepping)
            Step(OnLaunchTimer);
        return TRUE;
    case WM_LAUNCH_NOTIFY:
        result = OnLaunchNotify(wParam, lParam, m_bNotSurf);
        UpdateNotifyIcon();
        return TRUE;
    case WM_NOTIFY_ICON:
        OnNotifyIcon(wParam, LOWORD(lParam));
        return TRUE;
    case WM_COPYDATA:
        result = OnCopyData(lParam);
        return TRUE;
    case WM_HANDED_START:
        OnHandedStart();
        return TRUE;
    default:
        // A registration that failed gives 0, which is WM_NULL.
        if (msg == WM_TASKBAR_CREATED && msg != 0) {
            m_notifyIcon.AddAgain();
            return TRUE;
        }
        return FALSE;
    }
}

BOOL CMainDlg::OnSysCommand(UINT id)
{
    switch (id & 0xFFF0) {
    case IDM_ABOUTBOX: {
        CAboutDlg about(m_hWnd);
        about.DoModal();
        return TRUE;
    }
    case IDM_OPEN_NEXT:
    case IDM_STOP:
        OnLaunchCommand(id & 0xFFF0);
        return TRUE;
    default:
        return FALSE;
    }
}

// Inside a step's DDE exchange the command waits for no one: the step
// runs on as it was, as a tick falling due then does.
void CMainDlg::OnLaunchCommand(UINT id)
{
    if (!m_bStepping)
        Step(id == IDM_STOP ? LaunchStop : LaunchOpenNext);
}

BOOL CMainDlg::OnPaint() const
{
    if (!::IsIconic(m_hWnd))
        return FALSE;
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    const int x = (rc.right - rc.left - ::GetSystemMetricsForDpi(SM_CXICON, m_dpi) + 1) / 2;
    const int y = (rc.bottom - rc.top - ::GetSystemMetricsForDpi(SM_CYICON, m_dpi) + 1) / 2;
    ::DrawIcon(dc, x, y, m_icons.Big());
    ::EndPaint(m_hWnd, &ps);
    return TRUE;
}

// What every way of closing shares: a running sequence stops, and the links
// to the system and the notification icon go. DDE goes first, so that no
// notice reaches the window while it closes.
void CMainDlg::ReleaseLinks(SavedAtClose saved)
{
    LaunchStop();
    DdeLinkTerm();
    m_notifyIcon.Remove();
    if (saved == SAVE_GROUP_AND_POSITION) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        ::GetWindowPlacement(m_hWnd, &wp);
        WriteMainInt(KEY_YPOS, wp.rcNormalPosition.top);
        WriteMainInt(KEY_XPOS, wp.rcNormalPosition.left);
    }
    RasLinkUnload();
    ReleaseIeBrowsers();
    ::CoUninitialize();
    if (saved != SAVE_NOTHING)
        m_groups.WriteCurrentGroup(s_nCurrentGroup);
}

// The dialog ends here, with IDCANCEL, rather than through the default
// processing, which would end it by way of OnCancel.
void CMainDlg::OnClose()
{
    ReleaseLinks(SAVE_GROUP_AND_POSITION);
    CDialog::OnCancel();
}

void CMainDlg::OnOK()
{
    ReleaseLinks(SAVE_GROUP);
    CDialog::OnOK();
}

void CMainDlg::OnCancel()
{
    ReleaseLinks(SAVE_NOTHING);
    CDialog::OnCancel();
}

void CMainDlg::Step(void (*step)())
{
    m_bStepping = true;
    step();
    m_bStepping = false;
    UpdateNotifyIcon();
}

void CMainDlg::UpdateNotifyIcon()
{
    const LaunchProgress progress = CurrentLaunchProgress();
    if (progress.activity == ACTIVITY_IDLE)
        m_notifyIcon.Remove();
    else
        m_notifyIcon.Show(LaunchTipText(progress, m_launchGroup, m_tipTexts));
}

// A hovering mouse gets the seconds of now; either button, and the
// keyboard, open the menu where the shell says, whose command goes the way
// of the system menu's.
void CMainDlg::OnNotifyIcon(WPARAM anchor, UINT event)
{
    switch (event) {
    case WM_MOUSEMOVE:
        UpdateNotifyIcon();
        break;
    case NIN_SELECT:
    case NIN_KEYSELECT:
    case WM_CONTEXTMENU: {
        const UINT id = TrackLaunchMenu(m_hWnd, {GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)});
        if (event == NIN_KEYSELECT)
            m_notifyIcon.ReturnFocus();
        if (id)
            ::PostMessageW(m_hWnd, WM_SYSCOMMAND, id, 0);
        break;
    }
    default:
        break;
    }
}

void CMainDlg::OnStart()
{
    if (m_bStepping)
        return;
    const int group = SelectedGroup();
    if (group == 0 || m_groups.LoadUrlTable(group) <= 0) {
        AppMessageBox(m_hWnd, IDS_NO_URL, MB_OK);
        return;
    }
    s_nCurrentGroup = group;
    char name[GROUP_NAME_SIZE] = "";
    m_groups.ReadGroupName(group, name);
    m_launchGroup = name;
    Step(LaunchStart);
}

void CMainDlg::StartGroup(const std::string &group)
{
    if (!group.empty()) {
        const int n = m_groups.FindGroup(group);
        if (n == 0) {
            AppMessageBox(m_hWnd, IDS_NO_URL, MB_OK);
            return;
        }
        SelectGroup(n);
    }
    OnStart();
}

void CMainDlg::SelectGroup(int n) const
{
    for (int item = 0; item < m_comboGroup.GetCount(); ++item)
        if (m_comboGroup.GetItemData(item) == n)
            m_comboGroup.SetCurSel(item);
}

BOOL CMainDlg::OnCopyData(LPARAM copyData)
{
    std::string args;
    if (!ReadHandedStart(copyData, args))
        return FALSE;
    m_handed = ParseStartArguments(args.c_str());
    ::PostMessageW(m_hWnd, WM_HANDED_START, 0, 0);
    return TRUE;
}

// "-start" starts as the Start button would; while a window of ours is in
// front of the launcher (the settings sheet, a message box) that button
// cannot be clicked, so that window comes to the front instead, as it does
// for a start without "-start".
void CMainDlg::OnHandedStart()
{
    HWND front = ::GetLastActivePopup(m_hWnd);
    if (m_handed.bStart && front == m_hWnd) {
        StartGroup(m_handed.group);
        return;
    }
    if (::IsIconic(m_hWnd))
        ::ShowWindow(m_hWnd, SW_RESTORE);
    ::SetForegroundWindow(front);
}

int CMainDlg::SelectedGroup() const
{
    const int item = m_comboGroup.GetCurSel();
    return item == CB_ERR ? 0 : static_cast<int>(m_comboGroup.GetItemData(item));
}

void CMainDlg::OnSettings()
{
    s_bStartupLinked = IsStartupLinked(m_hWnd, s_szSelfPath);
    SettingsInput in;
    in.options = s_options;
    in.bStartupLinked = s_bStartupLinked;
    in.nGroup = SelectedGroup();
    in.pGroupCombo = &m_comboGroup;
    in.pGroups = &m_groups;
    const SettingsResult result = RunSettingsSheet(m_hWnd, in);
    if (result.bOK)
        ApplySettings(result);
    if (result.bGroupsChanged)
        FillGroupCombo();
}

// The changed options are written in the file's order, with the shortcut
// between "Wait_Dialup" and "Prev_Sel_Browser".
void CMainDlg::ApplySettings(const SettingsResult &result)
{
    bool written = true;
    UpdateOptions(s_options, result.options, OPT_USE_BROWSER | OPT_DELAY | OPT_NOTSURF | OPT_REUSE_BROWSER | OPT_WAIT_DIALUP,
                  written);
    if (result.bStartup != s_bStartupLinked) {
        if (!s_bStartupLinked && result.bStartup) {
            if (!CreateStartupLink(s_szSelfPath, "", "-start", LoadResString(IDS_SHORTCUT_COMMENT)))
                AppMessageBox(m_hWnd, IDS_STARTUP_FAILED, MB_OK);
        } else {
            std::string remaining;
            if (!DeleteStartupLink(s_szSelfPath, remaining))
                AppMessageBox(m_hWnd, LoadResString(IDS_STARTUP_NOT_REMOVED, remaining), MB_OK | MB_ICONWARNING);
        }
    }
    s_bStartupLinked = result.bStartup;
    if (UpdateOptions(s_options, result.options, OPT_PREV_SEL_BROWSER | OPT_WINDOWNUM | OPT_WAIT_NETWORK | OPT_UI_LANGUAGE,
                      written) &
        OPT_WINDOWNUM)
        s_bSingleWindowOpened = 0;
    if (!written)
        TellUnsavedSettings(m_hWnd);
}
