#include "sequence/CommandAvailability.h"
#include "sequence/ComposeTools.h"
#include "sequence/Interval.h"
#include "sequence/LoopMarker.h"
#include "sequence/Loops.h"
#include "sequence/RowClipboard.h"
#include "sequence/RowCommands.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/TestContext.h"

#include <QTest>

using namespace TestData;

namespace {

const QString L1 = QStringLiteral("S  1 / 3 x");
const QString L2 = QStringLiteral("S  2 / 3 x");

// The test rows of table 0 in their order, told by their first lamp byte
// (test row j has j there; an empty step 0).
QList<int> order(const SequenceDocument& doc)
{
    QList<int> out;
    for (const SequenceRow& r : doc.table(0).rows())
        out.append(r.lamps[0]);
    return out;
}

// A test context whose table 0 holds count test rows.
struct Edit : TestContext
{
    SequenceDocument& doc = document;
    explicit Edit(int count = 0) { fill(doc, 0, count); }
    // Selects rows of table 0 and creates a loop, answering the count with answer.
    void createLoop(const QList<int>& rows, const QString& answer = QStringLiteral("2"))
    {
        select(doc, 0, rows);
        prompter.textAnswers.enqueue(answer);
        Loops::create(ctx);
    }
};

} // namespace

class TestSequenceEdits : public QObject
{
    Q_OBJECT
private slots:
    // Intervals are read with the number reader after the first comma became a point.
    void intervalsReadCommaOrPoint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("ms");
        QTest::newRow("comma") << "0,5" << qint64(500);
        QTest::newRow("second comma ends it") << "1,5,3" << qint64(1500);
        QTest::newRow("point then comma") << "1.5,3" << qint64(1500);
        QTest::newRow("negative") << "-1" << qint64(0);
        QTest::newRow("too long to count") << "1" + QString(320, QLatin1Char('0')) << qint64(0);
    }
    void intervalsReadCommaOrPoint()
    {
        QFETCH(QString, text);
        QFETCH(qint64, ms);
        QCOMPARE(Interval::toMilliseconds(text), ms);
    }

    void aFullTableTakesNoMoreRows()
    {
        Edit t(500);
        select(t.doc, 0, {3}, 3);
        const QList<SequenceRow> before = t.doc.table(0).rows();
        t.ctx.lampState = {1, 1, 1, 1};
        QVERIFY(!RowCommands::appendStep(t.ctx, QStringLiteral("1")));
        QVERIFY(!RowCommands::insertStep(t.ctx, QStringLiteral("1")));
        RowClipboard clipboard;
        clipboard.copy(t.ctx);
        clipboard.pasteAtEnd(t.ctx);
        clipboard.pasteAtFocus(t.ctx);
        QCOMPARE(t.doc.table(0).rows(), before);
        QCOMPARE(t.prompter.texts(), QStringList(4, t.texts.text(RowCommands::TableFullText)));
        QCOMPARE(t.ctx.lampState, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));

        // 499 rows and two in the clipboard: pasting would pass 500, so nothing is pasted.
        t.doc.table(0).removeRowAt(500);
        select(t.doc, 0, {1, 2}, 1);
        clipboard.copy(t.ctx);
        clipboard.pasteAtEnd(t.ctx);
        QCOMPARE(t.doc.table(0).count(), 499);
        QVERIFY(RowCommands::appendStep(t.ctx, QStringLiteral("1")));
        QCOMPARE(t.doc.table(0).count(), 500);
    }

    void insertPutsAnEmptyStepAtTheFocusedRow()
    {
        Edit t(6);
        t.doc.table(0).setLoopMarker(2, L1);
        select(t.doc, 0, {2, 4}, 4);
        t.ctx.lampState = {9, 9, 9, 9};
        QVERIFY(RowCommands::insertStep(t.ctx, QStringLiteral("0,2")));
        // The marker comes from the last selected row (row 4 has none).
        QCOMPARE(t.doc.table(0).row(4), (SequenceRow{QStringLiteral("0,2"), QString(), {0, 0, 0, 0}}));
        QCOMPARE(order(t.doc), (QList<int>{1, 2, 3, 0, 4, 5, 6}));
        // The marks stay on the same row numbers.
        QCOMPARE(t.doc.selectedRows(0), (QList<int>{2, 4}));
        QCOMPARE(t.doc.focusedRow(0), 4);

        // Inserted inside a loop with its marker, the row joins the loop.
        select(t.doc, 0, {2}, 2);
        QVERIFY(RowCommands::insertStep(t.ctx, QStringLiteral("1")));
        QCOMPARE(markers(t.doc, 0).mid(0, 4), (QStringList{QString(), L1, L1, QString()}));
        QVERIFY(t.prompter.shown.isEmpty());

        // A loop that would pass 32 rows gives up its last row, and the user is told.
        Edit u(34);
        setMarker(u.doc, 0, 2, 33, L1);
        select(u.doc, 0, {10}, 10);
        QVERIFY(RowCommands::insertStep(u.ctx, QStringLiteral("1")));
        QCOMPARE(markers(u.doc, 0), QStringList{QString()} + QStringList(32, L1) + QStringList(2, QString()));
        QCOMPARE(u.prompter.texts(), QStringList{u.texts.text(79)});
    }

    void overwriteTakesTheLampsOnlyForOneRow()
    {
        Edit t(4);
        t.doc.table(0).setLoopMarker(2, L1);
        t.ctx.lampState = {7, 7, 7, 7};
        select(t.doc, 0, {2});
        RowCommands::overwriteRows(t.ctx, QStringLiteral("9"));
        QCOMPARE(t.doc.table(0).row(2), (SequenceRow{QStringLiteral("9"), L1, {7, 7, 7, 7}}));
        select(t.doc, 0, {3, 4});
        RowCommands::overwriteRows(t.ctx, QStringLiteral("2"));
        QCOMPARE(t.doc.table(0).row(3), (SequenceRow{QStringLiteral("2"), QString(), row(3).lamps}));
        QCOMPARE(t.doc.table(0).row(4), (SequenceRow{QStringLiteral("2"), QString(), row(4).lamps}));
        QCOMPARE(t.ctx.lampState, (std::array<std::uint8_t, 4>{7, 7, 7, 7}));
    }

    void deleteAsksOnceAndMovesTheLampsUp()
    {
        Edit t;
        QVERIFY(!RowCommands::deleteRows(t.ctx)); // an empty table: nothing at all

        fill(t.doc, 0, 5);
        setMarker(t.doc, 0, 3, 4, L1);
        select(t.doc, 0, {2, 3});
        QVERIFY(!RowCommands::deleteRows(t.ctx)); // answered No
        QCOMPARE(t.doc.table(0).count(), 5);
        QCOMPARE(t.prompter.texts(), QStringList{t.texts.text(80)});

        t.prompter.yesNoAnswers.enqueue(true);
        QVERIFY(RowCommands::deleteRows(t.ctx));
        QCOMPARE(order(t.doc), (QList<int>{1, 4, 5}));
        // The loop keeps its marker on the row it has left.
        QCOMPARE(markers(t.doc, 0), (QStringList{QString(), L1, QString()}));
    }

    // A command is enabled only where it can act.
    void commandsThatCanAct_data()
    {
        using namespace CommandAvailability;
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<int>("focused");
        QTest::addColumn<bool>("clipboardEmpty");
        QTest::addColumn<unsigned>("expected");
        const unsigned oneRow = Append | Send | Insert | Change | Delete | Copy | Cut;
        QTest::newRow("nothing marked") << QList<int>{} << 0 << true << unsigned(Append | Send);
        QTest::newRow("rows to paste")
            << QList<int>{} << 2 << false << unsigned(Append | Send | PasteAtFocus | PasteAtEnd);
        QTest::newRow("one row") << QList<int>{2} << 2 << true << oneRow;
        QTest::newRow("a block is a loop") << QList<int>{1, 2} << 2 << true << (oneRow | CreateLoop);
        QTest::newRow("first block of one row") << QList<int>{1, 3} << 1 << true << oneRow;
        QTest::newRow("a block in a loop")
            << QList<int>{3, 4} << 4 << true << (oneRow | CreateLoop | RemoveLoop);
        QTest::newRow("no focused row")
            << QList<int>{2, 3} << 0 << false
            << unsigned(Append | Send | Insert | Change | Delete | CreateLoop | RemoveLoop | PasteAtEnd);
    }
    void commandsThatCanAct()
    {
        using namespace CommandAvailability;
        QFETCH(QList<int>, marked);
        QFETCH(int, focused);
        QFETCH(bool, clipboardEmpty);
        QFETCH(unsigned, expected);
        // The composing tools have their own cases (test_compose_tools).
        const auto can = [](const Situation& s) {
            return available(s) & ~unsigned(SelectAll | Mirror | Reverse | Scale | Pattern | Farewell);
        };
        // Rows 3 and 4 of five are a loop.
        Situation s{TableState(rows(5)), false, clipboardEmpty, false, false};
        for (int j : {3, 4})
            s.table.row(j).loopMarker = L1;
        for (int j : marked)
            s.table.setSelected(j, true);
        s.table.setFocusedRow(focused);
        QCOMPARE(can(s), expected);
        // Sending needs something to send and a free link; playback stops every command.
        s.uploading = true;
        QCOMPARE(can(s), expected & ~unsigned(Send));
        s = Situation{TableState(), true, true, false, false};
        QCOMPARE(can(s), unsigned(Append));
        s.playing = true;
        QCOMPARE(available(s), 0u);
    }

    void createMarksTheFirstSelectedBlock()
    {
        Edit t(6);
        t.createLoop({3, 4, 5}, QStringLiteral("3"));
        QCOMPARE(markers(t.doc, 0), (QStringList{QString(), QString(), L1, L1, L1, QString()}));
        QCOMPARE(t.prompter.beeps, 1);
        QVERIFY(t.doc.selectedRows(0).isEmpty());

        // A second loop gets the next number; it takes the rows it covers from the first.
        t.createLoop({1, 2, 3});
        QCOMPARE(markers(t.doc, 0).mid(0, 4), QStringList(3, QStringLiteral("S  2 / 2 x")) + QStringList{L1});
    }

    void createAsksAgainUntilTheCountFits()
    {
        Edit t(4);
        select(t.doc, 0, {1, 2});
        for (const char* answer : {"25", "1", "2.5", "abc", "20"})
            t.prompter.textAnswers.enqueue(QString::fromLatin1(answer));
        Loops::create(t.ctx);
        const QStringList askAndWarn{t.texts.text(115), t.texts.text(96)};
        QCOMPARE(t.prompter.texts(),
                 askAndWarn + askAndWarn + askAndWarn + askAndWarn + QStringList{askAndWarn.first()});
        QCOMPARE(t.doc.table(0).row(2).loopMarker, QStringLiteral("S  1 / 20 x"));
        QCOMPARE(t.prompter.beeps, 1);

        // Cancelled, or a cleared field: no loop.
        for (const std::optional<QString>& answer :
             {std::optional<QString>(), std::optional<QString>(QString())}) {
            select(t.doc, 0, {3, 4});
            t.prompter.textAnswers.enqueue(answer);
            Loops::create(t.ctx);
            QCOMPARE(t.doc.table(0).row(3).loopMarker, QString());
            QVERIFY(t.doc.selectedRows(0).isEmpty());
        }
    }

    void createNumbersLoopsOnward()
    {
        Edit t(24);
        for (int n = 1; n <= 11; ++n)
            t.createLoop({2 * n - 1, 2 * n});
        QCOMPARE(t.doc.table(0).row(21).loopMarker, QStringLiteral("S 11 / 2 x"));
        // Each loop's rows share a band of their own colour; rows outside loops have none.
        const SequenceTableModel& table = t.doc.table(0);
        const auto band = [&table](int j) { return table.data(table.index(j - 1, 1), Qt::BackgroundRole); };
        QVERIFY(band(1) == band(2) && band(2) != band(3) && !band(23).isValid());
        QCOMPARE(table.data(table.index(22, SequenceTableModel::NumberColumn), Qt::DisplayRole),
                 QVariant("23"));

        // Past 99 the lowest free number is taken, so the marker keeps its layout.
        setMarker(t.doc, 0, 1, 2, QStringLiteral("S 99 / 2 x"));
        t.createLoop({23, 24});
        QCOMPARE(t.doc.table(0).row(23).loopMarker, QStringLiteral("S  1 / 2 x"));
    }

    void createRefusals()
    {
        Edit t(260);
        t.createLoop(span(1, 33));
        QCOMPARE(t.prompter.shown.last().text, t.texts.text(98));

        // A loop may not end on row 200 nor past row 255.
        for (const QList<int>& rows : {QList<int>{199, 200}, QList<int>{255, 256}}) {
            t.createLoop(rows);
            QCOMPARE(t.prompter.shown.last().text, t.texts.text(100));
        }
        QCOMPARE(markers(t.doc, 0), QStringList(260, QString()));
        t.createLoop({254, 255});
        QCOMPARE(t.doc.table(0).row(255).loopMarker, QStringLiteral("S  1 / 2 x"));
    }

    void removeInsideOrAtTheEndOfALoop_data()
    {
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("inside") << 8 << QList<int>{5, 6} << QList<int>{};
        QTest::newRow("at the end") << 8 << QList<int>{7, 8} << QList<int>{4, 5, 6};
        QTest::newRow("at the start") << 8 << QList<int>{4} << QList<int>{5, 6, 7, 8};
        QTest::newRow("two rows") << 5 << QList<int>{5} << QList<int>{};
    }
    void removeInsideOrAtTheEndOfALoop()
    {
        QFETCH(int, to);
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, left);
        // Loop 1 starts on row 4; loop 2 holds rows 9 and 10.
        Edit t(10);
        setMarker(t.doc, 0, 4, to, L1);
        setMarker(t.doc, 0, 9, 10, L2);
        select(t.doc, 0, selected);
        Loops::remove(t.ctx);
        QStringList expected = QStringList(8, QString()) + QStringList{L2, L2};
        for (int j : left)
            expected[j - 1] = L1;
        QCOMPARE(markers(t.doc, 0), expected);
    }

    // Rows put in between two rows of a loop join it, within its 32 rows; put
    // in at its first row they stand before it.
    void rowsPutInsideALoopJoinIt_data()
    {
        QTest::addColumn<bool>("paste"); // otherwise generated steps are put in
        QTest::addColumn<QList<int>>("copied");
        QTest::addColumn<int>("at");
        QTest::addColumn<QStringList>("expected");
        const QString E;
        QTest::newRow("paste inside")
            << true << QList<int>{1, 2} << 4 << QStringList{E, E, L1, L1, L1, L1, E, E};
        QTest::newRow("pattern inside")
            << false << QList<int>{} << 4 << QStringList{E, E, L1, L1, L1, L1, E, E};
        QTest::newRow("paste at the first row")
            << true << QList<int>{1, 2} << 3 << QStringList{E, E, E, E, L1, L1, E, E};
        QTest::newRow("a loop pasted inside joins")
            << true << QList<int>{5, 6} << 4 << QStringList{E, E, L1, L1, L1, L1, E, E};
    }
    void rowsPutInsideALoopJoinIt()
    {
        QFETCH(bool, paste);
        QFETCH(QList<int>, copied);
        QFETCH(int, at);
        QFETCH(QStringList, expected);
        Edit t(6);
        setMarker(t.doc, 0, 3, 4, L1);
        setMarker(t.doc, 0, 5, 6, L2);
        RowClipboard clipboard;
        select(t.doc, 0, copied, copied.value(0));
        clipboard.copy(t.ctx);
        setMarker(t.doc, 0, 5, 6, QString());
        select(t.doc, 0, {}, at);
        if (paste)
            clipboard.pasteAtFocus(t.ctx);
        else
            QVERIFY(ComposeTools::insertRows(t.ctx, {row(7), row(8)}));
        QCOMPARE(markers(t.doc, 0), expected);
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void aLoopJoinedPastItsLimitIsCut()
    {
        Edit t(40);
        setMarker(t.doc, 0, 1, 31, L1);
        RowClipboard clipboard;
        select(t.doc, 0, {35, 36}, 35);
        clipboard.copy(t.ctx);
        select(t.doc, 0, {}, 5);
        clipboard.pasteAtFocus(t.ctx);
        QCOMPARE(markers(t.doc, 0), QStringList(32, L1) + QStringList(10, QString()));
        QCOMPARE(t.prompter.texts(), QStringList{t.texts.text(79)});
    }

    // A cut takes the markers off single rows left behind; pasted loops are checked.
    void clipboardKeepsLoopsSound()
    {
        Edit c(6);
        setMarker(c.doc, 0, 3, 4, L1);
        setMarker(c.doc, 0, 5, 6, L2);
        select(c.doc, 0, {3}, 3);
        RowClipboard clipboard;
        clipboard.cut(c.ctx);
        // Part of a loop travels as a plain step.
        QCOMPARE(clipboard.rows(), (QList<SequenceRow>{{row(3).interval, QString(), row(3).lamps}}));
        QCOMPARE(order(c.doc), (QList<int>{1, 2, 4, 5, 6}));
        QCOMPARE(markers(c.doc, 0), (QStringList{QString(), QString(), QString(), L2, L2}));
        QVERIFY(c.doc.selectedRows(0).isEmpty());

        // A whole loop copied stays a loop: where its number is taken it gets
        // the next free one with the same count, also right next to the original.
        const QString E;
        const QString L3 = QStringLiteral("S  3 / 3 x");
        Edit t(6);
        setMarker(t.doc, 0, 2, 3, L1);
        setMarker(t.doc, 0, 5, 6, L2);
        select(t.doc, 0, {2, 3}, 2);
        clipboard.copy(t.ctx);
        clipboard.pasteAtEnd(t.ctx);
        select(t.doc, 0, {5, 6}, 5);
        clipboard.copy(t.ctx);
        clipboard.pasteAtEnd(t.ctx);
        QCOMPARE(markers(t.doc, 0), (QStringList{E, L1, L1, E, L2, L2, L3, L3, QStringLiteral("S  4 / 3 x"),
                                                 QStringLiteral("S  4 / 3 x")}));
        QVERIFY(t.prompter.shown.isEmpty());

        // 60 rows, more than the old row buffer held, 40 of them one loop: all rows
        // arrive in the other sequence, 32 keep the marker and its number, free there,
        // and the user is told.
        Edit w(60);
        setMarker(w.doc, 0, 1, 40, L2);
        w.doc.setActiveSequence(1);
        clipboard.copy(w.ctx); // nothing focused in the empty table: the clipboard stays
        QVERIFY(!clipboard.isEmpty());
        w.doc.setActiveSequence(0);
        select(w.doc, 0, span(1, 60), 1);
        clipboard.copy(w.ctx);
        w.doc.setActiveSequence(1);
        clipboard.pasteAtEnd(w.ctx);
        QList<SequenceRow> expected = w.doc.table(0).rows();
        for (int j = 32; j < 40; ++j)
            expected[j].loopMarker.clear();
        QCOMPARE(w.doc.table(1).rows(), expected);
        QCOMPARE(w.prompter.texts(), QStringList{w.texts.text(79)});
    }
};

QTEST_GUILESS_MAIN(TestSequenceEdits)
#include "test_sequence_edits.moc"
