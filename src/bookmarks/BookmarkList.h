// The picker's entry list: a report-view list control with the entries of
// one folder, name in column 0 and URL in column 1.
#pragma once

#include "framework/Controls.h"

#include <string>
#include <vector>

class CBookmarkList : public CListCtrl {
public:
    // " 名称 " a third and " URL " two thirds of the control's width.
    void InsertColumns() const;
    // Replaces the rows with the first count entries. Returns count.
    int ShowEntries(int count, const std::vector<std::string> &names, const std::vector<std::string> &urls) const;
};
