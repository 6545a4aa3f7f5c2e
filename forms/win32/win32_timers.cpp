#include "forms/win32/win32_timers.h"

#include <algorithm>

#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

FormTimers::FormTimers(HWND window, const forms::Form& form) : window_(window) {
    for (const auto& c : form.controls()) {
        if (c->kind() == forms::ControlKind::Timer) timers_.push_back(static_cast<forms::Timer*>(c.get()));
    }
    for (std::size_t i = 0; i < timers_.size(); ++i) start(i);
}

FormTimers::~FormTimers() {
    for (std::size_t i = 0; i < timers_.size(); ++i) KillTimer(window_, i + 1);
}

void FormTimers::start(std::size_t index) {
    const UINT_PTR id = index + 1;
    KillTimer(window_, id);
    const forms::Timer& timer = *timers_[index];
    if (!timer.running()) return;
    // The system clamps shorter periods to its own minimum.
    if (!SetTimer(window_, id, static_cast<UINT>(std::max<int>(timer.interval(), USER_TIMER_MINIMUM)), nullptr)) {
        traceFailure(Failure::Timer, L"SetTimer");
    }
}

void FormTimers::changed(const forms::Timer& timer) {
    const auto found = std::find(timers_.begin(), timers_.end(), &timer);
    if (found != timers_.end()) start(static_cast<std::size_t>(found - timers_.begin()));
}

forms::Timer* FormTimers::runningTimer(UINT_PTR id) const {
    if (id == 0 || id > timers_.size()) return nullptr;
    forms::Timer* timer = timers_[id - 1];
    return timer->running() ? timer : nullptr;
}

}  // namespace lumo::win32
