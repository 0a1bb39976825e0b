#include "views/HoverOutline.h"

HoverOutline::Step HoverOutline::outline(int view, int area, bool keep, bool enabled)
{
    Step step;
    if (!enabled)
        return step;
    const bool otherArea = area != m_current.area;
    const bool otherView = view != m_current.view;
    if ((otherArea || (otherView && !keep)) && m_current.view != 0)
        step.erase = m_current;
    if ((otherArea || (otherView && keep)) && view != 0)
        step.draw = Target{view, area};
    m_current = Target{view, area};
    return step;
}
