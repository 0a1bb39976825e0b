#pragma once

#include "core/SafeSave.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

// Writes an animated GIF that plays forever. The pictures share one palette
// of at most 256 colours chosen by libimagequant; giflib encodes them, each
// frame as the rectangle in which it differs from the frame before.
// A GIF holds a frame's delay in hundredths of a second, at most MaxDelayCs.
class GifWriter
{
public:
    static constexpr int MaxDelayCs = 65535;

    struct Frame
    {
        int picture = 0; // index of the picture shown, 0 to pictureCount - 1
        int delayCs = 0; // 0 to MaxDelayCs
    };

    enum class Result
    {
        Written,
        Cancelled,
        Failed
    };

    // Told the work done so far and the whole of it; returning false cancels.
    using Progress = std::function<bool(int done, int total)>;
    // Draws picture i at the writer's size.
    using Painter = std::function<QImage(int picture)>;

    GifWriter(QSize size, int pictureCount, Painter painter);

    // Writes safely (SafeSave): a cancelled or failed write leaves what was
    // there. failure says why a write failed: ContentFailed when the pictures
    // could not be encoded, else what the file said.
    Result write(const QString& fileName, const QList<Frame>& frames, const Progress& progress,
                 SafeSave::Result* failure = nullptr) const;

private:
    QSize m_size;
    int m_pictureCount;
    Painter m_painter;
};
