#pragma once

#include "views/LampRules.h"

#include <array>
#include <cstdint>
#include <optional>

class SequenceDocument;

// What showing a stored step puts on the car views: the first selected row
// of the active table, its lamps as the vehicle can show them, and the masks
// the four views display.
struct RowPreview
{
    int row = 0; // 1-based
    LampBytes bytes{};
    std::array<std::uint8_t, 4> masks{}; // masks[v - 1] for view v

    // Nothing when the active table is empty or no row is selected.
    static std::optional<RowPreview> of(const SequenceDocument& document, const LampOptions& options);
    // The preview of given row bytes.
    static RowPreview ofBytes(int row, const LampBytes& rowBytes, const LampOptions& options);
};
