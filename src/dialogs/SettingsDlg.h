// The start-up options page "起動関係" of the settings sheet. The launcher
// fills the fields before the sheet runs and reads them back after OK; the
// page itself neither reads nor writes the settings file.
#pragma once

#include "framework/Controls.h"
#include "framework/PropertySheet.h"

class CSettingsDlg : public CPropertyPage {
public:
    CSettingsDlg();

    int m_bStartup = 0;     // in: the shortcut exists; out: it is wanted
    int m_nDelay = 0;       // seconds, 2..30 after OK
    int m_nBrowser = 0;     // "USE_Browser" code
    CButton m_btnStartupRemove;
    CButton m_btnStartupAdd;
    CSpinButtonCtrl m_spinDelay;
    CEdit m_editDelay;
    CButton m_radioFollow;
    CButton m_radioNN;
    CButton m_radioIE;
    CButton m_radioDefault;
    int m_bNotSurf = 0;
    int m_bReuseBrowser = 0;
    int m_bWaitDialup = 0;
    int m_bWaitNetwork = 0;
    int m_bWindowNum = 0;
    int m_nUiLanguage = 0;  // "UI_Language" code

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
};
