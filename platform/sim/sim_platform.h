// A headless, deterministic platform for the unit tests: settable pointer,
// keys, foreground window, screen metrics and random values, and a log of
// every injected click, shell open, program start, tray call and z-order call.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/input_health.h"
#include "platform/platform.h"

namespace lumo::sim {

class SimPlatform : public Platform, private HookDriver {
public:
    struct Click {
        MouseButton button;
        Point at;
    };
    struct ButtonCall {
        MouseButton button;
        bool down;
        Point at;
        friend bool operator==(const ButtonCall&, const ButtonCall&) = default;
    };
    struct TopmostCall {
        WindowHandle window;
        bool topmost;
        bool activate;
    };
    struct ShellOpen {
        WindowHandle owner;
        std::string address;
    };
    struct ProgramStart {
        std::string commandLine;
        ShowState show;
    };
    struct TrayCall {
        TrayAction action;
        TrayIconData data;
    };
    // A window let go of the mouse capture after this many pointer moves and
    // clicks had been asked for: where it falls among them decides whether an
    // injected click could still go to the capturing window.
    struct CaptureRelease {
        std::size_t cursorMovesBefore;
        std::size_t clicksBefore;
        friend bool operator==(const CaptureRelease&, const CaptureRelease&) = default;
    };

    // ---- Platform ----
    bool isKeyDown(KeyCode key) override;
    Point cursorPos() override;
    void setCursorPos(std::int32_t x, std::int32_t y) override;
    void click(MouseButton button) override;
    void pressButton(MouseButton button) override;
    void releaseButton(MouseButton button) override;
    bool watchInput(InputListener* listener) override;
    void publishKeyTable(const KeyTable& table) override;
    void reportPointerMoves(bool on) override;
    void checkInputWatch() override;
    bool buttonsSwapped() override;
    void setTopmost(WindowHandle window, bool topmost, bool activate) override;
    void makeColorKeyed(WindowHandle window, std::uint32_t colorKey) override;
    void startWindowDrag(WindowHandle window) override;
    WindowHandle foregroundWindow() override;
    void shellOpen(WindowHandle owner, const std::string& address) override;
    void startProgram(const std::string& commandLine, ShowState show) override;
    bool notifyIcon(TrayAction action, const TrayIconData& data) override;
    IconHandle iconHandle(Asset icon) override;
    std::optional<KeptValue> keptValue(const std::string& name) override;
    void keepNumber(const std::string& name, std::uint32_t value) override;
    ScreenMetrics screen() override;
    ScreenRect workAreaAt(Point p) override;
    std::int64_t monotonicMs() override;
    double random() override;
    bool claimSingleCopy() override;
    bool wakeFirstCopy(bool show) override;
    void exitProcess() override;

    // ---- Test controls ----
    // A key or mouse button going down or up, as the user does it: reported
    // to the input listener when it changes.
    void setKeyDown(KeyCode key, bool down);
    // A keyboard event as the input thread sees it: decided on by the key
    // gate with the table last published, reported as that decides. Returns
    // the decision.
    GateVerdict strike(const KeyStroke& stroke);
    // A press of the key without a scan code (or with `scanCode`), then its release.
    GateVerdict press(KeyCode key, std::uint8_t scanCode = 0) { return strike({key, scanCode, false, true}); }
    GateVerdict release(KeyCode key, std::uint8_t scanCode = 0) { return strike({key, scanCode, false, false}); }
    // A window of this program is active, as the input thread finds it.
    void setOwnWindowActive(bool active) { ownWindowActive_ = active; }
    // ---- The hooks' health, run by the same watch as on the desktop ----
    // The hooks stop seeing anything (the system dropped them); keys typed
    // meanwhile reach the witness only, and the next check installs them again.
    void silenceHooks() { hooksSilent_ = true; }
    // The next `count` installs of the hooks fail.
    void failHookInstalls(int count) { failingInstalls_ = count; }
    // Something hides the keyboard: no key reaches the hooks or the witness,
    // and a button the program lets go meanwhile stays down.
    void setBlind(Blindness reason, bool on);
    bool hooksLive() const { return health_.hooked() && !hooksSilent_; }
    // Whether the input thread would take the bound keys now.
    bool gateOn();
    // While set, what the input thread reports waits, as posted messages
    // wait for the user-interface thread, until deliverReports().
    void setReportsQueued(bool queued) { reportsQueued_ = queued; }
    void deliverReports();
    bool reportsPending() const { return !pendingReports_.empty(); }
    void setButtonsSwapped(bool swapped) { buttonsSwapped_ = swapped; }
    // The copy's name is taken, by a copy of the program that answers its
    // wake-up or by something that does not; wakeFirstCopy counts the
    // wake-ups that ask it to show itself.
    void setOtherCopyRunning(bool running, bool answers = true) {
        otherCopyRunning_ = running;
        otherCopyAnswers_ = answers;
    }
    int firstCopyWakeUps = 0;
    // Moves the pointer like the user would (not logged as a program move);
    // reported while pointer moves are asked for.
    void movePointer(Point p);
    // When cleared, every install of the hooks fails, as on a system without input reports.
    void setInputReportsAvailable(bool available) { inputReportsAvailable_ = available; }
    InputListener* inputListener() const { return listener_; }
    bool reportingPointerMoves() const { return reportMoves_; }
    void setForeground(WindowHandle w) { foreground_ = w; }
    void setScreen(const ScreenMetrics& m) { screen_ = m; }
    void setScreenPixels(int width, int height, double twipsPerPixel = 15.0);
    // The desktop's monitors (their work areas); the pointer stays within the
    // rectangle around them all. None set: one monitor the size of the screen.
    void setMonitors(std::vector<ScreenRect> monitors) { monitors_ = std::move(monitors); }
    // The virtual clock: the forms backend moves it on as it fires its timers;
    // tests of the platform alone set it themselves.
    void setNow(std::int64_t ms) { now_ = ms; }
    // Values handed out by random(), in order; afterwards a fixed generator.
    void queueRandom(std::initializer_list<double> values);
    // When set, the shell refuses NIM_ADD (as if no notification area existed).
    void setTrayRefusesAdd(bool refuse) { trayRefusesAdd_ = refuse; }
    // An older shell (the default here) refuses the current callback version.
    void setTraySpeaksCurrentVersion(bool speaks) { traySpeaksCurrentVersion_ = speaks; }
    // The simulated forms backend reports each release of the mouse capture.
    void captureReleased() { captureReleases.push_back({cursorMoves.size(), clicks.size()}); }

    // ---- Logs ----
    std::vector<Point> cursorMoves;  // targets asked of SetCursorPos, before clamping
    std::vector<Click> clicks;
    std::vector<ButtonCall> buttonCalls;
    std::vector<TopmostCall> topmostCalls;
    std::vector<WindowHandle> colorKeyed;
    std::vector<WindowHandle> drags;
    std::vector<ShellOpen> shellOpens;
    std::vector<ProgramStart> programStarts;
    std::vector<TrayCall> trayCalls;
    std::vector<KeyCode> keyProbes;
    std::vector<CaptureRelease> captureReleases;
    std::vector<KeyTable> publishedTables;
    int hookInstalls = 0;
    // The kept store: what the program keeps, and whatever a test puts there.
    std::map<std::string, KeptValue> kept;
    int callCount = 0;  // every Platform call
    bool exited = false;

    void clearLogs();

private:
    std::array<bool, 256> keys_{};
    Point cursor_{640, 400};
    WindowHandle foreground_ = 0;
    ScreenMetrics screen_{};
    std::vector<ScreenRect> monitors_;
    std::int64_t now_ = 0;
    std::deque<double> randomQueue_;
    std::uint64_t randomState_ = 0x2545F4914F6CDD1DULL;
    bool trayRefusesAdd_ = false;
    bool traySpeaksCurrentVersion_ = false;
    bool inputReportsAvailable_ = true;
    InputListener* listener_ = nullptr;
    bool reportMoves_ = false;
    KeyGate gate_;
    bool ownWindowActive_ = false;
    // ---- The hooks' health ----
    bool installHooks() override;
    void removeHooks() override;
    void takeSwitchAsHotKeys(bool on) override;
    // Each keyboard event moves the input clock on by a second.
    std::uint32_t strikeClock();
    struct Report {
        bool switchPressed;
        KeyCode key;
        bool down;
        std::uint8_t sightEpoch;  // of the table it was decided with
    };
    void report(const Report& report);
    InputHealth health_{*this};
    bool reportsQueued_ = false;
    std::deque<Report> pendingReports_;
    bool hooksSilent_ = false;
    int failingInstalls_ = 0;
    bool hotKeys_ = false;
    std::uint8_t hotKeySwitches_ = 0;
    std::uint32_t inputClock_ = 0;
    std::uint32_t lastHookEvent_ = 0;
    bool buttonsSwapped_ = false;
    bool otherCopyRunning_ = false;
    bool otherCopyAnswers_ = false;
    // Buttons held by pressButton: the key state shows them, as the real
    // one shows injected buttons.
    std::array<bool, 2> injectedButtons_{};
};

}  // namespace lumo::sim
