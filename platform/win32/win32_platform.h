// The platform operations on the real Windows API. Each call is a thin wrapper:
// every decision about when and with what to call them lives in portable code.
#pragma once

#include <random>

#include "platform/platform.h"
#include "platform/win32/win32_input_watch.h"

namespace lumo::win32 {

class Win32Platform : public Platform {
public:
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
    [[noreturn]] void exitProcess() override;

private:
    InputWatch inputWatch_;
    UniqueHandle singleCopyMutex_;
    // Default-constructed, i.e. never seeded: every run draws the same sequence.
    std::mt19937 generator_;
    std::uniform_real_distribution<double> unitInterval_{0.0, 1.0};
    std::int64_t counterFrequency_ = 0;  // read on first use
    int dpiX_ = 0;                       // read on first use
    int dpiY_ = 0;
};

}  // namespace lumo::win32
