#include "sequence/Loops.h"

#include "core/AppContext.h"
#include "core/Config.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/TextNumber.h"
#include "sequence/LoopMarker.h"
#include "sequence/SequenceDocument.h"

#include <QHash>
#include <QSet>
#include <cmath>
#include <optional>

namespace Loops {

namespace {

// Loop rows are stored in bytes by the module; row 200 is refused as well.
constexpr int LastLoopRow = 255;
constexpr int RefusedLoopEnd = 200;

// Asks until the answer is a whole number from 2 to 20; nullopt when the
// user cancels or clears the field.
std::optional<int> askRepeats(AppContext& ctx)
{
    for (;;) {
        const std::optional<QString> answer =
            ctx.prompter.askText(ctx.texts.text(115), ctx.texts.text(116), QStringLiteral("2"));
        if (!answer || answer->isEmpty())
            return std::nullopt;
        const std::optional<double> value = leadingNumber(*answer);
        if (value && *value >= LoopMarker::MinRepeats && *value <= LoopMarker::MaxRepeats &&
            *value == std::floor(*value)) {
            ctx.prompter.beep();
            return int(*value);
        }
        ctx.prompter.message(ctx.texts.text(96), ctx.texts.text(97), Prompter::Icon::Exclamation);
    }
}

// The run of rows around row j that carry the same marker as row j.
std::pair<int, int> runAround(const TableState& table, int j)
{
    const QString& marker = table.row(j).loopMarker;
    int first = j;
    while (first > 1 && table.row(first - 1).loopMarker == marker)
        --first;
    int last = j;
    while (last < table.count() && table.row(last + 1).loopMarker == marker)
        ++last;
    return {first, last};
}

} // namespace

void create(AppContext& ctx)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    const int n = table.count();
    if (n == 0)
        return;

    // The first block of selected rows; every row up to its end is deselected.
    int first = 0;
    int last = 0;
    for (int i = 1; i <= n; ++i) {
        if (table.isSelected(i)) {
            if (first == 0)
                first = i;
            table.setSelected(i, false);
        } else if (first != 0) {
            last = i - 1;
            break;
        }
    }
    if (first != 0 && last == 0)
        last = n;
    doc.applyTableState(k, table);
    if (first == 0 || first == last || first == n)
        return;

    const std::optional<int> repeats = askRepeats(ctx);
    if (!repeats)
        return;
    const int number = nextNumber(table);
    if (last - first > LoopMarker::MaxRows - 1) {
        ctx.prompter.message(ctx.texts.text(98), ctx.texts.text(99), Prompter::Icon::Critical);
        return;
    }
    if (last == RefusedLoopEnd || last > LastLoopRow) {
        ctx.prompter.message(ctx.texts.text(100), ctx.texts.text(99), Prompter::Icon::Exclamation);
        return;
    }
    // The playback may have changed the selection while the question was open;
    // the rows themselves are only changed by this command.
    table = doc.tableState(k);
    if (last > table.count())
        return;
    const QString marker = LoopMarker::make(number, *repeats);
    for (int i = first; i <= last; ++i)
        table.row(i).loopMarker = marker;
    doc.applyTableState(k, table);
}

void remove(AppContext& ctx)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    const int selFirst = table.firstSelectedRow();
    if (selFirst == 0)
        return;
    int selLast = selFirst;
    while (selLast < table.count() && table.isSelected(selLast + 1))
        ++selLast;
    const auto [runFirst, runLast] = runAround(table, selFirst);

    int from = selFirst;
    int to = selLast;
    if (selFirst > runFirst && selLast < runLast) {
        from = runFirst; // strictly inside: the whole loop goes
        to = runLast;
    } else if (runLast - runFirst == 1) {
        from = qMin(from, runFirst); // a loop of two rows cannot be shortened
        to = qMax(to, runLast);
    }
    for (int i = from; i <= to; ++i)
        table.row(i).loopMarker.clear();
    doc.applyTableState(k, table);
}

bool checkMarkers(TableState& table)
{
    bool shortened = false;
    QSet<QString> seen;
    const int n = table.count();
    for (int i = 1; i <= n;) {
        const QString marker = table.row(i).loopMarker;
        int end = i;
        while (end < n && table.row(end + 1).loopMarker == marker)
            ++end;
        if (!marker.isEmpty()) {
            if (seen.contains(marker)) {
                for (int j = i; j <= end; ++j)
                    table.row(j).loopMarker.clear();
            } else {
                seen.insert(marker);
                for (int j = i + LoopMarker::MaxRows; j <= end; ++j) {
                    table.row(j).loopMarker.clear();
                    shortened = true;
                }
            }
        }
        i = end + 1;
    }
    return shortened;
}

void warnTooLong(AppContext& ctx)
{
    ctx.prompter.message(ctx.texts.text(79), QString::fromLatin1(Config::MakerWebAddress),
                         Prompter::Icon::Exclamation);
}

void removeSingleRowMarkers(TableState& table)
{
    const int n = table.count();
    // Decided on the markers as they stand: removing one never makes another single.
    QList<int> singles;
    for (int j = 1; j <= n; ++j) {
        const QString& m = table.row(j).loopMarker;
        if (!m.isEmpty() && (j == 1 || table.row(j - 1).loopMarker != m) &&
            (j == n || table.row(j + 1).loopMarker != m))
            singles.append(j);
    }
    for (int j : std::as_const(singles))
        table.row(j).loopMarker.clear();
}

void joinSurroundingLoop(TableState& table, int first, int last)
{
    if (first <= 1 || last >= table.count())
        return;
    const QString& marker = table.row(first - 1).loopMarker;
    if (marker.isEmpty() || table.row(last + 1).loopMarker != marker)
        return;
    for (int j = first; j <= last; ++j)
        table.row(j).loopMarker = marker;
}

QList<SequenceRow> withWholeLoopsOnly(const TableState& table, const QList<int>& rows)
{
    const QSet<int> taken(rows.begin(), rows.end());
    QList<SequenceRow> out;
    for (int j : rows) {
        SequenceRow r = table.row(j);
        if (!r.loopMarker.isEmpty()) {
            const auto [first, last] = runAround(table, j);
            for (int i = first; i <= last; ++i) {
                if (!taken.contains(i)) {
                    r.loopMarker.clear();
                    break;
                }
            }
        }
        out.append(r);
    }
    return out;
}

void renumberForTable(QList<SequenceRow>& rows, const TableState& table)
{
    QSet<int> used;
    for (const SequenceRow& r : table.rows()) {
        if (!r.loopMarker.isEmpty())
            used.insert(LoopMarker::number(r.loopMarker));
    }
    // The pasted loops' own numbers stay taken for the ones not renumbered.
    QSet<int> pasted;
    for (const SequenceRow& r : std::as_const(rows)) {
        if (!r.loopMarker.isEmpty())
            pasted.insert(LoopMarker::number(r.loopMarker));
    }
    QHash<QString, QString> renamed;
    for (SequenceRow& r : rows) {
        const int number = LoopMarker::number(r.loopMarker);
        if (r.loopMarker.isEmpty() || !used.contains(number))
            continue;
        auto it = renamed.find(r.loopMarker);
        if (it == renamed.end()) {
            // The next number above all in use, as a new loop gets; the lowest
            // free one once that would pass the marker's two digits.
            int free = 1;
            for (int n : used + pasted)
                free = qMax(free, n + 1);
            if (free > LoopMarker::MaxNumber) {
                free = 1;
                while (free <= LoopMarker::MaxNumber && (used.contains(free) || pasted.contains(free)))
                    ++free;
            }
            if (free > LoopMarker::MaxNumber) {
                // No number left that keeps the marker's layout: plain steps.
                it = renamed.insert(r.loopMarker, QString());
            } else {
                pasted.insert(free);
                it = renamed.insert(r.loopMarker, LoopMarker::make(free, LoopMarker::repeats(r.loopMarker)));
            }
        }
        r.loopMarker = it.value();
    }
}

int nextNumber(const TableState& table)
{
    int highest = 0;
    for (int j = 1; j < table.count(); ++j) {
        if (!table.row(j).loopMarker.isEmpty())
            highest = qMax(highest, LoopMarker::number(table.row(j).loopMarker));
    }
    if (highest < LoopMarker::MaxNumber)
        return highest + 1;
    QSet<int> used;
    for (int j = 1; j <= table.count(); ++j)
        used.insert(LoopMarker::number(table.row(j).loopMarker));
    for (int number = 1; number <= LoopMarker::MaxNumber; ++number) {
        if (!used.contains(number))
            return number;
    }
    return highest + 1;
}

} // namespace Loops
