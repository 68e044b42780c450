// "ブラウザの設定": a browser of the program's list, as the user names it.
// The caller fills m_browser before the run and reads it after IDOK; the
// dialog stores nothing. A browser found installed keeps the switches the
// program gives it, so only one added by hand has arguments to edit.
#pragma once

#include "core/settings/BrowserList.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class CBrowserDlg : public CDialog {
public:
    explicit CBrowserDlg(HWND parent = nullptr);

    ListedBrowser m_browser;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnBrowse();

    CEdit m_editName, m_editProgram, m_editArgs;
};
