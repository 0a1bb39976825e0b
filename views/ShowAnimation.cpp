#include "views/ShowAnimation.h"

#include "views/PictureBook.h"
#include "views/PictureSets.h"
#include "views/Plates.h"
#include "views/ScaledPictures.h"
#include "views/playback/PlayOrder.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The gap between the front pair and the rear pair, at full size, as in the main window.
constexpr int PairGap = 8;
const QColor Background(236, 236, 236);
// By night the gap between the pairs is the night sky.
const QColor NightBackground(10, 12, 20);

using Ids = std::array<int, 4>;

QImage compose(const Ids& ids, QSize view, QSize frame, const ModelLayout::Plates& plates, bool night,
               ScaledPictures& thumbs)
{
    QImage out(frame, QImage::Format_RGB32);
    out.fill(night ? NightBackground : Background);
    QPainter p(&out);
    const int gap = frame.height() - 2 * view.height();
    for (int v = 1; v <= 4; ++v) {
        // View 1 left and 2 right above, 3 left and 4 right below; the halves meet in the middle.
        const QPoint at((v == 2 || v == 4) ? view.width() : 0, v >= 3 ? view.height() + gap : 0);
        const QImage picture = thumbs.of(ids[std::size_t(v - 1)]);
        if (!picture.isNull())
            p.drawImage(at, picture);
    }
    const double scale = double(view.width()) / PictureBook::Width;
    Plates::paint(p, Plates::inPair(plates, false, scale));
    Plates::paint(p, Plates::inPair(plates, true, scale).translated(0, view.height() + gap));
    return out;
}

} // namespace

ShowAnimation::ShowAnimation(const QList<SequenceRow>& rows, const LampOptions& options,
                             const std::array<int, 4>& bases, const ModelLayout::Plates& plates, double scale)
    : m_plates(plates), m_scale(scale)
{
    if (rows.isEmpty()) {
        m_status = Status::Empty;
        return;
    }
    const PlayOrder order = PlayOrder::of(rows);
    m_totalMs = order.totalMs;
    if (order.heldRow != 0) {
        m_status = Status::Held;
        m_stepRow = order.heldRow;
        return;
    }

    // The pictures of each row, as showing the row shows it; rows that look
    // alike share them.
    PictureSets sets(options, bases);
    QList<int> pictureOfRow(rows.size(), -1);
    auto pictureOf = [&](int row) {
        int& index = pictureOfRow[row - 1];
        if (index < 0)
            index = sets.of(rows, row);
        return index;
    };

    // Each frame ends when its step is due, rounded to hundredths: the
    // rounding of one delay is made good by the next, so the total stays.
    qint64 elapsedMs = 0;
    qint64 shownCs = 0;
    for (const PlayOrder::Step& step : order.steps) {
        if (step.ms > MaxMs - elapsedMs) {
            m_status = Status::TooLong;
            m_stepRow = step.row;
            m_frames.clear();
            return;
        }
        elapsedMs += step.ms;
        const qint64 dueCs = (elapsedMs + 5) / 10;
        // A step too short to show is left out; the next one keeps the time.
        if (dueCs > shownCs)
            addFrame(pictureOf(step.row), dueCs - shownCs);
        shownCs = dueCs;
    }
    if (m_frames.isEmpty()) // a show shorter than 5 ms: one still picture
        m_frames.append({pictureOf(order.steps.constFirst().row), 0});
    m_pictures = sets.sets();
}

void ShowAnimation::addFrame(int picture, qint64 delayCs)
{
    while (delayCs > 0) {
        if (!m_frames.isEmpty() && m_frames.constLast().picture == picture &&
            m_frames.constLast().delayCs < GifWriter::MaxDelayCs) {
            const qint64 more =
                std::min<qint64>(delayCs, GifWriter::MaxDelayCs - m_frames.constLast().delayCs);
            m_frames.last().delayCs += int(more);
            delayCs -= more;
        } else {
            const qint64 first = std::min<qint64>(delayCs, GifWriter::MaxDelayCs);
            m_frames.append({picture, int(first)});
            delayCs -= first;
        }
    }
}

QSize ShowAnimation::viewSizeAt(double scale)
{
    return {std::max(1, int(std::lround(PictureBook::Width * scale))),
            std::max(1, int(std::lround(PictureBook::Height * scale)))};
}

QSize ShowAnimation::frameSizeAt(double scale)
{
    const QSize view = viewSizeAt(scale);
    const int gap = int(std::lround(PairGap * double(view.height()) / PictureBook::Height));
    return {2 * view.width(), 2 * view.height() + gap};
}

void ShowAnimation::setScale(double scale)
{
    m_scale = scale;
}

QSize ShowAnimation::frameSize() const
{
    return frameSizeAt(m_scale);
}

QImage ShowAnimation::render(int picture, PictureBook& book) const
{
    ScaledPictures thumbs(book, viewSize());
    return compose(m_pictures.value(picture), viewSize(), frameSize(), m_plates, book.night(), thumbs);
}

GifWriter::Result ShowAnimation::writeGif(const QString& fileName, PictureBook& book,
                                          const GifWriter::Progress& progress,
                                          SafeSave::Result* failure) const
{
    if (m_status != Status::Ok || m_frames.isEmpty()) {
        if (failure)
            *failure = {SafeSave::Error::ContentFailed, QStringLiteral("nothing to animate")};
        return GifWriter::Result::Failed;
    }
    ScaledPictures thumbs(book, viewSize());
    const GifWriter writer(frameSize(), int(m_pictures.size()), [&](int picture) {
        return compose(m_pictures.at(picture), viewSize(), frameSize(), m_plates, book.night(), thumbs);
    });
    return writer.write(fileName, m_frames, progress, failure);
}
