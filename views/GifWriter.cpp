#include "views/GifWriter.h"

#include <algorithm>
#include <memory>

extern "C" {
#include <gif_lib.h>
#include <libimagequant.h>
}

namespace {

struct LiqDeleter
{
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_histogram* p) const { liq_histogram_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <typename T> using Liq = std::unique_ptr<T, LiqDeleter>;

// The pixel rows a picture gives: RGBA bytes, the picture scaled to size when
// the painter gave another.
QImage rgba(const QImage& picture, QSize size)
{
    QImage image = picture.size() == size ? picture : picture.scaled(size);
    if (image.isNull()) {
        image = QImage(size, QImage::Format_RGBA8888);
        image.fill(Qt::white);
    }
    return image.convertToFormat(QImage::Format_RGBA8888);
}

// giflib fails the file when fewer bytes than given are written.
int writeToFile(GifFileType* gif, const GifByteType* data, int length)
{
    auto* file = static_cast<SafeSave*>(gif->UserData);
    return file->write(reinterpret_cast<const char*>(data), length) ? length : 0;
}

// The smallest rectangle holding every pixel in which two index pictures
// differ; an empty one when they are equal.
QRect changedArea(const QByteArray& before, const QByteArray& after, QSize size)
{
    int left = size.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < size.height(); ++y) {
        const char* a = before.constData() + qsizetype(y) * size.width();
        const char* b = after.constData() + qsizetype(y) * size.width();
        int first = 0;
        while (first < size.width() && a[first] == b[first])
            ++first;
        if (first == size.width())
            continue;
        int last = size.width() - 1;
        while (a[last] == b[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

class Encoder
{
public:
    Encoder(SafeSave& file, QSize size) : m_size(size)
    {
        int error = 0;
        m_gif = EGifOpen(&file, &writeToFile, &error);
        if (!m_gif)
            m_problem = QString::fromLatin1(GifErrorString(error));
        else
            EGifSetGifVersion(m_gif, true);
    }
    ~Encoder() { close(); }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool start(const liq_palette& palette)
    {
        if (!m_gif)
            return false;
        m_unchanged = int(palette.count);
        int colours = 2;
        while (colours < m_unchanged + 1)
            colours *= 2;
        ColorMapObject* map = GifMakeMapObject(colours, nullptr);
        if (!map)
            return fail(E_GIF_ERR_NOT_ENOUGH_MEM);
        for (int i = 0; i < colours; ++i) {
            const liq_color c = i < int(palette.count) ? palette.entries[i] : liq_color{0, 0, 0, 255};
            map->Colors[i] = {c.r, c.g, c.b};
        }
        const bool ok = EGifPutScreenDesc(m_gif, m_size.width(), m_size.height(), 8, 0, map) == GIF_OK;
        GifFreeMapObject(map);
        if (!ok)
            return fail();
        // The application extension that makes viewers play the frames forever.
        static const GifByteType loop[] = {1, 0, 0}; // sub-block 1, loop count 0
        if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
            EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") != GIF_OK ||
            EGifPutExtensionBlock(m_gif, 3, loop) != GIF_OK || EGifPutExtensionTrailer(m_gif) != GIF_OK)
            return fail();
        return true;
    }

    // previous: the picture shown before, nullptr for the first frame. Pixels
    // it already shows are left out, which the compression rewards.
    bool frame(const QByteArray& pixels, const QByteArray* previous, const QRect& area, int delayCs)
    {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT; // the next frame is drawn over this one
        control.UserInputFlag = false;
        control.DelayTime = delayCs;
        control.TransparentColor = previous ? m_unchanged : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK)
            return fail();
        if (EGifPutImageDesc(m_gif, area.left(), area.top(), area.width(), area.height(), false, nullptr) !=
            GIF_OK)
            return fail();
        QByteArray row(area.width(), Qt::Uninitialized);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const qsizetype start = qsizetype(y) * m_size.width() + area.left();
            for (int x = 0; x < area.width(); ++x) {
                const char p = pixels.at(start + x);
                row[x] = previous && previous->at(start + x) == p ? char(m_unchanged) : p;
            }
            if (EGifPutLine(m_gif, reinterpret_cast<GifPixelType*>(row.data()), area.width()) != GIF_OK)
                return fail();
        }
        return true;
    }

    bool close()
    {
        if (!m_gif)
            return m_problem.isEmpty();
        int error = 0;
        const bool ok = EGifCloseFile(m_gif, &error) == GIF_OK;
        m_gif = nullptr;
        if (!ok && m_problem.isEmpty())
            m_problem = QString::fromLatin1(GifErrorString(error));
        return ok && m_problem.isEmpty();
    }

    const QString& problem() const { return m_problem; }

private:
    bool fail(int error = 0)
    {
        if (m_problem.isEmpty())
            m_problem = QString::fromLatin1(GifErrorString(error ? error : m_gif->Error));
        return false;
    }

    QSize m_size;
    int m_unchanged = 0; // the palette index of "as before"
    GifFileType* m_gif = nullptr;
    QString m_problem;
};

} // namespace

GifWriter::GifWriter(QSize size, int pictureCount, Painter painter)
    : m_size(size), m_pictureCount(pictureCount), m_painter(std::move(painter))
{
}

GifWriter::Result GifWriter::write(const QString& fileName, const QList<Frame>& frames,
                                   const Progress& progress, SafeSave::Result* failure) const
{
    auto failed = [failure](const SafeSave::Result& why) {
        if (failure)
            *failure = why;
        return Result::Failed;
    };
    auto unmade = [&failed](const QString& why) { return failed({SafeSave::Error::ContentFailed, why}); };
    if (m_size.isEmpty() || m_pictureCount < 1 || frames.isEmpty())
        return unmade(QStringLiteral("no pictures"));
    for (const Frame& f : frames) {
        if (f.picture < 0 || f.picture >= m_pictureCount || f.delayCs < 0 || f.delayCs > MaxDelayCs)
            return unmade(QStringLiteral("a frame out of range"));
    }
    const int total = 2 * m_pictureCount + int(frames.size());
    int done = 0;
    auto advance = [&] { return !progress || progress(++done, total); };

    // One palette for all pictures, so the frames need no colour tables of
    // their own; one index is kept free to mark pixels a frame leaves as they were.
    Liq<liq_attr> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), 255) != LIQ_OK)
        return unmade(QStringLiteral("the colour quantiser could not be set up"));
    Liq<liq_histogram> histogram(liq_histogram_create(attr.get()));
    if (!histogram)
        return unmade(QStringLiteral("the colour quantiser could not be set up"));
    for (int i = 0; i < m_pictureCount; ++i) {
        const QImage picture = rgba(m_painter(i), m_size);
        Liq<liq_image> image(
            liq_image_create_rgba(attr.get(), picture.constBits(), m_size.width(), m_size.height(), 0));
        if (!image || liq_histogram_add_image(histogram.get(), attr.get(), image.get()) != LIQ_OK)
            return unmade(QStringLiteral("the colour quantiser refused a picture"));
        if (!advance())
            return Result::Cancelled;
    }
    liq_result* quantised = nullptr;
    if (liq_histogram_quantize(histogram.get(), attr.get(), &quantised) != LIQ_OK)
        return unmade(QStringLiteral("no palette could be found"));
    Liq<liq_result> result(quantised);
    // Light dithering: smooth shading without much noise that changes from frame to frame.
    liq_set_dithering_level(result.get(), 0.5f);

    // A palette made from a histogram stays as it is while images are mapped to it.
    const liq_palette* palette = liq_get_palette(result.get());

    // Each picture once as palette indexes.
    QList<QByteArray> indexed;
    indexed.reserve(m_pictureCount);
    for (int i = 0; i < m_pictureCount; ++i) {
        const QImage picture = rgba(m_painter(i), m_size);
        Liq<liq_image> image(
            liq_image_create_rgba(attr.get(), picture.constBits(), m_size.width(), m_size.height(), 0));
        QByteArray pixels(qsizetype(m_size.width()) * m_size.height(), Qt::Uninitialized);
        if (!image || liq_write_remapped_image(result.get(), image.get(), pixels.data(),
                                               size_t(pixels.size())) != LIQ_OK)
            return unmade(QStringLiteral("a picture could not be mapped to the palette"));
        indexed.append(pixels);
        if (!advance())
            return Result::Cancelled;
    }
    SafeSave file(fileName);
    if (!file.open())
        return failed(file.result());
    bool cancelled = false;
    {
        Encoder gif(file, m_size);
        bool ok = gif.start(*palette);
        const QByteArray* previous = nullptr;
        for (qsizetype i = 0; ok && i < frames.size(); ++i) {
            const QByteArray& pixels = indexed.at(frames.at(i).picture);
            QRect area = previous ? changedArea(*previous, pixels, m_size) : QRect(QPoint(0, 0), m_size);
            if (area.isEmpty())
                area = QRect(0, 0, 1, 1); // the same picture again: only its time counts
            ok = gif.frame(pixels, previous, area, frames.at(i).delayCs);
            previous = &pixels;
            if (ok && !advance()) {
                cancelled = true;
                break;
            }
        }
        ok = gif.close() && ok;
        // A failed write has already failed the file with its own reason.
        if (cancelled)
            file.cancel();
        else if (!ok)
            file.fail(gif.problem());
    }
    if (cancelled)
        return Result::Cancelled;
    const SafeSave::Result saved = file.commit();
    return saved ? Result::Written : failed(saved);
}
