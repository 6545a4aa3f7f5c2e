#include "pointer_core/pointer_engine.h"

#include "pointer_core/saturating.h"

namespace lumo {

namespace {

constexpr std::array<MouseButton, 2> kButtons{MouseButton::Left, MouseButton::Right};
// Each button's own virtual-key code. A click slot bound to the button it
// presses would see its own press as the key going down: it does nothing.
constexpr std::array<KeyCode, 2> kButtonKeys{Key::LeftButton, Key::RightButton};

bool isKeyCode(std::int32_t key) { return key > 0 && key < 256; }

}  // namespace

void PointerEngine::start(InputListener& listener) {
    started_ = true;
    reported_ = platform_.watchInput(&listener);
    down_.reset();
    pressedSinceStep_.reset();
}

void PointerEngine::stop() {
    releaseButtons();
    if (reported()) platform_.watchInput(nullptr);
    started_ = reported_ = false;
}

bool PointerEngine::wantsTicks() const {
    if (!started_ || !state_.hotkeysEnabled) return false;
    return !reported_ || directionKeyDown();
}

bool PointerEngine::keyChanged(std::int32_t virtualKey, bool down) {
    if (!started_ || !isKeyCode(virtualKey)) return false;
    // A key already down that reports down again is the keyboard's repeat.
    const bool pressed = down && !down_[static_cast<std::size_t>(virtualKey)];
    const bool wasStepping = directionKeyDown();
    noteKey(virtualKey, down);
    if (!state_.hotkeysEnabled) {
        releaseButtons();
        pressedSinceStep_.reset();
        return false;
    }
    std::bitset<kKeyCount> pressedKeys;
    pressedKeys[static_cast<std::size_t>(virtualKey)] = pressed;
    updateButtons(pressedKeys);
    // The first direction key moves at once; while one is held the timer
    // runs, and a key pressed meanwhile steps with the next tick.
    return pressed && !wasStepping && directionKeyDown() ? stepHeldDirections() : false;
}

bool PointerEngine::tick() {
    if (!started_) return false;
    if (!state_.hotkeysEnabled) {
        releaseButtons();
        pressedSinceStep_.reset();
        return false;
    }
    if (reported_) return stepHeldDirections();
    const std::bitset<kKeyCount> pressedKeys = probeSlots();
    const bool moved = stepHeldDirections();
    // The buttons after the moves: a click lands where this tick's moves ended.
    updateButtons(pressedKeys);
    return moved;
}

void PointerEngine::releaseButtons() {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (heldBy_[b] == 0) continue;
        heldBy_[b] = 0;
        platform_.releaseButton(kButtons[b]);
    }
}

void PointerEngine::noteKey(std::int32_t key, bool down) {
    if (!isKeyCode(key)) return;
    const auto index = static_cast<std::size_t>(key);
    if (down && !down_[index]) pressedSinceStep_[index] = true;
    down_[index] = down;
}

bool PointerEngine::isDown(std::int32_t key) const {
    if (!isKeyCode(key)) return false;
    const auto index = static_cast<std::size_t>(key);
    return down_[index] || pressedSinceStep_[index];
}

bool PointerEngine::directionKeyDown() const {
    return isDown(state_.keyUp) || isDown(state_.keyDown) || isDown(state_.keyLeft) || isDown(state_.keyRight);
}

bool PointerEngine::stepHeldDirections() {
    const bool up = isDown(state_.keyUp), down = isDown(state_.keyDown);
    const bool left = isDown(state_.keyLeft), right = isDown(state_.keyRight);
    pressedSinceStep_.reset();
    if (!(up || down || left || right)) return false;
    // Every move starts from this one position: no diagonal, the last held
    // key in the order up, down, left, right wins.
    const Point start = platform_.cursorPos();
    const std::int32_t step = state_.stepPixels;
    if (up) platform_.setCursorPos(start.x, saturatingSub(start.y, step));
    if (down) platform_.setCursorPos(start.x, saturatingAdd(start.y, step));
    if (left) platform_.setCursorPos(saturatingSub(start.x, step), start.y);
    if (right) platform_.setCursorPos(saturatingAdd(start.x, step), start.y);
    return true;
}

void PointerEngine::updateButtons(const std::bitset<kKeyCount>& pressedKeys) {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        // A button goes up with its key, or as soon as its slot is bound to
        // another key (the old key might never be watched again).
        if (heldBy_[b] != 0 && (!down_[static_cast<std::size_t>(heldBy_[b])] || heldBy_[b] != clickKey(b))) {
            heldBy_[b] = 0;
            platform_.releaseButton(kButtons[b]);
        }
    }
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        const std::int32_t key = clickKey(b);
        if (heldBy_[b] != 0 || !isKeyCode(key) || key == kButtonKeys[b]) continue;
        if (!pressedKeys[static_cast<std::size_t>(key)]) continue;
        heldBy_[b] = key;
        platform_.pressButton(kButtons[b]);
    }
}

std::bitset<PointerEngine::kKeyCount> PointerEngine::probeSlots() {
    const std::int32_t slots[] = {state_.keyUp,   state_.keyDown,      state_.keyLeft,
                                  state_.keyRight, state_.keyLeftClick, state_.keyRightClick};
    std::bitset<kKeyCount> pressedKeys;
    for (const std::int32_t key : slots) {
        const bool down = platform_.isKeyDown(key);
        // The key state of a button the engine holds is its own doing: it
        // tells nothing about the user, so it is left as last seen.
        if (isHeldButtonKey(key)) continue;
        if (down && isKeyCode(key) && !down_[static_cast<std::size_t>(key)]) {
            pressedKeys[static_cast<std::size_t>(key)] = true;
        }
        noteKey(key, down);
    }
    return pressedKeys;
}

bool PointerEngine::isHeldButtonKey(std::int32_t key) const {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (heldBy_[b] != 0 && key == kButtonKeys[b]) return true;
    }
    return false;
}

std::int32_t PointerEngine::clickKey(std::size_t button) const {
    return button == 0 ? state_.keyLeftClick : state_.keyRightClick;
}

}  // namespace lumo
