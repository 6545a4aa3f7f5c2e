// Which keyboard events the keyboard mouse takes for itself and which it
// reports, decided on the input thread for every event before it reaches any
// program. The thread reads the settings it needs from a KeyTable the
// user-interface thread publishes as one word, so it never waits for that
// thread; everything else it keeps itself, per physical key.
//
// While the keyboard mouse is on, a press of a bound key is taken: it and its
// repeats and release reach no program, and its changes are reported. Shift,
// Ctrl, Alt and the Windows keys always pass, as does any key pressed while
// the mouse was off or while a window of this program was active; a release
// always follows its press, whatever the key reads as by then.
#pragma once

#include <array>
#include <cstdint>

#include "platform/key_codes.h"

namespace lumo {

// The key that switches the keyboard mouse on and off, and the combination
// that does the same on keyboards without it: Ctrl+Alt+Shift+K.
inline constexpr KeyCode kSwitchKey{0x91};  // Scroll Lock
inline constexpr KeyCode kSwitchComboKey{0x4B};
// A key code no key and no program uses, sent to end an Alt gesture without
// opening the focused window's menu bar.
inline constexpr KeyCode kMaskKey{0xE8};

// What the input thread needs of the settings.
struct KeyTable {
    std::array<KeyCode, 6> keys{};  // the bound keys, in any order; empty slots bind nothing
    bool on = false;                // the keyboard mouse acts on them
    // Switch presses the user-interface thread has taken up; the input thread
    // flips its own view for each one it saw beyond these.
    std::uint8_t switchesTakenUp = 0;
    // Counts the times the program lost sight of the keyboard: a new value
    // makes the input thread keep its presses only as kept ones (see restart).
    std::uint8_t sightEpoch = 0;

    std::uint64_t pack() const;
    static KeyTable unpack(std::uint64_t word);
    bool binds(KeyCode key) const;
    bool bindsMouseButton() const;
    friend bool operator==(const KeyTable&, const KeyTable&) = default;
};

// A key change the input thread decided with a table of sight epoch
// `decided` reaches the program after it lost sight again (epoch `now`): the
// program has let go of everything since, so the change is dropped. Switch
// presses are never dropped.
inline bool staleKeyReport(std::uint8_t decided, std::uint8_t now) { return ((decided ^ now) & 0x7F) != 0; }

// One keyboard event as the system's hook sees it.
struct KeyStroke {
    KeyCode key;                 // the virtual-key code it reads as now
    std::uint16_t scanCode = 0;  // a typed character's code unit for Key::Packet
    bool extended = false;
    bool down = false;
};

// What to do with one event: withhold it from every program, and what to
// report to the user-interface thread (up to two key changes: a left or right
// Shift, Ctrl or Alt also changes the key that stands for both sides).
struct GateVerdict {
    bool withhold = false;
    bool switchPressed = false;
    bool down = false;
    std::array<KeyCode, 2> reports{};
    // An event was withheld while Alt is down: the focused window would take
    // the lone Alt for a menu-bar tap unless a key nobody uses follows.
    bool sendMask = false;
    friend bool operator==(const GateVerdict&, const GateVerdict&) = default;
};

class KeyGate {
public:
    // `ownWindowActive` is asked only for a fresh press of a bound key.
    GateVerdict keyboard(const KeyStroke& stroke, const KeyTable& table, bool (*ownWindowActive)());
    // Mouse buttons are never withheld; reported while they are bound and the
    // mouse is on, and no window of this program is active (a bound button
    // must still work its own settings).
    GateVerdict button(KeyCode button, bool down, const KeyTable& table, bool (*ownWindowActive)());
    // Whether the keyboard mouse is on, switch presses not yet taken up included.
    bool on(const KeyTable& table) const;
    // Input reports start: no press is remembered, no switch press is pending.
    void reset(const KeyTable& table);
    // The hooks are installed again: switch presses not yet taken up stay
    // pending, and the presses stay remembered, but as kept ones: a press of
    // a taken key that arrives on one is a new press (its release may have
    // been lost while no hook ran) and is reported again.
    void restart();
    // Switch presses that came as registered hot keys (while no hook ran),
    // counted from the start; the user-interface thread takes them up as it
    // takes up the gate's own.
    void countHotKeySwitches(std::uint8_t total);

private:
    enum class Press : std::uint8_t { None, Passed, Taken, Switch };
    struct Record {
        Press press = Press::None;
        KeyCode reportedAs;
        bool kept = false;  // remembered from before a restart or a loss of sight
    };
    static constexpr std::size_t kRecordCount = 512 + 256;  // scan codes both ways, then keys without one

    static std::size_t recordIndex(const KeyStroke& stroke);
    GateVerdict decide(const KeyStroke& stroke, const KeyTable& table, bool (*ownWindowActive)());
    // A press on this record goes on with it (a repeat): anything but a kept taken one.
    static bool continues(const Record& record);
    bool switchStroke(const KeyStroke& stroke) const;
    void noteModifier(KeyCode key, bool down);
    // The side-free key a reported Shift, Ctrl or Alt change also changes, if it is bound.
    KeyCode foldedReport(KeyCode key, bool down, const KeyTable& table);
    void forgetPresses();
    void keepPresses();

    std::array<Record, kRecordCount> records_{};
    std::uint32_t modifiersDown_ = 0;           // bit per modifier key, taken or not
    std::array<std::uint8_t, 3> foldedDown_{};  // reported sides down per Shift, Ctrl, Alt
    std::array<bool, 3> foldedReported_{};      // the side-free key's press was reported
    std::array<Record, 256> buttons_{};
    std::uint8_t switchesSeen_ = 0;
    std::uint8_t hotKeySwitches_ = 0;
    std::uint8_t sightEpoch_ = 0;
};

}  // namespace lumo
