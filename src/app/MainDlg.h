// The launcher window "<Orvanta>": Start, the group selector and Settings.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "settings/GroupList.h"

// The launcher window's handle, for everything that posts to it.
extern HWND s_hwndMain;

class CSettingsDlg;

class CMainDlg : public CDialog {
public:
    CMainDlg();

    CGroupList m_groups;
    int m_bAutoStart = 0;
    int m_bNotSurf = 0;
    CComboBox m_comboGroup;
    CButton m_btnStart;
    HICON m_hIcon;

    void FillGroupCombo();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

private:
    void LoadOptions(int &x, int &y);
    void PlaceWindow(int x, int y) const;
    BOOL OnSysCommand(UINT id);
    BOOL OnPaint() const;
    void OnClose();
    void ReleaseLinks(bool savePosition);
    void OnStart();
    void OnSettings();
    void Step(void (*step)());

    bool m_bStepping = false;    // a launch step is running
    void WriteBack(const CSettingsDlg &options, int kind);
};
