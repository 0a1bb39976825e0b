#include "app/WindowState.h"

#include "app/MainWindowUi.h"
#include "core/SettingsStore.h"
#include "core/WindowPlacement.h"
#include "views/CarViewsGeometry.h"
#include "views/CarViewsPanel.h"
#include "views/grid/ShowGridView.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <algorithm>

namespace {

// The share of the splitter's width, in percent, the grid keeps when the cars grow with the height.
constexpr int GridShare = 35;

QRect availableRoom(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

WindowState::WindowState(QMainWindow& window, MainWindowUi& ui, SettingsStore& settings, QObject* parent)
    : QObject(parent), m_window(window), m_ui(ui), m_settings(settings)
{
    m_ui.split->installEventFilter(this);
    m_window.installEventFilter(this);
}

QSize WindowState::neededSize() const
{
    const QSize content = m_ui.content->minimumSizeHint();
    const int bar = m_window.menuBar() ? m_window.menuBar()->sizeHint().height() : 0;
    return {content.width(), content.height() + bar};
}

void WindowState::fitMinimumToScreen()
{
    // The frame the window manager adds is known once the window shows; until
    // then a title bar's worth is kept free.
    const QRect room = availableRoom(m_window);
    QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
    if (!m_window.isVisible() || frame.height() <= 0)
        frame = QSize(0, 32);
    QSize minimum = neededSize();
    if (room.isValid())
        minimum = minimum.boundedTo(room.size() - frame);
    m_window.setMinimumSize(minimum);
}

void WindowState::restore()
{
    fitMinimumToScreen();
    const QStringList saved =
        m_settings.get(QString::fromLatin1(GeometryKey)).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    m_restored = !saved.isEmpty() && m_window.restoreGeometry(QByteArray::fromBase64(saved.at(0).toLatin1()));
    if (m_restored && saved.size() > 1)
        m_ui.split->restoreState(QByteArray::fromBase64(saved.at(1).toLatin1()));

    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    }
    if (m_restored) {
        if (!m_window.isMaximized() && !m_window.isFullScreen()) {
            const QRect frame(m_window.pos(), m_window.size() + QSize(0, 32));
            const QRect placed = WindowPlacement::onScreen(frame, screens);
            if (placed != frame) {
                m_window.resize(placed.size() - QSize(0, 32));
                m_window.move(placed.topLeft());
            }
        }
    } else if (!screens.isEmpty()) {
        // A first start uses most of the screen, centred.
        const QRect room = screens.first();
        const QSize size = QSize(room.width() * 9 / 10, room.height() * 9 / 10)
                               .expandedTo(m_window.minimumSize())
                               .boundedTo(room.size() - QSize(0, 32));
        QRect frame(QPoint(), size);
        frame.moveCenter(room.center());
        m_window.resize(size);
        m_window.move(std::max(frame.left(), room.left()), std::max(frame.top(), room.top()));
    }

    bool ok = false;
    const double zoom = m_settings.get(QString::fromLatin1(ZoomKey)).toDouble(&ok);
    if (ok)
        m_ui.ShowGrid->setZoom(zoom);
}

void WindowState::save()
{
    const QString value = QString::fromLatin1(m_window.saveGeometry().toBase64()) + QLatin1Char(';') +
                          QString::fromLatin1(m_ui.split->saveState().toBase64());
    m_settings.save(QString::fromLatin1(GeometryKey), value);
    m_settings.save(QString::fromLatin1(ZoomKey), QString::number(m_ui.ShowGrid->zoom(), 'g', 6));
}

bool WindowState::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Show && !m_shown) {
            // A restored splitter stands until the user changes the window's height.
            QTimer::singleShot(0, this, [this] {
                m_shown = true;
                m_lastHeight = m_ui.split->height();
                fitMinimumToScreen();
            });
        } else if (event->type() == QEvent::ScreenChangeInternal) {
            fitMinimumToScreen();
        }
    } else if (watched == m_ui.split && event->type() == QEvent::Resize) {
        const int height = m_ui.split->height();
        if (height != m_lastHeight && (m_shown || !m_restored) && !m_fitPending) {
            // Once the layouts have settled on the new size.
            m_fitPending = true;
            QTimer::singleShot(0, this, [this] {
                m_fitPending = false;
                fitCarsToHeight();
            });
        }
        if (m_shown)
            m_lastHeight = height;
    }
    return QObject::eventFilter(watched, event);
}

void WindowState::fitCarsToHeight()
{
    QSplitter& split = *m_ui.split;
    // The columns beside the cars take the width they ask for once there is room.
    const int others = m_ui.editor->sizeHint().width() - m_ui.carViews->sizeHint().width();
    const int wanted = others + CarViewsGeometry::widthForHeight(split.height());
    // The grid keeps a good share of the width: on a small screen more steps
    // in sight matter more than larger cars.
    const int grid = std::max({m_ui.Frame7->minimumWidth(), m_ui.Frame7->minimumSizeHint().width(),
                               split.width() * GridShare / 100});
    const int room = split.width() - split.handleWidth() - grid;
    const int editor = std::max(m_ui.editor->minimumSizeHint().width(), std::min(wanted, room));
    split.setSizes({editor, std::max(1, split.width() - split.handleWidth() - editor)});
}
