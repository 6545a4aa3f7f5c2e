// The one process-wide record through which the windows and the keyboard
// pointer engine exchange settings. Everything is off, zero or unbound at
// process start.
#pragma once

#include <cstdint>

#include "platform/key_codes.h"

namespace lumo {

// How the virtual mouse follows the real pointer.
enum class FollowMode {
    Unset,       // before the first apply: the follow timer is left as it is
    Slow,        // jumps to the pointer once a second
    Fast,        // jumps to the pointer twenty times a second
    DragByHand,  // stays where the user drags it
};

struct SharedState {
    std::int32_t tipX = 0;              // virtual mouse left edge (px), at a zone click
    std::int32_t tipY = 0;              // virtual mouse top edge (px), at a zone click
    bool showCoordinates = false;       // coordinates under the virtual mouse
    bool colorPointer = false;          // recolour the arrowhead at random
    FollowMode followMode = FollowMode::Unset;
    bool stayOnTop = false;             // virtual mouse topmost
    bool hotkeysEnabled = false;        // the engine acts on held keys
    bool hideVirtualMouse = false;      // keep the virtual mouse hidden
    std::intptr_t foregroundWindow = 0; // scratch: last foreground window seen by a watch
    std::int32_t pendingKeySlot = 0;    // key picker target: 1 up .. 6 right click
    KeyCode keyUp = 0;
    KeyCode keyDown = 0;
    KeyCode keyLeft = 0;
    KeyCode keyRight = 0;
    KeyCode keyLeftClick = 0;
    KeyCode keyRightClick = 0;
    std::int32_t stepPixels = 0;        // pixels per engine tick while a direction key is held
};

// The bindings every load of the settings window starts from: the four arrow
// keys, keypad 0 (left click) and the keypad decimal point (right click).
inline void bindDefaultKeys(SharedState& state) {
    state.keyUp = Key::Up;
    state.keyDown = Key::Down;
    state.keyLeft = Key::Left;
    state.keyRight = Key::Right;
    state.keyLeftClick = Key::NumpadZero;
    state.keyRightClick = Key::NumpadDecimal;
}

}  // namespace lumo
