#include "pointer_core/pointer_engine.h"

#include "pointer_core/key_state.h"
#include "pointer_core/saturating.h"

namespace lumo {

void runPointerEngineTick(Platform& platform, const SharedState& state) {
    if (state.hotkeysEnabled != 1) return;

    const Point start = platform.cursorPos();
    const std::int32_t step = state.stepPixels;
    if (isKeyDown(platform, state.keyUp)) platform.setCursorPos(start.x, saturatingSub(start.y, step));
    if (isKeyDown(platform, state.keyDown)) platform.setCursorPos(start.x, saturatingAdd(start.y, step));
    if (isKeyDown(platform, state.keyLeft)) platform.setCursorPos(saturatingSub(start.x, step), start.y);
    if (isKeyDown(platform, state.keyRight)) platform.setCursorPos(saturatingAdd(start.x, step), start.y);
    if (isKeyDown(platform, state.keyLeftClick)) platform.mouseEvent(kMouseLeftClick);
    if (isKeyDown(platform, state.keyRightClick)) platform.mouseEvent(kMouseRightClick);
}

}  // namespace lumo
