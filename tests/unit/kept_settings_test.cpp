// The settings kept between runs: every one survives a round trip, and a
// stored value that is missing, of another type or size, or out of range
// gives its setting's default and touches nothing else.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/sim/sim_platform.h"
#include "pointer_core/kept_settings.h"

namespace lumo {
namespace {

KeptValue number(std::uint32_t n) {
    return {true,
            {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
             static_cast<std::uint8_t>(n >> 24)}};
}

// Every setting away from its default.
Settings keptSettings() {
    Settings s;
    for (const Action action : kActions) {
        s.keys[action] = KeyCode(static_cast<std::uint8_t>(65 + static_cast<int>(action)));  // A to F
    }
    s.stepPixels = 2147483647;
    s.hotkeysEnabled = true;
    s.hideVirtualMouse = true;
    s.showCoordinates = false;
    s.colorPointer = false;
    s.stayOnTop = false;
    s.followMode = FollowMode::Fast;
    s.applied = true;
    return s;
}

TEST(KeptSettings, NothingKeptGivesTheSettingsOfAFirstStartAndEverySettingSurvivesARoundTrip) {
    sim::SimPlatform platform;
    EXPECT_EQ(readKeptSettings(platform), Settings{});
    keepSettings(platform, keptSettings());
    EXPECT_EQ(readKeptSettings(platform), keptSettings());
    for (const FollowMode mode : {FollowMode::Slow, FollowMode::DragByHand}) {
        Settings s;
        s.followMode = mode;
        s.stepPixels = 0;
        keepSettings(platform, s);
        EXPECT_EQ(readKeptSettings(platform), s);
    }
}

TEST(KeptSettings, EachBadValueGivesItsDefaultAndNothingElseChanges) {
    const Settings defaults;
    const struct {
        const char* name;
        std::optional<KeptValue> stored;  // nothing: missing
        std::function<void(Settings&)> toDefault;
    } bad[] = {
        {"KeyUp", number(0), [&](Settings& s) { s.keys[Action::Up] = defaults.keys[Action::Up]; }},
        {"KeyDown", number(91), [&](Settings& s) { s.keys[Action::Down] = defaults.keys[Action::Down]; }},  // no row
        {"KeyLeft", number(256 + 90), [&](Settings& s) { s.keys[Action::Left] = defaults.keys[Action::Left]; }},
        {"KeyRight", KeptValue{false, {90, 0, 0, 0}},
         [&](Settings& s) { s.keys[Action::Right] = defaults.keys[Action::Right]; }},
        {"KeyLeftClick", KeptValue{true, {90, 0}},
         [&](Settings& s) { s.keys[Action::LeftClick] = defaults.keys[Action::LeftClick]; }},
        {"KeyRightClick", KeptValue{true, {90, 0, 0, 0, 0, 0, 0, 0}},
         [&](Settings& s) { s.keys[Action::RightClick] = defaults.keys[Action::RightClick]; }},
        {"StepPixels", number(2147483648u), [&](Settings& s) { s.stepPixels = defaults.stepPixels; }},
        {"StepPixels", KeptValue{true, {}}, [&](Settings& s) { s.stepPixels = defaults.stepPixels; }},
        {"StepPixels", std::nullopt, [&](Settings& s) { s.stepPixels = defaults.stepPixels; }},
        {"HotkeysEnabled", number(2), [&](Settings& s) { s.hotkeysEnabled = defaults.hotkeysEnabled; }},
        {"HideVirtualMouse", KeptValue{false, {'1', 0}},
         [&](Settings& s) { s.hideVirtualMouse = defaults.hideVirtualMouse; }},
        {"ShowCoordinates", number(0xFFFFFFFF), [&](Settings& s) { s.showCoordinates = defaults.showCoordinates; }},
        {"ColorPointer", number(256), [&](Settings& s) { s.colorPointer = defaults.colorPointer; }},
        {"StayOnTop", KeptValue{true, {0, 0, 0}}, [&](Settings& s) { s.stayOnTop = defaults.stayOnTop; }},
        {"FollowMode", number(0), [&](Settings& s) { s.followMode = defaults.followMode; }},
        {"FollowMode", number(4), [&](Settings& s) { s.followMode = defaults.followMode; }},
        {"Applied", KeptValue{false, {1, 0, 0, 0}}, [&](Settings& s) { s.applied = defaults.applied; }},
        {"SomethingElse", number(5), [](Settings&) {}},  // unknown names are ignored
    };
    for (const auto& value : bad) {
        sim::SimPlatform platform;
        keepSettings(platform, keptSettings());
        platform.kept.erase(value.name);
        if (value.stored) platform.kept[value.name] = *value.stored;
        Settings expected = keptSettings();
        value.toDefault(expected);
        EXPECT_EQ(readKeptSettings(platform), expected) << value.name;
    }
}

}  // namespace
}  // namespace lumo
