// The browsers page "ブラウザ" of the settings sheet: the program's list of
// browsers that entries can be given, beyond Navigator and Explorer. The
// browsers installed on the machine are offered to add, once for normal
// and once for private windows; any other can be added by hand. Like group
// numbers on the URL page, each change reaches the settings file at once,
// so that the URL page can offer the browser straight away.
#pragma once

#include "core/settings/BrowserList.h"
#include "framework/Controls.h"
#include "framework/PropertySheet.h"

#include <vector>

class CBrowsersPage : public CPropertyPage {
public:
    CBrowsersPage();

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;

private:
    void ShowList() const;
    // The number of the browser in the selected row; 0 when none.
    int SelectedBrowser() const;
    void Store(int n, const ListedBrowser &browser) const;
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnAddInstalled();

    CListCtrl m_list;
    CComboBox m_comboInstalled;
    CButton m_btnPrivate;
    std::vector<ListedBrowser> m_installed;
};
