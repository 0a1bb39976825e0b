#include "views/PictureBook.h"

#include "vehicle/LampAreas.h"
#include "views/CarScene.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <cmath>

// The look of one block drawn with all lamps dark, and its lamps, so that a
// picture needs only the lit lamps painted over a copy.
class PictureBook::Canvas
{
public:
    Canvas(const PictureBlock& block, qreal ratio) : m_block(block)
    {
        m_base = QImage(int(std::lround(Width * ratio)), int(std::lround(Height * ratio)),
                        QImage::Format_RGB32); // opaque: shown without a conversion
        m_base.setDevicePixelRatio(ratio);
        QPainter p(&m_base);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, Height);
        sky.setColorAt(0.0, QColor(246, 247, 249));
        sky.setColorAt(1.0, QColor(226, 229, 233));
        p.fillRect(QRectF(0, 0, Width, Height), sky);
        car::Scene scene(p, block);
        if (scene.rear)
            car::drawRearLook(scene);
        else
            car::drawFrontLook(scene);
        m_lamps = std::move(scene.lamps);
        m_lampTransform = scene.lampTransform;
    }

    QImage picture(int mask) const
    {
        QImage image = m_base.copy();
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (const car::LampPart& lamp : m_lamps) {
            if (mask & (1 << lamp.bit))
                car::paintLit(p, lamp, m_lampTransform);
        }
        return image;
    }

private:
    PictureBlock m_block;
    QImage m_base;
    std::vector<car::LampPart> m_lamps;
    QTransform m_lampTransform;
};

PictureBook::PictureBook(const QString& programFolder) : m_folder(programFolder)
{
    // In KiB: every picture of a vehicle at normal pixel density many times
    // over; at higher densities the least recently shown give way.
    m_pictures.setMaxCost(128 * 1024);
}

PictureBook::~PictureBook() = default;

void PictureBook::setDevicePixelRatio(qreal ratio)
{
    if (!(ratio > 0) || qFuzzyCompare(ratio, m_ratio))
        return;
    m_ratio = ratio;
    m_canvases.clear();
    m_pictures.clear();
}

int PictureBook::pictureId(int base, int mask)
{
    const PictureBlock* block = pictureBlockOf(base);
    if (!block || block->firstId != base)
        return 0;
    return base + (mask & (block->length - 1));
}

bool PictureBook::contains(int id)
{
    return pictureBlockOf(id) != nullptr;
}

PictureBook::Canvas& PictureBook::canvasOf(const PictureBlock& block)
{
    auto& canvas = m_canvases[block.firstId];
    if (!canvas)
        canvas = std::make_unique<Canvas>(block, m_ratio);
    return *canvas;
}

QImage PictureBook::fromFile(int id) const
{
    if (m_folder.isEmpty())
        return {};
    const QString path =
        QDir(m_folder).filePath(QStringLiteral("pictures/") + QString::number(id) + QStringLiteral(".png"));
    if (!QFileInfo::exists(path))
        return {};
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return {}; // an unreadable file: the drawn picture stands in
    const QSize size(int(std::lround(Width * m_ratio)), int(std::lround(Height * m_ratio)));
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(m_ratio);
    return image;
}

int PictureBook::pictureCost() const
{
    return int(
        std::max<qint64>(1, qint64(std::lround(Width * m_ratio)) * std::lround(Height * m_ratio) * 4 / 1024));
}

QPixmap PictureBook::picture(int id)
{
    if (const QPixmap* kept = m_pictures.object(id))
        return *kept;
    const PictureBlock* block = pictureBlockOf(id);
    if (!block)
        return {};
    QImage image = fromFile(id);
    if (image.isNull())
        image = canvasOf(*block).picture(id - block->firstId);
    ++m_made;
    auto* pixmap = new QPixmap(QPixmap::fromImage(std::move(image)));
    const QPixmap result = *pixmap;
    m_pictures.insert(id, pixmap, pictureCost());
    return result;
}

QImage PictureBook::draw(int id, qreal ratio)
{
    const PictureBlock* block = pictureBlockOf(id);
    if (!block)
        return {};
    return Canvas(*block, ratio).picture(id - block->firstId);
}
