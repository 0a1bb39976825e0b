#include "views/CarViewsController.h"
#include "vehicle/VehicleConfig.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "sequence/Interval.h"
#include "sequence/SequenceDocument.h"
#include "ui/WindowOps.h"
#include "vehicle/LampAreas.h"
#include "views/CarViewWidget.h"
#include "views/HitTest.h"
#include "views/PictureBook.h"
#include "views/RowPreview.h"
#include "views/grid/ShowGridModel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTreeView>

CarViewsController::CarViewsController(AppContext& ctx, const Controls& controls, WindowOps& ops,
                                       QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_ops(ops),
      m_pictures(std::make_unique<PictureBook>(ctx.programFolder))
{
    for (int v = 1; v <= 4; ++v) {
        CarViewWidget* view = m_ui.views[std::size_t(v)];
        if (!view)
            continue;
        connect(view, &CarViewWidget::pointerPressed, this,
                [this, v](int button, double x, double y) { pointerEvent(button, x, y, v); });
        connect(view, &CarViewWidget::pointerMoved, this,
                [this, v](double x, double y) { pointerEvent(0, x, y, v); });
        connect(view, &CarViewWidget::pictureSizeWanted, this, [this] {
            if (!m_resizeTimer.isActive())
                m_resizeTimer.start();
        });
    }
    if (m_ui.cmdBereiche)
        connect(m_ui.cmdBereiche, &QPushButton::clicked, this, &CarViewsController::showAreas);
    if (m_ui.Bereich)
        connect(m_ui.Bereich, &QAction::triggered, this, &CarViewsController::showAreas);
    for (QTreeView* table : m_ui.List1) {
        if (table)
            connect(table, &QAbstractItemView::clicked, this, &CarViewsController::showRow);
    }
    if (m_ui.chkSymmetrisch)
        connect(m_ui.chkSymmetrisch, &QCheckBox::toggled, this,
                [this](bool on) { m_ctx.symmetricEditing = on; });

    m_advanceTimer.setSingleShot(true);
    m_advanceTimer.setInterval(AdvanceDelayMs);
    connect(&m_advanceTimer, &QTimer::timeout, this, &CarViewsController::advance);

    // While the window is being resized the views scale what they show; the
    // pictures are drawn for the new size once it holds still.
    m_resizeTimer.setSingleShot(true);
    m_resizeTimer.setInterval(ResizeRedrawDelayMs);
    connect(&m_resizeTimer, &QTimer::timeout, this, &CarViewsController::redrawForSize);

    m_prefetchTimer.setInterval(0);
    connect(&m_prefetchTimer, &QTimer::timeout, this, &CarViewsController::prefetchSome);
}

CarViewsController::~CarViewsController() = default;

LampOptions CarViewsController::options() const
{
    LampOptions options = LampOptions::of(m_ctx.document.vehicleCode(), m_ctx.vehicle);
    options.symmetric = m_ctx.symmetricEditing;
    return options;
}

void CarViewsController::applyTexts()
{
    // A view is called by its name, as the show grid's row groups call it.
    for (int v = 1; v <= 4; ++v) {
        if (CarViewWidget* view = m_ui.views[std::size_t(v)])
            view->setAccessibleName(m_ctx.texts.text(ShowGridModel::ViewNameText + v - 1));
    }
    if (!m_ui.chkSymmetrisch)
        return;
    m_ui.chkSymmetrisch->setText(m_ctx.texts.text(SymmetricText));
    m_ui.chkSymmetrisch->setToolTip(m_ctx.texts.text(SymmetricTipText));
}

int CarViewsController::baseOfView(int view) const
{
    return m_ctx.vehicle.pictureBaseOfView(view);
}

bool CarViewsController::loadView(int view, int mask)
{
    CarViewWidget* widget = m_ui.views[std::size_t(view)];
    if (!widget)
        return false;
    usePixelSize(widget->pixelSize());
    const int id = PictureBook::pictureId(baseOfView(view), mask);
    const QPixmap picture = id ? m_pictures->picture(id) : QPixmap();
    widget->setPicture(picture);
    m_shownIds[std::size_t(view - 1)] = picture.isNull() ? 0 : id;
    return !picture.isNull();
}

void CarViewsController::usePixelSize(QSize size)
{
    if (size.isEmpty() || size == m_pictures->pixelSize())
        return;
    m_pictures->setPixelSize(size);
    // What was drawn ahead is gone with the old size: draw it again.
    m_prefetchBases = {};
    prefetchStart();
}

void CarViewsController::redrawForSize()
{
    // The four views are always of one size; the pictures on show are drawn
    // for it and keep their outline and area boxes.
    for (int v = 1; v <= 4; ++v) {
        CarViewWidget* widget = m_ui.views[std::size_t(v)];
        const int id = m_shownIds[std::size_t(v - 1)];
        if (!widget || !id)
            continue;
        usePixelSize(widget->pixelSize());
        widget->replacePicture(m_pictures->picture(id));
    }
}

void CarViewsController::setNight(bool night)
{
    if (night == m_pictures->night())
        return;
    m_pictures->setNight(night);
    redrawForSize();
    prefetchStart();
}

bool CarViewsController::night() const
{
    return m_pictures->night();
}

void CarViewsController::lichtAus()
{
    // Whatever step was waiting to be stored automatically is dropped with the
    // lamps (after AppendStep, which calls this, it has just been stored).
    m_advanceTimer.stop();
    m_ctx.lampState = {};
    // The new pictures carry no outline; the next pointer movement draws it afresh.
    m_hover.reset();
    m_shown = {};
    for (int v : {2, 1, 3, 4})
        loadView(v, 0);
    // No stored row is on show any more.
    if (m_ui.labPos)
        m_ui.labPos->setText(QStringLiteral("Position 0"));
    prefetchStart();
}

void CarViewsController::showRow()
{
    // A step still waiting for its automatic advance is stored first.
    if (m_advanceTimer.isActive())
        advance();

    const std::optional<RowPreview> preview = RowPreview::of(m_ctx.document, options());
    if (!preview)
        return;
    m_ui.labPos->setText(QStringLiteral("Position ") + QString::number(preview->row));
    m_ui.labZeitein->setText(
        Interval::shownFromSlider(m_ui.sliderZeitein->value(), languageLocale(m_ctx.languageName)) +
        m_ctx.texts.text(76));
    m_ctx.lampState = preview->bytes;
    for (int v : {2, 1, 3, 4}) {
        if (!loadView(v, preview->masks[std::size_t(v - 1)])) {
            const int id = baseOfView(v) + preview->masks[std::size_t(v - 1)];
            m_ctx.prompter.message(QStringLiteral("Das Bild Nr. %1 ist nicht vorhanden.\r\n"
                                                  "Picture no. %1 does not exist.")
                                       .arg(id),
                                   QString(), Prompter::Icon::None);
            return;
        }
    }
}

void CarViewsController::previewStep(const LampBytes& bytes)
{
    const RowPreview preview = RowPreview::ofBytes(0, bytes, options());
    for (int v : {2, 1, 3, 4})
        loadView(v, preview.masks[std::size_t(v - 1)]);
}

void CarViewsController::showLampState()
{
    const LampOptions o = options();
    m_hover.reset();
    m_shown = {};
    for (int v : {2, 1, 3, 4})
        loadView(v, LampRules::displayMask(v, m_ctx.lampState, o));
}

void CarViewsController::pointerEvent(int button, double x, double y, int view)
{
    if (view < 1 || view > 4)
        return;
    // Plain decimal text with the user's decimal separator, no thousands separator.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (m_ui.labX)
        m_ui.labX->setText(locale.toString(x));
    if (m_ui.labY)
        m_ui.labY->setText(locale.toString(y));

    const LampOptions o = options();
    const bool enabled = outlineEnabled();
    const HitTest::Result result = HitTest::test(view, x, y, m_ctx.vehicle.lampAreas, o);
    for (const HitTest::Hit& hit : result.hits) {
        if (!hit.processed)
            continue;
        if (CarViewWidget* widget = m_ui.views[std::size_t(view)])
            widget->setToolTip(HitTest::lampName(hit.textNumber, hit.suffix, m_ctx.texts));
        applyOutline(m_hover.outline(hit.outlineView, hit.area, true, enabled));
        toggle(hit.lamp, view, button, hit.area);
    }
    if (!result.anyHit())
        applyOutline(m_hover.outline(0, 0, false, enabled));
}

void CarViewsController::toggle(int lamp, int view, int button, int area)
{
    if (button == 0)
        return;
    // A click while the previous step waits for its automatic advance: that
    // step is stored now, and this click begins the next one.
    if (m_advanceTimer.isActive())
        advance();

    const LampOptions o = options();
    const LampRules::ToggleResult r = LampRules::toggle(m_ctx.lampState, lamp, view, button, o);
    m_ctx.lampState = r.bytes;
    for (int v : r.reload)
        loadView(v, LampRules::displayMask(v, m_ctx.lampState, o));

    // The new picture carries no outline: draw the clicked area's again.
    m_hover.reset();
    m_shown = {};
    const bool centreLamp = area == 33 || (area == 45 && o.oneRearFogLamp);
    if (!centreLamp)
        applyOutline(m_hover.outline(view, area, true, outlineEnabled()));

    if (button == 1 && m_ui.chkAutomatichWeiter && m_ui.chkAutomatichWeiter->isChecked())
        m_advanceTimer.start();
}

void CarViewsController::advance()
{
    m_advanceTimer.stop();
    m_ops.appendStep();
    if (m_ui.cmdWeiter)
        m_ui.cmdWeiter->setFocus();
}

void CarViewsController::setOutlineSwitch(QCheckBox* box)
{
    m_outlineSwitch = box;
}

bool CarViewsController::outlineEnabled()
{
    if (!m_outlineSwitch && m_ui.central) {
        m_outlineSwitch = m_ui.central->window()->findChild<QCheckBox*>(QStringLiteral("chkAktivierung"));
    }
    // Without the properties dialog the outline is on, as it is by default.
    return !m_outlineSwitch || m_outlineSwitch->isChecked();
}

void CarViewsController::applyOutline(const HoverOutline::Step& step)
{
    auto clearShown = [this] {
        for (CarViewWidget* w : m_ui.views) {
            if (w)
                w->clearOutline();
        }
        m_shown = {};
    };
    if (step.erase && *step.erase == m_shown)
        clearShown();
    if (step.draw) {
        clearShown();
        const auto rects =
            HitTest::outlineRects(step.draw->view, step.draw->area, m_ctx.vehicle.lampAreas, options().model);
        for (int v = 1; v <= 4; ++v) {
            QList<QRectF> own;
            for (const HitTest::ViewRect& r : rects) {
                if (r.view == v)
                    own.append(r.rect);
            }
            if (!own.isEmpty() && m_ui.views[std::size_t(v)])
                m_ui.views[std::size_t(v)]->setOutline(own);
        }
        m_shown = *step.draw;
    }
}

void CarViewsController::showAreas()
{
    m_ops.lichtAus();
    m_ops.modellauswahl();
    const auto boxes = HitTest::areaDisplay(m_ctx.vehicle.lampAreas, options());
    for (int v = 1; v <= 4; ++v) {
        QList<QRectF> own;
        for (const HitTest::ViewRect& r : boxes) {
            if (r.view == v)
                own.append(r.rect);
        }
        if (m_ui.views[std::size_t(v)])
            m_ui.views[std::size_t(v)]->addAreaBoxes(own);
    }
}

// After a change of vehicle the rest of its pictures are drawn a few at a
// time while the window has nothing else to do, so that clicks find them ready.
void CarViewsController::prefetchStart()
{
    const std::array<int, 4> bases{baseOfView(1), baseOfView(2), baseOfView(3), baseOfView(4)};
    if (bases == m_prefetchBases)
        return;
    m_prefetchBases = bases;
    m_prefetch.clear();
    for (int base : bases) {
        const PictureBlock* block = pictureBlockOf(base);
        if (!block || block->firstId != base)
            continue;
        for (int id = block->firstId + block->length - 1; id > block->firstId; --id)
            m_prefetch.push_back(id);
    }
    if (!m_prefetch.empty())
        m_prefetchTimer.start();
}

void CarViewsController::prefetchSome()
{
    // Stop before the kept pictures would push out the ones on show.
    for (int n = 0; n < 6 && !m_prefetch.empty() && m_pictures->hasRoom(); ++n) {
        m_pictures->picture(m_prefetch.back());
        m_prefetch.pop_back();
    }
    if (m_prefetch.empty() || !m_pictures->hasRoom())
        m_prefetchTimer.stop();
}
