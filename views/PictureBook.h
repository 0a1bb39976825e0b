#pragma once

#include <QPixmap>

// The car pictures by number (101 to 3492): picture base of a view plus the
// mask of the lamps lit on it.
class PictureBook
{
public:
    virtual ~PictureBook() = default;
    virtual QPixmap picture(int id) = 0;
};

// Stand-in until the car drawings exist: a neutral card with the number.
class PlaceholderPictureBook final : public PictureBook
{
public:
    QPixmap picture(int id) override;
};
