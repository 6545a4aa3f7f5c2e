// The keyboard pointer engine: while hotkeys are on, a direction key moves the
// real pointer by the step as it goes down and then, held, by the distance the
// hold curve gives for the time held (pointer_core/hold_curve.h), read from the
// platform's clock on every timer period; two perpendicular keys move
// diagonally, of two opposite ones the later wins. The click keys act
// as the mouse buttons they stand for (key down: button down at the pointer,
// key up: button up), so a tap clicks, two taps double-click and holding a
// click key while moving drags.
//
// It learns of keys from the platform's input reports: a key's change is acted
// on at once and the timer runs only while a bound direction key is down.
// Where the platform cannot report input, it polls the six keys on every
// timer period instead and finds the same changes there. The host runs tick()
// on its timer and keeps that timer running exactly while wantsTicks().
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "platform/platform.h"
#include "pointer_core/shared_state.h"

namespace lumo {

class PointerEngine {
public:
    PointerEngine(Platform& platform, const Settings& settings) : platform_(platform), settings_(settings) {}

    // Asks for input reports to `listener`, which hands key changes back to
    // keyChanged(); polls when there are none.
    void start(InputListener& listener);
    // Lets go of the buttons and of the input reports.
    void stop();
    // True while key changes arrive as reports rather than by polling.
    bool reported() const { return started_ && reported_; }
    bool wantsTicks() const;

    // A reported key change. Returns true when it moved the pointer.
    bool keyChanged(KeyCode key, bool down);
    // One timer period: at most one move, to where the curve puts the pointer
    // now; when polling, then the click keys' changes. At most 15 platform
    // calls, no allocation. Returns true when it moved the pointer.
    bool tick();
    // Lets go of every button the engine holds: hotkeys switched off, a key
    // rebound, apply, a click of the virtual mouse, the program ending.
    void releaseButtons();
    // The keyboard can no longer be seen: its releases would be missed, so
    // nothing stays held or keeps moving.
    void lostSight();
    // Seen again, and now and then while seeing: a button let go while
    // unseen that the system still shows down (the release went nowhere) is
    // let go once more; it stays marked until the system shows it up.
    void regainedSight();
    // Key changes now come as reports, or by polling: what was learnt the
    // other way is let go, as on a loss of sight.
    void keysReported(bool reported);

private:
    static constexpr std::size_t kKeyCount = 256;
    static constexpr std::size_t kButtonCount = 2;

    // One axis of the held motion. Its distance is the curve's at the hold
    // time last moved to; the remainder is the fraction of a pixel not moved yet.
    struct AxisMotion {
        int sign = 0;             // -1 towards up or left, +1 towards down or right, 0 still
        std::int32_t extent = 0;  // the monitor's, fixed at the hold's start
        double distance = 0;
        double remainder = 0;
    };

    void noteKey(KeyCode key, bool down);
    bool isDown(KeyCode key) const;
    bool directionKeyDown() const;
    // Moves to where the held keys put the pointer now; starts the hold at
    // the first direction key and ends it when none is down.
    bool followHeldDirections();
    // The hold time now; a period that came late counts kLateTickMs at most.
    std::int64_t heldTime(std::int64_t now);
    // Pixels (signed) the axis moves by at hold time `held`, standing at `at`,
    // in the direction its two keys ask for: of both held, the later pressed.
    std::int64_t advanceAxis(AxisMotion& axis, Action towardsLess, Action towardsMore, std::int64_t held,
                             std::int32_t at, std::int32_t lastTarget);
    bool isDirectionKey(KeyCode key) const;
    // Releases the buttons whose key is up, then presses those whose click
    // key is among `pressedKeys`.
    void updateButtons(const std::bitset<kKeyCount>& pressedKeys);
    // Polls the six keys; returns those that went down since the last poll.
    std::bitset<kKeyCount> probeSlots();
    bool isHeldButtonKey(KeyCode key) const;
    // Lets go of a button; one let go while the keyboard is out of sight is marked.
    void letGo(std::size_t button);
    KeyCode clickKey(std::size_t button) const;

    Platform& platform_;
    const Settings& settings_;
    bool started_ = false;
    bool reported_ = false;
    std::bitset<kKeyCount> down_;
    // When each key last went down, counted in presses; a direction whose key
    // is newer than the last move owes its keystroke's step.
    std::array<std::uint64_t, kKeyCount> pressOrder_{};
    std::uint64_t presses_ = 0;
    std::uint64_t pressesMoved_ = 0;
    // The hold: one clock from the first direction key down until all are up.
    bool holding_ = false;
    std::int64_t holdStart_ = 0;
    std::int64_t heldMoved_ = 0;
    Point lastTarget_;
    std::array<AxisMotion, 2> axes_{};  // horizontal, vertical
    // The key that pressed each button (primary, secondary); empty when it
    // is up. The physical button each press used, for its release.
    std::array<KeyCode, kButtonCount> heldBy_{};
    std::array<MouseButton, kButtonCount> pressed_{};
    // Buttons let go while the keyboard was out of sight.
    std::array<bool, kButtonCount> releasedUnseen_{};
    bool unseen_ = false;
};

}  // namespace lumo
