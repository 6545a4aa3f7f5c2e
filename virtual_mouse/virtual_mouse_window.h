// The virtual mouse: a frameless floating window whose background is its
// transparency colour key, so only the mouse picture, the arrowhead at its
// top-left corner (the tip) and the coordinate labels are seen. It hosts the
// upkeep tick (upkeepTimer) and the follow tick (followTimer). It never takes
// the foreground or the keyboard focus.
#pragma once

#include <cstdint>

#include "forms/forms.h"
#include "forms/hand_drag.h"
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

class VirtualMouseWindow : public forms::Form {
public:
    VirtualMouseWindow(forms::Runtime& runtime, SharedState& state);

    // A click zone is about to click: nothing else may hold a button then.
    std::function<void()> ZoneClicking;

    // The pointer moved: a follow tick asleep at the pointer wakes.
    void pointerMoved();
    // The window's top-left corner (pixels) at the last zone click.
    Point tipAtLastClick() const { return tipAtLastClick_; }

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

protected:
    void design() override;

private:
    void addPictureAndZones();
    void addArrowhead();
    void addCoordinateLabels();
    void addTimers();

    void onLoad();
    void applyZOrder();

    // Dragging by hand; the form background, mousePicture and dragArea share one pair.
    void wireDragSurface(std::function<void(const forms::MouseEvent&)>& down,
                         std::function<void(const forms::MouseEvent&)>& move);
    // A real click of the primary or secondary button 5 pixels left of the
    // tip, level with it.
    void clickBesideTip(bool primary);

    void upkeepTick();
    void showCoordinates();
    void recolourArrowhead();
    void setFollowPace();
    void setFollowWakesOnMoves(bool on);
    void followTick();
    // Where the follow tick puts the window's corner for a pointer position (twips).
    Point followTarget(Point pointer);
    bool atFollowTarget(Point pointer);

    SharedState& state_;
    Point tipAtLastClick_;
    forms::HandDrag drag_;
    // Following with input reports: the follow tick sleeps while the
    // window is at the pointer and pointer moves wake it.
    bool followWakesOnMoves_ = false;
};

}  // namespace lumo
