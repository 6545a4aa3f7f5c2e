// The forms runtime on the Windows API: every loaded form becomes a borderless
// top-level window whose Frames, Hosts and windowed controls are child windows.
//
// The entry point creates one backend after InitCommonControlsEx (the backend
// also asks for the tooltip class itself), builds the Runtime on it and runs a
// GetMessageW / TranslateMessage / DispatchMessageW loop on the same thread
// that first offers every message to takeKey, as a dialog's loop offers it to
// IsDialogMessage. The program's manifest selects Common Controls 6 (SetWindowSubclass).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "forms/forms.h"
#include "forms/win32/win32_form_peer.h"
#include "forms/win32/win32_resources.h"
#include "forms/win32/win32_surface.h"

namespace lumo::win32 {

class Win32Backend final : public forms::Backend {
public:
    explicit Win32Backend(HINSTANCE instance);
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<forms::FormPeer> createPeer(forms::Form& form) override;
    forms::Size measureText(const forms::Font& font, const std::string& text) override;

    // A key going down in a form goes to the form first (Tab, Enter, Esc, ...):
    // true when the form used it, and the loop then drops the message.
    static bool takeKey(const MSG& message);

private:
    Resources resources_;
    SurfaceClass surfaceClass_;
    BackendContext context_;
};

}  // namespace lumo::win32
