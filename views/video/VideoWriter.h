#pragma once

#include "core/SafeSave.h"
#include "views/video/VideoPlan.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

// Encodes a video plan with FFmpeg's libraries: MP4 (H.264, yuv420p, the
// index at the front so that it plays while it loads) or WebM (VP9), 30
// frames per second. The file is written beside the target under another
// name and takes the target's place only when complete: a cancel or a
// failure leaves no partial file and the old one as it was.
class VideoWriter
{
public:
    enum class Format
    {
        Mp4,
        WebM
    };
    enum class Result
    {
        Written,
        Cancelled,
        Failed
    };
    // Frames done and in all; false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;
    // The picture of a run of the plan, at the video's size.
    using Render = std::function<QImage(const VideoPlan::Run& run)>;

    VideoWriter(Format format, QSize size) : m_format(format), m_size(size) {}

    // The format a file name's ending asks for: .webm is WebM, anything else MP4.
    static Format formatOf(const QString& fileName);

    Result write(const QString& fileName, const VideoPlan& plan, const Render& render,
                 const Progress& progress, SafeSave::Result* failure = nullptr) const;

private:
    Format m_format;
    QSize m_size;
};
