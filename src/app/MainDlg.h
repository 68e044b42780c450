// The launcher window "<Orvanta>": Start, the group selector and Settings.
#pragma once

#include "core/settings/GroupList.h"
#include "core/settings/Options.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

// The launcher window's handle, for everything that posts to it.
extern HWND s_hwndMain;
// Whether the Startup shortcut existed when the settings sheet last opened.
extern int s_bStartupLinked;

struct SettingsResult;

class CMainDlg : public CDialog {
public:
    CMainDlg();

    CGroupList m_groups;
    int m_bAutoStart = 0;
    int &m_bNotSurf = s_options.bNotSurf;
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
    void PlaceWindow(int x, int y) const;
    BOOL OnSysCommand(UINT id);
    BOOL OnPaint() const;
    void OnClose();
    void ReleaseLinks(bool savePosition);
    void OnStart();
    void OnSettings();
    void ApplySettings(const SettingsResult &result);
    int SelectedGroup() const;
    void Step(void (*step)());

    bool m_bStepping = false;    // a launch step is running
};
