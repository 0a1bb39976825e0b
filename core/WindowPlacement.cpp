#include "core/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

QRect onScreen(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty() || frame.isEmpty())
        return frame;
    const QRect grip(frame.left(), frame.top(), frame.width(), GripHeight);
    for (const QRect& screen : screens) {
        const QRect shared = screen.intersected(grip);
        if (shared.width() >= std::min(GripWidth, frame.width()) && shared.height() >= GripHeight / 2)
            return frame;
    }
    const QRect& primary = screens.first();
    QRect moved(QPoint(), frame.size().boundedTo(primary.size()));
    moved.moveCenter(primary.center());
    return moved;
}

} // namespace WindowPlacement
