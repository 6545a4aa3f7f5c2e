// The interfaces between the forms and a backend (win32 or sim): the backend
// realises each loaded form through a peer, told about every property change,
// and hands the messages of a notification-area icon to the form owning it.
#pragma once

#include <memory>
#include <string>

#include "forms/controls.h"

namespace lumo::forms {

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The backend's side of one loaded form.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual WindowHandle handle() const = 0;
    virtual void formChanged(FormProperty p) = 0;
    virtual void controlChanged(Control& c, Property p) = 0;
    // Gives `c` the keyboard; a painted control's keys go to its form's
    // window. Reached by the keyboard (Tab), a text box selects all its text.
    virtual void setFocus(Control& c, bool byKeyboard) = 0;
    // The last held button went up: the window lets go of the mouse before the
    // release is handled, so that input a handler injects goes where it points.
    virtual void releaseMouseCapture() = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Creates the native side of a form whose design has just been built.
    virtual std::unique_ptr<FormPeer> createPeer(Form& form) = 0;
    // Size of a text in twips, for self-sizing labels.
    virtual Size measureText(const Font& font, const std::string& text) = 0;
};

// A form that owns a notification-area icon implements this interface. The
// icon's messages arrive at that form's window; the backend hands them here,
// and forms without an icon never hear of them.
class TrayIconSink {
public:
    // The icon reported an event; `anchor` (screen pixels) is where a
    // current-version event points, meaningless for the mouse-only reports.
    virtual void trayIconMessage(TrayEvent event, Point anchor) = 0;
    // The shell (taskbar) was restarted and has forgotten every icon.
    virtual void shellRestarted() = 0;

protected:
    ~TrayIconSink() = default;
};

}  // namespace lumo::forms
