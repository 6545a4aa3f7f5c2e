// The settings kept between runs, one named 32-bit number each in the
// platform's kept store: the one reader and the one writer of that store.
#pragma once

#include "platform/platform.h"
#include "pointer_core/shared_state.h"

namespace lumo {

// The kept settings, each value checked on its own: a missing one, one of
// another type or size, or one out of range gives that setting's default and
// changes nothing else. Values of other names are ignored.
Settings readKeptSettings(Platform& platform);

// Stores every kept setting as it is in `settings`.
void keepSettings(Platform& platform, const Settings& settings);

}  // namespace lumo
