#include "pointer_core/kept_settings.h"

#include <array>
#include <limits>

#include "pointer_core/key_name_table.h"

namespace lumo {

namespace {

// Indexed by Action.
constexpr std::array<const char*, kActionCount> kKeyNames{"KeyUp",    "KeyDown",      "KeyLeft",
                                                          "KeyRight", "KeyLeftClick", "KeyRightClick"};
constexpr const char* kStepName = "StepPixels";
constexpr const char* kFollowModeName = "FollowMode";

struct YesNo {
    const char* name;
    bool Settings::*field;
};
constexpr std::array<YesNo, 6> kYesNos{{
    {"HotkeysEnabled", &Settings::hotkeysEnabled},
    {"HideVirtualMouse", &Settings::hideVirtualMouse},
    {"ShowCoordinates", &Settings::showCoordinates},
    {"ColorPointer", &Settings::colorPointer},
    {"StayOnTop", &Settings::stayOnTop},
    {"Applied", &Settings::applied},
}};

// Stored as 1, 2 and 3.
constexpr std::array<FollowMode, 3> kFollowModes{FollowMode::Slow, FollowMode::Fast, FollowMode::DragByHand};

const char* keyName(Action action) { return kKeyNames[static_cast<std::size_t>(action)]; }

// A code the key picker offers; nothing for any other number.
std::optional<KeyCode> bindableKey(std::uint32_t number) {
    if (number > std::numeric_limits<std::uint8_t>::max()) return std::nullopt;
    const KeyCode key(static_cast<std::uint8_t>(number));
    if (!rowOfKeyCode(key)) return std::nullopt;
    return key;
}

std::uint32_t followModeNumber(FollowMode mode) {
    for (std::uint32_t i = 0; i < kFollowModes.size(); ++i) {
        if (kFollowModes[i] == mode) return i + 1;
    }
    return 1;
}

// The number a kept value holds; nothing for a value of another type or size.
std::optional<std::uint32_t> keptNumber(const KeptValue& value) {
    if (!value.isNumber || value.bytes.size() != 4) return std::nullopt;
    return static_cast<std::uint32_t>(value.bytes[0]) | static_cast<std::uint32_t>(value.bytes[1]) << 8 |
           static_cast<std::uint32_t>(value.bytes[2]) << 16 | static_cast<std::uint32_t>(value.bytes[3]) << 24;
}

}  // namespace

Settings readKeptSettings(Platform& platform) {
    const auto stored = [&platform](const char* name) -> std::optional<std::uint32_t> {
        const auto value = platform.keptValue(name);
        return value ? keptNumber(*value) : std::nullopt;
    };
    Settings settings;
    for (const Action action : kActions) {
        if (const auto number = stored(keyName(action))) {
            if (const auto key = bindableKey(*number)) settings.keys[action] = *key;
        }
    }
    // Whatever the step box accepts: 0 to the largest signed 32-bit number.
    if (const auto step = stored(kStepName); step && *step <= std::numeric_limits<std::int32_t>::max()) {
        settings.stepPixels = static_cast<std::int32_t>(*step);
    }
    for (const YesNo& yesNo : kYesNos) {
        if (const auto number = stored(yesNo.name); number && *number <= 1) settings.*yesNo.field = *number == 1;
    }
    if (const auto mode = stored(kFollowModeName); mode && *mode >= 1 && *mode <= kFollowModes.size()) {
        settings.followMode = kFollowModes[*mode - 1];
    }
    return settings;
}

void keepSettings(Platform& platform, const Settings& settings) {
    for (const Action action : kActions) platform.keepNumber(keyName(action), settings.keys[action].code());
    platform.keepNumber(kStepName, static_cast<std::uint32_t>(settings.stepPixels));
    for (const YesNo& yesNo : kYesNos) platform.keepNumber(yesNo.name, settings.*yesNo.field ? 1 : 0);
    platform.keepNumber(kFollowModeName, followModeNumber(settings.followMode));
}

}  // namespace lumo
