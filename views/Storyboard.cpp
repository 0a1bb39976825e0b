#include "views/Storyboard.h"

#include "sequence/LoopMarker.h"
#include "sequence/LoopPalette.h"
#include "views/PictureBook.h"
#include "views/Plates.h"
#include "views/RowPreview.h"
#include "views/ScaledPictures.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

namespace {

const QColor Paper(255, 255, 255);
const QColor CardFill(246, 247, 249);
const QColor CardLine(170, 176, 184);
const QColor Ink(32, 34, 38);
const QColor SoftInk(84, 90, 98);

// Each loop number gets its own colour, so the cards of one loop belong together at a glance.
QColor loopColour(const QString& marker)
{
    return LoopPalette::colourOf(marker);
}

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace

Storyboard::Storyboard(const QString& title, const QList<SequenceRow>& rows, const LampOptions& options,
                       const std::array<int, 4>& bases, const ModelLayout::Plates& plates)
    : m_title(title), m_plates(plates)
{
    m_steps.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SequenceRow& row = rows.at(i);
        const RowPreview preview = RowPreview::ofBytes(int(i) + 1, row.lamps, options);
        Step step;
        step.position = preview.row;
        step.interval = row.interval;
        step.loopMarker = row.loopMarker;
        for (std::size_t v = 0; v < 4; ++v)
            step.pictureIds[v] = PictureBook::pictureId(bases[v], preview.masks[v]);
        m_steps.append(step);
    }
}

QSize Storyboard::cardSize()
{
    return {2 * Padding + 2 * ThumbWidth, CaptionHeight + 2 * ThumbHeight + Padding};
}

QSize Storyboard::imageSize() const
{
    const QSize card = cardSize();
    const int n = int(m_steps.size());
    const int columns = qBound(1, n, Columns);
    const int rows = qMax(1, (n + Columns - 1) / Columns);
    return {2 * Margin + columns * card.width() + (columns - 1) * Gap,
            2 * Margin + TitleHeight + rows * card.height() + (rows - 1) * Gap};
}

QRect Storyboard::cardRect(int i) const
{
    const QSize card = cardSize();
    const int column = i % Columns;
    const int row = i / Columns;
    return {
        QPoint(Margin + column * (card.width() + Gap), Margin + TitleHeight + row * (card.height() + Gap)),
        card};
}

QRect Storyboard::viewRect(int i, int view) const
{
    const QRect card = cardRect(i);
    // Front pair above (view 1 left, view 2 right), rear pair below (view 3 left, view 4 right).
    const int x = card.left() + Padding + ((view == 2 || view == 4) ? ThumbWidth : 0);
    const int y = card.top() + CaptionHeight + (view >= 3 ? ThumbHeight : 0);
    return {x, y, ThumbWidth, ThumbHeight};
}

void Storyboard::paintTitle(QPainter& p, const QString& text, int width) const
{
    p.setPen(Ink);
    p.setFont(font(15, true));
    const QRect area(Margin, Margin, width - 2 * Margin, TitleHeight - 8);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(text, Qt::ElideMiddle, area.width()));
}

void Storyboard::paintCard(QPainter& p, const QRect& card, const Step& step, ScaledPictures& thumbs) const
{
    const bool inLoop = !step.loopMarker.trimmed().isEmpty();
    const QColor accent = inLoop ? loopColour(step.loopMarker) : CardLine;
    p.setPen(QPen(accent, inLoop ? 2.0 : 1.0));
    p.setBrush(CardFill);
    p.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    if (inLoop)
        p.fillRect(QRect(card.left() + 1, card.top() + 4, 4, CaptionHeight - 8), accent);

    const QRect caption(card.left() + Padding + 4, card.top() + 3, card.width() - 2 * Padding - 4, 15);
    p.setPen(Ink);
    p.setFont(font(11, true));
    p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Position %1").arg(step.position));
    p.setFont(font(11, false));
    if (!step.interval.isEmpty())
        p.drawText(caption, Qt::AlignRight | Qt::AlignVCenter, step.interval + QStringLiteral(" s"));
    if (inLoop) {
        p.setPen(SoftInk);
        p.drawText(caption.translated(0, 14), Qt::AlignLeft | Qt::AlignVCenter, step.loopMarker);
    }

    // The views meet in the middle, as in the main window.
    for (int v = 1; v <= 4; ++v) {
        const QRect place = QRect(viewRect(0, v).topLeft() - cardRect(0).topLeft() + card.topLeft(),
                                  QSize(ThumbWidth, ThumbHeight));
        const int id = step.pictureIds[std::size_t(v - 1)];
        const QImage picture = id ? thumbs.of(id) : QImage();
        if (picture.isNull())
            p.fillRect(place, Paper);
        else
            p.drawImage(place, picture);
    }
    const QPoint front = viewRect(0, 1).topLeft() - cardRect(0).topLeft() + card.topLeft();
    const QPoint rear = viewRect(0, 3).topLeft() - cardRect(0).topLeft() + card.topLeft();
    const double scale = double(ThumbWidth) / PictureBook::Width;
    Plates::paint(p, Plates::inPair(m_plates, false, scale).translated(front));
    Plates::paint(p, Plates::inPair(m_plates, true, scale).translated(rear));
}

QImage Storyboard::image(PictureBook& pictures) const
{
    QImage out(imageSize(), QImage::Format_RGB32);
    out.fill(Paper);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintTitle(p, m_title, out.width());
    ScaledPictures thumbs(pictures, QSize(ThumbWidth, ThumbHeight));
    for (qsizetype i = 0; i < m_steps.size(); ++i)
        paintCard(p, cardRect(int(i)), m_steps.at(i), thumbs);
    p.end();
    return out;
}

SafeSave::Result Storyboard::writePng(const QString& fileName, PictureBook& pictures) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image(pictures).save(&buffer, "PNG"))
        return {SafeSave::Error::ContentFailed, QStringLiteral("the picture could not be encoded")};
    return SafeSave::writeFile(fileName, bytes);
}

SafeSave::Result Storyboard::writePdf(const QString& fileName, PictureBook& pictures) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    bool painted = buffer.open(QIODevice::WriteOnly);
    if (painted) {
        QPdfWriter writer(&buffer);
        writer.setTitle(m_title);
        writer.setCreator(QStringLiteral("Vantor"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        writer.setResolution(300);

        // The page holds a full row of cards; as many rows as fit make a page.
        const QSize card = cardSize();
        const int width = 2 * Margin + Columns * card.width() + (Columns - 1) * Gap;
        const double scale = double(writer.width()) / width;
        const double height = writer.height() / scale;
        const int rowsPerPage =
            qMax(1, int((height - 2 * Margin - TitleHeight + Gap) / (card.height() + Gap)));
        const int rows = qMax(1, int((m_steps.size() + Columns - 1) / Columns));
        const int pages = (rows + rowsPerPage - 1) / rowsPerPage;

        QPainter p;
        painted = p.begin(&writer);
        // Full size: the PDF pages scale them and keep each picture once.
        ScaledPictures thumbs(pictures, QSize());
        for (int page = 0; painted && page < pages; ++page) {
            if (page > 0 && !writer.newPage()) {
                painted = false;
                break;
            }
            p.save();
            p.scale(scale, scale);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            const QString title =
                pages > 1 ? QStringLiteral("%1   (%2/%3)").arg(m_title).arg(page + 1).arg(pages) : m_title;
            paintTitle(p, title, width);
            const int first = page * rowsPerPage * Columns;
            const int last = qMin(int(m_steps.size()), first + rowsPerPage * Columns);
            const int shift = page * rowsPerPage * (card.height() + Gap);
            for (int i = first; i < last; ++i)
                paintCard(p, cardRect(i).translated(0, -shift), m_steps.at(i), thumbs);
            p.restore();
        }
        if (p.isActive())
            painted = p.end() && painted;
    }
    if (!painted)
        return {SafeSave::Error::ContentFailed, QStringLiteral("the PDF could not be drawn")};
    return SafeSave::writeFile(fileName, bytes);
}
