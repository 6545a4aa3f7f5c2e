// Form1, the virtual mouse: a frameless floating window whose background is its
// transparency colour key, so only the mouse picture, the arrowhead at its
// top-left corner (the tip) and the coordinate labels are seen. It hosts the
// keyboard pointer engine (Timer3, running only while the engine asks), the
// upkeep tick (Timer2) and the follow tick (Timer1), and receives the
// platform's input reports for both. It never takes the foreground or the
// keyboard focus.
#pragma once

#include <cstdint>

#include "platform/forms/forms.h"
#include "platform/forms/hand_drag.h"
#include "pointer_core/pointer_engine.h"
#include "pointer_core/shared_state.h"

namespace lumo {

// Background and colour key: red 213, green 0, blue 220.
inline constexpr forms::Color kVirtualMouseColorKey = 0xDC00D5;

class VirtualMouseWindow : public forms::Form, private InputListener {
public:
    VirtualMouseWindow(forms::Runtime& runtime, SharedState& state);

    // The hotkey switch or a key binding changed, or the program is ending:
    // the engine lets go of the buttons it holds and takes up the change.
    void hotkeysChanged();

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

    // ---- InputListener ----
    void keyChanged(std::int32_t virtualKey, bool down) override;
    void pointerMoved() override;
    // Runs an engine step; a pointer it moved wakes fast follow.
    void afterEngineStep(bool movedPointer);

    // Dragging by hand; the form background, Image1 and Image4 share one pair.
    void wireDragSurface(std::function<void(const forms::MouseEvent&)>& down,
                         std::function<void(const forms::MouseEvent&)>& move);
    // A real click 5 pixels left of the tip, level with it.
    void clickBesideTip(MouseButton button);

    void upkeepTick();
    void showCoordinates();
    void recolourArrowhead();
    void setFollowPace();
    void setFollowWakesOnMoves(bool on);
    void wakeFollow();
    void followTick();
    // Where the follow tick puts the window's corner for a pointer position (twips).
    Point followTarget(Point pointer);
    bool atFollowTarget(Point pointer);

    SharedState& state_;
    forms::HandDrag drag_;
    PointerEngine engine_;
    // Fast follow with input reports: the follow tick sleeps while the
    // window is at the pointer and pointer moves wake it.
    bool followWakesOnMoves_ = false;
};

}  // namespace lumo
