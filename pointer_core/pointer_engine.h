// The keyboard pointer engine: while hotkeys are on, the direction keys move
// the real pointer by the step on every timer period and the click keys act
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
    // One timer period: one step for every held direction key, all from the
    // one position read at its start, in the order up, down, left, right;
    // when polling, then the click keys' changes. At most 15 platform calls,
    // no allocation. Returns true when it moved the pointer.
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

    void noteKey(KeyCode key, bool down);
    bool isDown(KeyCode key) const;
    bool directionKeyDown() const;
    bool stepHeldDirections();
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
    // Keys that went down since the last step: a tap between two ticks still
    // gives its step.
    std::bitset<kKeyCount> pressedSinceStep_;
    // The key that pressed each button (primary, secondary); empty when it
    // is up. The physical button each press used, for its release.
    std::array<KeyCode, kButtonCount> heldBy_{};
    std::array<MouseButton, kButtonCount> pressed_{};
    // Buttons let go while the keyboard was out of sight.
    std::array<bool, kButtonCount> releasedUnseen_{};
    bool unseen_ = false;
};

}  // namespace lumo
