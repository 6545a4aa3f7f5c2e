#include "forms/win32/win32_surface.h"

#include <windowsx.h>

#include <cwchar>
#include <iterator>

#include "assets/resource_ids.h"
#include "forms/win32/win32_controls.h"
#include "forms/win32/win32_paint.h"
#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

namespace {

constexpr wchar_t kClassName[] = L"LumoFormSurface";

int heldButtons(WPARAM flags) {
    return ((flags & MK_LBUTTON) ? forms::kLeftButton : 0) | ((flags & MK_RBUTTON) ? forms::kRightButton : 0) |
           ((flags & MK_MBUTTON) ? forms::kMiddleButton : 0);
}

int shiftState(WPARAM flags) {
    return ((flags & MK_SHIFT) ? 1 : 0) | ((flags & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

int keyShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// The keys with which the user finds their way round a window: from the first
// of them on, the window shows where its focus is, as dialogs do.
bool isNavigationKey(WPARAM key) {
    return key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

}  // namespace

// ---------------------------------------------------------------- class

SurfaceClass::SurfaceClass(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = &Surface::windowProc;
    description.hInstance = instance;
    description.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.lpszClassName = kClassName;
    if (!RegisterClassExW(&description)) traceFailure(Failure::WindowClass, L"RegisterClassExW");
}

SurfaceClass::~SurfaceClass() { UnregisterClassW(kClassName, instance_); }

const wchar_t* SurfaceClass::name() const { return kClassName; }

// ---------------------------------------------------------------- surface

Surface::Surface(SurfaceOwner& owner, forms::Control* control, UniqueWindow window)
    : owner_(owner), control_(control), window_(std::move(window)) {
    if (window_) SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Surface::~Surface() { detach(); }

void Surface::detach() {
    if (window_) SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
}

void Surface::invalidate() const {
    if (window_) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CALLBACK Surface::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* surface = reinterpret_cast<Surface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!surface) return DefWindowProcW(window, message, wParam, lParam);
    // Whatever the model frees while handling this message (a form unloaded by
    // its own handler) goes only when the message is done; nothing below the
    // handler touches the surface afterwards.
    forms::Runtime::EventScope scope(surface->owner_.form().runtime());
    return surface->handle(message, wParam, lParam);
}

// By class name: tooltips subclass the windows whose areas they watch.
Surface* Surface::ofFormWindow(HWND window) {
    wchar_t className[std::size(kClassName) + 1] = L"";
    if (!window || !GetClassNameW(window, className, static_cast<int>(std::size(className))) ||
        std::wcscmp(className, kClassName) != 0) {
        return nullptr;
    }
    auto* surface = reinterpret_cast<Surface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return surface && !surface->control_ ? surface : nullptr;
}

bool Surface::keyDown(WPARAM key) {
    forms::Runtime::EventScope scope(owner_.form().runtime());
    if (isNavigationKey(key)) SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return owner_.form().nativeKeyDown(KeyCode(static_cast<std::uint8_t>(key)), keyShiftState());
}

LRESULT Surface::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_UPDATEUISTATE: {
            const LRESULT result = DefWindowProcW(hwnd(), message, wParam, lParam);
            invalidate();  // the focus cue appears or goes
            return result;
        }
        case WM_ERASEBKGND: return 1;  // painted whole, off screen, in WM_PAINT
        case WM_PAINT: return paint();
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE: return mouse(message, wParam, lParam);
        case WM_CAPTURECHANGED: owner_.form().captureLost(); return 0;
        case WM_SETCURSOR: return setCursor(wParam, lParam);
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: return childMessage(message, wParam, lParam);
        default: return fallback(message, wParam, lParam);
    }
}

LRESULT Surface::fallback(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!control_) {
        if (const auto handled = owner_.formMessage(message, wParam, lParam)) return *handled;
    }
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

LRESULT Surface::paint() {
    const PaintScope painting(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (client.right <= 0 || client.bottom <= 0) return 0;
    const forms::Form& form = owner_.form();
    // Drawn off screen first so that overlapping controls never flicker.
    const UniqueMemoryDc canvasDc(CreateCompatibleDC(painting.dc()));
    const UniqueBitmap canvas(CreateCompatibleBitmap(painting.dc(), client.right, client.bottom));
    if (!canvasDc || !canvas) {
        paintSurface(painting.dc(), client, form, control_, paintedFocus(), owner_.resources());
        return 0;
    }
    const SelectedObject selected(canvasDc.get(), canvas.get());
    paintSurface(canvasDc.get(), client, form, control_, paintedFocus(), owner_.resources());
    const RECT& area = painting.area();
    BitBlt(painting.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, canvasDc.get(),
           area.left, area.top, SRCCOPY);
    return 0;
}

const forms::Control* Surface::paintedFocus() const {
    const forms::Control* focused = owner_.form().activeControl();
    if (!focused || GetFocus() != GetAncestor(hwnd(), GA_ROOT)) return nullptr;
    if ((SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) return nullptr;
    return focused;
}

LRESULT Surface::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    using Action = forms::Form::MouseAction;
    Action action = Action::Move;
    int button = heldButtons(wParam);
    switch (message) {
        case WM_LBUTTONDOWN: action = Action::Down, button = forms::kLeftButton; break;
        case WM_RBUTTONDOWN: action = Action::Down, button = forms::kRightButton; break;
        case WM_MBUTTONDOWN: action = Action::Down, button = forms::kMiddleButton; break;
        case WM_LBUTTONUP: action = Action::Up, button = forms::kLeftButton; break;
        case WM_RBUTTONUP: action = Action::Up, button = forms::kRightButton; break;
        case WM_MBUTTONUP: action = Action::Up, button = forms::kMiddleButton; break;
        default: break;
    }
    const PixelScale& scale = owner_.resources().scale();
    const double x = scale.twipsX(GET_X_LPARAM(lParam));
    const double y = scale.twipsY(GET_Y_LPARAM(lParam));

    // Capture before the handler runs: a handler that starts the system's own
    // window drag releases it again, and the model hears of that as captureLost.
    // The model itself releases it when the last button goes up.
    if (action == Action::Down && GetCapture() != hwnd()) SetCapture(hwnd());
    owner_.form().mouseInput(action, control_, button, shiftState(wParam), x, y);
    return 0;
}

LRESULT Surface::setCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return DefWindowProcW(hwnd(), WM_SETCURSOR, wParam, lParam);
    Resources& resources = owner_.resources();
    const auto over = reinterpret_cast<HWND>(wParam);
    if (over == hwnd()) {
        // A graphical control's own pointer, else the container's.
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(hwnd(), &at);
        const PixelScale& scale = resources.scale();
        const forms::Control* hit = owner_.form().hitTestGraphical(control_, scale.twipsX(at.x), scale.twipsY(at.y));
        std::optional<Asset> pointer = hit ? hit->cursor() : std::nullopt;
        if (!pointer && control_) pointer = control_->cursor();
        SetCursor(resources.cursor(pointer));
        return TRUE;
    }
    // A windowed child: its own pointer if it has one, else the child's class
    // pointer (the text cursor of a text box).
    if (const NativeControl* native = owner_.native(over); native && native->control().cursor()) {
        SetCursor(resources.cursor(native->control().cursor()));
        return TRUE;
    }
    return FALSE;
}

LRESULT Surface::childMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    NativeControl* native = owner_.native(reinterpret_cast<HWND>(lParam));
    if (!native) return DefWindowProcW(hwnd(), message, wParam, lParam);
    if (message == WM_COMMAND) {
        native->command(HIWORD(wParam));
        return 0;
    }
    if (const HBRUSH brush = native->colors(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

}  // namespace lumo::win32
