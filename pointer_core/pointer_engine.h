// The keyboard pointer engine: while hotkeys are on, each tick moves the real
// pointer by the step for every held direction key and injects one full click
// for every held click key. It keeps no state between ticks.
#pragma once

#include "platform/platform.h"
#include "pointer_core/shared_state.h"

namespace lumo {

// One tick (the virtual mouse window's Timer3). All four moves start from the
// pointer position read at the start of the tick, so with several direction
// keys held the last one in the order up, down, left, right wins; the clicks
// come after the moves. At most 13 platform calls and no allocation.
void runPointerEngineTick(Platform& platform, const SharedState& state);

}  // namespace lumo
