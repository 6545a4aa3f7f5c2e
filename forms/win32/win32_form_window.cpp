// The form's own top-level window: showing, minimizing, placing, owner and
// icon from the model; moves, minimizing, timers, tray and shell messages and
// close requests back to it.
#include "forms/win32/win32_form_peer.h"
#include "forms/win32/win32_text.h"

namespace lumo::win32 {

void Win32FormPeer::formChanged(forms::FormProperty property) {
    switch (property) {
        case forms::FormProperty::Geometry: applyGeometry(); break;
        case forms::FormProperty::Visible:
        case forms::FormProperty::WindowState: applyShowState(); break;
        case forms::FormProperty::BackColor: surfaces_.front()->invalidate(); break;
        case forms::FormProperty::Caption: SetWindowTextW(hwnd(), wide(form_.caption()).c_str()); break;
        case forms::FormProperty::Icon: applyIcon(); break;
        case forms::FormProperty::Owner: applyOwner(); break;
    }
}

void Win32FormPeer::applyShowState() {
    const HWND window = hwnd();
    const bool quiet = form_.noActivate();
    if (!form_.visible()) {
        if (IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
        return;
    }
    if (form_.windowState() == forms::WindowState::Minimized) {
        if (!IsIconic(window) || !IsWindowVisible(window)) ShowWindow(window, quiet ? SW_SHOWMINNOACTIVE : SW_MINIMIZE);
        return;
    }
    if (IsIconic(window)) {
        ShowWindow(window, quiet ? SW_SHOWNOACTIVATE : SW_RESTORE);
    } else if (!IsWindowVisible(window)) {
        ShowWindow(window, quiet ? SW_SHOWNOACTIVATE : SW_SHOW);
    }
}

void Win32FormPeer::applyGeometry() {
    const HWND window = hwnd();
    // A minimized window keeps its place until it is restored; moving it now
    // would pull the minimized window itself onto the screen.
    if (IsIconic(window)) {
        geometryPending_ = true;
        return;
    }
    geometryPending_ = false;
    applyingGeometry_ = true;
    SetWindowPos(window, nullptr, scale().x(form_.left()), scale().y(form_.top()), scale().x(form_.width()),
                 scale().y(form_.height()), SWP_NOZORDER | SWP_NOACTIVATE);
    applyingGeometry_ = false;
}

void Win32FormPeer::applyOwner() {
    const forms::Form* owner = form_.owner();
    SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, owner ? static_cast<LONG_PTR>(owner->handle()) : 0);
}

void Win32FormPeer::applyIcon() {
    HICON big = nullptr, small = nullptr;
    if (form_.icon() == Asset::AppIcon) {
        big = resources().appIcon(GetSystemMetrics(SM_CXICON));
        small = resources().appIcon(GetSystemMetrics(SM_CXSMICON));
    }
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

// ---------------------------------------------------------------- messages

std::optional<LRESULT> Win32FormPeer::formMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: tick(wParam); return 0;
        case kTrayCallbackMessage:
            if (trayIconOwner_) trayIconOwner_->trayIconMessage(trayEventOf(LOWORD(lParam)), trayAnchorOf(wParam));
            return 0;
        case WM_CLOSE: form_.closeRequested(); return 0;
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            if (wParam) form_.closeRequested();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) form_.nativeDeactivated();
            break;
        case WM_MOUSEACTIVATE:
            if (form_.noActivate()) return MA_NOACTIVATE;
            break;
        case WM_SETFOCUS:
            restoreFocus();
            repaintPaintedFocus();
            return 0;
        case WM_KILLFOCUS: repaintPaintedFocus(); return 0;
        case WM_SYSCOMMAND:
            // The forms show no system menu: Alt alone must not enter an invisible one.
            if ((wParam & 0xFFF0) == SC_KEYMENU) return 0;
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                form_.closeCommand();
                return 0;
            }
            break;
        case WM_WINDOWPOSCHANGED: reportMove(); break;  // the default handling then sends WM_SIZE
        case WM_SIZE: reportSize(wParam); break;
        default:
            if (message == context_.taskbarCreatedMessage && message != 0) {
                if (trayIconOwner_) trayIconOwner_->shellRestarted();
                return 0;
            }
            break;
    }
    return std::nullopt;
}

// The system tells the model through WM_CAPTURECHANGED, which finds the
// model's capture already ended.
void Win32FormPeer::releaseMouseCapture() {
    const HWND holder = GetCapture();
    for (const auto& surface : surfaces_) {
        if (surface->hwnd() == holder) {
            ReleaseCapture();
            return;
        }
    }
}

// Coming back to the window gives the keyboard back to the control that had it.
void Win32FormPeer::restoreFocus() {
    const forms::Control* active = form_.activeControl();
    const NativeControl* n = active ? nativeOf(*active) : nullptr;
    if (n && IsWindowVisible(n->hwnd()) && IsWindowEnabled(n->hwnd())) SetFocus(n->hwnd());
}

// A painted control shows the focus only while its form's window has the keyboard.
void Win32FormPeer::repaintPaintedFocus() {
    if (forms::Control* active = form_.activeControl(); active && !nativeOf(*active)) {
        controlChanged(*active, forms::Property::Focus);
    }
}

void Win32FormPeer::tick(UINT_PTR id) {
    forms::Timer* timer = timers_ ? timers_->runningTimer(id) : nullptr;
    if (timer && form_.loaded() && timer->Tick) timer->Tick();
}

// Moves the model did not ask for (the user dragging the window) go back to it.
// Positions equal to the model's in pixels are not reported, so the model keeps
// its exact twips; nor is the old place a restored window comes back to when
// the model moved it while it was minimized.
void Win32FormPeer::reportMove() {
    const HWND window = hwnd();
    RECT placed{};
    if (applyingGeometry_ || geometryPending_ || IsIconic(window) || !GetWindowRect(window, &placed)) return;
    if (placed.left == scale().x(form_.left()) && placed.top == scale().y(form_.top())) return;
    form_.nativeMoved(roundHalfEven(scale().twipsX(placed.left)), roundHalfEven(scale().twipsY(placed.top)));
}

void Win32FormPeer::reportSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        iconic_ = true;
        form_.nativeWindowState(forms::WindowState::Minimized);
    } else if (iconic_ && (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED)) {
        iconic_ = false;
        form_.nativeWindowState(forms::WindowState::Normal);
        if (geometryPending_) applyGeometry();
    }
}

}  // namespace lumo::win32
