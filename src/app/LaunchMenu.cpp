#include "app/LaunchMenu.h"

#include "framework/MessageBox.h"
#include "res/resource.h"

void AppendLaunchCommands(HMENU menu)
{
    ::AppendMenuW(menu, MF_STRING, IDM_OPEN_NEXT, LoadResString(IDS_OPEN_NEXT).c_str());
    ::AppendMenuW(menu, MF_STRING, IDM_STOP, LoadResString(IDS_STOP).c_str());
}
