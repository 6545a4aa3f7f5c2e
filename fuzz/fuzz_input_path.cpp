// The whole keyboard input path on the simulated desktop: the key gate, the
// hooks' health watch, the keyboard mouse and its engine, driven by random
// sequences of key presses, repeats and releases, switch presses, silent
// hooks, failed installs, lost and regained sight, rebinding and button swaps.
//
// After every event the input thread's on/off is the program's; at the end
// of every sequence (all keys up, sight back) no button is down, the pointer
// rests and no key was withheld that the mouse had not taken.
//
// Input: pairs of [event] [argument]. What the input thread reports waits for
// an event that hands it to the user-interface thread, as posted messages do.
#include <array>
#include <cstddef>
#include <cstdint>
#include <set>

#include "fuzz/fuzz_support.h"
#include "forms/sim/sim_backend.h"
#include "pointer_core/keyboard_mouse.h"

namespace {

using lumo::KeyCode;
using lumo::KeyStroke;

struct PhysicalKey {
    std::uint8_t vk, scan;
    bool extended;
};

// Bound by default, unbound, modifiers, keypad keys as NumLock and Shift make
// them read, events without a scan code (as injected ones may come).
constexpr std::array<PhysicalKey, 16> kKeys{{
    {0x26, 0x48, true},   // Up
    {0x28, 0x50, true},   // Down
    {0x25, 0x4B, true},   // Left
    {0x27, 0x4D, true},   // Right
    {0x60, 0x52, false},  // keypad 0
    {0x2D, 0x52, false},  // keypad 0 under Shift: Insert
    {0x6E, 0x53, false},  // keypad .
    {0x2E, 0x53, false},  // keypad . under Shift: Delete
    {0x41, 0x1E, false},  // A
    {0x42, 0x30, false},  // B
    {0xA0, 0x2A, false},  // left Shift
    {0xA2, 0x1D, false},  // left Ctrl
    {0xA4, 0x38, false},  // left Alt
    {0x5B, 0x5B, true},   // left Windows
    {0x26, 0x00, false},  // Up without a scan code
    {0x41, 0x00, false},  // A without a scan code
}};
constexpr KeyCode kBindable[] = {KeyCode(0x26), KeyCode(0x28), KeyCode(0x25), KeyCode(0x27), KeyCode(0x60),
                                 KeyCode(0x6E), KeyCode(0x41), KeyCode(0x2D), KeyCode(0xA0), KeyCode(0x10)};
// Characters typed as VK_PACKET carry the character where a scan code goes.
constexpr std::uint8_t kPacket = 0xE7;

// The gate's record of a physical key.
int recordOf(const KeyStroke& stroke) {
    return stroke.scanCode == 0 ? 512 + stroke.key.code() : stroke.scanCode + (stroke.extended ? 256 : 0);
}

bool keypadScan(const KeyStroke& stroke) {
    return !stroke.extended && stroke.scanCode >= 0x47 && stroke.scanCode <= 0x53;
}

class InputPath {
public:
    InputPath() {
        platform.setScreenPixels(1280, 800);
        mouse.load();
        platform.setReportsQueued(true);
    }

    void run(std::uint8_t event, std::uint8_t argument) {
        switch (event % 12) {
            case 0: strike(kKeys[argument % kKeys.size()], true); break;
            case 1: strike(kKeys[argument % kKeys.size()], false); break;
            case 2: strike({kPacket, argument, false}, (argument & 0x80) != 0); break;
            case 3:
                strike({0x91, 0x46, false}, true);
                strike({0x91, 0x46, false}, false);
                break;
            case 4: platform.silenceHooks(); break;
            case 5: platform.failHookInstalls(argument % 3 + 1); break;
            case 6: backend.advance(3000); break;
            case 7: platform.setBlind(reasonOf(argument), (argument & 0x80) != 0); break;
            case 8:
                // The program's windows are out of reach while the keyboard is hidden.
                if (blind_ != 0) break;
                state.settings.keys[lumo::kActions[argument % lumo::kActionCount]] =
                    kBindable[(argument >> 3) % std::size(kBindable)];
                mouse.settingsChanged();
                break;
            case 9:
                if (blind_ == 0) platform.setButtonsSwapped((argument & 1) != 0);
                break;
            case 10: backend.advance(argument % 50 + 1); break;
            default: platform.deliverReports(); break;
        }
        // Once the user-interface thread has taken up every report.
        if (!platform.reportsPending()) FUZZ_CHECK(platform.gateOn() == state.settings.hotkeysEnabled);
    }

    // All keys up and sight back: nothing may stay pressed or keep moving.
    void finish() {
        for (const lumo::Blindness reason : kReasons) platform.setBlind(reason, false);
        blind_ = 0;
        platform.failHookInstalls(0);
        for (const PhysicalKey& key : kKeys) strike(key, false);
        platform.deliverReports();
        for (int i = 0; i < 3; ++i) {
            backend.advance(3000);
            platform.deliverReports();
        }
        FUZZ_CHECK(!platform.isKeyDown(lumo::Key::LeftButton));
        FUZZ_CHECK(!platform.isKeyDown(lumo::Key::RightButton));
        const std::size_t moves = platform.cursorMoves.size();
        backend.advance(1000);
        FUZZ_CHECK(platform.cursorMoves.size() == moves);
        FUZZ_CHECK(platform.gateOn() == state.settings.hotkeysEnabled);
    }

private:
    static constexpr std::array<lumo::Blindness, 5> kReasons{lumo::Blindness::Locked, lumo::Blindness::Disconnected,
                                                             lumo::Blindness::SecureDesktop,
                                                             lumo::Blindness::ElevatedInFront, lumo::Blindness::Asleep};

    lumo::Blindness reasonOf(std::uint8_t argument) {
        const lumo::Blindness reason = kReasons[argument % kReasons.size()];
        const unsigned bit = static_cast<unsigned>(reason);
        blind_ = (argument & 0x80) != 0 ? blind_ | bit : blind_ & ~bit;
        return reason;
    }

    void strike(const PhysicalKey& key, bool down) {
        const KeyStroke stroke{KeyCode(key.vk), key.scan, key.extended, down};
        const lumo::KeyTable table = platform.publishedTables.back();
        const int record = recordOf(stroke);
        const bool seen = blind_ == 0 && platform.hooksLive();
        const bool fresh = down && !taken_.count(record);
        const lumo::GateVerdict verdict = platform.strike(stroke);
        if (key.vk == kPacket) {
            // Text for the window in front: never taken, reported or ending a held key's record.
            FUZZ_CHECK(!verdict.withhold && verdict.reports == (std::array<KeyCode, 2>{}));
            return;
        }
        // The gate keeps its record of a press whose release it missed: a
        // later release of that key is still the mouse's.
        if (!seen) return;
        if (!verdict.withhold) {  // passed: whatever follows of this press passes too
            taken_.erase(record);
            return;
        }
        if (stroke.key == lumo::kSwitchKey || stroke.key == lumo::kSwitchComboKey) return;
        // A withheld key is one the mouse took at its press: bound then.
        if (fresh) FUZZ_CHECK(table.binds(stroke.key) || keypadScan(stroke));
        if (fresh) taken_.insert(record);
        FUZZ_CHECK(taken_.count(record));
        if (!down) taken_.erase(record);
    }

    lumo::sim::SimPlatform platform;
    lumo::sim::SimBackend backend{platform};
    lumo::forms::Runtime runtime{platform, backend};
    lumo::SharedState state;
    lumo::KeyboardMouse mouse{runtime, state};
    std::set<int> taken_;  // records whose press was withheld, by the gate's record index
    unsigned blind_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputPath path;
    for (std::size_t i = 0; i + 1 < size; i += 2) path.run(data[i], data[i + 1]);
    path.finish();
    return 0;
}
