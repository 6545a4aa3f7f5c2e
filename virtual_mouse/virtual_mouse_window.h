// Form1, the virtual mouse: a frameless floating window whose background is its
// transparency colour key, so only the mouse picture, the arrowhead at its
// top-left corner (the tip) and the coordinate labels are seen. It hosts the
// keyboard pointer engine (Timer3), the upkeep tick (Timer2) and the follow
// tick (Timer1). It never takes the foreground or the keyboard focus.
#pragma once

#include <cstdint>

#include "platform/forms/forms.h"
#include "platform/forms/hand_drag.h"
#include "pointer_core/shared_state.h"

namespace lumo {

// Background and colour key: red 213, green 0, blue 220.
inline constexpr forms::Color kVirtualMouseColorKey = 0xDC00D5;

class VirtualMouseWindow : public forms::Form {
public:
    VirtualMouseWindow(forms::Runtime& runtime, SharedState& state);

    forms::Image* Image1 = nullptr;  // the mouse picture (drag surface)
    forms::Image* Image2 = nullptr;  // left-click zone
    forms::Image* Image3 = nullptr;  // right-click zone
    forms::Image* Image4 = nullptr;  // drag area over the body
    forms::Line* Line1 = nullptr;    // arrowhead: top leg
    forms::Line* Line2 = nullptr;    // arrowhead: left leg
    forms::Line* Line3 = nullptr;    // arrowhead: diagonal
    forms::Label* Label1 = nullptr;  // real pointer's coordinates
    forms::Label* Label2 = nullptr;  // the window's own position (the tip)
    forms::Timer* Timer1 = nullptr;  // follow tick
    forms::Timer* Timer2 = nullptr;  // upkeep tick
    forms::Timer* Timer3 = nullptr;  // keyboard pointer engine

protected:
    void design() override;

private:
    void addPictureAndZones();
    void addArrowhead();
    void addCoordinateLabels();
    void addTimers();

    void onLoad();
    void applyZOrder();

    // Dragging by hand; the form background, Image1 and Image4 share one pair.
    void wireDragSurface(std::function<void(const forms::MouseEvent&)>& down,
                         std::function<void(const forms::MouseEvent&)>& move);
    // A real click 5 pixels left of the tip, level with it.
    void clickBesideTip(std::uint32_t mouseEventFlags);

    void upkeepTick();
    void showCoordinates();
    void recolourArrowhead();
    void setFollowPace();
    void followTick();

    SharedState& state_;
    forms::HandDrag drag_;
};

}  // namespace lumo
