#include "sequence/UndoHistory.h"
#include "tests/support/TestContext.h"
#include "vehicle/ModelLayout.h"
#include "views/grid/ShowGridModel.h"
#include "views/grid/ShowGridSelection.h"
#include "views/grid/ShowGridView.h"

#include <QHeaderView>
#include <QTest>

namespace {

using Bytes = std::array<std::uint8_t, 4>;

// The grid over a document with an undo history, on screen as in the main window.
struct Grid
{
    TestContext t;
    UndoHistory history{t.document};
    std::unique_ptr<ShowGridModel> model;
    std::unique_ptr<ShowGridSelection> selection;
    ShowGridView view;

    explicit Grid(const QString& code = QStringLiteral("211"), int steps = 0, Bytes lamps = {})
    {
        t.texts.loadBuiltinGerman();
        vehicle(code);
        for (int i = 0; i < steps; ++i)
            t.document.table(0).appendRow({QStringLiteral("0,5"), {}, lamps});
        model = std::make_unique<ShowGridModel>(t.ctx);
        selection = std::make_unique<ShowGridSelection>(*model, t.document);
        view.setGrid(model.get(), selection.get());
        view.resize(700, 500);
        view.show();
    }
    void vehicle(const QString& code, bool highBeam = true, bool drlBulb = false)
    {
        t.document.setVehicleCode(code);
        t.ctx.vehicle.headlampHighBeam = highBeam ? 1 : 0;
        t.ctx.vehicle.headlampDrlBulb = drlBulb ? 1 : 0;
        modelLayout(code, highBeam, false, false).applyTo(t.ctx.vehicle);
        if (model)
            model->refreshVehicle();
    }
    Bytes lamps(int step) const { return t.document.table(0).row(step).lamps; }
    // "view:name" of every row, as the row headings show them.
    QStringList rowNames() const
    {
        QStringList names;
        for (int r = 0; r < model->rowCount(); ++r)
            names << QString::number(model->headerData(r, Qt::Vertical, ShowGridModel::ViewRole).toInt()) +
                         u':' + model->headerData(r, Qt::Vertical).toString();
        return names;
    }
    int row(const QString& viewAndName) const { return int(rowNames().indexOf(viewAndName)); }
    QPoint at(int row, int column) { return view.visualRect(model->index(row, column)).center(); }
    void press(int row, int column, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(view.viewport(), Qt::LeftButton, keys, at(row, column));
    }
    void release(int row, int column)
    {
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(row, column));
    }
    void clickHeading(int column)
    {
        QHeaderView* header = view.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 30));
    }
};

} // namespace

class TestShowGrid : public QObject
{
    Q_OBJECT
private slots:
    void lampsFollowTheVehicle_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("highBeam");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        // The lamps present are the rows the other tests click.
        QTest::newRow("3er") << "211" << true << QStringList{}
                             << QStringList{"1:Seitenblinker_R", "2:Seitenblinker_L"};
        QTest::newRow("no high beam") << "211" << false << QStringList{} << QStringList{"1:Fernlicht_R"};
        QTest::newRow("Clubman") << "751" << true
                                 << QStringList{"3:Nebelleuchte_L", "4:Rückfahrscheinwerfer_R"}
                                 << QStringList{"3:Rückfahrscheinwerfer_L", "4:Nebelleuchte_R"};
    }
    void lampsFollowTheVehicle()
    {
        QFETCH(QString, code);
        QFETCH(bool, highBeam);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        Grid g;
        g.vehicle(code, highBeam);
        const QStringList names = g.rowNames();
        for (const QString& name : present)
            QVERIFY2(names.contains(name), qPrintable(name));
        for (const QString& name : absent)
            QVERIFY2(!names.contains(name), qPrintable(name));
        QVERIFY(
            std::is_sorted(names.begin(), names.end(), [](auto& a, auto& b) { return a.at(0) < b.at(0); }));
    }

    void gridFollowsTheDocument()
    {
        Grid g;
        const int indicator = g.row(QStringLiteral("1:Blinker_R"));
        const int ring = g.row(QStringLiteral("2:Standlichtring_L"));
        const int highBeam = g.row(QStringLiteral("2:Fernlicht_L"));
        SequenceTableModel& table = g.t.document.table(0);
        table.appendRow({QStringLiteral("0,1"), {}, {1, 0, 0, 0}});
        table.appendRow({QStringLiteral("2"), QStringLiteral("S  1 / 3 x"), {0, 8, 0, 0}});
        table.appendRow({QStringLiteral("1"), QStringLiteral("S  1 / 3 x"), {}});
        QCOMPARE(g.model->data(g.model->index(indicator, 0)).toString(), QStringLiteral("an"));
        QCOMPARE(g.model->loops().size(), 1);
        QCOMPARE(g.model->loops().at(0).last, 2);
        QVERIFY(g.model->columnWidth(1) > g.model->columnWidth(2));
        QCOMPARE(g.view.horizontalHeader()->sectionSize(1), g.model->columnWidth(1));

        // With the daytime bulb in the high-beam reflector the grid shows what the picture shows.
        QVERIFY(!g.model->isLit(highBeam, 1));
        g.vehicle(QStringLiteral("211"), true, true);
        QVERIFY(g.model->isLit(ring, 1) && g.model->isLit(highBeam, 1));

        // An edit and its undo; the loop moves with its steps.
        TableState state = g.t.document.tableState(0);
        state.removeRow(1);
        QVERIFY(g.t.document.applyTableState(0, state));
        QCOMPARE(g.model->columnCount(), 2);
        QCOMPARE(g.model->loops().at(0).first, 0);
        QVERIFY(g.history.undo());
        QCOMPARE(g.model->columnCount(), 3);
        QVERIFY(g.model->isLit(indicator, 0));

        // Playback's cursor, the other sequence, the language.
        g.model->setPlayStep(0, 2);
        QVERIFY(g.model->data(g.model->index(0, 1), ShowGridModel::PlayCursorRole).toBool());
        g.model->setPlayStep(0, 0);
        QCOMPARE(g.model->playColumn(), -1);
        g.t.document.setActiveSequence(1);
        QCOMPARE(g.model->columnCount(), 0);
        g.t.document.setActiveSequence(0);
        g.t.texts.load(QCoreApplication::applicationDirPath() + QStringLiteral("/English.zfl"));
        g.t.ctx.languageName = QStringLiteral("English");
        g.model->refreshTexts();
        QCOMPARE(g.model->data(g.model->index(indicator, 0)).toString(), QStringLiteral("on"));
        table.setInterval(1, QStringLiteral("0,5"));
        QCOMPARE(g.model->headerData(0, Qt::Horizontal, ShowGridModel::IntervalRole).toString(),
                 QStringLiteral("0.5"));
    }

    void clickAndDragAreOneUndoStep_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<QString>("lamp");
        QTest::addColumn<int>("to"); // the drag's last column; it starts at column 0
        QTest::addColumn<Bytes>("after");
        QTest::newRow("click: centre brake light, both rear views")
            << "211" << Bytes{} << "3:Rückleuchte_M" << 0 << Bytes{0, 0, 16, 16};
        QTest::newRow("drag paints") << "211" << Bytes{} << "1:Blinker_R" << 2 << Bytes{1, 0, 0, 0};
        QTest::newRow("drag from a lit cell clears, other lamps stay")
            << "211" << Bytes{3, 0, 0, 4} << "1:Blinker_R" << 2 << Bytes{2, 0, 0, 4};
        QTest::newRow("symmetric editing: both halves")
            << "211 symmetric" << Bytes{} << "1:Blinker_R" << 1 << Bytes{1, 1, 0, 0};
        QTest::newRow("lamps the vehicle has not are kept")
            << "211" << Bytes{32, 0, 0, 0} << "1:Abblendlicht_R" << 1 << Bytes{34, 0, 0, 0};
    }
    void clickAndDragAreOneUndoStep()
    {
        QFETCH(QString, code);
        QFETCH(Bytes, before);
        QFETCH(QString, lamp);
        QFETCH(int, to);
        QFETCH(Bytes, after);
        Grid g(code.section(u' ', 0, 0), 4, before);
        g.t.ctx.symmetricEditing = code.endsWith(QStringLiteral("symmetric"));
        const int row = g.row(lamp);
        int entries = -1;
        QObject::connect(&g.t.document, &SequenceDocument::editGroupEnded,
                         [&] { entries = g.history.count(); });
        g.press(row, 0);
        QTest::mouseMove(g.view.viewport(), g.at(row, to));
        QCOMPARE(entries, -1); // still one gesture
        g.release(row, to);
        QCOMPARE(entries, 1);
        for (int step = 1; step <= 4; ++step)
            QCOMPARE(g.lamps(step), step <= to + 1 ? after : before);
        // The steps the drag passed are marked, as in the table.
        QCOMPARE(g.t.document.selectedRows(0).size(), qsizetype(to + 1));
        QVERIFY(g.history.undo());
        for (int step = 1; step <= 4; ++step)
            QCOMPARE(g.lamps(step), before);
    }

    void selectionFollowsBothWays()
    {
        Grid g(QStringLiteral("211"), 8);
        const int row = g.row(QStringLiteral("2:Abblendlicht_L"));
        g.t.document.setSelected(0, 2, true);
        g.t.document.setSelected(0, 4, true);
        g.t.document.setFocusedRow(0, 4);
        QCOMPARE(g.selection->selectedColumns(),
                 (QModelIndexList{g.model->index(0, 1), g.model->index(0, 3)}));
        QCOMPARE(g.view.currentIndex().column(), 3);

        // A heading marks its step alone; arrows move the mark; Space toggles.
        g.clickHeading(4);
        QCOMPARE(g.t.document.selectedRows(0), QList<int>{5});
        g.view.setCurrentIndex(g.model->index(row, 4));
        QTest::keyClick(&g.view, Qt::Key_Right);
        QCOMPARE(g.t.document.selectedRows(0), QList<int>{6});
        QCOMPARE(g.t.document.focusedRow(0), 6);
        QTest::keyClick(&g.view, Qt::Key_Space);
        QCOMPARE(g.lamps(6), (Bytes{0, 2, 0, 0}));
        // Shift and a click only mark.
        g.press(row, 7, Qt::ShiftModifier);
        g.release(row, 7);
        QCOMPARE(g.t.document.selectedRows(0), (QList<int>{6, 7, 8}));
        QCOMPARE(g.lamps(8), Bytes{});
        // The marks outlive a change of vehicle.
        g.vehicle(QStringLiteral("311"));
        QVERIFY(g.selection->isColumnSelected(7, {}));

        // During an upload steps are marked but not changed; during playback neither.
        g.model->setUploading(true);
        g.press(row, 1);
        g.release(row, 1);
        QCOMPARE(g.t.document.selectedRows(0), QList<int>{2});
        g.model->setUploading(false);
        g.model->setPlaying(true);
        g.press(row, 2);
        g.release(row, 2);
        QTest::keyClick(&g.view, Qt::Key_Space);
        g.clickHeading(0);
        QCOMPARE(g.t.document.selectedRows(0), QList<int>{2});
        QCOMPARE(g.history.count(), 1); // Space's toggle only
        for (int step : {2, 3})
            QCOMPARE(g.lamps(step), Bytes{});
    }
};

QTEST_MAIN(TestShowGrid)
#include "test_show_grid.moc"
