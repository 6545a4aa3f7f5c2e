#include "forms/win32/win32_backend.h"

#include <commctrl.h>

#include "platform/win32/win32_handles.h"
#include "forms/win32/win32_text.h"
#include "forms/win32/win32_text_layout.h"

namespace lumo::win32 {

namespace {

PixelScale screenScale() {
    const ScreenDc screen;
    if (!screen.get()) return {};
    return PixelScale::ofDpi(GetDeviceCaps(screen.get(), LOGPIXELSX), GetDeviceCaps(screen.get(), LOGPIXELSY));
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance)
    : resources_(instance, screenScale()),
      surfaceClass_(instance),
      context_{surfaceClass_, resources_, RegisterWindowMessageW(L"TaskbarCreated")} {
    // The tooltip class; asking again when the entry point already did is harmless.
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
}

std::unique_ptr<forms::FormPeer> Win32Backend::createPeer(forms::Form& form) {
    return std::make_unique<Win32FormPeer>(form, context_);
}

forms::Size Win32Backend::measureText(const forms::Font& font, const std::string& text) {
    const ScreenDc screen;
    if (!screen.get()) return {};
    const SelectedObject selected(screen.get(), resources_.font(font));
    const SIZE block = measureTextBlock(screen.get(), wide(text));
    const PixelScale& scale = resources_.scale();
    return {roundHalfEven(scale.twipsX(block.cx)), roundHalfEven(scale.twipsY(block.cy))};
}

bool Win32Backend::takeKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    Surface* form = Surface::ofFormWindow(GetAncestor(message.hwnd, GA_ROOT));
    return form && form->keyDown(message.wParam);
}

}  // namespace lumo::win32
