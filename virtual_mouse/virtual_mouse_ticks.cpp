// The upkeep tick (options applied from SharedState every 1.5 s) and the
// follow tick (the tip jumps to the real pointer).
#include <algorithm>

#include "platform/units.h"
#include "virtual_mouse/virtual_mouse_window.h"

namespace lumo {

namespace {

constexpr int kSlowFollowMs = 1000;
constexpr int kFastFollowMs = 50;
// Puts the tip just right of and below the pointer's hot spot.
constexpr double kFollowOffsetTwips = 10;

std::uint32_t randomChannel(Platform& platform) {
    return static_cast<std::uint32_t>(std::clamp(roundHalfEven(platform.random() * 255.0), 0, 255));
}

}  // namespace

void VirtualMouseWindow::upkeepTick() {
    applyZOrder();
    if (state_.settings.showCoordinates) {
        showCoordinates();
    } else {
        pointerCoordinates->setVisible(false);
        tipCoordinates->setVisible(false);
    }
    if (state_.settings.colorPointer) recolourArrowhead();
    if (state_.settings.hideVirtualMouse) hide();
    setFollowPace();
}

void VirtualMouseWindow::showCoordinates() {
    pointerCoordinates->setVisible(true);
    tipCoordinates->setVisible(true);
    const ScreenMetrics screen = platform().screen();
    tipCoordinates->setText(
        coordinateText(twipsToPixels(left(), screen.twipsPerPixelX), twipsToPixels(top(), screen.twipsPerPixelY)));
    const Point pointer = platform().cursorPos();
    pointerCoordinates->setText(coordinateText(pointer.x, pointer.y));
}

void VirtualMouseWindow::recolourArrowhead() {
    const std::uint32_t red = randomChannel(platform());
    const std::uint32_t green = randomChannel(platform());
    const std::uint32_t blue = randomChannel(platform());
    const forms::Color colour = red | green << 8 | blue << 16;
    arrowheadTop->setColor(colour);
    arrowheadLeft->setColor(colour);
    arrowheadDiagonal->setColor(colour);
}

FollowPace followPace(FollowMode mode, bool movesReported) {
    switch (mode) {
        case FollowMode::Slow: return FollowPace{true, kSlowFollowMs, movesReported};
        case FollowMode::Fast: return FollowPace{true, kFastFollowMs, movesReported};
        case FollowMode::DragByHand: return FollowPace{false, 0, false};
    }
    return FollowPace{true, kSlowFollowMs, false};
}

void VirtualMouseWindow::setFollowPace() {
    const FollowPace pace = followPace(state_.settings.followMode, state_.inputReported);
    setFollowWakesOnMoves(pace.wakesOnMoves);
    // Written on every tick; the runtime leaves a running countdown alone when
    // the value does not change.
    if (pace.ticks) followTimer->setInterval(pace.intervalMs);
    bool run = pace.ticks;
    // A tick asleep at the pointer wakes here for a pointer move the reports
    // miss (one made by another program).
    if (pace.wakesOnMoves) run = followTimer->enabled() || !atFollowTarget(platform().cursorPos());
    followTimer->setEnabled(run);
}

void VirtualMouseWindow::setFollowWakesOnMoves(bool on) {
    if (on == followWakesOnMoves_) return;
    followWakesOnMoves_ = on;
    platform().reportPointerMoves(on);
}

void VirtualMouseWindow::pointerMoved() {
    if (loaded() && followWakesOnMoves_ && !followTimer->enabled()) followTimer->setEnabled(true);
}

void VirtualMouseWindow::followTick() {
    const Point pointer = platform().cursorPos();
    pointerCoordinates->setText(coordinateText(pointer.x, pointer.y));
    const Point target = followTarget(pointer);
    if (followWakesOnMoves_ && left() == target.x && top() == target.y) {
        followTimer->setEnabled(false);
        return;
    }
    setLeft(target.x);
    setTop(target.y);
}

Point VirtualMouseWindow::followTarget(Point pointer) {
    const ScreenMetrics screen = platform().screen();
    return {roundHalfEven(pointer.x * screen.twipsPerPixelX + kFollowOffsetTwips),
            roundHalfEven(pointer.y * screen.twipsPerPixelY + kFollowOffsetTwips)};
}

bool VirtualMouseWindow::atFollowTarget(Point pointer) {
    const Point target = followTarget(pointer);
    return left() == target.x && top() == target.y;
}

}  // namespace lumo
