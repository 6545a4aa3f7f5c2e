// A form that owns a notification-area icon implements this interface. The
// icon's messages arrive at that form's window; the backend hands them here,
// and forms without an icon never hear of them.
#pragma once

#include <cstdint>

namespace lumo::forms {

class TrayIconSink {
public:
    // The icon reported a mouse message.
    virtual void trayIconMessage(std::uint32_t message) = 0;
    // The shell (taskbar) was restarted and has forgotten every icon.
    virtual void shellRestarted() = 0;

protected:
    ~TrayIconSink() = default;
};

}  // namespace lumo::forms
