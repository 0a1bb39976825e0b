#include "views/PictureBook.h"

#include <QPainter>

QPixmap PlaceholderPictureBook::picture(int id)
{
    QPixmap pixmap(195, 269);
    pixmap.fill(QColor(236, 238, 240));
    QPainter painter(&pixmap);
    painter.setPen(QColor(150, 155, 160));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(id));
    return pixmap;
}
