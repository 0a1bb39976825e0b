#include "app/ViewMenu.h"

#include "app/MainWindowUi.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/SettingsStore.h"
#include "views/CarViewsController.h"
#include "views/playback/PlaybackController.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolButton>

namespace {
const QString kNightKey = QStringLiteral("Nachtansicht");
}

ViewMenu::ViewMenu(AppContext& ctx, MainWindowUi& ui, CarViewsController& views, PlaybackController& playback,
                   QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_views(views), m_playback(playback)
{
    connect(m_ui.Nachtansicht, &QAction::toggled, this, &ViewMenu::setNight);
    connect(m_ui.cmdNacht, &QToolButton::toggled, this, &ViewMenu::setNight);
    for (std::size_t i = 0; i < m_ui.TempoStufe.size(); ++i) {
        const int factor = PlaybackController::Slowdowns.at(i);
        connect(m_ui.TempoStufe.at(i), &QAction::triggered, this,
                [this, factor] { m_playback.setSlowdown(factor); });
    }
    // The list beside the play buttons sets the speed through the controller; the menu follows it.
    connect(m_ui.combTempo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < int(m_ui.TempoStufe.size()))
            m_ui.TempoStufe.at(std::size_t(i))->setChecked(true);
    });
}

void ViewMenu::applyTexts()
{
    const LangText& t = m_ctx.texts;
    m_ui.Ansicht->setTitle(t.text(MenuText));
    m_ui.Nachtansicht->setText(t.text(NightText));
    m_ui.cmdNacht->setToolTip(t.text(NightText) + QStringLiteral(" (") +
                              m_ui.Nachtansicht->shortcut().toString(QKeySequence::NativeText) +
                              QLatin1Char(')'));
    m_ui.cmdNacht->setAccessibleName(t.text(NightText));
    m_ui.Tempo->setTitle(t.text(PlaybackController::SpeedText));
    m_playback.applyTexts();
}

void ViewMenu::restore()
{
    const std::optional<int> stored =
        m_ctx.settings.number(QString::fromLatin1(SettingsStore::Section), kNightKey);
    show(stored.value_or(0) != 0);
}

void ViewMenu::setNight(bool night)
{
    show(night);
    m_ctx.settings.save(QString::fromLatin1(SettingsStore::Section), kNightKey,
                        night ? QStringLiteral("1") : QStringLiteral("0"));
}

void ViewMenu::show(bool night)
{
    // The menu entry and the button show the same state; either switches it.
    const QSignalBlocker menu(m_ui.Nachtansicht);
    const QSignalBlocker button(m_ui.cmdNacht);
    m_ui.Nachtansicht->setChecked(night);
    m_ui.cmdNacht->setChecked(night);
    m_views.setNight(night);
}
