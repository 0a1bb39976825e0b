#pragma once

#include "vehicle/ModelLayout.h"
#include "views/PictureBook.h"
#include "views/video/VideoPlan.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

class ScaledPictures;

// The pictures of a video: the four car views drawn for the video's size
// (not a small picture scaled up), front pair above and rear pair below,
// centred on a plain background with the licence plates, and an optional
// caption line under them; or a title card.
class VideoFrames
{
public:
    struct Look
    {
        QSize size{1920, 1080};
        bool night = false;
        QString caption; // empty: no caption line
        ModelLayout::Plates plates;
    };

    VideoFrames(const VideoPlan& plan, const Look& look);
    ~VideoFrames();

    // Where the four views lie on a frame, and the size of one.
    QRect blockRect() const { return m_block; }
    QSize viewSize() const { return m_view; }

    QImage render(const VideoPlan::Run& run);

private:
    QImage background() const;

    const VideoPlan& m_plan;
    Look m_look;
    PictureBook m_book;
    std::unique_ptr<ScaledPictures> m_small;
    QSize m_view;
    QRect m_block;
    int m_gap = 0;
};
