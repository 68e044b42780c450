// The URL registration page "URL登録": choose, create, rename, delete and
// save groups, and edit the entries of the shown group. Group numbers and
// deletions reach the settings file at once; a group's name and entries
// only with Save or the sheet's OK.
#pragma once

#include "core/bookmarks/BookmarkSource.h"
#include "core/dialogs/UrlRows.h"
#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "core/settings/GroupList.h"

// The kind chosen for the next entry and the row being edited (-1 none)
// outlive the page: they are the program's, not one opening's.
extern int s_nSelKind;
extern int s_nEditRow;

class SetURLsPage : public CPropertyPage {
public:
    SetURLsPage();

    CComboBox *m_pMainCombo = nullptr;    // in: the launcher's group selector
    CGroupList *m_pGroups = nullptr;      // in: the launcher's groups
    int m_bGroupsChanged = 0;             // out: a group was created, renamed or deleted
    int m_nGroup = 0;                     // the group shown; 0 none
    int m_nKind = BK_DEF;                 // in: kind preselected; out after OK: the kind chosen last

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
    void OnOK() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(NMHDR *hdr, LRESULT &result) override;

private:
    void CopyGroups();
    void EnableEditControls(BOOL enable) const;
    // After a row's entry is registered or deleted: the editor is disabled,
    // and a keyboard in it goes back to the list.
    void CloseEditor() const;
    void CheckKind(int kind) const;
    void FillBrowsers() const;
    void OnBrowserChosen();
    void ShowRows() const;
    void ShowGroup(int group);
    void SetGroupName(int item, const char *name);
    // Fills the editor with the selected row, as a click or the keyboard
    // chose it.
    bool FillEditor();
    void OnKind(int kind);
    void OnRegister();
    void OnDeleteEntry();
    void OnImport(const BookmarkSource &source);
    // The menu of the other browsers' profiles and "ファイルから…".
    void OnImportOther();
    void OnGroupChosen();
    void Save();
    void OnNewGroup();
    void OnRenameGroup();
    void OnDeleteGroup();

    CComboBox m_comboGroup;
    CButton m_btnHttp;
    CButton m_btnNN, m_btnIE, m_btnDefault;
    CComboBox m_comboBrowser;    // a browser of the program's list, beside the three kinds
    CButton m_btnRegister, m_btnDelete;
    CListCtrl m_listUrls;
    CEdit m_editUrl;
    CButton m_radioHome, m_radioBlank;
    CUrlRows m_rows;
    int m_nListWidth = 0;    // pixels, shared by the two columns
    int m_nKindWidth = 0;    // the browser column's least width
};
