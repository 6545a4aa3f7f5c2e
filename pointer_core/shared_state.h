// The one process-wide record through which the windows and the keyboard
// pointer engine exchange settings: the settings in effect, and beside them
// the few scratch values the windows pass each other.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/key_codes.h"

namespace lumo {

// How the virtual mouse follows the real pointer.
enum class FollowMode {
    Slow,        // jumps to the pointer once a second
    Fast,        // jumps to the pointer twenty times a second
    DragByHand,  // stays where the user drags it
};

// The six things a bound key does, in the order the settings window lists them.
enum class Action { Up, Down, Left, Right, LeftClick, RightClick };
inline constexpr std::size_t kActionCount = 6;
inline constexpr std::array<Action, kActionCount> kActions{Action::Up,    Action::Down,      Action::Left,
                                                           Action::Right, Action::LeftClick, Action::RightClick};

// The key bound to each action.
class KeyBindings {
public:
    KeyCode& operator[](Action action) { return keys_[static_cast<std::size_t>(action)]; }
    KeyCode operator[](Action action) const { return keys_[static_cast<std::size_t>(action)]; }
    friend bool operator==(const KeyBindings&, const KeyBindings&) = default;

private:
    std::array<KeyCode, kActionCount> keys_{};
};

// The bindings of a first start: the four arrow keys, keypad 0 (left click)
// and the keypad decimal point (right click).
inline KeyBindings defaultKeyBindings() {
    KeyBindings keys;
    keys[Action::Up] = Key::Up;
    keys[Action::Down] = Key::Down;
    keys[Action::Left] = Key::Left;
    keys[Action::Right] = Key::Right;
    keys[Action::LeftClick] = Key::NumpadZero;
    keys[Action::RightClick] = Key::NumpadDecimal;
    return keys;
}

// What the user chose, as in effect now; as constructed, the settings of a
// first start, which the settings window shows before anything is applied.
struct Settings {
    KeyBindings keys = defaultKeyBindings();
    std::int32_t stepPixels = 3;    // pixels per engine tick while a direction key is held
    bool hotkeysEnabled = false;    // the engine acts on the bound keys
    bool hideVirtualMouse = false;  // keep the virtual mouse hidden
    bool showCoordinates = true;    // coordinates under the virtual mouse
    bool colorPointer = true;       // recolour the arrowhead at random
    bool stayOnTop = true;          // virtual mouse topmost
    FollowMode followMode = FollowMode::Slow;
    bool applied = false;  // an apply has happened, in this run or an earlier one
    friend bool operator==(const Settings&, const Settings&) = default;
};

struct SharedState {
    Settings settings;

    bool inputReported = false;  // the system reports input (else the engine polls)
    // The hotkeys switch as kept: as read at start and as the settings window
    // last set it. The switch key changes only the running state, so that a
    // stray press never captures the keys at every later start.
    bool hotkeysKept = false;
};

}  // namespace lumo
