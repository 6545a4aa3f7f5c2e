// The keyboard of a form, as the system's dialogs behave: Tab and Shift+Tab go
// round the form's ring of stops, native and painted alike; the arrow keys
// move the choice within a group of option buttons; Space and Enter press a
// painted stop (button, link), Enter confirms a list, else runs Accept; Esc
// runs Cancel. Keys none of these use are left to the focused control.
#include <algorithm>

#include "forms/form.h"
#include "forms/runtime.h"

namespace lumo::forms {

namespace {

bool isPainted(const Control& c) { return c.isGraphical() || c.kind() == ControlKind::Host; }

}  // namespace

std::function<void(KeyCode& key, int shift)> onEnterKey(std::function<void()> action) {
    return [action = std::move(action)](KeyCode& key, int) {
        if (key != Key::Enter) return;
        key = KeyCode{};
        action();
    };
}

bool Form::usableStop(const Control& stop) const {
    if (!stop.shownOnForm() || !stop.enabled()) return false;
    if (stop.kind() != ControlKind::Frame) return true;
    return std::any_of(controls_.begin(), controls_.end(), [&](const auto& c) {
        return c->container() == &stop && c->kind() == ControlKind::OptionButton && c->visible() && c->enabled();
    });
}

// The stop of the ring that holds `c`: itself, or the group (Frame) it lies in.
Control* Form::stopOf(const Control* c) const {
    const auto ring = tabStops();
    for (; c; c = c->container()) {
        if (const auto at = std::find(ring.begin(), ring.end(), c); at != ring.end()) return *at;
    }
    return nullptr;
}

void Form::moveInRing(bool backwards) {
    const auto ring = tabStops();
    const auto count = static_cast<std::ptrdiff_t>(ring.size());
    if (count == 0) return;
    // From a control outside the ring, Tab starts at the first stop and
    // Shift+Tab at the last.
    const auto at = std::find(ring.begin(), ring.end(), stopOf(activeControl_));
    std::ptrdiff_t index = at == ring.end() ? (backwards ? count : -1) : at - ring.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        if (usableStop(*ring[index])) {
            focusStop(*ring[index]);
            return;
        }
    }
}

// A group takes the focus at its chosen option, or at its first usable one.
void Form::focusStop(Control& stop) {
    if (stop.kind() != ControlKind::Frame) {
        setFocusTo(stop, true);
        return;
    }
    Control* first = nullptr;
    for (const auto& c : controls_) {
        if (c->container() != &stop || c->kind() != ControlKind::OptionButton || !c->visible() || !c->enabled()) {
            continue;
        }
        if (static_cast<OptionButton&>(*c).value()) {
            setFocusTo(*c, true);
            return;
        }
        if (!first) first = c.get();
    }
    if (first) setFocusTo(*first, true);
}

// The arrow keys choose the next or previous option of the group, round.
bool Form::moveInGroup(Control& option, bool backwards) {
    std::vector<Control*> group;
    for (const auto& c : controls_) {
        if (c->container() == option.container() && c->kind() == ControlKind::OptionButton &&
            (c.get() == &option || (c->visible() && c->enabled()))) {
            group.push_back(c.get());
        }
    }
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t at = std::find(group.begin(), group.end(), &option) - group.begin();
    Control& next = *group[(at + (backwards ? count - 1 : 1)) % count];
    setFocusTo(next, true);
    nativeClick(next);
    return true;
}

bool Form::builtInKey(Control* focused, KeyCode key, int shift) {
    const bool painted = focused && isPainted(*focused);
    if (key == Key::Tab) {
        if (tabStops().empty()) return false;
        moveInRing((shift & kShiftKey) != 0);
        return true;
    }
    if (key == Key::Up || key == Key::Down || key == Key::Left || key == Key::Right) {
        if (!focused || focused->kind() != ControlKind::OptionButton) return false;
        return moveInGroup(*focused, key == Key::Up || key == Key::Left);
    }
    if (key == Key::Space) {
        if (!painted) return false;
        if (focused->Click) focused->Click();
        return true;
    }
    if (key == Key::Enter) {
        if (focused && focused->kind() == ControlKind::ListBox) {
            if (focused->DblClick) focused->DblClick();
        } else if (painted) {
            if (focused->Click) focused->Click();
        } else if (Accept) {
            Accept();
        } else {
            return false;
        }
        return true;
    }
    if (key != Key::Escape || !Cancel) return false;
    Cancel();
    return true;
}

bool Form::nativeKeyDown(KeyCode key, int shift) {
    // A key the system knows no code for (0) is the focused control's alone.
    if (!loaded_ || key.empty()) return false;
    Runtime::EventScope scope(runtime_);
    // A focused control that has gone (hidden, disabled) takes no keys.
    Control* focused =
        activeControl_ && activeControl_->shownOnForm() && activeControl_->enabled() ? activeControl_ : nullptr;
    if (focused && focused->KeyDown) focused->KeyDown(key, shift);
    if (!key.empty() && loaded_ && KeyDown) KeyDown(key, shift);
    if (key.empty() || !loaded_) return true;
    return builtInKey(focused, key, shift);
}

}  // namespace lumo::forms
