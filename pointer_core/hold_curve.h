// How far a held direction key has moved the pointer: one step at the
// key-down, nothing more until the key has been held kRepeatDelayMs (so an
// ordinary keystroke is exactly one step), then a speed that starts at the
// step 64 times a second and rises smoothly to a top speed reached
// kTopSpeedAtMs after the key-down. The top speed comes from the monitor's
// extent along the axis of motion: one held key crosses it within about 1.4 s
// of the key-down, and it is never below the starting speed.
#pragma once

#include <cstdint>

namespace lumo {

inline constexpr std::int64_t kRepeatDelayMs = 180;
inline constexpr std::int64_t kTopSpeedAtMs = 1000;

// The distance in pixels after `heldMs` of holding with the given step, on a
// monitor `extent` pixels wide (or high) along the axis.
double heldDistance(std::int32_t step, std::int64_t heldMs, std::int32_t extent);

}  // namespace lumo
