#include "views/Plates.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace Plates {

ModelLayout::Plates standard()
{
    return {QRect(161, 203, 90, 18), QRect(167, 469, 85, 18)};
}

QRectF inPair(const ModelLayout::Plates& plates, bool rear, double scale)
{
    // The window's client area holds the front pair at (11, 8) and the rear pair at (11, 285).
    const QRect box = rear ? plates.rear.translated(-11, -285) : plates.front.translated(-11, -8);
    return {box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale};
}

void paint(QPainter& p, const QRectF& box)
{
    if (box.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double line = std::max(0.5, box.height() / 18.0);
    p.setPen(QPen(QColor(48, 48, 48), line));
    p.setBrush(QColor(244, 244, 240));
    const double radius = std::max(1.0, box.height() / 9.0);
    p.drawRoundedRect(box.adjusted(line / 2, line / 2, -line / 2, -line / 2), radius, radius);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(4, int(box.height() / 2 + 0.5)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(32, 32, 32));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("VANTOR"));
    p.restore();
}

} // namespace Plates
