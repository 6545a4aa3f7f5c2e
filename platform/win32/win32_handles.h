// Owning wrappers for window-system handles. Every window, GDI object, icon,
// device context, kernel handle and hook the program creates is released
// exactly once, by the object that made it, whichever way the code leaves
// the scope.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace lumo::win32 {

// Calls `release` on the handle it is given; a unique_ptr's deleter.
template <auto release>
struct Releaser {
    template <class Handle>
    void operator()(Handle handle) const {
        release(handle);
    }
};
template <class Handle, auto release>
using UniqueOf = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<release>>;

using UniqueWindow = UniqueOf<HWND, &DestroyWindow>;
using UniqueHandle = UniqueOf<HANDLE, &CloseHandle>;
using UniqueHook = UniqueOf<HHOOK, &UnhookWindowsHookEx>;
using UniqueWinEventHook = UniqueOf<HWINEVENTHOOK, &UnhookWinEvent>;
using UniqueFont = UniqueOf<HFONT, &DeleteObject>;
using UniqueBrush = UniqueOf<HBRUSH, &DeleteObject>;
using UniquePen = UniqueOf<HPEN, &DeleteObject>;
using UniqueBitmap = UniqueOf<HBITMAP, &DeleteObject>;
using UniqueIcon = UniqueOf<HICON, &DestroyIcon>;
using UniqueCursor = UniqueOf<HCURSOR, &DestroyCursor>;
using UniqueMemoryDc = UniqueOf<HDC, &DeleteDC>;

// The screen's device context, for measuring text outside of painting.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a device context's state (clip region, colours, modes) for one scope.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

}  // namespace lumo::win32
