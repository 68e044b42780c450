// The launcher window "<Orvanta>": Start, the group selector and Settings.
#pragma once

#include "app/NotifyIcon.h"
#include "core/app/CommandLine.h"
#include "core/app/LaunchTip.h"
#include "core/settings/GroupList.h"
#include "core/settings/Options.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"

// The launcher window's handle, for everything that posts to it.
extern HWND s_hwndMain;
// Whether the Startup shortcut existed when the settings sheet last opened.
extern int s_bStartupLinked;

struct SettingsResult;

class CMainDlg : public CDialog {
public:
    CMainDlg();

    CGroupList m_groups;
    StartArguments m_start;    // the program's own, at start
    int &m_bNotSurf = s_options.bNotSurf;
    CComboBox m_comboGroup;
    CButton m_btnStart;

    void FillGroupCombo();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    void PlaceWindow(int x, int y) const;
    BOOL OnSysCommand(UINT id);
    void OnLaunchCommand(UINT id);
    BOOL OnPaint() const;
    void OnClose();
    // What closing writes: the close box the current group and the
    // position, Enter the group alone, Escape nothing.
    enum SavedAtClose { SAVE_NOTHING, SAVE_GROUP, SAVE_GROUP_AND_POSITION };
    void ReleaseLinks(SavedAtClose saved);
    void OnStart();
    // Start for the group a text names ("" the selected one), as if it had
    // been chosen and Start clicked.
    void StartGroup(const std::string &group);
    void SelectGroup(int n) const;
    BOOL OnCopyData(LPARAM copyData);
    void OnHandedStart();
    void OnSettings();
    void ApplySettings(const SettingsResult &result);
    int SelectedGroup() const;
    void Step(void (*step)());
    // The icon is shown while a sequence runs, its tooltip telling the
    // sequence's progress now.
    void UpdateNotifyIcon();
    void OnNotifyIcon(WPARAM anchor, UINT event);

    bool m_bStepping = false;    // a launch step is running
    StartArguments m_handed;     // those of a second start, acted on when posted
    CNotifyIcon m_notifyIcon;
    CWindowIcons m_icons;
    LaunchTipTexts m_tipTexts;
    std::string m_launchGroup;   // the name of the group the sequence opens, in UTF-8
};
