#include "pointer_core/pointer_engine.h"

#include "pointer_core/saturating.h"

namespace lumo {

namespace {

// Each button's own virtual-key code. A click slot bound to the button it
// presses would see its own press as the key going down: it does nothing.
constexpr std::array<KeyCode, 2> kButtonKeys{Key::LeftButton, Key::RightButton};

KeyCode keyOf(MouseButton button) { return button == MouseButton::Left ? Key::LeftButton : Key::RightButton; }

std::size_t indexOf(KeyCode key) { return key.code(); }

}  // namespace

void PointerEngine::start(InputListener& listener) {
    started_ = true;
    reported_ = platform_.watchInput(&listener);
    down_.reset();
    pressedSinceStep_.reset();
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
    const bool wasStepping = directionKeyDown();
    noteKey(key, down);
    if (!settings_.hotkeysEnabled) {
        releaseButtons();
        pressedSinceStep_.reset();
        return false;
    }
    std::bitset<kKeyCount> pressedKeys;
    pressedKeys[indexOf(key)] = pressed;
    updateButtons(pressedKeys);
    // The first direction key moves at once; while one is held the timer
    // runs, and a key pressed meanwhile steps with the next tick.
    return pressed && !wasStepping && directionKeyDown() ? stepHeldDirections() : false;
}

bool PointerEngine::tick() {
    if (!started_) return false;
    if (!settings_.hotkeysEnabled) {
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
    pressedSinceStep_.reset();
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
    if (down && !down_[index]) pressedSinceStep_[index] = true;
    down_[index] = down;
}

bool PointerEngine::isDown(KeyCode key) const {
    if (key.empty()) return false;
    const std::size_t index = indexOf(key);
    return down_[index] || pressedSinceStep_[index];
}

bool PointerEngine::directionKeyDown() const {
    const KeyBindings& keys = settings_.keys;
    return isDown(keys[Action::Up]) || isDown(keys[Action::Down]) || isDown(keys[Action::Left]) ||
           isDown(keys[Action::Right]);
}

bool PointerEngine::stepHeldDirections() {
    const KeyBindings& keys = settings_.keys;
    const bool up = isDown(keys[Action::Up]), down = isDown(keys[Action::Down]);
    const bool left = isDown(keys[Action::Left]), right = isDown(keys[Action::Right]);
    pressedSinceStep_.reset();
    if (!(up || down || left || right)) return false;
    // Every move starts from this one position: no diagonal, the last held
    // key in the order up, down, left, right wins.
    const Point start = platform_.cursorPos();
    const std::int32_t step = settings_.stepPixels;
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
        const bool down = platform_.isKeyDown(key);
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
