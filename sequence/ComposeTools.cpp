#include "sequence/ComposeTools.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/TextNumber.h"
#include "sequence/Interval.h"
#include "sequence/Loops.h"
#include "sequence/RowCommands.h"
#include "sequence/SequenceDocument.h"

#include <algorithm>
#include <cmath>

namespace ComposeTools {

namespace {

// The rows a tool acts on: the marked ones, or all when none is marked.
QList<int> targetRows(const TableState& table)
{
    QList<int> rows = table.selectedRows();
    if (rows.isEmpty()) {
        for (int j = 1; j <= table.count(); ++j)
            rows.append(j);
    }
    return rows;
}

// The first and last row of the loop around row j (j itself for a step without one).
std::pair<int, int> loopAround(const TableState& table, int j)
{
    const QString& marker = table.row(j).loopMarker;
    int first = j;
    int last = j;
    if (marker.isEmpty())
        return {first, last};
    while (first > 1 && table.row(first - 1).loopMarker == marker)
        --first;
    while (last < table.count() && table.row(last + 1).loopMarker == marker)
        ++last;
    return {first, last};
}

// Applies a changed copy of the active table.
template <typename Change> void changeActive(AppContext& ctx, Change change)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    if (table.count() == 0)
        return;
    change(table);
    doc.applyTableState(k, table);
}

} // namespace

std::array<std::uint8_t, 4> mirrored(const std::array<std::uint8_t, 4>& lamps)
{
    return {lamps[1], lamps[0], lamps[3], lamps[2]};
}

QList<SequenceRow> reversed(const QList<SequenceRow>& rows)
{
    // The rows of a loop are adjacent, so turning the whole run round turns
    // the loops and single steps round and the steps inside each loop: every
    // loop stays whole, with its marker and count.
    QList<SequenceRow> out = rows;
    std::reverse(out.begin(), out.end());
    return out;
}

QList<std::pair<int, int>> reverseRanges(const TableState& table)
{
    QList<std::pair<int, int>> ranges;
    const int n = table.count();
    if (n == 0)
        return ranges;
    if (table.firstSelectedRow() == 0)
        return {{1, n}};
    for (int j = 1; j <= n; ++j) {
        if (!table.isSelected(j))
            continue;
        int last = j;
        while (table.isSelected(last + 1))
            ++last;
        const int from = loopAround(table, j).first;
        const int to = loopAround(table, last).second;
        // A loop shared with the previous block joins the two.
        if (!ranges.isEmpty() && from <= ranges.last().second)
            ranges.last().second = qMax(ranges.last().second, to);
        else
            ranges.append({from, to});
        j = last;
    }
    return ranges;
}

bool canReverse(const TableState& table)
{
    const QList<std::pair<int, int>> ranges = reverseRanges(table);
    return std::any_of(ranges.begin(), ranges.end(), [](const auto& r) { return r.second > r.first; });
}

QString scaledInterval(const QString& interval, double factor, const QLocale& locale)
{
    // In whole numbers, so that a half rounds up whatever the binary form of
    // the factor: 0.3 s x 1.5 is 0.45 s, which is 0.5 s. The factor is taken
    // to millionths, finer than anyone types it.
    constexpr qint64 FactorUnit = 1'000'000;
    constexpr qint64 MsPerTenth = 100;
    // Past this the result is held at the top whatever the factor.
    const qint64 ms = std::clamp<qint64>(Interval::toMilliseconds(interval), 0,
                                         Interval::MaxTenths * MsPerTenth * qint64(1 / MinFactor + 1));
    const qint64 units = std::llround(std::clamp(factor, MinFactor, MaxFactor) * double(FactorUnit));
    const qint64 divisor = MsPerTenth * FactorUnit;
    const qint64 tenths = (ms * units * 2 + divisor) / (2 * divisor);
    return Interval::fromSlider(int(std::clamp<qint64>(tenths, Interval::MinTenths, Interval::MaxTenths)),
                                locale);
}

void mirror(TableState& table)
{
    for (int j : targetRows(table))
        table.row(j).lamps = mirrored(table.row(j).lamps);
}

void reverse(TableState& table)
{
    const bool marked = table.firstSelectedRow() != 0;
    for (const auto& [from, to] : reverseRanges(table)) {
        QList<SequenceRow> run;
        for (int j = from; j <= to; ++j)
            run.append(table.row(j));
        run = reversed(run);
        for (int j = from; j <= to; ++j) {
            table.row(j) = run.at(j - from);
            table.setSelected(j, marked);
        }
    }
}

void scale(TableState& table, double factor, const QLocale& locale)
{
    for (int j : targetRows(table))
        table.row(j).interval = scaledInterval(table.row(j).interval, factor, locale);
}

void mirrorRows(AppContext& ctx)
{
    changeActive(ctx, [](TableState& table) { mirror(table); });
}

void reverseRows(AppContext& ctx)
{
    bool shortened = false;
    changeActive(ctx, [&shortened](TableState& table) {
        reverse(table);
        // A run at the edge of a range can come next to a run with the same marker.
        shortened = Loops::checkMarkers(table);
    });
    if (shortened)
        Loops::warnTooLong(ctx);
}

void scaleRows(AppContext& ctx, double factor)
{
    changeActive(ctx, [factor](TableState& table) { scale(table, factor); });
}

std::optional<double> askFactor(AppContext& ctx)
{
    const LangText& t = ctx.texts;
    for (;;) {
        const std::optional<QString> answer =
            ctx.prompter.askText(t.text(FactorPromptText), t.text(ScaleText), QStringLiteral("2"));
        if (!answer || answer->trimmed().isEmpty())
            return std::nullopt;
        QString text = answer->trimmed();
        if (const qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0)
            text[comma] = QLatin1Char('.');
        const std::optional<double> factor = leadingNumber(text);
        if (factor && *factor >= MinFactor && *factor <= MaxFactor)
            return *factor;
        ctx.prompter.message(t.text(FactorInvalidText), t.text(ScaleText), Prompter::Icon::Exclamation);
    }
}

bool farewellFromGreeting(AppContext& ctx)
{
    SequenceDocument& doc = ctx.document;
    if (doc.table(0).count() == 0)
        return false;
    if (doc.table(1).count() != 0 && !ctx.prompter.askYesNo(ctx.texts.text(FarewellQuestionText), QString()))
        return false;
    // Taken after the question: playback may have moved on meanwhile, the rows not.
    return doc.applyTableState(1, TableState(reversed(doc.table(0).rows())));
}

bool insertRows(AppContext& ctx, const QList<SequenceRow>& rows)
{
    if (rows.isEmpty())
        return false;
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    if (table.count() + rows.size() > SequenceTableModel::MaxRows) {
        RowCommands::sayTableFull(ctx);
        return false;
    }
    const int focused = table.focusedRow();
    const int at = focused != 0 ? focused : table.count() + 1;
    table.clearSelection();
    // A piece's loops stay loops of their own beside those of the table.
    QList<SequenceRow> fresh = rows;
    Loops::renumberForTable(fresh, table);
    for (qsizetype i = 0; i < fresh.size(); ++i)
        table.insertRow(at + int(i), fresh.at(i));
    for (qsizetype i = 0; i < rows.size(); ++i)
        table.setSelected(at + int(i), true);
    Loops::joinSurroundingLoop(table, at, at + int(rows.size()) - 1);
    const bool shortened = Loops::checkMarkers(table);
    doc.applyTableState(k, table);
    if (shortened)
        Loops::warnTooLong(ctx);
    return true;
}

void selectAll(AppContext& ctx)
{
    changeActive(ctx, [](TableState& table) {
        for (int j = 1; j <= table.count(); ++j)
            table.setSelected(j, true);
    });
}

} // namespace ComposeTools
