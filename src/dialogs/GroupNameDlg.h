// "グループ名設定": asks for a group's name. The caller may set m_strName
// before the run and reads it after IDOK; the dialog stores nothing.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <string>

class CGroupNameDlg : public CDialog {
public:
    explicit CGroupNameDlg(HWND parent = nullptr);

    std::string m_strName;    // in the system's code page

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CEdit m_editName;
};
