#pragma once

#include "module/MemoryUse.h"

#include <QFrame>
#include <QLocale>
#include <array>
#include <functional>

struct AppContext;
class LangText;
class QLabel;
class QProgressBar;

// What the gauge under the step tables says: how much of the module's memory
// the show needs, with the image an upload would send, and how long each
// sequence plays with its loops played out. No widgets.
struct GaugeReading
{
    MemoryUse memory;
    std::array<qint64, 2> durationMs{};
    std::array<int, 2> steps{};   // steps shown when the sequence plays
    std::array<int, 2> heldRow{}; // a step of 0 s that holds playback, else 0
    QString memoryText;           // on the bar
    QString durationText;         // under it
    QString toolTip;              // the figures in full, and why the bar has its colour

    // names: the captions of the two sequences ("Öffnen", "Schliessen").
    static GaugeReading of(const ImageInput& input, int limit, const LangText& texts, const QLocale& locale,
                           const std::array<QString, 2>& names);
};

// The gauge: a bar for the memory, in a warning colour over 90 % and an
// error colour over 100 %, and the durations under it.
class ShowGauge : public QFrame
{
    Q_OBJECT
public:
    explicit ShowGauge(QWidget* parent = nullptr);

    void setReading(const GaugeReading& reading, const QString& accessibleName);
    const GaugeReading& reading() const { return m_reading; }
    // The bar's colour for each level.
    static QColor levelColour(MemoryUse::Level level);

private:
    QProgressBar* m_bar;
    QLabel* m_durations;
    GaugeReading m_reading;
};

// Keeps the gauge up to date: after every edit of either table, a new or
// opened show, and whenever refresh() is called (options, language, module).
// Many changes at once are measured once.
class ShowGaugeFeed : public QObject
{
    Q_OBJECT
public:
    using Input = std::function<ImageInput()>;
    using Names = std::function<std::array<QString, 2>()>;

    ShowGaugeFeed(AppContext& ctx, ShowGauge& gauge, Input input, Names names, QObject* parent = nullptr);

    void refresh();
    // Measures at once (for tests and start-up).
    void measure();

private:
    AppContext& m_ctx;
    ShowGauge& m_gauge;
    Input m_input;
    Names m_names;
    bool m_pending = false;
};
