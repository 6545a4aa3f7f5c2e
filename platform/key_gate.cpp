#include "platform/key_gate.h"

namespace lumo {

namespace {

// The keys that only change what other keys mean: both sides of Shift, Ctrl
// and Alt, their side-free codes, and the two Windows keys.
constexpr std::array<std::uint8_t, 11> kModifiers{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x10, 0x11, 0x12, 0x5B, 0x5C};
constexpr std::uint32_t kShiftBits = 0x043, kCtrlBits = 0x08C, kAltBits = 0x130, kWindowsBits = 0x600;

int modifierIndex(KeyCode key) {
    for (std::size_t i = 0; i < kModifiers.size(); ++i) {
        if (kModifiers[i] == key.code()) return static_cast<int>(i);
    }
    return -1;
}

// The side-free key of a left or right Shift, Ctrl or Alt; empty for any other key.
KeyCode sideFree(KeyCode key) {
    if (key.code() < 0xA0 || key.code() > 0xA5) return {};
    return KeyCode(static_cast<std::uint8_t>(0x10 + (key.code() - 0xA0) / 2));
}

// The keypad's own keys by their scan code, each with the digit it types and
// the key it reads as with NumLock off or under Shift (Home, an arrow,
// Insert...): either way the physical key is the digit. Any other code with
// such a scan code was made up by a program and is not that key.
struct KeypadKey {
    std::uint8_t scanCode, digit, twin;
};
constexpr std::array<KeypadKey, 11> kKeypad{{{0x47, 0x67, 0x24},
                                             {0x48, 0x68, 0x26},
                                             {0x49, 0x69, 0x21},
                                             {0x4B, 0x64, 0x25},
                                             {0x4C, 0x65, 0x0C},
                                             {0x4D, 0x66, 0x27},
                                             {0x4F, 0x61, 0x23},
                                             {0x50, 0x62, 0x28},
                                             {0x51, 0x63, 0x22},
                                             {0x52, 0x60, 0x2D},
                                             {0x53, 0x6E, 0x2E}}};

const KeypadKey* keypadKeyAt(const KeyStroke& stroke) {
    if (stroke.extended) return nullptr;
    for (const KeypadKey& key : kKeypad) {
        if (key.scanCode == stroke.scanCode) return &key;
    }
    return nullptr;
}

// The physical key a stroke comes from where it reads as another key: a
// keypad key read as its navigation twin, the keypad's Enter read as Enter.
KeyCode physicalKey(const KeyStroke& stroke) {
    if (stroke.key == Key::Enter && stroke.extended) return Key::KeypadEnter;
    const KeypadKey* keypad = keypadKeyAt(stroke);
    if (!keypad || (stroke.key.code() != keypad->digit && stroke.key.code() != keypad->twin)) return {};
    return KeyCode(keypad->digit);
}

// A stroke whose code the key at its scan code cannot produce.
bool foreignToItsScanCode(const KeyStroke& stroke) {
    const KeypadKey* keypad = keypadKeyAt(stroke);
    return keypad && physicalKey(stroke).empty();
}

}  // namespace

std::uint64_t KeyTable::pack() const {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) word |= std::uint64_t{keys[i].code()} << (8 * i);
    word |= std::uint64_t{on} << 48;
    word |= std::uint64_t{switchesTakenUp} << 49;
    word |= std::uint64_t{static_cast<std::uint8_t>(sightEpoch & 0x7F)} << 57;
    return word;
}

KeyTable KeyTable::unpack(std::uint64_t word) {
    KeyTable table;
    for (std::size_t i = 0; i < table.keys.size(); ++i) {
        table.keys[i] = KeyCode(static_cast<std::uint8_t>(word >> (8 * i)));
    }
    table.on = (word >> 48 & 1) != 0;
    table.switchesTakenUp = static_cast<std::uint8_t>(word >> 49);
    table.sightEpoch = static_cast<std::uint8_t>(word >> 57 & 0x7F);
    return table;
}

bool KeyTable::binds(KeyCode key) const {
    if (key.empty()) return false;
    for (const KeyCode bound : keys) {
        if (bound == key) return true;
    }
    return false;
}

bool KeyTable::bindsMouseButton() const {
    for (const std::uint8_t button : {0x01, 0x02, 0x04, 0x05, 0x06}) {
        if (binds(KeyCode(button))) return true;
    }
    return false;
}

bool KeyGate::on(const KeyTable& table) const {
    const bool flipped = (static_cast<std::uint8_t>(switchesSeen_ - table.switchesTakenUp) & 1) != 0;
    return table.on != flipped;
}

void KeyGate::reset(const KeyTable& table) {
    forgetPresses();
    switchesSeen_ = table.switchesTakenUp;
    sightEpoch_ = table.sightEpoch;
}

void KeyGate::restart() { keepPresses(); }

void KeyGate::countHotKeySwitches(std::uint8_t total) {
    switchesSeen_ = static_cast<std::uint8_t>(switchesSeen_ + (total - hotKeySwitches_));
    hotKeySwitches_ = total;
}

GateVerdict KeyGate::keyboard(const KeyStroke& stroke, const KeyTable& table, bool (*ownWindowActive)()) {
    if (table.sightEpoch != sightEpoch_) {
        sightEpoch_ = table.sightEpoch;
        keepPresses();
    }
    // A typed character is text for the window in front, whatever its code.
    if (stroke.key == Key::Packet) return {};
    GateVerdict verdict = decide(stroke, table, ownWindowActive);
    const bool repeat = stroke.down && !verdict.switchPressed && !verdict.down;
    verdict.sendMask = verdict.withhold && !repeat && (modifiersDown_ & kAltBits) != 0;
    return verdict;
}

GateVerdict KeyGate::decide(const KeyStroke& stroke, const KeyTable& table, bool (*ownWindowActive)()) {
    const bool modifier = modifierIndex(stroke.key) >= 0;
    if (modifier) noteModifier(stroke.key, stroke.down);
    Record& record = records_[recordIndex(stroke)];
    GateVerdict verdict;
    if (!stroke.down) {
        // A release goes where its press went; one never seen passes.
        const Record press = record;
        record = {};
        verdict.withhold = press.press == Press::Switch || (press.press == Press::Taken && !modifier);
        if (press.press == Press::Taken) {
            verdict.reports = {press.reportedAs, foldedReport(press.reportedAs, false, table)};
        }
        return verdict;
    }
    if (continues(record)) {  // the keyboard's repeat
        verdict.withhold = record.press == Press::Switch || (record.press == Press::Taken && !modifier);
        return verdict;
    }
    if (switchStroke(stroke)) {
        ++switchesSeen_;
        record.press = Press::Switch;
        verdict.withhold = verdict.switchPressed = true;
        return verdict;
    }
    KeyCode bound;
    if (table.binds(stroke.key) || (modifier && table.binds(sideFree(stroke.key)))) {
        bound = stroke.key;
    } else if (table.binds(physicalKey(stroke))) {
        bound = physicalKey(stroke);
    }
    if (bound.empty() || !on(table) || (modifiersDown_ & kWindowsBits) || (ownWindowActive && ownWindowActive())) {
        // A kept taken press that now passes: the release the mouse missed is
        // reported first, so that it does not hold the key for ever.
        if (record.press == Press::Taken) verdict.reports = {record.reportedAs, KeyCode()};
        record = {Press::Passed, {}};
        return verdict;
    }
    record = {Press::Taken, bound};
    verdict.withhold = !modifier;
    verdict.down = true;
    verdict.reports = {bound, foldedReport(bound, true, table)};
    return verdict;
}

GateVerdict KeyGate::button(KeyCode button, bool down, const KeyTable& table, bool (*ownWindowActive)()) {
    Record& record = buttons_[button.code()];
    GateVerdict verdict;
    if (down) {
        if (continues(record)) return verdict;
        const bool taken = table.binds(button) && on(table) && !(ownWindowActive && ownWindowActive());
        record = {taken ? Press::Taken : Press::Passed, {}};
        verdict.down = taken;
        if (taken) verdict.reports[0] = button;
        return verdict;
    }
    if (record.press == Press::Taken) verdict.reports[0] = button;
    record = {};
    return verdict;
}

std::size_t KeyGate::recordIndex(const KeyStroke& stroke) {
    // Events another program makes up may carry no scan code, or one of a
    // key that cannot produce them: they are told apart by their key.
    if (stroke.scanCode == 0 || stroke.scanCode > 0xFF || foreignToItsScanCode(stroke)) {
        return 512 + stroke.key.code();
    }
    return stroke.scanCode + (stroke.extended ? 256 : 0);
}

bool KeyGate::switchStroke(const KeyStroke& stroke) const {
    if (stroke.key == kSwitchKey) return true;
    const bool all = (modifiersDown_ & kShiftBits) && (modifiersDown_ & kCtrlBits) && (modifiersDown_ & kAltBits);
    return stroke.key == kSwitchComboKey && all && !(modifiersDown_ & kWindowsBits);
}

void KeyGate::noteModifier(KeyCode key, bool down) {
    const std::uint32_t bit = 1u << modifierIndex(key);
    modifiersDown_ = down ? modifiersDown_ | bit : modifiersDown_ & ~bit;
}

KeyCode KeyGate::foldedReport(KeyCode key, bool down, const KeyTable& table) {
    const KeyCode folded = sideFree(key);
    if (folded.empty()) return {};
    const std::size_t index = folded.code() - 0x10;
    std::uint8_t& sides = foldedDown_[index];
    const bool wasDown = sides > 0;
    sides = down ? sides + 1 : (sides > 0 ? sides - 1 : 0);
    if (wasDown == (sides > 0)) return {};
    // Its release is reported where its press was, bound or not by then.
    const bool report = down ? table.binds(folded) : foldedReported_[index];
    foldedReported_[index] = down && report;
    return report ? folded : KeyCode();
}

bool KeyGate::continues(const Record& record) {
    return record.press != Press::None && !(record.kept && record.press == Press::Taken);
}

void KeyGate::keepPresses() {
    for (Record& record : records_) record.kept = true;
    for (Record& record : buttons_) record.kept = true;
    foldedDown_.fill(0);
    foldedReported_.fill(false);
    modifiersDown_ = 0;
}

void KeyGate::forgetPresses() {
    records_.fill({});
    buttons_.fill({});
    foldedDown_.fill(0);
    foldedReported_.fill(false);
    modifiersDown_ = 0;
}

}  // namespace lumo
