#include "views/RowPreview.h"

#include "sequence/SequenceDocument.h"

std::optional<RowPreview> RowPreview::of(const SequenceDocument& document, const LampOptions& options)
{
    const int k = document.activeSequence();
    const SequenceTableModel& table = document.table(k);
    if (table.count() == 0)
        return std::nullopt;
    const int r = document.firstSelectedRow(k);
    if (r < 1 || r > table.count())
        return std::nullopt;
    return ofBytes(r, table.row(r).lamps, options);
}

RowPreview RowPreview::ofBytes(int row, const LampBytes& rowBytes, const LampOptions& options)
{
    RowPreview p;
    p.row = row;
    p.bytes = LampRules::sanitiseRow(rowBytes, options);
    p.masks = LampRules::displayMasks(p.bytes, options);
    return p;
}
