#include "sequence/CommandAvailability.h"
#include "sequence/ComposeTools.h"
#include "sequence/Interval.h"
#include "sequence/LoopMarker.h"
#include "sequence/RowCommands.h"
#include "sequence/UndoHistory.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/TestContext.h"
#include "views/Patterns.h"

#include <QTest>
#include <functional>

using namespace TestData;

namespace {

// A row written short: interval in tenths, loop number (0: none), lamp bytes.
struct R
{
    int tenths;
    int loop;
    LampBytes lamps;
};

QList<SequenceRow> make(const QList<R>& rs)
{
    QList<SequenceRow> rows;
    for (const R& r : rs)
        rows.append(
            {Interval::fromSlider(r.tenths), r.loop ? LoopMarker::make(r.loop, 3) : QString(), r.lamps});
    return rows;
}

// Rows 2 to 4 are a loop.
const QList<R> Base = {{5, 0, {1, 2, 4, 8}}, {10, 1, {3, 0, 0, 0}}, {20, 1, {0, 5, 0, 0}},
                       {3, 1, {0, 0, 6, 0}}, {80, 0, {0, 0, 0, 7}}, {1, 0, {9, 9, 9, 9}}};

enum class Tool
{
    Mirror,
    Reverse,
    Scale
};

struct ToolCase
{
    const char* what;
    Tool tool;
    QList<int> marked;
    QList<int> order;   // reverse: the rows of Base in their new order
    QList<int> changed; // mirror and scale: the rows that change
    QList<int> marksAfter;
    double factor = 0;
    QList<int> tenths{}; // scale: the intervals of the changed rows
};

const ToolCase Tools[] = {
    {"mirror all", Tool::Mirror, {}, {}, {1, 2, 3, 4, 5, 6}, {}},
    {"mirror marked", Tool::Mirror, {2, 5}, {}, {2, 5}, {2, 5}},
    {"reverse all: loops whole", Tool::Reverse, {}, {6, 5, 4, 3, 2, 1}, {}, {}},
    {"reverse in a loop takes the loop", Tool::Reverse, {3}, {1, 4, 3, 2, 5, 6}, {}, {2, 3, 4}},
    {"reverse cutting a loop is widened", Tool::Reverse, {4, 5}, {1, 5, 4, 3, 2, 6}, {}, {2, 3, 4, 5}},
    {"reverse two blocks apart", Tool::Reverse, {1, 5, 6}, {1, 2, 3, 4, 6, 5}, {}, {1, 5, 6}},
    {"reverse blocks of one loop join", Tool::Reverse, {2, 4}, {1, 4, 3, 2, 5, 6}, {}, {2, 3, 4}},
    {"scale all, held at 10 s", Tool::Scale, {}, {}, {1, 2, 3, 4, 5, 6}, {}, 2, {10, 20, 40, 6, 100, 2}},
    {"scale marked, held at 0.1 s", Tool::Scale, {1, 6}, {}, {1, 6}, {1, 6}, 0.5, {3, 1}},
    // Halves round up, where the binary form of the product lies below them.
    {"scale by 1.5, halves up", Tool::Scale, {}, {}, {1, 2, 3, 4, 5, 6}, {}, 1.5, {8, 15, 30, 5, 100, 2}},
    {"scale by 0.25, halves up", Tool::Scale, {2, 3}, {}, {2, 3}, {2, 3}, 0.25, {3, 5}},
};

struct PatternCase
{
    const char* what;
    Patterns::Settings settings;
    QList<R> rows;
};

const LampBytes A{1, 0, 0, 0}, B{0, 2, 0, 0}, C{0, 0, 0, 4}, M{0, 0, 16, 16}, Dark{};
using K = Patterns::Kind;

const PatternCase PatternCases[] = {
    {"blink",
     {K::Blink, {A, B}, 2, 5, 3},
     {{5, 0, {1, 2, 0, 0}}, {3, 0, Dark}, {5, 0, {1, 2, 0, 0}}, {3, 0, Dark}}},
    {"chase", {K::Chase, {A, B, C}, 1, 4}, {{4, 0, A}, {4, 0, B}, {4, 0, C}}},
    {"chase there and back twice",
     {K::Chase, {A, B, C}, 2, 4, 5, true},
     {{4, 0, A}, {4, 0, B}, {4, 0, C}, {4, 0, B}, {4, 0, A}, {4, 0, B}, {4, 0, C}, {4, 0, B}, {4, 0, A}}},
    {"chase of one lamp has no return", {K::Chase, {A}, 1, 4, 5, true}, {{4, 0, A}}},
    {"alternate: halves with their mirror, no centre lamp",
     {K::Alternate, {A, M}, 2, 7},
     {{7, 0, {0, 1, 0, 0}}, {7, 0, {1, 0, 0, 0}}, {7, 0, {0, 1, 0, 0}}, {7, 0, {1, 0, 0, 0}}}},
    {"alternate of centre lamps only: nothing", {K::Alternate, {M}, 2}, {}},
    {"times held in the slider's range", {K::Blink, {C}, 1, 0, 150}, {{1, 0, C}, {100, 0, Dark}}},
    {"no lamp: nothing", {K::Blink, {}, 3}, {}},
};

template <typename T, std::size_t N> void addRows(const T (&table)[N])
{
    QTest::addColumn<int>("i");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(table[i].what) << int(i);
}

unsigned toolsAvailable(const TableState& table, bool uploading = false, bool unlockEmpty = false)
{
    using namespace CommandAvailability;
    Situation s{table, false, true, false, uploading, unlockEmpty};
    return available(s) & (SelectAll | Mirror | Reverse | Scale | Pattern | Farewell);
}

} // namespace

class TestComposeTools : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    void toolsOnMarkedRowsOrAll_data() { addRows(Tools); }
    void toolsOnMarkedRowsOrAll()
    {
        QFETCH(int, i);
        const ToolCase& c = Tools[i];
        const QList<SequenceRow> base = make(Base);
        TableState table(base);
        for (int j : c.marked)
            table.setSelected(j, true);
        switch (c.tool) {
        case Tool::Mirror:
            ComposeTools::mirror(table);
            break;
        case Tool::Reverse:
            ComposeTools::reverse(table);
            break;
        case Tool::Scale:
            ComposeTools::scale(table, c.factor);
            break;
        }
        QList<SequenceRow> expected;
        for (int j : c.order)
            expected.append(base.at(j - 1));
        if (c.order.isEmpty())
            expected = base;
        for (qsizetype n = 0; n < c.changed.size(); ++n) {
            SequenceRow& r = expected[c.changed.at(n) - 1];
            if (c.tool == Tool::Mirror)
                r.lamps = {r.lamps[1], r.lamps[0], r.lamps[3], r.lamps[2]};
            else
                r.interval = Interval::fromSlider(c.tenths.at(n));
        }
        QCOMPARE(table.rows(), expected);
        QCOMPARE(table.selectedRows(), c.marksAfter);
    }

    void availableWhileTheyCanAct()
    {
        using namespace CommandAvailability;
        const unsigned all = SelectAll | Mirror | Reverse | Scale | Pattern | Farewell;
        TableState table(make(Base));
        QCOMPARE(toolsAvailable(table), all);
        QCOMPARE(toolsAvailable(table, false, true), all & ~unsigned(Farewell));
        table.setSelected(1, true);
        table.setSelected(6, true); // single rows: nothing to turn round
        QCOMPARE(toolsAvailable(table), all & ~unsigned(Reverse));
        QCOMPARE(toolsAvailable(table, true), unsigned(SelectAll));
        QCOMPARE(toolsAvailable(TableState(), false, true), unsigned(Pattern));
        QCOMPARE(toolsAvailable(TableState(rows(SequenceTableModel::MaxRows))), all & ~unsigned(Pattern));
    }

    void farewellIsTheGreetingReversed()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        QVERIFY(!ComposeTools::farewellFromGreeting(t.ctx)); // no greeting
        doc.table(0).setRows(make(Base));
        QVERIFY(ComposeTools::farewellFromGreeting(t.ctx)); // an empty farewell is not asked about
        QVERIFY(t.prompter.shown.isEmpty());
        QCOMPARE(doc.table(1).rows(), ComposeTools::reversed(make(Base)));

        doc.table(1).setRows(rows(2));
        t.prompter.yesNoAnswers << false << true;
        QVERIFY(!ComposeTools::farewellFromGreeting(t.ctx));
        QCOMPARE(doc.table(1).rows(), rows(2));
        QVERIFY(ComposeTools::farewellFromGreeting(t.ctx));
        QCOMPARE(doc.table(1).count(), 6);
        QCOMPARE(t.prompter.shown.size(), 2);
    }

    void patterns_data() { addRows(PatternCases); }
    void patterns()
    {
        QFETCH(int, i);
        QCOMPARE(Patterns::generate(PatternCases[i].settings), make(PatternCases[i].rows));
    }

    // The lamps offered are those a click reaches, once each, front views first.
    void lampsOfTheVehicle()
    {
        LampOptions o;
        o.model = 311;
        o.highBeam = o.ringLights = true;
        const auto lamps = Patterns::lampsOf(lampAreasFor(QStringLiteral("311"), true, false, false), o);
        QCOMPARE(lamps.size(), std::size_t(6 + 5 + 6 + 5)); // side repeaters and centre brake light once
        for (std::size_t n = 1; n < lamps.size(); ++n) {
            QVERIFY(lamps[n].view >= lamps[n - 1].view);
            QVERIFY(lamps[n].bytes != lamps[n - 1].bytes && lamps[n].bytes != LampBytes{});
        }
    }

    // Each tool is one step for undo; inserting is refused when the rows do not fit.
    void oneUndoStepAndTheRowLimit()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        UndoHistory history(doc);
        doc.table(0).setRows(make(Base));
        doc.table(1).setRows(rows(1));
        t.prompter.yesNoAnswers.enqueue(true);
        const QList<std::function<void()>> tools = {
            [&] { ComposeTools::mirrorRows(t.ctx); }, [&] { ComposeTools::reverseRows(t.ctx); },
            [&] { ComposeTools::scaleRows(t.ctx, 2); }, [&] { ComposeTools::farewellFromGreeting(t.ctx); },
            [&] {
                doc.setFocusedRow(0, 0); // undo left one
                ComposeTools::insertRows(t.ctx, make({{5, 0, A}, {5, 0, B}}));
            }};
        for (const auto& tool : tools) {
            const auto before = doc.content().sequences;
            const int entries = history.count();
            tool();
            QCOMPARE(history.count(), entries + 1);
            QVERIFY(history.undo());
            QCOMPARE(doc.content().sequences, before);
            QVERIFY(history.redo());
        }
        QCOMPARE(doc.table(0).row(7).lamps, A); // at the end without a focused row

        doc.table(0).setRows(rows(SequenceTableModel::MaxRows - 1));
        doc.setFocusedRow(0, 3);
        QVERIFY(!ComposeTools::insertRows(t.ctx, make({{5, 0, A}, {5, 0, B}})));
        QCOMPARE(t.prompter.shown.last().text, t.texts.text(RowCommands::TableFullText));
        QCOMPARE(doc.table(0).rows(), rows(SequenceTableModel::MaxRows - 1));
        QVERIFY(ComposeTools::insertRows(t.ctx, make({{5, 0, A}})));
        QCOMPARE(doc.table(0).row(3).lamps, A); // at the focused row, marked
        QCOMPARE(doc.selectedRows(0), QList<int>{3});
    }

    void askFactorUntilItFits()
    {
        TestContext t;
        t.prompter.textAnswers << QStringLiteral("20") << QStringLiteral("0,25") << std::nullopt;
        QCOMPARE(ComposeTools::askFactor(t.ctx), std::optional<double>(0.25));
        QCOMPARE(t.prompter.shown.at(1).text, t.texts.text(ComposeTools::FactorInvalidText));
        QCOMPARE(ComposeTools::askFactor(t.ctx), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestComposeTools)
#include "test_compose_tools.moc"
