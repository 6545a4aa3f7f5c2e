// The native side of one loaded form: its top-level window, the child windows
// of its Frames, Hosts and windowed controls, its tooltips and its timers.
// Destroying the peer first cuts every window off from the model, then
// destroys the windows, children before parents.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "forms/forms.h"
#include "platform/system_codes.h"
#include "forms/win32/win32_controls.h"
#include "forms/win32/win32_resources.h"
#include "forms/win32/win32_surface.h"
#include "forms/win32/win32_timers.h"
#include "forms/win32/win32_tooltips.h"

namespace lumo::win32 {

static_assert(kTrayCallbackMessage == WM_APP + 1 && WM_LBUTTONUP == 0x0202 && WM_RBUTTONUP == 0x0205);

// What every form peer shares, owned by the backend.
struct BackendContext {
    const SurfaceClass& surfaceClass;
    Resources& resources;
    UINT taskbarCreatedMessage;  // broadcast when the shell (taskbar) restarts
};

class Win32FormPeer final : public forms::FormPeer, private SurfaceOwner {
public:
    Win32FormPeer(forms::Form& form, const BackendContext& context);
    ~Win32FormPeer() override;

    WindowHandle handle() const override;
    void formChanged(forms::FormProperty property) override;
    void controlChanged(forms::Control& control, forms::Property property) override;
    void setFocus(forms::Control& control, bool byKeyboard) override;
    void releaseMouseCapture() override;

private:
    // SurfaceOwner
    forms::Form& form() const override { return form_; }
    Resources& resources() const override { return context_.resources; }
    NativeControl* native(HWND window) const override;
    std::optional<LRESULT> formMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    SurfaceOwner& asOwner() { return *this; }
    HWND hwnd() const;
    const PixelScale& scale() const { return context_.resources.scale(); }
    void createFormWindow();
    void createChild(forms::Control& control, int id);
    void stackChildren();
    Surface& surfaceOf(const forms::Control* container) const;
    NativeControl* nativeOf(const forms::Control& control) const;
    HWND windowOf(const forms::Control& control) const;
    void childChanged(HWND window, forms::Control& control, forms::Property property);
    void graphicalChanged(forms::Control& control, forms::Property property);
    RECT graphicalBounds(const forms::Control& control) const;
    void invalidateGraphical(const forms::Control& control);
    void syncAreaTips(const Surface& surface);

    // The form's own window (win32_form_window.cpp).
    void applyShowState();
    void applyGeometry();
    void applyOwner();
    void applyIcon();
    void reportMove();
    void reportSize(WPARAM kind);
    void restoreFocus();
    void repaintPaintedFocus();
    void tick(UINT_PTR id);

    forms::Form& form_;
    forms::TrayIconSink* const trayIconOwner_;  // the form, when it owns a notification-area icon
    const BackendContext& context_;
    std::vector<std::unique_ptr<Surface>> surfaces_;  // the form's own first, then containers in order
    std::vector<std::unique_ptr<NativeControl>> natives_;
    std::unique_ptr<ToolTips> tips_;
    std::unique_ptr<FormTimers> timers_;
    // Where each graphical control was last painted: a move repaints both places.
    std::unordered_map<const forms::Control*, RECT> paintedBounds_;
    bool applyingGeometry_ = false;
    bool geometryPending_ = false;  // moved while minimized: placed on restore
    bool iconic_ = false;
};

}  // namespace lumo::win32
