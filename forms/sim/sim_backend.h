// The headless forms backend: a virtual clock that fires timers in order,
// window handles, text measurement by a fixed rule, and user input injected by
// control (clicks, presses, moves, typing, pasting, list rows, tray messages).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "platform/sim/sim_platform.h"

namespace lumo::sim {

class SimBackend : public forms::Backend {
public:
    explicit SimBackend(SimPlatform& platform) : platform_(platform) {}

    std::unique_ptr<forms::FormPeer> createPeer(forms::Form& form) override;
    // 9-point text: 90 twips per ASCII character, 180 per other character, 180 high.
    forms::Size measureText(const forms::Font& font, const std::string& text) override;

    // ---- Virtual clock ----
    // The platform's shortest timer period: shorter intervals tick at this pace.
    void setMinimumTimerPeriod(int ms) { minimumPeriod_ = ms; }
    std::int64_t now() const { return now_; }
    // Runs every timer tick that falls due within the next `ms` milliseconds,
    // in time order (ties in the order the timers were started).
    void advance(std::int64_t ms);

    // ---- Input by control (coordinates in twips relative to the control) ----
    void click(forms::Control& c);
    void doubleClick(forms::Control& c);
    void press(forms::Control& c, int button, double x = 0, double y = 0);
    void move(forms::Control& c, int buttonMask, double x = 0, double y = 0);
    void release(forms::Control& c, int button, double x = 0, double y = 0);
    // The same on a form's background (client coordinates in twips).
    void pressForm(forms::Form& f, int button, double x, double y);
    void moveForm(forms::Form& f, int buttonMask, double x, double y);
    void releaseForm(forms::Form& f, int button, double x, double y);
    void clickForm(forms::Form& f, double x, double y);
    // A key pressed while `f` has the keyboard: the form's own keys first,
    // then what the focused native control does with it (Space presses a
    // check box or option button).
    void key(forms::Form& f, KeyCode key, int shift = 0);
    // Focuses the box and types text character by character, like the
    // keyboard: Enter and Esc go down as keys first, the rest through KeyPress.
    void type(forms::TextBox& box, const std::string& text);
    // Pastes text at the end: through KeyPress character by character into a
    // box that filters pastes, else as the system's edit control inserts it.
    void paste(forms::TextBox& box, const std::string& text);
    // Replaces the whole text as a user edit (raises Change, bypasses KeyPress).
    void edit(forms::TextBox& box, const std::string& text);
    void selectRow(forms::ListBox& list, int row);
    void doubleClickRow(forms::ListBox& list, int row);
    void trayMessage(forms::TrayIconSink& iconOwner, TrayEvent event, Point anchor = {});
    // Another window took the activation from `f`.
    void deactivate(forms::Form& f);
    void closeWindow(forms::Form& f);
    // The user's close command (Alt+F4).
    void closeCommand(forms::Form& f);

    // Windows the backend created, newest last (handles are never reused).
    WindowHandle lastHandle() const { return nextHandle_ - 1; }

private:
    friend class SimPeer;
    struct TimerEntry {
        forms::Timer* timer;
        std::int64_t due;
        std::uint64_t order;
    };
    void schedule(forms::Timer& t);
    void unschedule(forms::Timer& t);
    void unscheduleForm(forms::Form& f);
    void mouseOn(forms::Control& c, forms::Form::MouseAction a, int button, double x, double y);
    void insertTyped(forms::TextBox& box, const std::string& text, bool asKeys);

    SimPlatform& platform_;
    std::int64_t now_ = 0;
    int minimumPeriod_ = 10;
    std::uint64_t order_ = 0;
    std::vector<TimerEntry> timers_;
    WindowHandle nextHandle_ = 0x10010;
};

}  // namespace lumo::sim
