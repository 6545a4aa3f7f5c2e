// Keys and mouse buttons by their virtual-key code, the code the settings
// store and the input reports carry. The names cover the keys the program
// itself refers to; any other key is only ever data (the key picker's table).
#pragma once

#include <cstdint>

namespace lumo {

// A key or mouse button: its virtual-key code, 1 to 254; the empty code is no
// key at all. A type of its own so that a code is never mixed up with a count,
// a row or a pixel.
class KeyCode {
public:
    constexpr KeyCode() = default;
    constexpr explicit KeyCode(std::uint8_t code) : code_(code) {}
    constexpr std::uint8_t code() const { return code_; }
    constexpr bool empty() const { return code_ == 0; }
    friend constexpr bool operator==(KeyCode, KeyCode) = default;

private:
    std::uint8_t code_ = 0;
};

namespace Key {
inline constexpr KeyCode LeftButton{0x01};
inline constexpr KeyCode RightButton{0x02};
inline constexpr KeyCode Tab{0x09};
inline constexpr KeyCode Enter{0x0D};
inline constexpr KeyCode Escape{0x1B};
inline constexpr KeyCode Space{0x20};
inline constexpr KeyCode Left{0x25};
inline constexpr KeyCode Up{0x26};
inline constexpr KeyCode Right{0x27};
inline constexpr KeyCode Down{0x28};
inline constexpr KeyCode NumpadZero{0x60};
inline constexpr KeyCode NumpadDecimal{0x6E};
// The keypad's Enter as the key table keeps it; the keyboard sends it as Enter
// with the extended flag.
inline constexpr KeyCode KeypadEnter{0x6C};
// A character typed by a program (handwriting, the emoji panel, auto-type):
// no key at all, the character rides in the scan code.
inline constexpr KeyCode Packet{0xE7};
}  // namespace Key

}  // namespace lumo
