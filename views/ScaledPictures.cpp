#include "views/ScaledPictures.h"

#include "views/PictureBook.h"

QImage ScaledPictures::of(int id)
{
    if (const auto it = m_images.constFind(id); it != m_images.cend())
        return *it;
    QImage image = id ? m_book.picture(id).toImage() : QImage();
    if (m_size.isValid() && !image.isNull()) {
        image = image.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(1.0);
    }
    m_images.insert(id, image);
    return image;
}
