// The one process-wide record through which the windows and the keyboard
// pointer engine exchange settings. Plain signed 32-bit fields, all zero at
// process start; yes/no fields hold 1 or 0 and readers compare with 1.
#pragma once

#include <cstdint>

namespace lumo {

struct SharedState {
    std::int32_t tipX = 0;              // virtual mouse left edge (px), at a zone click
    std::int32_t tipY = 0;              // virtual mouse top edge (px), at a zone click
    std::int32_t showCoordinates = 0;   // coordinates under the virtual mouse
    std::int32_t colorPointer = 0;      // recolour the arrowhead at random
    std::int32_t followMode = 0;        // 1 slow, 2 fast, 3 manual drag; 0 before the first apply
    std::int32_t stayOnTop = 0;         // virtual mouse topmost
    std::int32_t hotkeysEnabled = 0;    // the engine acts on held keys
    std::int32_t hideVirtualMouse = 0;  // keep the virtual mouse hidden
    std::intptr_t foregroundWindow = 0; // scratch: last foreground window seen by a watch
    std::int32_t pendingKeySlot = 0;    // key picker target: 1 up .. 6 right click
    std::int32_t keyUp = 0;
    std::int32_t keyDown = 0;
    std::int32_t keyLeft = 0;
    std::int32_t keyRight = 0;
    std::int32_t keyLeftClick = 0;
    std::int32_t keyRightClick = 0;
    std::int32_t stepPixels = 0;        // pixels per engine tick while a direction key is held
};

// The bindings every load of the settings window starts from: the four arrow
// keys, keypad 0 (left click) and the keypad decimal point (right click).
inline void bindDefaultKeys(SharedState& state) {
    state.keyUp = 38;
    state.keyDown = 40;
    state.keyLeft = 37;
    state.keyRight = 39;
    state.keyLeftClick = 96;
    state.keyRightClick = 110;
}

}  // namespace lumo
