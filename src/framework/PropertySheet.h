// Property sheet and pages. A page's window exists only once the user has
// shown it, so only shown pages take part in OK.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT idTemplate);

    // Callers may change the flags (PSP_HASHELP) before the sheet runs.
    PROPSHEETPAGEW m_psp;

protected:
    // The sheet's OK, for every page that was shown; the base does nothing.
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnNotify(NMHDR *hdr, LRESULT &result) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    CPropertySheet *m_pSheet = nullptr;
};

class CPropertySheet {
public:
    CPropertySheet(const wchar_t *caption, HWND parent, UINT startPage);

    void AddPage(CPropertyPage *page);
    // IDOK when the sheet was closed with OK, IDCANCEL otherwise.
    INT_PTR DoModal();

    PROPSHEETHEADERW m_psh;

private:
    friend class CPropertyPage;
    std::vector<CPropertyPage *> m_pages;
    bool m_bApplied = false;
};
