#include "platform/win32/win32_second_copy.h"

namespace lumo::win32 {

UINT secondCopyMessage() {
    static const UINT message = RegisterWindowMessageW(L"LumoMouse.SecondCopyStarted");
    return message;
}

}  // namespace lumo::win32
