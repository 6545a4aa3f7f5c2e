// The key picker's row-to-code lookup on any row number, including the
// negative and huge ones a bad list index could produce.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "pointer_core/key_name_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int row = 0;
    std::memcpy(&row, data, size < sizeof row ? size : sizeof row);

    const auto code = lumo::keyCodeOfRow(row);
    if (row < 0 || row >= lumo::kKeyRowCount) {
        FUZZ_CHECK(!code.has_value());
        return 0;
    }
    const lumo::KeyRow& entry = lumo::keyNameTable()[static_cast<std::size_t>(row)];
    FUZZ_CHECK(code.has_value());
    FUZZ_CHECK(*code == entry.code);
    FUZZ_CHECK(lumo::rowOfKeyCode(*code) == row);
    // Virtual-key codes are 1..254.
    FUZZ_CHECK(code->code() >= 1 && code->code() <= 254);
    return 0;
}
