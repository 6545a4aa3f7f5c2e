// The reader of the kept settings on any stored values: names the program
// keeps and one it does not, each of any type and size.
//
// Input: records of [name selector] [type: bit 0 a number] [length] [bytes].
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/sim/sim_platform.h"
#include "pointer_core/kept_settings.h"
#include "pointer_core/key_name_table.h"

namespace {

bool sameValue(const lumo::KeptValue& a, const lumo::KeptValue& b) {
    return a.isNumber == b.isNumber && a.bytes == b.bytes;
}

bool isNumber32(const lumo::KeptValue& value) { return value.isNumber && value.bytes.size() == 4; }

// The store as the writer leaves it for `settings`.
std::map<std::string, lumo::KeptValue> written(const lumo::Settings& settings) {
    lumo::sim::SimPlatform platform;
    lumo::keepSettings(platform, settings);
    return platform.kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The names the writer uses, learnt from the writer itself, and one it does not.
    static const std::map<std::string, lumo::KeptValue> defaults = written(lumo::Settings{});
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& [name, value] : defaults) all.push_back(name);
        all.push_back("Unknown");
        return all;
    }();

    lumo::sim::SimPlatform platform;
    for (std::size_t i = 0; i + 3 <= size;) {
        const std::string& name = names[data[i] % names.size()];
        const std::size_t length = std::min<std::size_t>(data[i + 2], size - i - 3);
        platform.kept[name] = {(data[i + 1] & 1) != 0, std::vector<std::uint8_t>(data + i + 3, data + i + 3 + length)};
        i += 3 + length;
    }

    const lumo::Settings settings = lumo::readKeptSettings(platform);
    for (const lumo::Action action : lumo::kActions) FUZZ_CHECK(lumo::rowOfKeyCode(settings.keys[action]).has_value());
    FUZZ_CHECK(settings.stepPixels >= 0);

    // Each setting is the number stored for it or its default: a value of
    // another type or size, or a rejected number, changes nothing else.
    const auto rewritten = written(settings);
    for (const auto& [name, value] : rewritten) {
        const auto stored = platform.kept.find(name);
        const bool kept =
            stored != platform.kept.end() && isNumber32(stored->second) && sameValue(value, stored->second);
        FUZZ_CHECK(kept || sameValue(value, defaults.at(name)));
    }
    // What the reader gives survives a round trip.
    lumo::sim::SimPlatform again;
    again.kept = rewritten;
    FUZZ_CHECK(lumo::readKeptSettings(again) == settings);
    return 0;
}
