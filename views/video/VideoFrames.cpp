#include "views/video/VideoFrames.h"

#include "views/Plates.h"
#include "views/ScaledPictures.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The gap between the front and the rear pair at the pictures' own size, as in the window.
constexpr double PairGap = 8;

} // namespace

VideoFrames::VideoFrames(const VideoPlan& plan, const Look& look) : m_plan(plan), m_look(look)
{
    const QSize frame = m_look.size;
    const int margin = std::max(8, frame.height() / 25);
    const int captionHeight = m_look.caption.isEmpty() ? 0 : std::max(16, frame.height() / 16);
    const double roomW = frame.width() - 2.0 * margin;
    const double roomH = frame.height() - 2.0 * margin - captionHeight;
    const double scale = std::max(
        0.05, std::min(roomW / (2.0 * PictureBook::Width), roomH / (2.0 * PictureBook::Height + PairGap)));
    m_view =
        QSize(int(std::lround(PictureBook::Width * scale)), int(std::lround(PictureBook::Height * scale)));
    m_gap = int(std::lround(PairGap * scale));
    const QSize block(2 * m_view.width(), 2 * m_view.height() + m_gap);
    m_block =
        QRect(QPoint((frame.width() - block.width()) / 2, margin + (int(roomH) - block.height()) / 2), block);
    m_book.setNight(m_look.night);
    // Larger than their own size the pictures are drawn for it; smaller, drawn whole and scaled down.
    if (m_view.width() >= PictureBook::Width)
        m_book.setPixelSize(m_view);
    else
        m_small = std::make_unique<ScaledPictures>(m_book, m_view);
}

VideoFrames::~VideoFrames() = default;

QImage VideoFrames::background() const
{
    QImage out(m_look.size, QImage::Format_RGB32);
    out.fill(m_look.night ? QColor(10, 12, 20) : QColor(236, 238, 240));
    return out;
}

QImage VideoFrames::render(const VideoPlan::Run& run)
{
    QImage out = background();
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink = m_look.night ? QColor(220, 224, 232) : QColor(40, 44, 50);
    if (run.title >= 0) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(12, m_look.size.height() / 12));
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(out.rect(), Qt::AlignCenter | Qt::TextWordWrap, m_plan.titles().value(run.title));
        return out;
    }
    const PictureSets::Ids ids = m_plan.pictures().value(run.picture);
    for (int v = 1; v <= 4; ++v) {
        const QPoint at(m_block.left() + ((v == 2 || v == 4) ? m_view.width() : 0),
                        m_block.top() + (v >= 3 ? m_view.height() + m_gap : 0));
        const int id = ids[std::size_t(v - 1)];
        if (id != 0)
            p.drawImage(QRect(at, m_view), m_small ? m_small->of(id) : m_book.picture(id).toImage());
    }
    const double scale = double(m_view.width()) / PictureBook::Width;
    Plates::paint(p, Plates::inPair(m_look.plates, false, scale).translated(m_block.topLeft()));
    Plates::paint(p, Plates::inPair(m_look.plates, true, scale)
                         .translated(m_block.topLeft() + QPoint(0, m_view.height() + m_gap)));
    if (!m_look.caption.isEmpty()) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(10, m_look.size.height() / 32));
        p.setFont(font);
        p.setPen(ink);
        const QRect line(0, m_block.bottom() + 1, m_look.size.width(),
                         m_look.size.height() - m_block.bottom() - 1);
        p.drawText(line, Qt::AlignCenter, m_look.caption);
    }
    return out;
}
