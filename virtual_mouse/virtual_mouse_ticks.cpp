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
    if (state_.showCoordinates) {
        showCoordinates();
    } else {
        Label1->setVisible(false);
        Label2->setVisible(false);
    }
    if (state_.colorPointer) recolourArrowhead();
    if (state_.hideVirtualMouse) hide();
    setFollowPace();
}

void VirtualMouseWindow::showCoordinates() {
    Label1->setVisible(true);
    Label2->setVisible(true);
    const ScreenMetrics screen = platform().screen();
    Label2->setText(coordinateText(twipsToPixels(left(), screen.twipsPerPixelX),
                                   twipsToPixels(top(), screen.twipsPerPixelY)));
    const Point pointer = platform().cursorPos();
    Label1->setText(coordinateText(pointer.x, pointer.y));
}

void VirtualMouseWindow::recolourArrowhead() {
    const std::uint32_t red = randomChannel(platform());
    const std::uint32_t green = randomChannel(platform());
    const std::uint32_t blue = randomChannel(platform());
    const forms::Color colour = red | green << 8 | blue << 16;
    Line1->setColor(colour);
    Line2->setColor(colour);
    Line3->setColor(colour);
}

void VirtualMouseWindow::setFollowPace() {
    // Written on every tick; the runtime leaves a running countdown alone when
    // the value does not change.
    switch (state_.followMode) {
        case FollowMode::Slow:
            setFollowWakesOnMoves(false);
            Timer1->setInterval(kSlowFollowMs);
            Timer1->setEnabled(true);
            break;
        case FollowMode::Fast:
            Timer1->setInterval(kFastFollowMs);
            if (engine_.reported()) {
                // Asleep while the window is at the pointer; a pointer move
                // the reports miss (one made by another program) is caught
                // here.
                setFollowWakesOnMoves(true);
                if (!Timer1->enabled() && !atFollowTarget(platform().cursorPos())) Timer1->setEnabled(true);
            } else {
                Timer1->setEnabled(true);
            }
            break;
        case FollowMode::DragByHand:
            setFollowWakesOnMoves(false);
            Timer1->setEnabled(false);
            break;
        case FollowMode::Unset:
            break;
    }
}

void VirtualMouseWindow::setFollowWakesOnMoves(bool on) {
    if (on == followWakesOnMoves_) return;
    followWakesOnMoves_ = on;
    platform().reportPointerMoves(on);
}

void VirtualMouseWindow::wakeFollow() {
    if (followWakesOnMoves_ && !Timer1->enabled()) Timer1->setEnabled(true);
}

void VirtualMouseWindow::followTick() {
    const Point pointer = platform().cursorPos();
    Label1->setText(coordinateText(pointer.x, pointer.y));
    const Point target = followTarget(pointer);
    if (followWakesOnMoves_ && left() == target.x && top() == target.y) {
        Timer1->setEnabled(false);
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
