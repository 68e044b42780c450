#include "dialogs/BrowsersPage.h"

#include "dialogs/BrowserDlg.h"
#include "dialogs/UnsavedSettings.h"
#include "dialogs/WindowFormText.h"
#include "framework/MessageBox.h"
#include "links/InstalledBrowsers.h"
#include "res/resource.h"

CBrowsersPage::CBrowsersPage() : CPropertyPage(IDD_BROWSERS) {}

void CBrowsersPage::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_BROWSER_LIST, m_list);
    DDX_Control(pDX, IDC_INSTALLED, m_comboInstalled);
    DDX_Control(pDX, IDC_INSTALLED_PRIVATE, m_btnPrivate);
}

BOOL CBrowsersPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    RECT rc;
    ::GetClientRect(m_list.m_hWnd, &rc);
    const int width = rc.right - rc.left;
    // Arguments only browsers added by hand have: the narrowest.
    m_list.InsertColumn(0, LoadResString(IDS_COLUMN_BROWSER_NAME).c_str(), width * 28 / 100);
    m_list.InsertColumn(1, LoadResString(IDS_COLUMN_PROGRAM).c_str(), width * 24 / 100);
    m_list.InsertColumn(2, LoadResString(IDS_COLUMN_ARGS).c_str(), width * 12 / 100);
    m_list.InsertColumn(3, LoadResString(IDS_COLUMN_FORM).c_str(), width - width * 64 / 100);
    ShowList();
    m_installed = FindInstalledBrowsers();
    for (const ListedBrowser &browser : m_installed)
        m_comboInstalled.AddString(browser.name.c_str());
    if (!m_installed.empty())
        m_comboInstalled.SetCurSel(0);
    ::EnableWindow(GetDlgItem(IDC_INSTALLED_ADD), !m_installed.empty());
    return TRUE;
}

void CBrowsersPage::OnDpiChanged(UINT oldDpi, UINT newDpi) { m_list.ScaleColumns(oldDpi, newDpi); }

void CBrowsersPage::ShowList() const
{
    m_list.DeleteAllItems();
    ListedBrowser browser;
    for (int n = 1; n <= MAX_BROWSERS; ++n) {
        if (!ReadListedBrowser(n, browser))
            continue;
        const int item = m_list.InsertItem(m_list.GetItemCount(), browser.name.c_str());
        m_list.SetItemData(item, n);
        m_list.SetItemText(item, 1, browser.program.c_str());
        m_list.SetItemText(item, 2, browser.args.c_str());
        m_list.SetItemText(item, 3, FormDescription(browser).c_str());
    }
}

int CBrowsersPage::SelectedBrowser() const
{
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    return item < 0 ? 0 : static_cast<int>(m_list.GetItemData(item));
}

BOOL CBrowsersPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (code != BN_CLICKED)
        return CPropertyPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_BROWSER_ADD: OnAdd(); return TRUE;
    case IDC_BROWSER_EDIT: OnEdit(); return TRUE;
    case IDC_BROWSER_REMOVE: OnRemove(); return TRUE;
    case IDC_INSTALLED_ADD: OnAddInstalled(); return TRUE;
    default: return CPropertyPage::OnCommand(id, code, control);
    }
}

// n 0: the first free number, unless the list is full.
void CBrowsersPage::Store(int n, const ListedBrowser &browser) const
{
    if (n == 0)
        n = FreeBrowserNumber();
    if (n < 0) {
        AppMessageBox(::GetParent(m_hWnd), IDS_BROWSER_LIST_FULL, MB_OK | MB_ICONWARNING);
        return;
    }
    if (!WriteListedBrowser(n, browser))
        TellUnsavedSettings(::GetParent(m_hWnd));
    ShowList();
}

void CBrowsersPage::OnAdd()
{
    CBrowserDlg dlg(::GetParent(m_hWnd));
    dlg.m_browser.bManual = 1;
    if (dlg.DoModal() == IDOK)
        Store(0, dlg.m_browser);
}

void CBrowsersPage::OnEdit()
{
    const int n = SelectedBrowser();
    CBrowserDlg dlg(::GetParent(m_hWnd));
    if (n == 0 || !ReadListedBrowser(n, dlg.m_browser))
        return;
    if (dlg.DoModal() == IDOK)
        Store(n, dlg.m_browser);
}

// Entries given this browser open in the default browser from now on.
void CBrowsersPage::OnRemove()
{
    if (const int n = SelectedBrowser()) {
        if (!RemoveListedBrowser(n))
            TellUnsavedSettings(::GetParent(m_hWnd));
        ShowList();
    }
}

void CBrowsersPage::OnAddInstalled()
{
    const int item = m_comboInstalled.GetCurSel();
    if (item < 0 || static_cast<size_t>(item) >= m_installed.size())
        return;
    ListedBrowser browser = m_installed[static_cast<size_t>(item)];
    if (m_btnPrivate.GetCheck() == BST_CHECKED) {
        browser.bPrivate = 1;
        browser.name += Utf8FromWide(LoadResString(IDS_PRIVATE_SUFFIX));
    }
    Store(0, browser);
}
