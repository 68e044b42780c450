// A dialog template as compiled into a module, read from its resource: what
// the resource compiler made of the .rc, before any window exists.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

struct DialogItem {
    int id;
    std::wstring cls;     // any letter case; predefined classes by name ("Button", "Edit", ...)
    std::wstring text;
    DWORD style;
    short x, y, cx, cy;
    bool operator==(const DialogItem &o) const
    {
        return id == o.id && ::lstrcmpiW(cls.c_str(), o.cls.c_str()) == 0 && text == o.text && style == o.style && x == o.x && y == o.y &&
               cx == o.cx && cy == o.cy;
    }
};

void PrintTo(const DialogItem &item, std::ostream *os);

struct DialogTemplate {
    bool loaded = false;
    DWORD style = 0, exStyle = 0;
    short cx = 0, cy = 0;
    std::wstring caption, font;
    WORD pointSize = 0;
    BYTE charset = 0;
    std::vector<DialogItem> items;
};

// An extended template (DIALOGEX) of module; loaded is false otherwise.
DialogTemplate LoadDialogTemplate(HMODULE module, int id);
