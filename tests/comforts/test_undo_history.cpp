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

using Snapshot = std::pair<QList<SequenceRow>, QList<SequenceRow>>;

Snapshot snapshot(const SequenceDocument& doc)
{
    return {doc.table(0).rows(), doc.table(1).rows()};
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT
private slots:
    // Each command with its tidy pass is one entry.
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

        // Cut one row of the two-row loop on rows 6 and 7: the tidy pass takes the markers off
        // the single rows left behind. Then paste L1's rows a second time, which the loop check
        // takes off again. Both passes belong to their command's entry.
        select(doc, 0, {6}, 6);
        clipboard.cut(t.ctx);
        done("cut");
        select(doc, 0, {2, 3, 4}, 2);
        clipboard.copy(t.ctx);
        QCOMPARE(history.count(), states.size() - 1); // copying changes nothing
        clipboard.pasteAtEnd(t.ctx);
        done("paste at end");
        // The lock sequence has a history of its own rows in the same list.
        doc.setActiveSequence(1);
        select(doc, 1, {1}, 1);
        clipboard.pasteAtFocus(t.ctx);
        done("paste at focus");

        for (qsizetype i = states.size() - 1; i > 0; --i) {
            QVERIFY(history.undo());
            QCOMPARE(snapshot(doc), states.at(i - 1));
            QCOMPARE(restored.takeLast().at(0).toInt(), sequences.at(i - 1));
        }
        QVERIFY(!history.undo());
        for (qsizetype i = 1; i < states.size(); ++i) {
            QVERIFY(history.redo());
            QCOMPARE(snapshot(doc), states.at(i));
        }
        QVERIFY(!history.redo());
    }

    // Rows that went away leave the focus on the gap.
    void undoSelectsWhatCameBackAndANewEditDropsTheRedo()
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

        // A new edit after an undo drops the redo.
        QVERIFY(history.undo());
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        QVERIFY(!history.canRedo());
        QCOMPARE(history.count(), 1);
    }

    void aGroupIsOneEntryRecordedWhenItEnds()
    {
        TestContext t;
        UndoHistory history(t.document);
        fill(t.document, 0, 3);
        const QList<SequenceRow> start = t.document.table(0).rows();
        {
            const SequenceDocument::EditGroup group(t.document);
            TableState state = t.document.tableState(0);
            state.appendRow(row(7));
            t.document.applyTableState(0, state);
            state.row(1).interval = QStringLiteral("9");
            t.document.applyTableState(0, state);
            QCOMPARE(history.count(), 0);
        }
        QCOMPARE(history.count(), 1);
        QVERIFY(history.undo());
        QCOMPARE(t.document.table(0).rows(), start);
    }

    // Switched off (playback runs): no undo; an edit meanwhile ends the history.
    // New, Open and the menu while playing are followed through the window.
    void playbackAndEditsBehindTheHistoryEndIt()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        fill(doc, 0, 2);
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        history.setEnabled(false);
        QVERIFY(!history.undo());
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        history.setEnabled(true);
        QVERIFY(!history.canUndo());

        // A table changed past the history (not through applyTableState) is
        // not overwritten by an old entry.
        RowCommands::appendStep(t.ctx, QStringLiteral("1"));
        doc.table(0).setInterval(5, QStringLiteral("7"));
        QVERIFY(!history.undo());
        QCOMPARE(doc.table(0).row(5).interval, QStringLiteral("7"));
        QVERIFY(!history.canUndo());
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "test_undo_history.moc"
