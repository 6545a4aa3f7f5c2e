#include "pointer_core/hold_curve.h"

#include <algorithm>

namespace lumo {

namespace {

// The speed at the end of the delay, per pixel of step: the pace the step had
// on Windows' 64 timer ticks a second.
constexpr double kStartTicksPerSecond = 64.0;
// The time from the key-down by which one monitor is crossed; a little under
// the promised 1.5 s leaves room for a late timer tick.
constexpr double kCrossedAtSeconds = 1.4;

}  // namespace

double heldDistance(std::int32_t step, std::int64_t heldMs, std::int32_t extent) {
    // A step of 0 moves nothing at all.
    if (step <= 0) return 0;
    const double first = step;
    if (heldMs < kRepeatDelayMs) return first;
    const double ramp = (kTopSpeedAtMs - kRepeatDelayMs) / 1000.0;
    const double startSpeed = first * kStartTicksPerSecond;
    // The speed rises as smoothstep over the ramp, which covers the mean of
    // the two speeds; the rest of the monitor goes at the top speed.
    const double afterRamp = kCrossedAtSeconds - kTopSpeedAtMs / 1000.0;
    const double topSpeed = std::max(startSpeed, (extent - first - startSpeed * ramp / 2) / (ramp / 2 + afterRamp));
    const double t = (heldMs - kRepeatDelayMs) / 1000.0;
    if (t < ramp) {
        const double u = t / ramp;
        return first + startSpeed * t + (topSpeed - startSpeed) * ramp * (u * u * u - u * u * u * u / 2);
    }
    return first + (startSpeed + topSpeed) * ramp / 2 + topSpeed * (t - ramp);
}

}  // namespace lumo
