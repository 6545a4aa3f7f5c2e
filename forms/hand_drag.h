// Dragging a window by hand on its own surfaces: a left press remembers the
// grabbed point (twips relative to the pressed surface, halves to even); each
// move with the left button held moves the window so that the grabbed point
// stays under the pointer. Other buttons do nothing.
#pragma once

#include <cstdint>

#include "forms/forms.h"
#include "platform/units.h"

namespace lumo::forms {

struct HandDrag {
    std::int32_t dragStartX = 0;
    std::int32_t dragStartY = 0;

    void press(const MouseEvent& e) {
        if ((e.button & kLeftButton) == 0) return;
        dragStartX = roundHalfEven(e.x);
        dragStartY = roundHalfEven(e.y);
    }

    void moveWindow(Form& window, const MouseEvent& e) const {
        if ((e.button & kLeftButton) == 0) return;
        // In double: a far-off window and press never overflow the sums.
        const double left = static_cast<double>(window.left()) - dragStartX + e.x;
        const double top = static_cast<double>(window.top()) - dragStartY + e.y;
        window.move(roundHalfEven(left), roundHalfEven(top), window.width(), window.height());
    }
};

}  // namespace lumo::forms
