// The Windows program: the real platform and native backend under the one
// forms runtime, the application on top, and the thread's message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "platform/forms/forms.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_platform.h"
#include "tray/lumo_app.h"

// The program never lets an exception escape; the default terminate handler's
// demangler would only add to the exe's size.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Tab classes bring in the tooltip control the forms use.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    lumo::win32::Win32Platform platform;
    lumo::win32::Win32Backend backend(instance);
    lumo::forms::Runtime runtime(platform, backend);
    lumo::LumoApp app(runtime);
    app.start();

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
