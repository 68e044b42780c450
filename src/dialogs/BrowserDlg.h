// "ブラウザの設定": a browser of the program's list, as the user names it.
// The caller fills m_browser before the run and reads it after IDOK; the
// dialog stores nothing. A browser found installed keeps the switches the
// program gives it, so only one added by hand has arguments to edit, and
// only one found installed a form and a monitor to choose: those its
// family has.
#pragma once

#include "core/app/MonitorLayout.h"
#include "core/settings/BrowserList.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <vector>

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
    void FillForms() const;
    void FillMonitors();
    // The monitor list only for a form its family places.
    void EnableMonitors() const;
    int ChosenForm() const;

    CEdit m_editName, m_editProgram, m_editArgs;
    CComboBox m_comboForm, m_comboMonitor;
    // The device name of each item of m_comboMonitor: "" for the first,
    // where the browser puts its window.
    std::vector<std::string> m_devices;
};
