#include "app/ShowGauge.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "sequence/SequenceDocument.h"
#include "views/playback/PlayOrder.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The language texts of the gauge.
enum Text
{
    AccessibleName = 292,
    Memory = 293,
    Bytes = 294,
    Duration = 295,
    MemoryLine = 296,
    WarningReason = 297,
    TooLargeReason = 298,
    InvalidReason = 299,
    HeldAt = 300,
    Steps = 301,
};

QString seconds(qint64 ms, const QLocale& locale)
{
    return locale.toString(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
}

} // namespace

GaugeReading GaugeReading::of(const ImageInput& input, int limit, const LangText& t, const QLocale& locale,
                              const std::array<QString, 2>& names)
{
    GaugeReading r;
    r.memory = MemoryUse::of(input, limit);
    const MemoryUse& m = r.memory;
    const QString bytes = QLatin1Char(' ') + t.text(Bytes);
    const QString more = m.beyondCapacity() ? QStringLiteral("> ") : QString();

    QStringList tip;
    if (m.status == UploadImage::Status::Invalid) {
        r.memoryText = t.text(Memory) + QStringLiteral("  \u2013");
        tip << t.text(InvalidReason);
    } else {
        r.memoryText = t.text(Memory) + QLatin1Char(' ') + more + QString::number(m.share) +
                       QStringLiteral(" %  \u00b7  ") + more + QString::number(m.length) + bytes;
        tip << t.text(MemoryLine) + QLatin1Char(' ') + more + QString::number(m.length) +
                   QStringLiteral(" / ") + QString::number(m.limit) + bytes + QStringLiteral(" (") + more +
                   QString::number(m.share) + QStringLiteral(" %)");
        if (m.level == MemoryUse::Level::Warning)
            tip << t.text(WarningReason);
        else if (m.level == MemoryUse::Level::Error)
            tip << t.text(TooLargeReason);
    }

    QStringList shown;
    tip << QString() << t.text(Duration) + QLatin1Char(':');
    for (std::size_t k = 0; k < 2; ++k) {
        const PlayOrder order = PlayOrder::of(input.sequences[k]);
        r.durationMs[k] = order.totalMs;
        r.steps[k] = int(order.steps.size());
        r.heldRow[k] = order.heldRow;
        QString name = names[k];
        name.remove(QLatin1Char('&'));
        name = name.trimmed();
        if (order.heldRow != 0) {
            shown << QStringLiteral("\u221e");
            tip << name + QStringLiteral(": ") + t.text(HeldAt) + QLatin1Char(' ') +
                       QString::number(order.heldRow);
        } else {
            shown << seconds(order.totalMs, locale);
            tip << name + QStringLiteral(": ") + seconds(order.totalMs, locale) + QStringLiteral(", ") +
                       QString::number(order.steps.size()) + QLatin1Char(' ') + t.text(Steps);
        }
    }
    r.durationText = t.text(Duration) + QStringLiteral("  ") + shown.join(QStringLiteral("  /  "));
    r.toolTip = tip.join(QLatin1Char('\n'));
    return r;
}

ShowGauge::ShowGauge(QWidget* parent)
    : QFrame(parent), m_bar(new QProgressBar(this)), m_durations(new QLabel(this))
{
    setObjectName(QStringLiteral("ShowGauge"));
    m_bar->setObjectName(QStringLiteral("ShowGaugeMemory"));
    m_durations->setObjectName(QStringLiteral("ShowGaugeDurations"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(true);
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setFixedHeight(18);
    m_durations->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_bar);
    layout->addWidget(m_durations);
}

QColor ShowGauge::levelColour(MemoryUse::Level level)
{
    switch (level) {
    case MemoryUse::Level::Warning:
        return {222, 146, 0};
    case MemoryUse::Level::Error:
        return {204, 40, 40};
    case MemoryUse::Level::Normal:
        break;
    }
    return {70, 140, 80};
}

void ShowGauge::setReading(const GaugeReading& reading, const QString& accessibleName)
{
    m_reading = reading;
    const MemoryUse& m = reading.memory;
    const bool full = m.level == MemoryUse::Level::Error;
    m_bar->setValue(full ? 100 : std::clamp(m.share, 0, 100));
    m_bar->setFormat(reading.memoryText); // "%" followed by a blank is no placeholder
    QPalette palette = m_bar->palette();
    palette.setColor(QPalette::Highlight, levelColour(m.level));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_bar->setPalette(palette);
    m_durations->setText(reading.durationText);
    setToolTip(reading.toolTip);
    m_bar->setToolTip(reading.toolTip);
    m_durations->setToolTip(reading.toolTip);
    setAccessibleName(accessibleName);
    setAccessibleDescription(reading.memoryText + QLatin1Char('\n') + reading.toolTip);
}

ShowGaugeFeed::ShowGaugeFeed(AppContext& ctx, ShowGauge& gauge, Input input, Names names, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_gauge(gauge), m_input(std::move(input)), m_names(std::move(names))
{
    SequenceDocument& doc = m_ctx.document;
    for (int k = 0; k < 2; ++k)
        connect(&doc.table(k), &SequenceTableModel::contentChanged, this, &ShowGaugeFeed::refresh);
    connect(&doc, &SequenceDocument::contentReplaced, this, &ShowGaugeFeed::refresh);
}

void ShowGaugeFeed::refresh()
{
    // A paste or an undo changes many rows at once; the show is measured once.
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &ShowGaugeFeed::measure);
}

void ShowGaugeFeed::measure()
{
    m_pending = false;
    const int limit =
        m_ctx.module.memoryLimit > 0 ? m_ctx.module.memoryLimit : ModuleInfo::DefaultMemoryLimit;
    m_gauge.setReading(
        GaugeReading::of(m_input(), limit, m_ctx.texts, languageLocale(m_ctx.languageName), m_names()),
        m_ctx.texts.text(AccessibleName));
}
