#include "pointer_core/pointer_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "pointer_core/hold_curve.h"

namespace lumo {

namespace {

// Each button's own virtual-key code. A click slot bound to the button it
// presses would see its own press as the key going down: it does nothing.
constexpr std::array<KeyCode, 2> kButtonKeys{Key::LeftButton, Key::RightButton};

KeyCode keyOf(MouseButton button) { return button == MouseButton::Left ? Key::LeftButton : Key::RightButton; }

std::size_t indexOf(KeyCode key) { return key.code(); }

// A timer period that comes later than this after the last move counts this
// long only: a stalled machine never makes the pointer jump.
constexpr std::int64_t kLateTickMs = 50;

std::int32_t movedBy(std::int32_t at, std::int64_t shift) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(at + shift, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void PointerEngine::start(InputListener& listener) {
    started_ = true;
    reported_ = platform_.watchInput(&listener);
    down_.reset();
    holding_ = false;
}

void PointerEngine::stop() {
    releaseButtons();
    if (started_) platform_.watchInput(nullptr);
    started_ = reported_ = false;
}

bool PointerEngine::wantsTicks() const {
    if (!started_ || !settings_.hotkeysEnabled) return false;
    return !reported_ || directionKeyDown();
}

bool PointerEngine::keyChanged(KeyCode key, bool down) {
    if (!started_ || key.empty()) return false;
    // A key already down that reports down again is the keyboard's repeat.
    const bool pressed = down && !down_[indexOf(key)];
    noteKey(key, down);
    if (!settings_.hotkeysEnabled) {
        releaseButtons();
        holding_ = false;
        return false;
    }
    std::bitset<kKeyCount> pressedKeys;
    pressedKeys[indexOf(key)] = pressed;
    updateButtons(pressedKeys);
    // A direction key moves at once: its step as it goes down, the rest of
    // the curve's way as it comes up.
    return (pressed || !down) && isDirectionKey(key) ? followHeldDirections() : false;
}

bool PointerEngine::tick() {
    if (!started_) return false;
    if (!settings_.hotkeysEnabled) {
        releaseButtons();
        holding_ = false;
        return false;
    }
    if (reported_) return followHeldDirections();
    const std::bitset<kKeyCount> pressedKeys = probeSlots();
    const bool moved = followHeldDirections();
    // The buttons after the moves: a click lands where this tick's moves ended.
    updateButtons(pressedKeys);
    return moved;
}

void PointerEngine::releaseButtons() {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (heldBy_[b].empty()) continue;
        letGo(b);
    }
}

void PointerEngine::letGo(std::size_t b) {
    heldBy_[b] = KeyCode();
    if (unseen_) releasedUnseen_[b] = true;
    platform_.releaseButton(pressed_[b]);
}

void PointerEngine::lostSight() {
    unseen_ = true;
    releaseButtons();
    down_.reset();
    holding_ = false;
}

void PointerEngine::regainedSight() {
    unseen_ = false;
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (!releasedUnseen_[b] || !heldBy_[b].empty()) continue;
        if (platform_.isKeyDown(keyOf(pressed_[b]))) {
            platform_.releaseButton(pressed_[b]);
        } else {
            releasedUnseen_[b] = false;
        }
    }
}

void PointerEngine::keysReported(bool reported) {
    if (!started_ || reported == reported_) return;
    // What was held is let go as on a loss of sight, and checked as such.
    const bool unseen = unseen_;
    lostSight();
    unseen_ = unseen;
    reported_ = reported;
}

void PointerEngine::noteKey(KeyCode key, bool down) {
    if (key.empty()) return;
    const std::size_t index = indexOf(key);
    if (down && !down_[index]) pressOrder_[index] = ++presses_;
    down_[index] = down;
}

bool PointerEngine::isDown(KeyCode key) const { return !key.empty() && down_[indexOf(key)]; }

bool PointerEngine::directionKeyDown() const {
    const KeyBindings& keys = settings_.keys;
    return isDown(keys[Action::Up]) || isDown(keys[Action::Down]) || isDown(keys[Action::Left]) ||
           isDown(keys[Action::Right]);
}

bool PointerEngine::isDirectionKey(KeyCode key) const {
    const KeyBindings& keys = settings_.keys;
    return key == keys[Action::Up] || key == keys[Action::Down] || key == keys[Action::Left] ||
           key == keys[Action::Right];
}

bool PointerEngine::followHeldDirections() {
    const bool anyDown = directionKeyDown();
    if (!anyDown && !holding_) return false;
    const std::int64_t now = platform_.monotonicMs();
    const Point at = platform_.cursorPos();
    const bool starting = !holding_;
    if (starting) {
        holding_ = true;
        holdStart_ = now;
        heldMoved_ = 0;
        lastTarget_ = at;
        // The monitor is asked for after the keystroke's step has been made:
        // that step does not depend on it, and the look-up is a system call
        // the first move need not wait for.
        axes_ = {AxisMotion{}, AxisMotion{}};
    }
    const std::int64_t held = heldTime(now);
    const std::int64_t dx = advanceAxis(axes_[0], Action::Left, Action::Right, held, at.x, lastTarget_.x);
    const std::int64_t dy = advanceAxis(axes_[1], Action::Up, Action::Down, held, at.y, lastTarget_.y);
    pressesMoved_ = presses_;
    holding_ = anyDown;
    const bool moved = dx != 0 || dy != 0;
    // Both axes in one move: a diagonal, never a stair of two.
    if (moved) {
        lastTarget_ = {movedBy(at.x, dx), movedBy(at.y, dy)};
        platform_.setCursorPos(lastTarget_.x, lastTarget_.y);
    }
    if (starting) {
        // The top speed comes from the monitor the hold starts on and stays
        // for the whole hold, onto other monitors as well.
        const ScreenRect monitor = platform_.workAreaAt(at);
        axes_[0].extent = monitor.width();
        axes_[1].extent = monitor.height();
    }
    return moved;
}

std::int64_t PointerEngine::heldTime(std::int64_t now) {
    std::int64_t held = std::max(now - holdStart_, heldMoved_);
    if (held > heldMoved_ + kLateTickMs) {
        holdStart_ += held - heldMoved_ - kLateTickMs;
        held = heldMoved_ + kLateTickMs;
    }
    heldMoved_ = held;
    return held;
}

std::int64_t PointerEngine::advanceAxis(AxisMotion& axis, Action towardsLess, Action towardsMore, std::int64_t held,
                                        std::int32_t at, std::int32_t lastTarget) {
    const KeyCode less = settings_.keys[towardsLess], more = settings_.keys[towardsMore];
    const bool lessDown = isDown(less), moreDown = isDown(more);
    int wanted = moreDown ? 1 : 0;
    if (lessDown && (!moreDown || pressOrder_[indexOf(less)] > pressOrder_[indexOf(more)])) wanted = -1;

    const std::int32_t step = settings_.stepPixels;
    const double distance = heldDistance(step, held, axis.extent);
    std::int64_t shift = 0;
    if (axis.sign != 0) {
        // Standing elsewhere than last sent: an edge stopped it (or the user
        // moved the pointer), and the fraction owed is dropped.
        if (at != lastTarget) axis.remainder = 0;
        // Never backwards, should a new step shorten the curve mid-hold.
        axis.remainder = std::max(axis.remainder + distance - axis.distance, 0.0);
        const double whole = std::floor(axis.remainder);
        axis.remainder -= whole;
        shift = axis.sign * static_cast<std::int64_t>(std::min(whole, 4294967296.0));
    }
    if (wanted != axis.sign) {
        axis.sign = wanted;
        axis.remainder = 0;
        // A key just pressed gives its keystroke's step; one that takes over
        // when the later opposite key comes up goes on at the curve's speed.
        const KeyCode driver = wanted < 0 ? less : more;
        if (wanted != 0 && pressOrder_[indexOf(driver)] > pressesMoved_) {
            shift += std::int64_t{wanted} * std::max(step, 0);
        }
    }
    axis.distance = distance;
    return shift;
}

void PointerEngine::updateButtons(const std::bitset<kKeyCount>& pressedKeys) {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        // A button goes up with its key, or as soon as its slot is bound to
        // another key (the old key might never be watched again).
        if (!heldBy_[b].empty() && (!down_[indexOf(heldBy_[b])] || heldBy_[b] != clickKey(b))) {
            letGo(b);
        }
    }
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        const KeyCode key = clickKey(b);
        if (!heldBy_[b].empty() || key.empty() || key == kButtonKeys[b]) continue;
        if (!pressedKeys[indexOf(key)]) continue;
        heldBy_[b] = key;
        releasedUnseen_[b] = false;  // the button's state is this press's now
        pressed_[b] = physicalButton(/*primary=*/b == 0, platform_.buttonsSwapped());
        platform_.pressButton(pressed_[b]);
    }
}

std::bitset<PointerEngine::kKeyCount> PointerEngine::probeSlots() {
    std::bitset<kKeyCount> pressedKeys;
    for (const Action action : kActions) {
        const KeyCode key = settings_.keys[action];
        // The system's key state knows the keypad's Enter only as Enter.
        const bool down = platform_.isKeyDown(key == Key::KeypadEnter ? Key::Enter : key);
        // The key state of a button the engine holds is its own doing: it
        // tells nothing about the user, so it is left as last seen.
        if (isHeldButtonKey(key)) continue;
        if (down && !key.empty() && !down_[indexOf(key)]) pressedKeys[indexOf(key)] = true;
        noteKey(key, down);
    }
    return pressedKeys;
}

bool PointerEngine::isHeldButtonKey(KeyCode key) const {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (!heldBy_[b].empty() && key == kButtonKeys[b]) return true;
    }
    return false;
}

KeyCode PointerEngine::clickKey(std::size_t button) const {
    return settings_.keys[button == 0 ? Action::LeftClick : Action::RightClick];
}

}  // namespace lumo
