#include "views/PictureBook.h"

#include "vehicle/LampAreas.h"
#include "views/CarScene.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

// The look of one block drawn with all lamps dark, and its lamps, so that a
// picture needs only the lit lamps painted over a copy.
class PictureBook::Canvas
{
public:
    // Drawn to fill `pixels` exactly, so that a view shows it unscaled.
    Canvas(const PictureBlock& block, QSize pixels, bool night) : m_block(block), m_light{night, 0}
    {
        const qreal ratio = qreal(pixels.width()) / Width;
        // Across and down may differ by a fraction of a pixel.
        m_stretch = QTransform::fromScale(1.0, qreal(pixels.height()) / Height / ratio);
        // By night the car is drawn alone first, to be darkened against the night sky.
        QImage car(pixels, night ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        car.setDevicePixelRatio(ratio);
        {
            QPainter p(&car);
            p.setTransform(m_stretch, true);
            p.setRenderHint(QPainter::Antialiasing);
            if (night) {
                car.fill(Qt::transparent);
            } else {
                QLinearGradient sky(0, 0, 0, Height);
                sky.setColorAt(0.0, QColor(246, 247, 249));
                sky.setColorAt(1.0, QColor(226, 229, 233));
                p.fillRect(QRectF(0, 0, Width, Height), sky);
            }
            car::Scene scene(p, block);
            if (scene.rear)
                car::drawRearLook(scene);
            else
                car::drawFrontLook(scene);
            m_lamps = std::move(scene.lamps);
            m_lampTransform = scene.lampTransform;
            m_light.ground = scene.ground;
        }
        m_base = night ? nightPicture(car) : std::move(car);
    }

    QImage picture(int mask) const
    {
        QImage image = m_base.copy();
        QPainter p(&image);
        p.setTransform(m_stretch, true);
        p.setRenderHint(QPainter::Antialiasing);
        for (const car::LampPart& lamp : m_lamps) {
            if (mask & (1 << lamp.bit))
                car::paintLit(p, lamp, m_lampTransform, m_light);
        }
        return image;
    }

private:
    // The car as a dark silhouette under a night sky: its paint, glass and
    // dark lamps keep a trace of their day shades, and its outline a faint rim of light.
    static QImage nightPicture(const QImage& car)
    {
        QImage night(car.size(), QImage::Format_RGB32);
        night.setDevicePixelRatio(car.devicePixelRatio());
        const int w = car.width();
        const int h = car.height();
        for (int y = 0; y < h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(car.constScanLine(y));
            const auto* below = reinterpret_cast<const QRgb*>(car.constScanLine(std::min(y + 1, h - 1)));
            auto* out = reinterpret_cast<QRgb*>(night.scanLine(y));
            // The sky: near black, a little lighter towards the ground.
            const int skyR = 8 + 10 * y / h;
            const int skyG = 10 + 10 * y / h;
            const int skyB = 18 + 12 * y / h;
            for (int x = 0; x < w; ++x) {
                const QRgb c = line[x];
                const int a = qAlpha(c);
                // Premultiplied: the car's shades already carry its cover.
                int r = skyR * (255 - a) / 255 + qRed(c) * 46 / 255;
                int g = skyG * (255 - a) / 255 + qGreen(c) * 50 / 255;
                int b = skyB * (255 - a) / 255 + qBlue(c) * 62 / 255;
                // The rim: where the cover changes from one pixel to the next.
                const int edge = std::max(std::abs(a - qAlpha(line[std::min(x + 1, w - 1)])),
                                          std::abs(a - qAlpha(below[x])));
                r += 70 * edge / 255;
                g += 80 * edge / 255;
                b += 100 * edge / 255;
                out[x] = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            }
        }
        return night;
    }

    PictureBlock m_block;
    QImage m_base;
    std::vector<car::LampPart> m_lamps;
    QTransform m_lampTransform;
    QTransform m_stretch;
    car::LightScene m_light;
};

PictureBook::PictureBook(const QString& programFolder) : m_folder(programFolder)
{
    // In KiB: every picture of a vehicle at normal pixel density many times
    // over; at higher densities the least recently shown give way.
    m_pictures.setMaxCost(128 * 1024);
}

PictureBook::~PictureBook() = default;

QSize PictureBook::sizeAt(qreal ratio)
{
    return {std::max(1, int(std::lround(Width * ratio))), std::max(1, int(std::lround(Height * ratio)))};
}

void PictureBook::setDevicePixelRatio(qreal ratio)
{
    if (ratio > 0)
        setPixelSize(sizeAt(ratio));
}

void PictureBook::setNight(bool night)
{
    if (night == m_night)
        return;
    m_night = night;
    m_canvases.clear();
    m_pictures.clear();
}

void PictureBook::setPixelSize(QSize size)
{
    // Below one pixel per pixel the drawing would come out wrong; small
    // pictures are drawn whole and scaled down (ScaledPictures).
    size = size.expandedTo(QSize(Width, Height));
    if (size == m_size)
        return;
    m_size = size;
    m_ratio = qreal(size.width()) / Width;
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
        canvas = std::make_unique<Canvas>(block, m_size, m_night);
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
    if (image.size() != m_size)
        image = image.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(m_ratio);
    return image;
}

int PictureBook::pictureCost() const
{
    return int(std::max<qint64>(1, qint64(m_size.width()) * m_size.height() * 4 / 1024));
}

QPixmap PictureBook::picture(int id)
{
    if (const QPixmap* kept = m_pictures.object(id))
        return *kept;
    const PictureBlock* block = pictureBlockOf(id);
    if (!block)
        return {};
    QImage image = m_night ? QImage() : fromFile(id);
    if (image.isNull())
        image = canvasOf(*block).picture(id - block->firstId);
    ++m_made;
    auto* pixmap = new QPixmap(QPixmap::fromImage(std::move(image)));
    const QPixmap result = *pixmap;
    m_pictures.insert(id, pixmap, pictureCost());
    return result;
}

QImage PictureBook::draw(int id, qreal ratio, bool night)
{
    const PictureBlock* block = pictureBlockOf(id);
    if (!block)
        return {};
    return Canvas(*block, sizeAt(ratio), night).picture(id - block->firstId);
}
