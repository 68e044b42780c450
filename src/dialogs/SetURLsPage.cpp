#include "dialogs/SetURLsPage.h"

#include "bookmarks/BookmarkDlg.h"
#include "core/settings/BrowserList.h"
#include "core/dialogs/BookmarkImport.h"
#include "dialogs/GroupNameDlg.h"
#include "dialogs/OtherSourceMenu.h"
#include "dialogs/UnsavedSettings.h"
#include "framework/Dpi.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

#include <algorithm>

namespace {
// Pixels at 100 % around a browser's name in the first column.
const int KIND_PADDING = 16;
} // namespace

int s_nSelKind = BK_DEF;
int s_nEditRow = -1;

SetURLsPage::SetURLsPage() : CPropertyPage(IDD_SET_URLS) {}

void SetURLsPage::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_GROUP_LIST, m_comboGroup);
    DDX_Control(pDX, IDC_HTTP_PREFIX, m_btnHttp);
    DDX_Control(pDX, IDC_KIND_DEF, m_btnDefault);
    DDX_Control(pDX, IDC_KIND_IE, m_btnIE);
    DDX_Control(pDX, IDC_KIND_NN, m_btnNN);
    DDX_Control(pDX, IDC_URL_REGISTER, m_btnRegister);
    DDX_Control(pDX, IDC_URL_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_URL_LIST, m_listUrls);
    DDX_Control(pDX, IDC_URL_EDIT, m_editUrl);
    DDX_Control(pDX, IDC_HOME_PAGE, m_radioHome);
    DDX_Control(pDX, IDC_BLANK_PAGE, m_radioBlank);
    DDX_Control(pDX, IDC_ENTRY_BROWSER, m_comboBrowser);
}

BOOL SetURLsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bGroupsChanged = 0;
    const std::wstring browser = LoadResString(IDS_COLUMN_BROWSER);
    m_nKindWidth = m_listUrls.GetStringWidth(browser.c_str()) + ScaleForDpi(KIND_PADDING, m_dpi);
    // The columns fill the list inside its border, with no scroll bar.
    RECT rc;
    ::GetClientRect(m_listUrls.m_hWnd, &rc);
    m_nListWidth = rc.right - rc.left;
    m_listUrls.InsertColumn(0, browser.c_str(), m_nKindWidth);
    m_listUrls.InsertColumn(1, LoadResString(IDS_COLUMN_PAGE_URL).c_str(), m_nListWidth - m_nKindWidth);
    m_editUrl.LimitText(MAX_URL_CHARS);
    m_comboGroup.SetMinVisible(MAX_GROUPS);
    EnableEditControls(FALSE);
    m_btnHttp.SetCheck(BST_CHECKED);
    m_radioHome.SetCheck(BST_UNCHECKED);
    m_radioBlank.SetCheck(BST_UNCHECKED);
    s_nSelKind = m_nKind;
    FillBrowsers();
    CheckKind(s_nSelKind);
    CopyGroups();
    if (m_nGroup > 0)
        ShowGroup(m_nGroup);
    return TRUE;
}

void SetURLsPage::OnDpiChanged(UINT oldDpi, UINT newDpi)
{
    m_nListWidth = ::MulDiv(m_nListWidth, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    m_nKindWidth = ::MulDiv(m_nKindWidth, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    m_listUrls.ScaleColumns(oldDpi, newDpi);
}

void SetURLsPage::CopyGroups()
{
    for (int i = 0; i < m_pMainCombo->GetCount(); ++i) {
        const LPARAM group = m_pMainCombo->GetItemData(i);
        const int item = m_comboGroup.AddString(m_pMainCombo->GetLBText(i).c_str());
        m_comboGroup.SetItemData(item, group);
        if (group == m_nGroup)
            m_comboGroup.SetCurSel(item);
    }
}

// The controls that edit one entry, enabled by a click on a row.
void SetURLsPage::EnableEditControls(BOOL enable) const
{
    for (int id : {IDC_URL_EDIT, IDC_KIND_DEF, IDC_KIND_NN, IDC_KIND_IE, IDC_URL_REGISTER, IDC_URL_DELETE, IDC_HOME_PAGE,
                   IDC_BLANK_PAGE, IDC_ENTRY_BROWSER})
        ::EnableWindow(GetDlgItem(id), enable);
}

// A listed browser shows in the combo box with no box ticked; any other
// kind ticks its box, and the combo box shows none. As with radio buttons,
// Tab stops at the ticked box (at the first while none is), and the arrow
// keys move between the three.
void SetURLsPage::CheckKind(int kind) const
{
    const bool listed = IsListedKind(kind);
    m_btnNN.SetCheck(kind == BK_NN ? BST_CHECKED : BST_UNCHECKED);
    m_btnIE.SetCheck(kind == BK_IE ? BST_CHECKED : BST_UNCHECKED);
    m_btnDefault.SetCheck(kind != BK_NN && kind != BK_IE && !listed ? BST_CHECKED : BST_UNCHECKED);
    m_btnNN.SetTabStop(kind == BK_NN || listed);
    m_btnIE.SetTabStop(kind == BK_IE);
    m_btnDefault.SetTabStop(kind != BK_NN && kind != BK_IE && !listed);
    int item = 0;
    for (int i = 1; listed && i < m_comboBrowser.GetCount(); ++i)
        if (m_comboBrowser.GetItemData(i) == kind - BK_LISTED + 1)
            item = i;
    m_comboBrowser.SetCurSel(item);
}

// Item 0 is none; the others carry their browser's number. Filled again
// each time it opens, since the browsers page may have changed the list.
void SetURLsPage::FillBrowsers() const
{
    m_comboBrowser.ResetContent();
    m_comboBrowser.SetItemData(m_comboBrowser.AddString(LoadResString(IDS_NO_LISTED_BROWSER).c_str()), 0);
    ListedBrowser browser;
    for (int n = 1; n <= MAX_BROWSERS; ++n)
        if (ReadListedBrowser(n, browser))
            m_comboBrowser.SetItemData(m_comboBrowser.AddString(browser.name.c_str()), n);
}

void SetURLsPage::OnBrowserChosen()
{
    const int item = m_comboBrowser.GetCurSel();
    const int n = item == CB_ERR ? 0 : static_cast<int>(m_comboBrowser.GetItemData(item));
    OnKind(n > 0 ? BK_LISTED + n - 1 : BK_DEF);
}

// Brings the list control in line with m_rows, row by row, so that a row
// keeps its selection where it stays.
void SetURLsPage::ShowRows() const
{
    const std::vector<UrlRow> &rows = m_rows.Rows();
    const int count = static_cast<int>(rows.size());
    while (m_listUrls.GetItemCount() > count)
        m_listUrls.DeleteItem(m_listUrls.GetItemCount() - 1);
    const std::wstring newKind = LoadResString(IDS_NEW_ROW_KIND), newUrl = LoadResString(IDS_NEW_ROW_URL);
    ListedBrowser browser;
    int kindWidth = m_nKindWidth;
    for (int i = 0; i < count; ++i) {
        const UrlRow &row = rows[static_cast<size_t>(i)];
        if (i >= m_listUrls.GetItemCount())
            m_listUrls.InsertItem(i, row.kind);
        else
            m_listUrls.SetItemData(i, row.kind);
        if (row.kind == ROW_PLACEHOLDER) {
            m_listUrls.SetItemText(i, 0, newKind.c_str());
            m_listUrls.SetItemText(i, 1, newUrl.c_str());
        } else if (IsListedKind(row.kind) && ReadListedBrowser(row.kind - BK_LISTED + 1, browser)) {
            m_listUrls.SetItemText(i, 0, browser.name.c_str());
            m_listUrls.SetItemText(i, 1, row.url.c_str());
            kindWidth = std::max(kindWidth, m_listUrls.GetStringWidth(browser.name.c_str()) + ScaleForDpi(KIND_PADDING, m_dpi));
        } else {
            m_listUrls.SetItemText(i, 0, BrowserTag(row.kind).c_str());
            m_listUrls.SetItemText(i, 1, row.url.c_str());
        }
    }
    // A browser's name may be longer than "NN": the column grows to a third
    // of the list at most.
    kindWidth = std::min(kindWidth, m_nListWidth / 3);
    m_listUrls.SetColumnWidth(0, kindWidth);
    m_listUrls.SetColumnWidth(1, m_nListWidth - kindWidth);
}

void SetURLsPage::ShowGroup(int group)
{
    m_nGroup = group;
    m_pGroups->LoadUrlTable(group);
    m_rows.Fill(theUrlTable);
    ShowRows();
}

BOOL SetURLsPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_GROUP_LIST && code == CBN_SELCHANGE) {
        OnGroupChosen();
        return TRUE;
    }
    if (id == IDC_ENTRY_BROWSER && code == CBN_DROPDOWN) {
        FillBrowsers();
        CheckKind(s_nSelKind);
        return TRUE;
    }
    if (id == IDC_ENTRY_BROWSER && code == CBN_SELCHANGE) {
        OnBrowserChosen();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return CPropertyPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_HOME_PAGE: m_radioBlank.SetCheck(BST_UNCHECKED); break;
    case IDC_BLANK_PAGE: m_radioHome.SetCheck(BST_UNCHECKED); break;
    case IDC_URL_CLEAR:
        m_rows.Clear();
        ShowRows();
        break;
    case IDC_URL_RESTORE:
        m_rows.Restore(theUrlTable);
        ShowRows();
        break;
    case IDC_URL_DELETE: OnDeleteEntry(); break;
    case IDC_URL_REGISTER: OnRegister(); break;
    case IDC_IMPORT_IE: OnImport(FavoritesSource()); break;
    case IDC_IMPORT_NN: OnImport(NavigatorSource()); break;
    case IDC_IMPORT_OTHER: OnImportOther(); break;
    case IDC_KIND_DEF: OnKind(BK_DEF); break;
    case IDC_KIND_IE: OnKind(BK_IE); break;
    case IDC_KIND_NN: OnKind(BK_NN); break;
    case IDC_GROUP_DELETE: OnDeleteGroup(); break;
    case IDC_GROUP_SAVE: Save(); break;
    case IDC_GROUP_NEW: OnNewGroup(); break;
    case IDC_GROUP_RENAME: OnRenameGroup(); break;
    default: return CPropertyPage::OnCommand(id, code, control);
    }
    return TRUE;
}

// A click takes the caret to the editor; the keyboard moving the selection
// stays in the list, and the page's own refills of the list, which happen
// while the focus is elsewhere, fill nothing.
BOOL SetURLsPage::OnNotify(NMHDR *hdr, LRESULT &result)
{
    if (hdr->idFrom != IDC_URL_LIST)
        return CPropertyPage::OnNotify(hdr, result);
    if (hdr->code == NM_CLICK) {
        if (FillEditor())
            m_editUrl.SetFocus();
    } else if (hdr->code == LVN_ITEMCHANGED) {
        const NMLISTVIEW *change = reinterpret_cast<const NMLISTVIEW *>(hdr);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & ~change->uOldState & LVIS_SELECTED) &&
            ::GetFocus() == m_listUrls.m_hWnd)
            FillEditor();
    } else {
        return CPropertyPage::OnNotify(hdr, result);
    }
    result = 0;
    return TRUE;
}

bool SetURLsPage::FillEditor()
{
    const int row = m_listUrls.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return false;
    EnableEditControls(TRUE);
    if (!m_rows.IsEntry(row)) {
        m_editUrl.SetText("");
        s_nEditRow = -1;
        m_btnDelete.EnableWindow(FALSE);
        m_btnRegister.SetText(LoadResString(IDS_REGISTER).c_str());
    } else {
        const UrlRow &entry = m_rows.Rows()[static_cast<size_t>(row)];
        m_editUrl.SetText(entry.url);
        s_nSelKind = entry.kind;
        CheckKind(s_nSelKind);
        s_nEditRow = row;
        m_btnDelete.EnableWindow(TRUE);
        m_btnRegister.SetText(LoadResString(IDS_UPDATE).c_str());
    }
    ::SendMessageW(m_hWnd, DM_SETDEFID, IDC_URL_REGISTER, 0);
    return true;
}

// The three boxes act as one choice: a click on the ticked one keeps it.
void SetURLsPage::OnKind(int kind)
{
    s_nSelKind = kind;
    CheckKind(kind);
    m_editUrl.SetFocus();
}

void SetURLsPage::OnRegister()
{
    std::string url;
    if (m_radioHome.GetCheck() == BST_CHECKED) {
        url.clear();
    } else if (m_radioBlank.GetCheck() == BST_CHECKED) {
        url = "about:blank";
    } else {
        switch (MakeEntryUrl(m_editUrl.GetText(), m_btnHttp.GetCheck() == BST_CHECKED, url)) {
        case ENTRY_URL_EMPTY:
            AppMessageBox(::GetParent(m_hWnd), IDS_ENTER_URL, MB_OK | MB_ICONWARNING);
            return;
        case ENTRY_URL_TOO_LONG:
            AppMessageBox(::GetParent(m_hWnd), IDS_URL_TOO_LONG, MB_OK | MB_ICONWARNING);
            return;
        case ENTRY_URL_OK:
            break;
        }
    }
    m_rows.Register(s_nEditRow, s_nSelKind, url);
    ShowRows();
    CloseEditor();
}

void SetURLsPage::OnDeleteEntry()
{
    m_rows.Delete(s_nEditRow);
    ShowRows();
    CloseEditor();
}

void SetURLsPage::CloseEditor() const
{
    HWND focus = ::GetFocus();
    EnableEditControls(FALSE);
    if (focus && !::IsWindowEnabled(focus))
        m_listUrls.SetFocus();
}

// The sheet owns the picker and so stays disabled while it runs: closed
// meanwhile, it would take this page, into which the pick goes, with it.
void SetURLsPage::OnImport(const BookmarkSource &source)
{
    BookmarkPick pick;
    if (!RunBookmarkPicker(::GetParent(m_hWnd), source, pick))
        return;
    ImportBookmarks(m_rows, pick);
    ShowRows();
}

void SetURLsPage::OnImportOther()
{
    BookmarkSource source;
    if (ChooseOtherSource(m_hWnd, GetDlgItem(IDC_IMPORT_OTHER), source))
        OnImport(source);
}

// Unsaved changes to the group shown before are dropped.
void SetURLsPage::OnGroupChosen()
{
    const int item = m_comboGroup.GetCurSel();
    if (item != CB_ERR)
        ShowGroup(static_cast<int>(m_comboGroup.GetItemData(item)));
}

// The table's count follows the saved list, so that Restore after Save shows
// what the file now holds. A group that could not be saved is shown again
// as the file holds it.
void SetURLsPage::Save()
{
    const int count = m_rows.CopyTo(theUrlTable);
    theUrlTable.count = count;
    const int item = m_comboGroup.GetCurSel();
    if (m_nGroup < 1 || item == CB_ERR || m_pGroups->SaveGroup(m_nGroup, m_comboGroup.GetLBText(item).c_str(), count))
        return;
    TellUnsavedSettings(::GetParent(m_hWnd));
    char name[GROUP_NAME_SIZE];
    if (m_pGroups->ReadGroupName(m_nGroup, name))
        SetGroupName(item, name);
    ShowGroup(m_nGroup);
}

void SetURLsPage::SetGroupName(int item, const char *name)
{
    m_comboGroup.DeleteString(item);
    m_comboGroup.InsertString(item, name);
    m_comboGroup.SetItemData(item, m_nGroup);
    m_comboGroup.SetCurSel(item);
}

void SetURLsPage::OnOK()
{
    m_nKind = s_nSelKind;
    Save();
    CPropertyPage::OnOK();
}

void SetURLsPage::OnNewGroup()
{
    if (m_pGroups->AllocGroup(0) < 0)
        return;
    CGroupNameDlg dlg(::GetParent(m_hWnd));
    if (dlg.DoModal() != IDOK)
        return;
    const int group = m_pGroups->AllocGroup(1);
    if (group <= 0) {
        TellUnsavedSettings(::GetParent(m_hWnd));
        return;
    }
    const int item = m_comboGroup.AddString(dlg.m_strName.c_str());
    m_comboGroup.SetItemData(item, group);
    m_comboGroup.SetCurSel(item);
    theUrlTable.count = 0;
    m_rows.Fill(theUrlTable);
    ShowRows();
    m_nGroup = group;
    m_bGroupsChanged = 1;
}

void SetURLsPage::OnRenameGroup()
{
    const int item = m_comboGroup.GetCurSel();
    if (m_nGroup < 1 || item == CB_ERR)
        return;
    CGroupNameDlg dlg(::GetParent(m_hWnd));
    dlg.m_strName = m_comboGroup.GetLBText(item);
    if (dlg.DoModal() != IDOK)
        return;
    SetGroupName(item, dlg.m_strName.c_str());
    m_bGroupsChanged = 1;
}

void SetURLsPage::OnDeleteGroup()
{
    const int item = m_comboGroup.GetCurSel();
    if (m_nGroup < 1 || item == CB_ERR)
        return;
    const std::wstring question = LoadResString(IDS_DELETE_GROUP, m_comboGroup.GetLBText(item));
    if (AppMessageBox(::GetParent(m_hWnd), question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!m_pGroups->DeleteGroup(m_nGroup)) {
        TellUnsavedSettings(::GetParent(m_hWnd));
        return;
    }
    m_comboGroup.DeleteString(item);
    const int left = m_comboGroup.GetCount();
    if (left == 0) {
        m_nGroup = 0;
        m_rows.RemoveAll();
        ShowRows();
    } else {
        const int next = item < left ? item : left - 1;
        m_comboGroup.SetCurSel(next);
        ShowGroup(static_cast<int>(m_comboGroup.GetItemData(next)));
    }
    m_bGroupsChanged = 1;
}
