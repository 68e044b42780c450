#include "dialogs/WindowFormText.h"

#include "core/app/BrowserCommand.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

std::wstring FormName(int form)
{
    return LoadResString(IDS_FORM_TAB + static_cast<UINT>(form >= 0 && form < FORM_COUNT ? form : FORM_TAB));
}

std::wstring FormDescription(const ListedBrowser &browser)
{
    if (browser.bManual)
        return std::wstring();    // its own arguments say
    const int form = OpeningForm(browser);
    if (browser.monitor.empty() || !FamilyPlaces(FamilyOfProgram(browser.program), form))
        return FormName(form);
    return LoadResString(IDS_FORM_ON_MONITOR,
                         {Utf8FromWide(FormName(form)), std::to_string(MonitorNumber(browser.monitor))});
}

std::wstring MonitorName(const MonitorArea &monitor)
{
    return LoadResString(monitor.primary ? IDS_MONITOR_MAIN : IDS_MONITOR,
                         {std::to_string(MonitorNumber(monitor.device)), std::to_string(monitor.area.Width()),
                          std::to_string(monitor.area.Height())});
}
