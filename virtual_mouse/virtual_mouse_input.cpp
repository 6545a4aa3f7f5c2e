// Dragging the virtual mouse by hand and its two click zones.
#include "platform/units.h"
#include "pointer_core/saturating.h"
#include "virtual_mouse/virtual_mouse_window.h"

namespace lumo {

void VirtualMouseWindow::wireDragSurface(std::function<void(const forms::MouseEvent&)>& down,
                                         std::function<void(const forms::MouseEvent&)>& move) {
    down = [this](const forms::MouseEvent& e) { drag_.press(e); };
    move = [this](const forms::MouseEvent& e) { drag_.moveWindow(*this, e); };
}

void VirtualMouseWindow::clickBesideTip(bool primary) {
    // A button a click key holds would make this click's press a stray one.
    forms::notify(ZoneClicking);
    const ScreenMetrics screen = platform().screen();
    tipAtLastClick_ = {twipsToPixels(left(), screen.twipsPerPixelX), twipsToPixels(top(), screen.twipsPerPixelY)};
    // Outside the window, so the click reaches whatever lies under the tip.
    platform().setCursorPos(saturatingSub(tipAtLastClick_.x, 5), tipAtLastClick_.y);
    platform().click(physicalButton(primary, platform().buttonsSwapped()));
}

}  // namespace lumo
