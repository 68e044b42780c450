#include "core/app/MonitorLayout.h"

#include <algorithm>
#include <cmath>

namespace {

double Scale(const MonitorArea &m) { return m.dpi > 0 ? m.dpi / 96.0 : 1.0; }

int Scaled(int pixels, double scale) { return static_cast<int>(std::floor(pixels / scale)); }

// Which side of parent current touches it on, if it does.
enum Side { NONE, LEFT, RIGHT, TOP, BOTTOM };

Side TouchingSide(const ScreenRect &parent, const ScreenRect &current)
{
    const bool rowsMeet = parent.top <= current.bottom && current.top <= parent.bottom;
    const bool columnsMeet = parent.left <= current.right && current.left <= parent.right;
    if (current.right == parent.left && rowsMeet)
        return LEFT;
    if (current.left == parent.right && rowsMeet)
        return RIGHT;
    if (current.bottom == parent.top && columnsMeet)
        return TOP;
    if (current.top == parent.bottom && columnsMeet)
        return BOTTOM;
    return NONE;
}

// The offset along the touching edge, scaled by the parent's scale where it
// lies on the parent's edge; an edge that ends where the parent's ends
// stays so, and one that only its end lies on counts from the far end.
struct EdgeOffset {
    int offset;
    bool fromEnd;
};

EdgeOffset OffsetAlongEdge(int parentBegin, int parentEnd, int begin, int end, double parentScale,
                           double scale)
{
    const int parentLength = parentEnd - parentBegin;
    begin -= parentBegin;
    end -= parentBegin;
    if (end == parentLength)
        return {0, true};
    if (begin >= 0 && begin <= parentLength)
        return {Scaled(begin, parentScale), false};
    if (end >= 0 && end <= parentLength)
        return {Scaled(parentLength - end, parentScale), true};
    return {Scaled(begin, scale), false};
}

ScreenRect Place(const ScreenRect &parentDip, Side side, EdgeOffset o, int width, int height)
{
    ScreenRect r;
    const bool vertical = side == LEFT || side == RIGHT;
    if (vertical) {
        r.left = side == RIGHT ? parentDip.right : parentDip.left - width;
        r.top = o.fromEnd ? parentDip.bottom - o.offset - height : parentDip.top + o.offset;
    } else {
        r.top = side == BOTTOM ? parentDip.bottom : parentDip.top - height;
        r.left = o.fromEnd ? parentDip.right - o.offset - width : parentDip.left + o.offset;
    }
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}

} // namespace

int MonitorNumber(const std::string &device)
{
    size_t digits = device.size();
    while (digits > 0 && device[digits - 1] >= '0' && device[digits - 1] <= '9')
        --digits;
    // Nine digits at most: any more is no monitor Windows names.
    if (digits == device.size() || device.size() - digits > 9)
        return 0;
    return std::stoi(device.substr(digits));
}

int MonitorIndex(const std::vector<MonitorArea> &monitors, const std::string &device)
{
    int primary = monitors.empty() ? -1 : 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (!device.empty() && monitors[i].device == device)
            return static_cast<int>(i);
        if (monitors[i].primary)
            primary = static_cast<int>(i);
    }
    return primary;
}

std::vector<ScreenRect> DipLayout(const std::vector<MonitorArea> &monitors)
{
    const size_t count = monitors.size();
    std::vector<ScreenRect> dip(count);
    std::vector<bool> placed(count, false);
    // Each monitor alone first: what stays so touches none of the others.
    for (size_t i = 0; i < count; ++i) {
        const double s = Scale(monitors[i]);
        const ScreenRect &px = monitors[i].area;
        dip[i] = {Scaled(px.left, s), Scaled(px.top, s), Scaled(px.left, s) + Scaled(px.Width(), s),
                  Scaled(px.top, s) + Scaled(px.Height(), s)};
    }
    const int primary = MonitorIndex(monitors, "");
    if (primary < 0)
        return dip;
    const size_t root = static_cast<size_t>(primary);
    dip[root] = {0, 0, Scaled(monitors[root].area.Width(), Scale(monitors[root])),
                 Scaled(monitors[root].area.Height(), Scale(monitors[root]))};
    placed[root] = true;
    // Outwards from the primary: each round places the monitors touching
    // one already placed, so at most count rounds.
    for (size_t round = 0; round < count; ++round) {
        bool moved = false;
        for (size_t i = 0; i < count; ++i) {
            if (placed[i])
                continue;
            for (size_t p = 0; p < count && !placed[i]; ++p) {
                if (!placed[p])
                    continue;
                const ScreenRect &parent = monitors[p].area, &px = monitors[i].area;
                const Side side = TouchingSide(parent, px);
                if (side == NONE)
                    continue;
                const bool vertical = side == LEFT || side == RIGHT;
                const EdgeOffset o = vertical ? OffsetAlongEdge(parent.top, parent.bottom, px.top, px.bottom,
                                                                Scale(monitors[p]), Scale(monitors[i]))
                                              : OffsetAlongEdge(parent.left, parent.right, px.left, px.right,
                                                                Scale(monitors[p]), Scale(monitors[i]));
                dip[i] = Place(dip[p], side, o, dip[i].Width(), dip[i].Height());
                placed[i] = moved = true;
            }
        }
        if (!moved)
            break;
    }
    return dip;
}

ScreenRect DipWorkArea(const std::vector<MonitorArea> &monitors, int i)
{
    const MonitorArea &m = monitors[static_cast<size_t>(i)];
    const ScreenRect monitor = DipLayout(monitors)[static_cast<size_t>(i)];
    const double s = Scale(m);
    ScreenRect work;
    work.left = monitor.left + Scaled(m.work.left - m.area.left, s);
    work.top = monitor.top + Scaled(m.work.top - m.area.top, s);
    work.right = work.left + Scaled(m.work.Width(), s);
    work.bottom = work.top + Scaled(m.work.Height(), s);
    return work;
}

int FirefoxScreenIndex(const std::vector<MonitorArea> &monitors, int i)
{
    if (monitors[static_cast<size_t>(i)].primary)
        return 0;
    int index = 1;
    for (int j = 0; j < i; ++j)
        index += monitors[static_cast<size_t>(j)].primary ? 0 : 1;
    return index;
}
