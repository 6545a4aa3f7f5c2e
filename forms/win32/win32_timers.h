// The Timer controls of one form as system timers on its window: one timer per
// running Timer, started again only when the model reports a real change, so
// rewriting an interval or enabled state it already has keeps the countdown.
#pragma once

#include <windows.h>

#include <vector>

#include "forms/forms.h"

namespace lumo::win32 {

class FormTimers {
public:
    // Starts the timers of the form that are running.
    FormTimers(HWND window, const forms::Form& form);
    ~FormTimers();
    FormTimers(const FormTimers&) = delete;
    FormTimers& operator=(const FormTimers&) = delete;

    // The model changed the interval or enabled state of `timer`.
    void changed(const forms::Timer& timer);
    // The Timer whose WM_TIMER has this id, if it is running.
    forms::Timer* runningTimer(UINT_PTR id) const;

private:
    void start(std::size_t index);

    HWND window_;
    std::vector<forms::Timer*> timers_;  // the id of timers_[i] is i + 1
};

}  // namespace lumo::win32
