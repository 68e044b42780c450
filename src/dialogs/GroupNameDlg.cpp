#include "dialogs/GroupNameDlg.h"

#include "framework/MessageBox.h"
#include "res/resource.h"
#include "core/settings/GroupList.h"
#include "core/text/Unicode.h"

CGroupNameDlg::CGroupNameDlg(HWND parent) : CDialog(IDD_GROUP_NAME, parent) {}

void CGroupNameDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_GROUP_NAME, m_editName);
    DDX_Text(pDX, IDC_GROUP_NAME, m_strName);
}

// The settings file gives back names of MAX_GROUP_NAME_CHARS bytes: a longer
// one would come back cut, so it is not taken.
BOOL CGroupNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editName.LimitText(MAX_GROUP_NAME_CHARS);
    return TRUE;
}

// The edit's limit counts characters; a name of double-byte characters, or
// of characters the code page lacks, can still be too long in bytes.
void CGroupNameDlg::OnOK()
{
    if (StoredLength(m_editName.GetText()) > MAX_GROUP_NAME_CHARS) {
        AppMessageBox(m_hWnd, IDS_NAME_TOO_LONG, MB_OK | MB_ICONWARNING);
        m_editName.SetFocus();
        return;
    }
    CDialog::OnOK();
}
