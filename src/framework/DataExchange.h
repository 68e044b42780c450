// Dialog data exchange: copies between controls and a dialog's fields, in
// the direction m_bSaveAndValidate names (TRUE: controls to fields).
#pragma once

#include <windows.h>

#include <string>

class CWindow;

struct CDataExchange {
    HWND m_hDlg;
    BOOL m_bSaveAndValidate;
};

void DDX_Control(CDataExchange *pDX, int id, CWindow &control);
// Loading a value outside 0..2 first sets it to 0.
void DDX_Check(CDataExchange *pDX, int id, int &value);
// Text in UTF-8, as the user typed it.
void DDX_Text(CDataExchange *pDX, int id, std::string &value);
