// The operating-system operations the program's logic may call. Everything the
// windows do outside their own forms goes through this one interface, so the
// same handlers run on the real desktop (win32) and in the unit tests (sim).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/key_codes.h"
#include "platform/key_gate.h"

namespace lumo {

// A window as the system knows it, opaque to the program; 0 means "no window".
using WindowHandle = std::uintptr_t;
// An icon the system holds for the program, opaque to it.
using IconHandle = std::uintptr_t;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle of the desktop in pixels, as SetCursorPos counts them; right and
// bottom lie just outside it.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Screen size in twips and the twips-per-pixel factors; pixels = twips / factor.
// The size in whole pixels comes from the system as it is: at a dpi that does
// not divide 1440 evenly, twips divided back by the factor are a hair off.
struct ScreenMetrics {
    double widthTwips = 1280 * 15.0;
    double heightTwips = 800 * 15.0;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
    std::int32_t widthPixels = 1280;
    std::int32_t heightPixels = 800;
};

// The metrics of a screen of the given size in pixels at the given dots per inch.
inline ScreenMetrics screenMetricsAt(std::int32_t widthPixels, std::int32_t heightPixels, int dpiX, int dpiY) {
    const double perPixelX = 1440.0 / dpiX, perPixelY = 1440.0 / dpiY;
    return {widthPixels * perPixelX, heightPixels * perPixelY, perPixelX, perPixelY, widthPixels, heightPixels};
}

// Pictures and pointers bundled with the program.
enum class Asset {
    AppIcon,       // program icon: title bar, tray, window icon
    AppIconOn,     // the tray's icon while the keyboard mouse is on
    HandCursor,    // 32 x 32 pointing hand, hot spot (5, 0)
    MousePicture,  // 50 x 57 white mouse on the virtual mouse window's key colour
    Schematic,     // settings window diagram: green left zone, blue right, yellow drag area
    PencilMarker,  // 32 x 32 green pencil, tray menu hover marker
    ChatIcon,      // 16 x 16 blue round face beside the chat box
    SearchBanner,  // search banner of the promotion panel
};

// The two physical buttons the program presses and releases on the user's
// behalf. Which of them is the primary one is the user's choice.
enum class MouseButton { Left, Right };

inline MouseButton physicalButton(bool primary, bool buttonsSwapped) {
    return primary != buttonsSwapped ? MouseButton::Left : MouseButton::Right;
}

// Reports of the desktop's input, delivered on the user-interface thread in
// the order they happened. Keys and mouse buttons alike carry their key code
// (Key::LeftButton, Key::RightButton, ...). Input the program injects itself
// is never reported, so its own button presses cannot come back as key changes.
class InputListener {
public:
    virtual ~InputListener() = default;
    virtual void keyChanged(KeyCode key, bool down) = 0;
    // The pointer moved (reports may be merged: one for several moves).
    virtual void pointerMoved() = 0;
    // The switch key (or its combination) was pressed.
    virtual void switchPressed() = 0;
    // The program lost sight of the keyboard (the session locked, the secure
    // desktop, an elevated window in front, sleep, hooks gone quiet) or saw
    // it again: key releases made meanwhile were never seen.
    virtual void sightChanged(bool seeing) = 0;
    // The system's key reports stopped (the hooks could not be installed
    // again: keys are to be polled, the switch comes as a hot key) or came
    // back. A listener that never polls may ignore it.
    virtual void keyReportsChanged(bool /*reported*/) {}
    // A second copy of the program was started and asks this one to show itself.
    virtual void secondCopyStarted() = 0;
};

// What the program asks of the shell for its notification-area icon.
// UseCurrentVersion asks for the callbacks that report keyboard selection
// (Select, ContextMenu with the icon's anchor point); a shell that refuses it
// reports the mouse alone (LeftUp, RightUp). Focus gives the keyboard back to
// the notification area.
enum class TrayAction { Add, Modify, Delete, UseCurrentVersion, Focus };

// The notification-area icon record, filled once at start-up and handed to the
// shell unchanged for every later call (the shell matches owner and id). The
// icon always reports the mouse to its owner window and always shows its tip.
struct TrayIconData {
    WindowHandle owner = 0;
    std::uintptr_t id = 0;
    IconHandle icon = 0;
    std::string tip;  // UTF-8
};

// The reports of the notification-area icon the program tells apart: the
// mouse alone, or (current version) the icon chosen by a left click or the
// keyboard (Win+B, arrows, Enter/Space), and its context menu asked for by a
// right click, Shift+F10 or the menu key.
enum class TrayEvent { LeftUp, RightUp, Select, ContextMenu, Other };

// How startProgram shows the started program's first window.
enum class ShowState { Minimized };

// A value of the kept store as it is stored. The program stores 32-bit
// numbers (four little-endian bytes); what the user or another program put
// there may have any type and size.
struct KeptValue {
    bool isNumber = false;  // stored as a 32-bit number (REG_DWORD)
    std::vector<std::uint8_t> bytes;
};

class Platform {
public:
    virtual ~Platform() = default;

    // True while the key or mouse button is physically down now (a press
    // since the last query that is over already does not count). Any code is
    // asked as it is; codes the system does not know are up.
    virtual bool isKeyDown(KeyCode key) = 0;
    virtual Point cursorPos() = 0;
    virtual void setCursorPos(std::int32_t x, std::int32_t y) = 0;
    // One synthetic press and release of the button at the pointer.
    virtual void click(MouseButton button) = 0;
    // One synthetic button press, or release, at the pointer.
    virtual void pressButton(MouseButton button) = 0;
    virtual void releaseButton(MouseButton button) = 0;
    // Starts reporting input to `listener`, or stops with null. False when the
    // system cannot report key changes now (checkInputWatch tries again and
    // says so with keyReportsChanged); the switch and sight changes are
    // reported all the same. Keys are decided on with the last table
    // published (see KeyGate); the decision never waits for this thread.
    virtual bool watchInput(InputListener* listener) = 0;
    virtual void publishKeyTable(const KeyTable& table) = 0;
    // Pointer moves are frequent; they are reported only while asked for.
    virtual void reportPointerMoves(bool on) = 0;
    // Called now and then: reports that have gone quiet while the user typed
    // are started again (Windows drops hooks that are slow), as a loss of
    // sight; reports that could not be started are tried again.
    virtual void checkInputWatch() = 0;
    // The user's choice of the right button as the primary one.
    virtual bool buttonsSwapped() = 0;

    // Keeps the window above every window that is not kept on top, or lets it
    // back among them; its place and size stay. With `activate` false the
    // window does not take the activation or the keyboard focus.
    virtual void setTopmost(WindowHandle window, bool topmost, bool activate) = 0;
    // From now on the window's pixels of exactly `colorKey` (0xBBGGRR) are
    // not drawn, and clicks on them go to whatever lies below.
    virtual void makeColorKeyed(WindowHandle window, std::uint32_t colorKey) = 0;
    // The system moves the window with the pointer until the left button is
    // released, as for a drag of a title bar (a mouse capture is given up).
    virtual void startWindowDrag(WindowHandle window) = 0;
    virtual WindowHandle foregroundWindow() = 0;

    // Hands a web address to the shell ("open"; the browser is shown normally).
    virtual void shellOpen(WindowHandle owner, const std::string& address) = 0;
    // Starts a command line with the given show state, without waiting.
    virtual void startProgram(const std::string& commandLine, ShowState show) = 0;

    virtual bool notifyIcon(TrayAction action, const TrayIconData& data) = 0;
    virtual IconHandle iconHandle(Asset icon) = 0;

    // The per-user store of the settings kept between runs (the registry key
    // HKCU\Software\LumoMouse on Windows). A value as stored, or nothing
    // when it is missing or cannot be read.
    virtual std::optional<KeptValue> keptValue(const std::string& name) = 0;
    // Stores a 32-bit number under the name, creating the store when there is
    // none; a failure leaves the setting in effect for this run only.
    virtual void keepNumber(const std::string& name, std::uint32_t value) = 0;

    virtual ScreenMetrics screen() = 0;
    // The work area of the monitor at the point, or of the nearest one.
    virtual ScreenRect workAreaAt(Point p) = 0;
    // Milliseconds on a clock that never goes back, from an arbitrary start.
    virtual std::int64_t monotonicMs() = 0;
    // A uniform pseudo-random value in [0, 1), never seeded by the program.
    virtual double random() = 0;
    // Makes this process the one copy of the program of this user in the
    // session; false when the copy's name is taken already (or cannot be had).
    virtual bool claimSingleCopy() = 0;
    // Asks the copy already running to answer and, with `show`, to show
    // itself (it alone may take the foreground); false when no copy answers
    // within a second: whatever holds the name is no copy of the program.
    virtual bool wakeFirstCopy(bool show) = 0;
    // Ends the process at once; returns only on the simulated platform.
    virtual void exitProcess() = 0;
};

}  // namespace lumo
