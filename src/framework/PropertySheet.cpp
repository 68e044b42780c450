#include "framework/PropertySheet.h"

#include "framework/TemplateFont.h"

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

namespace {

// The point size of the pages' font, for the sheet being created.
WORD s_nPagePoints;

// The sheet measures its pages in its own font, the system's dialog font,
// whose size depends on the system's language: pages drawn in a larger font
// would be cut off. The sheet takes the pages' point size instead.
int CALLBACK SheetCallback(HWND, UINT msg, LPARAM lParam)
{
    if (msg != PSCB_PRECREATE || !s_nPagePoints)
        return 0;
    // The sheet's template is at most a few hundred bytes.
    if (WORD *points = TemplateFontSize(reinterpret_cast<void *>(lParam), 1024))
        *points = s_nPagePoints;
    return 0;
}

WORD PagePoints(const PROPSHEETPAGEW &page)
{
    HRSRC found = ::FindResourceW(page.hInstance, page.pszTemplate, MAKEINTRESOURCEW(5));    // RT_DIALOG
    HGLOBAL loaded = found ? ::LoadResource(page.hInstance, found) : nullptr;
    void *bytes = loaded ? ::LockResource(loaded) : nullptr;
    const WORD *points = bytes ? TemplateFontSize(bytes, ::SizeofResource(page.hInstance, found)) : nullptr;
    return points ? *points : 0;
}

} // namespace

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage *page : m_pages)
        pages.push_back(page->m_psp);
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.ppsp = pages.data();
    m_bApplied = false;
    s_nPagePoints = pages.empty() ? 0 : PagePoints(pages[0]);
    m_psh.dwFlags |= PSH_USECALLBACK;
    m_psh.pfnCallback = SheetCallback;
    ::PropertySheetW(&m_psh);
    return m_bApplied ? IDOK : IDCANCEL;
}
