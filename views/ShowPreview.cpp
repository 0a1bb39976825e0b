#include "views/ShowPreview.h"

#include "views/PictureSets.h"
#include "views/Plates.h"
#include "views/ScaledPictures.h"
#include "views/playback/PlayOrder.h"

#include <QPainter>
#include <cmath>

ShowPreview::ShowPreview(QWidget* parent) : QWidget(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ShowPreview::next);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

ShowPreview::~ShowPreview() = default;

QSize ShowPreview::viewSize() const
{
    return {int(std::lround(PictureBook::Width * Scale)), int(std::lround(PictureBook::Height * Scale))};
}

QSize ShowPreview::sizeHint() const
{
    const QSize view = viewSize();
    return {2 * view.width(), 2 * view.height() + 4};
}

void ShowPreview::setVehicle(const LampOptions& options, const std::array<int, 4>& bases,
                             const ModelLayout::Plates& plates, bool night)
{
    m_options = options;
    m_bases = bases;
    m_plates = plates;
    m_book.setNight(night);
    m_small.reset(); // its pictures were of the other view
}

std::array<int, 4> ShowPreview::darkIds() const
{
    std::array<int, 4> ids{};
    for (std::size_t v = 0; v < 4; ++v)
        ids[v] = PictureBook::pictureId(m_bases[v], 0);
    return ids;
}

void ShowPreview::addSequence(const QList<SequenceRow>& rows)
{
    if (rows.isEmpty())
        return;
    const PlayOrder order = PlayOrder::of(rows);
    for (const PlayOrder::Step& s : order.steps) {
        Step step;
        step.ids = PictureSets::idsOf(rows, s.row, m_options, m_bases);
        // A step of 0 s would hold the preview: it shows for a moment instead.
        step.ms = int(std::clamp<qint64>(s.ms, 40, 60000));
        m_steps.append(step);
    }
    m_steps.append({darkIds(), PauseMs});
}

void ShowPreview::play(const QList<SequenceRow>& greeting, const QList<SequenceRow>& farewell)
{
    m_timer.stop();
    m_steps.clear();
    m_index = 0;
    addSequence(greeting);
    addSequence(farewell);
    if (!m_steps.isEmpty())
        m_timer.start(m_steps.constFirst().ms);
    update();
}

void ShowPreview::next()
{
    if (m_steps.isEmpty())
        return;
    m_index = (m_index + 1) % int(m_steps.size());
    m_timer.start(m_steps.at(m_index).ms);
    update();
}

void ShowPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QSize view = viewSize();
    const QSize pixels(int(std::lround(view.width() * devicePixelRatioF())),
                       int(std::lround(view.height() * devicePixelRatioF())));
    // Smaller than their own size the pictures are drawn whole and scaled down, as for the storyboard.
    if (!m_small || m_smallSize != pixels) {
        m_small = std::make_unique<ScaledPictures>(m_book, pixels);
        m_smallSize = pixels;
    }
    const std::array<int, 4> ids = m_steps.isEmpty() ? darkIds() : m_steps.at(m_index).ids;
    const int gap = height() - 2 * view.height();
    for (int v = 1; v <= 4; ++v) {
        const QRect place(QPoint((v == 2 || v == 4) ? view.width() : 0, v >= 3 ? view.height() + gap : 0),
                          view);
        const int id = ids[std::size_t(v - 1)];
        QImage picture = id ? m_small->of(id) : QImage();
        // Drawn for this screen's density: one pixel of the picture to one of the screen.
        picture.setDevicePixelRatio(devicePixelRatioF());
        if (picture.isNull())
            p.fillRect(place, palette().window());
        else
            p.drawImage(place.topLeft(), picture);
    }
    p.setRenderHint(QPainter::Antialiasing);
    Plates::paint(p, Plates::inPair(m_plates, false, Scale));
    Plates::paint(p, Plates::inPair(m_plates, true, Scale).translated(0, view.height() + gap));
}
