#pragma once

#include <optional>

// The outline around the lamp area under the pointer. It remembers the view
// and area it last outlined and decides what to erase and what to draw when
// the pointer moves on; the views do the drawing.
class HoverOutline
{
public:
    struct Target
    {
        int view = 0; // 1 to 4, or 5 for both rear views
        int area = 0;
        friend bool operator==(const Target&, const Target&) = default;
    };
    struct Step
    {
        std::optional<Target> erase;
        std::optional<Target> draw;
    };

    // Outline area `area` on `view` (view 0: none). `keep` is set for a hit,
    // clear when the pointer is over no area. Nothing happens while the
    // outline is switched off.
    Step outline(int view, int area, bool keep, bool enabled);

    // Forget the outline without erasing it: a new picture carries none.
    void reset() { m_current = {}; }

    Target current() const { return m_current; }

private:
    Target m_current;
};
