#include "forms/win32/win32_form_peer.h"

#include <algorithm>
#include <string>

#include "forms/win32/win32_text.h"
#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

Win32FormPeer::Win32FormPeer(forms::Form& form, const BackendContext& context)
    : form_(form), trayIconOwner_(form.trayIconSink()), context_(context) {
    createFormWindow();
    tips_ = std::make_unique<ToolTips>(hwnd(), context_.surfaceClass.instance(), scale());
    int id = 1;
    for (const auto& c : form.controls()) {
        createChild(*c, id++);
        if (c->isGraphical()) paintedBounds_[c.get()] = graphicalBounds(*c);
    }
    stackChildren();
    for (const auto& surface : surfaces_) syncAreaTips(*surface);
    timers_ = std::make_unique<FormTimers>(hwnd(), form);
    // Focus cues show once the keyboard is used, unless it opened the window.
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    applyIcon();
    applyShowState();
}

Win32FormPeer::~Win32FormPeer() {
    // Destroying windows sends messages (focus, activation, capture): none of
    // them may reach the model of a form that is going away.
    for (const auto& surface : surfaces_) surface->detach();
    for (const auto& native : natives_) native->detach();
    timers_.reset();
    tips_.reset();
    // Children before parents: containers were created before their contents.
    while (!natives_.empty()) natives_.pop_back();
    while (!surfaces_.empty()) surfaces_.pop_back();
}

HWND Win32FormPeer::hwnd() const { return surfaces_.front()->hwnd(); }

WindowHandle Win32FormPeer::handle() const { return reinterpret_cast<WindowHandle>(hwnd()); }

// ---------------------------------------------------------------- windows

void Win32FormPeer::createFormWindow() {
    DWORD exStyle = form_.showInTaskbar() ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    if (form_.noActivate()) exStyle |= WS_EX_NOACTIVATE;
    // No frame or caption of the system's: the forms draw their own chrome.
    // The minimize box lets the taskbar minimize and restore the window.
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    const HWND owner = form_.owner() ? reinterpret_cast<HWND>(form_.owner()->handle()) : nullptr;
    UniqueWindow window(CreateWindowExW(exStyle, context_.surfaceClass.name(), wide(form_.caption()).c_str(), style,
                                        scale().x(form_.left()), scale().y(form_.top()), scale().x(form_.width()),
                                        scale().y(form_.height()), owner, nullptr, context_.surfaceClass.instance(),
                                        nullptr));
    if (!window) traceFailure(Failure::Window, L"CreateWindowExW", L"a form's window");
    surfaces_.push_back(std::make_unique<Surface>(asOwner(), nullptr, std::move(window)));
}

void Win32FormPeer::createChild(forms::Control& control, int id) {
    const HWND parent = surfaceOf(control.container()).hwnd();
    HWND created = nullptr;
    switch (control.kind()) {
        case forms::ControlKind::Frame:
        case forms::ControlKind::Host: {
            DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
            if (control.visible()) style |= WS_VISIBLE;
            if (!control.enabled()) style |= WS_DISABLED;
            const RECT box = scale().box(control.left(), control.top(), control.width(), control.height());
            // The caption as window text names the group or button to a screen reader.
            UniqueWindow window(CreateWindowExW(0, context_.surfaceClass.name(), wide(control.text()).c_str(), style,
                                                box.left, box.top, box.right - box.left, box.bottom - box.top, parent,
                                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                                context_.surfaceClass.instance(), nullptr));
            surfaces_.push_back(std::make_unique<Surface>(asOwner(), &control, std::move(window)));
            created = surfaces_.back()->hwnd();
            break;
        }
        case forms::ControlKind::TextBox:
        case forms::ControlKind::ListBox:
        case forms::ControlKind::CheckBox:
        case forms::ControlKind::OptionButton:
            natives_.push_back(std::make_unique<NativeControl>(control, parent, id, resources()));
            created = natives_.back()->hwnd();
            break;
        default: return;  // graphical controls and timers have no window
    }
    tips_->setWindowTip(parent, created, wide(control.toolTip()));
}

// Later-added siblings lie on top.
void Win32FormPeer::stackChildren() {
    for (const auto& c : form_.controls()) {
        if (const HWND window = windowOf(*c)) {
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

Surface& Win32FormPeer::surfaceOf(const forms::Control* container) const {
    for (const auto& surface : surfaces_) {
        if (surface->control() == container) return *surface;
    }
    return *surfaces_.front();
}

NativeControl* Win32FormPeer::native(HWND window) const {
    if (!window) return nullptr;
    for (const auto& n : natives_) {
        if (n->hwnd() == window) return n.get();
    }
    return nullptr;
}

NativeControl* Win32FormPeer::nativeOf(const forms::Control& control) const {
    for (const auto& n : natives_) {
        if (&n->control() == &control) return n.get();
    }
    return nullptr;
}

HWND Win32FormPeer::windowOf(const forms::Control& control) const {
    if (const NativeControl* n = nativeOf(control)) return n->hwnd();
    for (const auto& surface : surfaces_) {
        if (surface->control() == &control) return surface->hwnd();
    }
    return nullptr;
}

// ---------------------------------------------------------------- model changes

void Win32FormPeer::controlChanged(forms::Control& control, forms::Property property) {
    if (control.kind() == forms::ControlKind::Timer) {
        if (property == forms::Property::Timer || property == forms::Property::Enabled) {
            timers_->changed(static_cast<forms::Timer&>(control));
        }
        return;
    }
    if (control.isGraphical()) {
        graphicalChanged(control, property);
    } else if (const HWND window = windowOf(control)) {
        childChanged(window, control, property);
    }
}

void Win32FormPeer::graphicalChanged(forms::Control& control, forms::Property property) {
    invalidateGraphical(control);
    if (property == forms::Property::Geometry || property == forms::Property::Visible ||
        property == forms::Property::ToolTip) {
        syncAreaTips(surfaceOf(control.container()));
    }
}

// The pixels a graphical control can paint on its surface.
RECT Win32FormPeer::graphicalBounds(const forms::Control& control) const {
    if (control.kind() != forms::ControlKind::Line) {
        return scale().box(control.left(), control.top(), control.width(), control.height());
    }
    const auto& line = static_cast<const forms::Line&>(control);
    const int x1 = scale().x(line.x1()), x2 = scale().x(line.x2());
    const int y1 = scale().y(line.y1()), y2 = scale().y(line.y2());
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
}

void Win32FormPeer::invalidateGraphical(const forms::Control& control) {
    const HWND surface = surfaceOf(control.container()).hwnd();
    const RECT now = graphicalBounds(control);
    RECT& before = paintedBounds_[&control];
    InvalidateRect(surface, &before, FALSE);
    InvalidateRect(surface, &now, FALSE);
    before = now;
}

void Win32FormPeer::childChanged(HWND window, forms::Control& control, forms::Property property) {
    switch (property) {
        case forms::Property::Geometry: {
            const RECT box = scale().box(control.left(), control.top(), control.width(), control.height());
            SetWindowPos(window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
        case forms::Property::Visible: ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE); return;
        case forms::Property::ToolTip: tips_->setWindowTip(GetParent(window), window, wide(control.toolTip())); return;
        case forms::Property::Enabled: EnableWindow(window, control.enabled()); break;
        default: break;
    }
    if (NativeControl* n = native(window)) {
        n->apply(property);
        return;
    }
    if (property == forms::Property::Text) SetWindowTextW(window, wide(control.text()).c_str());
    InvalidateRect(window, nullptr, FALSE);  // a container's caption, colours, font or focus
}

void Win32FormPeer::syncAreaTips(const Surface& surface) {
    std::vector<TipArea> areas;
    const auto& controls = form_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const forms::Control& c = **it;
        if (c.container() != surface.control() || !c.isGraphical() || !c.visible() || c.toolTip().empty()) continue;
        areas.push_back(
            {reinterpret_cast<UINT_PTR>(&c), scale().box(c.left(), c.top(), c.width(), c.height()), wide(c.toolTip())});
    }
    tips_->setAreas(surface.hwnd(), std::move(areas));
}

void Win32FormPeer::setFocus(forms::Control& control, bool byKeyboard) {
    const NativeControl* n = nativeOf(control);
    if (!n) {
        // A painted control's keys come to the form's own window.
        if (GetFocus() != hwnd()) SetFocus(hwnd());
        return;
    }
    SetFocus(n->hwnd());
    // As a dialog does: a box reached by Tab has its text selected, so that typing replaces it.
    if (byKeyboard && control.kind() == forms::ControlKind::TextBox) SendMessageW(n->hwnd(), EM_SETSEL, 0, -1);
}

}  // namespace lumo::win32
