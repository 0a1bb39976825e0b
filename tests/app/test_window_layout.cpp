#include "app/LanguageDialog.h"
#include "app/MainWindow.h"
#include "app/MainWindowUi.h"
#include "app/StartScreen.h"
#include "app/WindowState.h"
#include "core/WindowPlacement.h"
#include "module/ConnectDialog.h"
#include "module/SearchDialog.h"
#include "shell/InfoDialog.h"
#include "shell/PropertiesDialog.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"
#include "views/CarViewWidget.h"
#include "views/CarViewsController.h"
#include "views/CarViewsPanel.h"
#include "views/PatternDialog.h"
#include "views/PictureBook.h"
#include "views/grid/ShowGridModel.h"
#include "views/grid/ShowGridView.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

namespace {

// Screens of 1280 x 720 with a 40-px panel leave this much to a window, title bar included.
const QSize SmallScreen(1280, 680);
constexpr int TitleBar = 32;

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT
private slots:
    // In German and English the window's content fits a small screen, and
    // every button of the window keeps room for its caption.
    void minimumSizeFitsASmallScreen()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        for (int language : {1, 2}) {
            window.auswahlClick(language);
            const QSize needed = window.windowState().neededSize();
            QVERIFY2(needed.width() <= SmallScreen.width() &&
                         needed.height() + TitleBar <= SmallScreen.height(),
                     qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
            window.windowState().restore();
            window.show();
            window.resize(window.minimumSize());
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_COMPARE(window.ui().content->size(), window.ui().content->minimumSizeHint());
            for (const QPushButton* button : window.ui().content->findChildren<QPushButton*>()) {
                if (!button->isVisibleTo(&window) || button->text().isEmpty())
                    continue;
                QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()),
                         qPrintable(button->objectName()));
            }
        }
    }

    // Every dialog fits the same small screen in both languages, with its
    // buttons inside it.
    void everyDialogFitsASmallScreen()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        for (int language : {1, 2}) {
            window.auswahlClick(language);
            StartScreen start(t.ctx.languageName);
            LanguageDialog choice({QStringLiteral("Deutsch"), QStringLiteral("English")});
            SearchDialog search;
            PatternDialog pattern(t.texts, QLocale(), Patterns::lampsOf(t.vehicle.lampAreas, LampOptions()),
                                  [](const LampBytes&) {});
            const QList<QWidget*> dialogs{&window.parameterDialog(),
                                          &window.propertiesDialog(),
                                          &window.infoDialog(),
                                          &window.connectDialog(),
                                          &start,
                                          &choice,
                                          &search,
                                          &pattern};
            for (QWidget* dialog : dialogs) {
                const QSize least = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
                QVERIFY2(least.width() <= SmallScreen.width() &&
                             least.height() + TitleBar <= SmallScreen.height(),
                         dialog->metaObject()->className());
                dialog->resize(least);
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog));
                for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                    if (button->isVisibleTo(dialog))
                        QVERIFY2(
                            dialog->rect().contains(QRect(button->mapTo(dialog, QPoint()), button->size())),
                            qPrintable(button->objectName()));
                }
                dialog->hide();
            }
        }
    }

    // The cars grow with the window, extra width goes to the grid, and the
    // four views keep their proportions and meet without a gap.
    void extraRoomGoesToCarsAndGrid()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        window.windowState().restore();
        window.resize(1100, 640);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MainWindowUi& ui = window.ui();
        QTRY_VERIFY(ui.imaVR->width() > 0);
        const int smallCar = ui.imaVR->width();
        const int smallGrid = ui.Frame7->width();

        window.resize(1900, 1000);
        QTRY_VERIFY(ui.imaVR->width() > smallCar);
        QVERIFY(ui.Frame7->width() > smallGrid);
        const QRect r = ui.imaVR->geometry();
        QCOMPARE(ui.imaVL->geometry().left(), r.right() + 1);
        QCOMPARE(ui.imaHR->geometry().left(), r.right() + 1);
        QVERIFY(qAbs(double(r.width()) / r.height() - 195.0 / 269.0) < 0.01);
        // Every view is named as the grid's row groups name it.
        QCOMPARE(ui.imaVR->accessibleName(), t.texts.text(ShowGridModel::ViewNameText));
        QCOMPARE(ui.imaHR->accessibleName(), t.texts.text(ShowGridModel::ViewNameText + 3));
        // The pictures are drawn again for the new size, not stretched.
        QTRY_COMPARE(ui.imaVR->picture().size(), ui.imaVR->pixelSize());
        window.close();
    }

    // Size, splitter and zoom come back in the next run; a place on a screen
    // that is gone is moved back onto the primary one.
    void geometryIsKeptAndBroughtBackOnScreen()
    {
        SetUpContext t;
        QList<int> sizes;
        QSize size;
        {
            MainWindow window(t.ctx);
            window.load(QString());
            window.windowState().restore();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.resize(window.minimumSize() + QSize(60, 20));
            QTRY_COMPARE(window.size(), window.minimumSize() + QSize(60, 20));
            QList<int> split = window.ui().split->sizes();
            window.ui().split->setSizes({split[0] + 30, split[1] - 30});
            sizes = window.ui().split->sizes();
            size = window.size();
            window.ui().ShowGrid->setZoom(1.5625);
            window.windowState().save();
        }
        {
            MainWindow window(t.ctx);
            window.load(QString());
            window.windowState().restore();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_COMPARE(window.size(), size);
            QCOMPARE(window.ui().split->sizes(), sizes);
            QCOMPARE(window.ui().ShowGrid->zoom(), 1.5625);
        }

        // Screens: the primary 1920 x 1040, a second one right of it, now gone.
        const QRect primary(0, 0, 1920, 1040);
        const QRect second(1920, 0, 1280, 1024);
        const QRect onSecond(2000, 100, 1200, 700);
        QCOMPARE(WindowPlacement::onScreen(onSecond, {primary, second}), onSecond);
        const QRect moved = WindowPlacement::onScreen(onSecond, {primary});
        QCOMPARE(moved.size(), onSecond.size());
        QCOMPARE(moved.center(), primary.center());
        // A title bar above the screen's top cannot be grabbed; one mostly off its left edge still can.
        QCOMPARE(WindowPlacement::onScreen(QRect(100, -200, 1200, 700), {primary}).top(), 170);
        QCOMPARE(WindowPlacement::onScreen(QRect(-1000, 50, 1200, 700), {primary}),
                 QRect(-1000, 50, 1200, 700));
        // A window larger than the screen left is shrunk to it.
        QCOMPARE(WindowPlacement::onScreen(QRect(3000, 0, 2500, 1400), {primary}), primary);
    }

    // The night view: menu entry and moon button switch together, the views
    // show the dark sky at once, and the choice is there after a restart.
    void nightViewIsSwitchedAndKept()
    {
        SetUpContext t;
        auto sky = [](MainWindow& window) {
            CarViewsController& views = window.carViews();
            return QColor(views.pictures().picture(views.shownPicture(2)).toImage().pixel(4, 4)).value();
        };
        {
            MainWindow window(t.ctx);
            window.load(QString());
            QVERIFY(!window.ui().cmdNacht->isChecked());
            QVERIFY(sky(window) > 200);
            window.ui().Nachtansicht->trigger();
            QVERIFY(window.ui().cmdNacht->isChecked());
            QVERIFY(sky(window) < 40);
        }
        {
            MainWindow window(t.ctx);
            window.load(QString());
            QVERIFY(window.ui().Nachtansicht->isChecked());
            QVERIFY(sky(window) < 40);
            window.ui().cmdNacht->click();
            QVERIFY(!window.ui().Nachtansicht->isChecked());
            QVERIFY(sky(window) > 200);
        }
        MainWindow window(t.ctx);
        window.load(QString());
        QVERIFY(!window.ui().cmdNacht->isChecked());
    }

    // Ctrl and the wheel or the keys zoom the grid's time axis; Ctrl+0 fits the sequence.
    void gridZooms()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        window.resize(1400, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SequenceTableModel& table = t.document.table(0);
        for (int i = 0; i < 10; ++i)
            table.appendRow({QStringLiteral("1"), QString(), {1, 0, 0, 0}});
        ShowGridView& grid = *window.ui().ShowGrid;
        const int width = grid.columnWidth(0);
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(grid.zoom(), ShowGridView::ZoomStep);
        QVERIFY(grid.columnWidth(0) > width);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(grid.columnWidth(0) < width);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        int total = 0;
        for (int c = 0; c < 10; ++c)
            total += grid.columnWidth(c);
        QVERIFY(qAbs(total - grid.viewport()->width()) <= 10);
        for (int i = 0; i < 40; ++i)
            grid.zoomOut();
        QCOMPARE(grid.zoom(), ShowGridView::MinZoom);
        // With room to spare the rows grow, up to their comfortable height.
        QVERIFY(grid.rowHeight(0) > ShowGridView::RowHeight);
        QVERIFY(grid.rowHeight(0) <= ShowGridView::MaxRowHeight);
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
