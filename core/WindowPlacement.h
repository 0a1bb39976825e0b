#pragma once

#include <QList>
#include <QRect>

// Where a window restored from the settings may stand on the screens there
// are now. A place saved on a screen that has gone (a laptop taken from its
// monitor) is moved onto one, so that the title bar can be reached.
namespace WindowPlacement {

// How much of the window's top strip must lie on a screen for it to count as reachable.
constexpr int GripHeight = 24;
constexpr int GripWidth = 80;

// `frame`: the window's saved outer rectangle; `screens`: the available
// areas of the screens, the primary first. Returns `frame` when its top strip
// is on a screen; otherwise the frame, no larger than the primary screen,
// centred on it.
QRect onScreen(const QRect& frame, const QList<QRect>& screens);

} // namespace WindowPlacement
