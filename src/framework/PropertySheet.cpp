#include "framework/PropertySheet.h"

#include <vector>

CPropertyPage::CPropertyPage(UINT idTemplate) : CDialog(idTemplate), m_psp()
{
    m_psp.dwSize = sizeof m_psp;
    m_psp.hInstance = ::GetModuleHandleW(nullptr);
    m_psp.pszTemplate = MAKEINTRESOURCEW(idTemplate);
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The sheet hands the page's PROPSHEETPAGE, with our object in its lParam.
    if (msg == WM_INITDIALOG)
        lParam = reinterpret_cast<const PROPSHEETPAGEW *>(lParam)->lParam;
    return DialogProc(hwnd, msg, wParam, lParam);
}

BOOL CPropertyPage::OnNotify(NMHDR *hdr, LRESULT &result)
{
    switch (hdr->code) {
    case PSN_KILLACTIVE:
        UpdateData(TRUE);
        result = FALSE;
        return TRUE;
    case PSN_APPLY:
        OnOK();
        m_pSheet->m_bApplied = true;
        result = PSNRET_NOERROR;
        return TRUE;
    case PSN_RESET:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

CPropertySheet::CPropertySheet(const wchar_t *caption, HWND parent, UINT startPage) : m_psh()
{
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.hwndParent = parent;
    m_psh.hInstance = ::GetModuleHandleW(nullptr);
    m_psh.pszCaption = caption;
    m_psh.nStartPage = startPage;
}

void CPropertySheet::AddPage(CPropertyPage *page)
{
    page->m_pSheet = this;
    m_pages.push_back(page);
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage *page : m_pages)
        pages.push_back(page->m_psp);
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.ppsp = pages.data();
    m_bApplied = false;
    ::PropertySheetW(&m_psh);
    return m_bApplied ? IDOK : IDCANCEL;
}
