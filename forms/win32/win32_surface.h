// A surface is a window that paints and hit-tests graphical controls: a form's
// own top-level window, or the child window of a Frame or Host. All of them
// share one window class and one window procedure; what only a form's window
// handles (timers, tray, moves, closing) is passed on to its owner.
#pragma once

#include <windows.h>

#include <optional>

#include "forms/forms.h"
#include "platform/win32/win32_handles.h"
#include "forms/win32/win32_resources.h"

namespace lumo::win32 {

class NativeControl;
class Surface;

// The form's side of its surfaces (the form peer).
class SurfaceOwner {
public:
    virtual forms::Form& form() const = 0;
    virtual Resources& resources() const = 0;
    // The windowed control whose window this is, or null.
    virtual NativeControl* native(HWND window) const = 0;
    // A message for the form's top-level window that surfaces leave alone;
    // empty for "not handled here".
    virtual std::optional<LRESULT> formMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~SurfaceOwner() = default;
};

// The window class of all surfaces, registered for the backend's lifetime.
class SurfaceClass {
public:
    explicit SurfaceClass(HINSTANCE instance);
    ~SurfaceClass();
    SurfaceClass(const SurfaceClass&) = delete;
    SurfaceClass& operator=(const SurfaceClass&) = delete;
    HINSTANCE instance() const { return instance_; }
    const wchar_t* name() const;

private:
    HINSTANCE instance_;
};

class Surface {
public:
    // Takes a window of the surface class and starts dispatching its messages to the model.
    // `control` is the Frame or Host, or null for the form's own window.
    Surface(SurfaceOwner& owner, forms::Control* control, UniqueWindow window);
    // Stops dispatching (detach) before the window goes.
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HWND hwnd() const { return window_.get(); }
    forms::Control* control() const { return control_; }
    void invalidate() const;
    // From now on the window's messages get the default handling only.
    void detach();

    // The procedure of the window class: windows not (or no longer) attached
    // to a surface get the default handling.
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The surface of a form's top-level window, or null for any other window.
    static Surface* ofFormWindow(HWND window);

    // A key went down in the form (in this window or a child): true when the
    // form used it, so that the message loop neither translates nor dispatches it.
    bool keyDown(WPARAM key);

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT paint();
    LRESULT mouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT setCursor(WPARAM wParam, LPARAM lParam);
    LRESULT childMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT fallback(UINT message, WPARAM wParam, LPARAM lParam);
    // The form's focused control when it is painted and its cue is to show.
    const forms::Control* paintedFocus() const;

    SurfaceOwner& owner_;
    forms::Control* control_;
    UniqueWindow window_;
};

}  // namespace lumo::win32
