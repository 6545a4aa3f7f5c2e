#include "pointer_core/key_state.h"

namespace lumo {

bool isKeyDown(Platform& platform, std::int32_t virtualKey) {
    const auto state = static_cast<std::uint16_t>(platform.asyncKeyState(virtualKey));
    return (state & 0x8000u) != 0;
}

}  // namespace lumo
