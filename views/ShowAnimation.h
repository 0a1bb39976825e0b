#pragma once

#include "sequence/SequenceRow.h"
#include "vehicle/ModelLayout.h"
#include "views/GifWriter.h"
#include "views/LampRules.h"

#include <QList>
#include <QSize>
#include <array>

class PictureBook;

// One sequence as a moving picture: the four car views arranged as in the
// main window (front pair above, rear pair below), each step shown as long as
// playback shows it, loops played out. Steps that look the same one after
// the other make one frame. Written as an animated GIF that plays forever.
class ShowAnimation
{
public:
    // The views at half size keep the file small and the car recognisable.
    static constexpr double DefaultScale = 0.5;

    enum class Status
    {
        Ok,
        Empty,   // the sequence has no steps
        Held,    // a step of no duration would hold playback for good (stepRow())
        TooLong, // the show lasts more than MaxMs; stepRow() is the step that passes it
    };
    // A GIF of more than a day would be frames without end.
    static constexpr qint64 MaxMs = 24 * 60 * 60 * 1000;

    // bases[v - 1] is the first picture id of view v (VehicleConfig::pictureBaseOfView);
    // the plates are drawn where the main window shows them.
    ShowAnimation(const QList<SequenceRow>& rows, const LampOptions& options, const std::array<int, 4>& bases,
                  const ModelLayout::Plates& plates, double scale = DefaultScale);

    Status status() const { return m_status; }
    int stepRow() const { return m_stepRow; }
    // The show's duration as playback plays it, in milliseconds.
    qint64 totalMs() const { return m_totalMs; }

    QSize viewSize() const { return viewSizeAt(m_scale); }
    QSize frameSize() const;
    // The views and the frame at `scale` times the pictures' own size.
    static QSize viewSizeAt(double scale);
    static QSize frameSizeAt(double scale);
    // The views are drawn at another size from now on; the frames stay.
    void setScale(double scale);
    // The picture ids of the four views (by view - 1) of each distinct picture.
    const QList<std::array<int, 4>>& pictures() const { return m_pictures; }
    // The frames in order. Their delays add up to the duration in hundredths
    // of a second; each delay carries the rounding of the ones before it.
    const QList<GifWriter::Frame>& frames() const { return m_frames; }

    QImage render(int picture, PictureBook& book) const;
    GifWriter::Result writeGif(const QString& fileName, PictureBook& book,
                               const GifWriter::Progress& progress,
                               SafeSave::Result* failure = nullptr) const;

private:
    void addFrame(int picture, qint64 delayCs);

    ModelLayout::Plates m_plates;
    double m_scale = DefaultScale;
    Status m_status = Status::Ok;
    int m_stepRow = 0;
    qint64 m_totalMs = 0;
    QList<std::array<int, 4>> m_pictures;
    QList<GifWriter::Frame> m_frames;
};
