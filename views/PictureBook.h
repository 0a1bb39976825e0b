#pragma once

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>
#include <unordered_map>

struct PictureBlock;

// The car pictures by number (101 to 3492): a view shows the picture of its
// block's first id plus the mask of the lamps lit on it. Pictures are drawn
// by our own code, once, and kept; a file pictures/<id>.png in the program
// folder takes the place of the drawn picture of that id.
class PictureBook
{
public:
    static constexpr int Width = 195;
    static constexpr int Height = 269;

    explicit PictureBook(const QString& programFolder = QString());
    ~PictureBook();
    PictureBook(const PictureBook&) = delete;
    PictureBook& operator=(const PictureBook&) = delete;

    // Pictures are made for this many device pixels per pixel (sharp on
    // high-density screens). Changing it drops what was kept.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_ratio; }
    // Pictures are made this many device pixels wide and high (a view larger
    // than the picture's own size draws it unscaled; a smaller size counts as
    // the own size). Changing it drops what was kept.
    void setPixelSize(QSize size);
    QSize pixelSize() const { return m_size; }
    // A picture's size in device pixels at `ratio`.
    static QSize sizeAt(qreal ratio);

    // The id a view shows for `mask` when its pictures start at `base`: lamps
    // the view's block has no pictures for are left out. 0 when `base` is not
    // the first id of a block.
    static int pictureId(int base, int mask);
    static bool contains(int id);

    // The picture of `id`; a null pixmap for an id outside the book.
    QPixmap picture(int id);

    // By night the car is a dark silhouette and lit lamps light the ground.
    // Changing it drops what was kept; numbered files stand for day pictures only.
    void setNight(bool night);
    bool night() const { return m_night; }

    // The drawn picture, without the kept pictures and the files.
    static QImage draw(int id, qreal ratio = 1.0, bool night = false);

    // Whether another picture can be kept without dropping one.
    bool hasRoom() const { return m_pictures.totalCost() + pictureCost() <= m_pictures.maxCost(); }

    // How many pictures were drawn or read so far (for the benchmark and tests).
    int madeCount() const { return m_made; }

private:
    class Canvas;
    Canvas& canvasOf(const PictureBlock& block);
    QImage fromFile(int id) const;
    int pictureCost() const; // in KiB

    QString m_folder;
    qreal m_ratio = 1.0;
    bool m_night = false;
    QSize m_size{Width, Height};
    std::unordered_map<int, std::unique_ptr<Canvas>> m_canvases; // by the block's first id
    QCache<int, QPixmap> m_pictures;
    int m_made = 0;
};
