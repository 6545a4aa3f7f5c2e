// Whether the system's input hooks still report, and what to do when they do
// not, decided on the user-interface thread. The backend tells it what it sees
// (hook events, a keyboard-only witness of the system's input, the reasons the
// keyboard is hidden from the program) and runs the hooks as it asks.
//
// - Silence: the witness saw a keyboard event well after the hooks' last one.
//   It is never judged while the keyboard is hidden, nor from events the
//   witness saw before sight came back.
// - A silent hook is taken down and installed again, reported as a loss of
//   sight and sight regained (if nothing hides the keyboard then).
// - A failed install is tried again at the next upkeep. While no hook works
//   keys are polled and the switch comes as registered hot keys.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace lumo {

// Why the keyboard cannot be seen now; any one of them is enough.
enum class Blindness : unsigned { Locked = 1, Disconnected = 2, SecureDesktop = 4, ElevatedInFront = 8, Asleep = 16 };

// What the health watch asks of the backend.
class HookDriver {
public:
    virtual ~HookDriver() = default;
    // True when the hooks report from now on.
    virtual bool installHooks() = 0;
    virtual void removeHooks() = 0;
    virtual void takeSwitchAsHotKeys(bool on) = 0;
};

class InputHealth {
public:
    // A witnessed event this much newer than the hooks' last one is silence.
    static constexpr std::int32_t kGraceMs = 500;

    explicit InputHealth(HookDriver& driver) : driver_(driver) {}

    // Starts reporting to `listener`: false when the hooks could not be
    // installed (keys are then polled).
    bool start(InputListener& listener);
    void stop();
    bool hooked() const { return hooked_; }
    bool blind() const { return blindness_ != 0; }

    // The witness saw a keyboard event at `time` (milliseconds, wrapping).
    void keyboardWitnessed(std::uint32_t time);
    void setBlind(Blindness reason, bool on);
    // The periodic look, with the time of the hooks' last event.
    void upkeep(std::uint32_t lastHookEvent);

private:
    void install();

    HookDriver& driver_;
    InputListener* listener_ = nullptr;
    bool hooked_ = false;
    bool hotKeys_ = false;
    unsigned blindness_ = 0;
    bool witnessed_ = false;
    std::uint32_t lastWitnessed_ = 0;
};

}  // namespace lumo
