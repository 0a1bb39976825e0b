#include "sequence/LoopMarker.h"
#include "sequence/Loops.h"
#include "sequence/RowClipboard.h"
#include "sequence/RowCommands.h"
#include "sequence/UndoHistory.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/TestContext.h"

#include <QSignalSpy>
#include <QTest>

using namespace TestData;

namespace {

const QString L1 = QStringLiteral("S  1 / 3 x");
const QString L2 = QStringLiteral("S  2 / 3 x");

struct Snapshot
{
    QList<SequenceRow> rows0;
    QList<SequenceRow> rows1;
    int active = 0;
};

Snapshot snapshot(const SequenceDocument& doc)
{
    return {doc.table(0).rows(), doc.table(1).rows(), doc.activeSequence()};
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT
private slots:
    // Every table command, with the tidy pass that follows it, is one entry;
    // undoing them all and redoing them all passes the same table states.
    void everyCommandIsUndoneAndRedoneExactly()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        QSignalSpy restored(&history, &UndoHistory::restored);
        RowClipboard clipboard;
        fill(doc, 0, 6);
        setMarker(doc, 0, 2, 3, L1);
        setMarker(doc, 0, 5, 6, L2);
        fill(doc, 1, 2);
        QList<Snapshot> states{snapshot(doc)};
        QList<int> sequences;
        auto done = [&](const char* what) {
            QVERIFY2(history.count() == states.size(), what);
            states.append(snapshot(doc));
            sequences.append(doc.activeSequence());
        };

        t.ctx.lampState = {9, 8, 7, 6};
        RowCommands::appendStep(t.ctx, QStringLiteral("0,5"));
        done("append");
        select(doc, 0, {2}, 2);
        RowCommands::insertStep(t.ctx, QStringLiteral("1")); // takes marker L1: still one run
        done("insert");
        select(doc, 0, {1, 4}, 1);
        RowCommands::overwriteRows(t.ctx, QStringLiteral("2,5"));
        done("overwrite");
        select(doc, 0, {5}, 5);
        t.prompter.yesNoAnswers.enqueue(true);
        RowCommands::deleteRows(t.ctx);
        done("delete");
        select(doc, 0, {6, 7}, 6);
        t.prompter.textAnswers.enqueue(QStringLiteral("4"));
        Loops::create(t.ctx);
        done("create loop");
        select(doc, 0, {2}, 2);
        Loops::remove(t.ctx);
        done("remove loop");

        // Cut one row of the two-row loop on rows 6 and 7: the tidy pass takes
        // the markers off the single rows left behind (rows 5 and 6).
        QCOMPARE(markers(doc, 0),
                 (QStringList{{}, {}, L1, L1, L2, LoopMarker::make(3, 4), LoopMarker::make(3, 4)}));
        select(doc, 0, {6}, 6);
        clipboard.cut(t.ctx);
        QCOMPARE(markers(doc, 0), (QStringList{{}, {}, L1, L1, {}, {}}));
        done("cut");
        // Paste L1's rows a second time: the loop check keeps L1 on its first run only.
        select(doc, 0, {2, 3, 4}, 2);
        clipboard.copy(t.ctx);
        QCOMPARE(history.count(), states.size() - 1); // copying changes nothing
        clipboard.pasteAtEnd(t.ctx);
        QCOMPARE(markers(doc, 0), (QStringList{{}, {}, L1, L1, {}, {}, {}, {}, {}}));
        done("paste at end");
        // The lock sequence has a history of its own rows in the same list.
        doc.setActiveSequence(1);
        select(doc, 1, {1}, 1);
        clipboard.pasteAtFocus(t.ctx);
        done("paste at focus");

        for (qsizetype i = states.size() - 1; i > 0; --i) {
            QVERIFY(history.undo());
            const Snapshot& s = states.at(i - 1);
            QCOMPARE(doc.table(0).rows(), s.rows0);
            QCOMPARE(doc.table(1).rows(), s.rows1);
            QCOMPARE(restored.takeLast().at(0).toInt(), sequences.at(i - 1));
        }
        QVERIFY(!history.undo());
        for (qsizetype i = 1; i < states.size(); ++i) {
            QVERIFY(history.redo());
            QCOMPARE(doc.table(0).rows(), states.at(i).rows0);
            QCOMPARE(doc.table(1).rows(), states.at(i).rows1);
        }
        QVERIFY(!history.redo());
    }

    // After undo the rows that came back are selected and focused, so the
    // window can show them; rows that went away leave the focus on the gap.
    void undoSelectsWhatCameBack()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        fill(doc, 0, 5);
        select(doc, 0, {2, 3}, 2);
        t.prompter.yesNoAnswers.enqueue(true);
        RowCommands::deleteRows(t.ctx);
        QVERIFY(history.undo());
        QCOMPARE(doc.selectedRows(0), (QList<int>{2, 3}));
        QCOMPARE(doc.focusedRow(0), 2);

        QVERIFY(history.redo());
        QCOMPARE(doc.selectedRows(0), QList<int>{});
        QCOMPARE(doc.focusedRow(0), 2);
    }

    void aGroupIsOneStepAndANewEditDropsTheRedo()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        fill(doc, 0, 3);
        const QList<SequenceRow> start = doc.table(0).rows();
        {
            const SequenceDocument::EditGroup group(doc);
            TableState state = doc.tableState(0);
            state.appendRow(row(7));
            doc.applyTableState(0, state);
            state.row(1).interval = QStringLiteral("9");
            doc.applyTableState(0, state);
            QCOMPARE(history.count(), 0); // not before the group ends
        }
        QCOMPARE(history.count(), 1);
        QVERIFY(history.undo());
        QCOMPARE(doc.table(0).rows(), start);

        t.ctx.lampState = {1, 1, 1, 1};
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        QVERIFY(!history.canRedo());
        QCOMPARE(history.count(), 1);
    }

    void newOpenAndPlaybackStopTheHistory()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        doc.clear(); // New
        QVERIFY(!history.canUndo());
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        doc.setContent({QStringLiteral("211"), QString(), {rows(2), rows(1)}}); // Open
        QVERIFY(!history.canUndo());

        // Switched off (playback runs): no undo; an edit meanwhile ends the history.
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        QSignalSpy state(&history, &UndoHistory::stateChanged);
        history.setEnabled(false);
        QCOMPARE(state.count(), 1);
        QVERIFY(!history.canUndo());
        QVERIFY(!history.undo());
        QCOMPARE(doc.table(0).count(), 3);
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        history.setEnabled(true);
        QVERIFY(!history.canUndo());
    }

    // A table changed past the history (not through applyTableState) is not
    // overwritten by an old entry.
    void aTableChangedBehindTheHistoryIsLeftAlone()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        doc.table(0).setInterval(1, QStringLiteral("7"));
        QVERIFY(!history.undo());
        QCOMPARE(doc.table(0).row(1).interval, QStringLiteral("7"));
        QVERIFY(!history.canUndo());
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "test_undo_history.moc"
