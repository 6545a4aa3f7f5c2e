// The engine's configuration in the benchmarks: hotkeys on, a step of 3 and
// the default bindings.
#pragma once

#include "pointer_core/shared_state.h"

namespace lumo::bench {

inline SharedState boundState() {
    SharedState state;
    state.hotkeysEnabled = 1;
    state.stepPixels = 3;
    bindDefaultKeys(state);
    return state;
}

}  // namespace lumo::bench
