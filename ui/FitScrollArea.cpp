#include "ui/FitScrollArea.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>

FitScrollArea::FitScrollArea(int reserve, QWidget* parent) : QScrollArea(parent), m_reserve(reserve)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
}

QSize FitScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    QSize wanted = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    const QScreen* shown = screen();
    if (!shown)
        return wanted;
    const QSize room = shown->availableGeometry().size() - QSize(m_reserve / 2, m_reserve);
    // Where it scrolls one way, the scroll bar takes room the other way.
    if (wanted.height() > room.height())
        wanted.rwidth() += verticalScrollBar()->sizeHint().width();
    if (wanted.width() > room.width())
        wanted.rheight() += horizontalScrollBar()->sizeHint().height();
    return wanted.boundedTo(room);
}

bool FitScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    // What it holds changed its size (new captions): the window follows.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}
