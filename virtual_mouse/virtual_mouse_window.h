// The virtual mouse: a frameless floating window whose background is its
// transparency colour key, so only the mouse picture, the arrowhead at its
// top-left corner (the tip) and the coordinate labels are seen. It hosts the
// keyboard pointer engine (engineTimer, running only while the engine asks), the
// upkeep tick (upkeepTimer) and the follow tick (followTimer), and receives the
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

// How the follow tick runs in one follow mode.
struct FollowPace {
    bool ticks = false;  // it runs at all
    int intervalMs = 0;
    bool wakesOnMoves = false;  // asleep while the window is at the pointer, woken by reported moves
};
FollowPace followPace(FollowMode mode, bool movesReported);

class VirtualMouseWindow : public forms::Form, private InputListener {
public:
    VirtualMouseWindow(forms::Runtime& runtime, SharedState& state);

    // The hotkey switch or a key binding changed, or the program is ending:
    // the engine lets go of the buttons it holds and takes up the change.
    void hotkeysChanged();

    // The picture and its hot areas: pressing a zone clicks beside the tip,
    // the picture and the drag area move the window by hand.
    forms::Image* mousePicture = nullptr;
    forms::Image* leftClickZone = nullptr;
    forms::Image* rightClickZone = nullptr;
    forms::Image* dragArea = nullptr;  // over the body

    // The arrowhead's three legs, recoloured by the colour-pointer option.
    forms::Line* arrowheadTop = nullptr;
    forms::Line* arrowheadLeft = nullptr;
    forms::Line* arrowheadDiagonal = nullptr;

    forms::Label* pointerCoordinates = nullptr;
    forms::Label* tipCoordinates = nullptr;  // the window's own position

    forms::Timer* followTimer = nullptr;
    forms::Timer* upkeepTimer = nullptr;
    forms::Timer* engineTimer = nullptr;  // ticks the keyboard pointer engine

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
    void keyChanged(KeyCode key, bool down) override;
    void pointerMoved() override;
    // Runs an engine step; a pointer it moved wakes fast follow.
    void afterEngineStep(bool movedPointer);

    // Dragging by hand; the form background, mousePicture and dragArea share one pair.
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
