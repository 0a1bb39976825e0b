#pragma once

#include <QHash>
#include <QImage>
#include <QSize>

class PictureBook;

// The car pictures drawn so far, by id, at one size: each picture is drawn
// and scaled once however often a show repeats it. An empty size keeps the
// pictures at their own size.
class ScaledPictures
{
public:
    ScaledPictures(PictureBook& book, QSize size) : m_book(book), m_size(size) {}

    // A null image for id 0 or a picture that does not exist.
    QImage of(int id);

private:
    PictureBook& m_book;
    QSize m_size;
    QHash<int, QImage> m_images;
};
