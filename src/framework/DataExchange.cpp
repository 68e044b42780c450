#include "framework/DataExchange.h"

#include "framework/Controls.h"

void DDX_Control(CDataExchange *pDX, int id, CWindow &control) { control.m_hWnd = ::GetDlgItem(pDX->m_hDlg, id); }

void DDX_Check(CDataExchange *pDX, int id, int &value)
{
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::IsDlgButtonChecked(pDX->m_hDlg, id));
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    ::CheckDlgButton(pDX->m_hDlg, id, static_cast<UINT>(value));
}

void DDX_Text(CDataExchange *pDX, int id, std::string &value)
{
    CWindow control;
    DDX_Control(pDX, id, control);
    if (pDX->m_bSaveAndValidate)
        value = control.GetText();
    else
        control.SetText(value);
}
