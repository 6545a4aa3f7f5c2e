// The Windows program: the real platform and native backend under the one
// forms runtime, the application on top, and the thread's message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "forms/forms.h"
#include "platform/utf.h"
#include "forms/win32/win32_backend.h"
#include "platform/win32/win32_platform.h"
#include "app/lumo_app.h"
#include "app/start_options.h"

// The program never lets an exception escape; the default terminate handler's
// demangler would only add to the exe's size.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The program is built without exceptions, so an error the standard library
// would throw can only end it, as an uncaught exception would. Ending it here
// keeps the exception classes, and the second (copy-on-write) string
// implementation they are built on, out of the exe: about 40 KB.
namespace std {
[[noreturn]] void __throw_bad_cast() { std::abort(); }
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_typeid() { std::abort(); }
[[noreturn]] void __throw_bad_exception() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_range_error(const char*) { std::abort(); }
[[noreturn]] void __throw_domain_error(const char*) { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_runtime_error(const char*) { std::abort(); }
[[noreturn]] void __throw_overflow_error(const char*) { std::abort(); }
[[noreturn]] void __throw_underflow_error(const char*) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    // Tab classes bring in the tooltip control the forms use.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    lumo::win32::Win32Platform platform;
    lumo::win32::Win32Backend backend(instance);
    lumo::forms::Runtime runtime(platform, backend);
    const std::wstring_view wideArguments(arguments ? arguments : L"");
    const lumo::StartOptions options =
        lumo::parseStartOptions(lumo::utf16ToUtf8(std::u16string(wideArguments.begin(), wideArguments.end())));
    lumo::LumoApp app(runtime);
    app.start(options);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (lumo::win32::Win32Backend::takeKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
