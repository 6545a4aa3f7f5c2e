#include "forms/sim/sim_backend.h"

#include <algorithm>

#include "platform/utf.h"

namespace lumo::sim {

using forms::Control;
using forms::ControlKind;
using forms::Form;

class SimPeer : public forms::FormPeer {
public:
    SimPeer(SimBackend& backend, Form& form, WindowHandle handle) : backend_(backend), form_(form), handle_(handle) {
        for (const auto& c : form.controls()) {
            if (c->kind() == ControlKind::Timer) backend_.schedule(static_cast<forms::Timer&>(*c));
        }
    }
    ~SimPeer() override { backend_.unscheduleForm(form_); }

    WindowHandle handle() const override { return handle_; }
    void formChanged(forms::FormProperty) override {}
    void controlChanged(Control& c, forms::Property p) override {
        if (c.kind() == ControlKind::Timer && (p == forms::Property::Timer || p == forms::Property::Enabled)) {
            backend_.schedule(static_cast<forms::Timer&>(c));
        }
    }
    void setFocus(Control&, bool) override {}
    void releaseMouseCapture() override { backend_.platform_.captureReleased(); }

private:
    SimBackend& backend_;
    Form& form_;
    WindowHandle handle_;
};

std::unique_ptr<forms::FormPeer> SimBackend::createPeer(Form& form) {
    return std::make_unique<SimPeer>(*this, form, nextHandle_++);
}

forms::Size SimBackend::measureText(const forms::Font& font, const std::string& text) {
    const double unit = font.points * 10.0;
    double width = 0;
    for (char16_t ch : utf8ToUtf16(text)) width += ch < 0x80 ? unit : 2 * unit;
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(2 * unit)};
}

// ---------------------------------------------------------------- clock

void SimBackend::schedule(forms::Timer& t) {
    unschedule(t);
    if (!t.running()) return;
    timers_.push_back({&t, now_ + std::max(t.interval(), minimumPeriod_), order_++});
}

void SimBackend::unschedule(forms::Timer& t) {
    std::erase_if(timers_, [&](const TimerEntry& e) { return e.timer == &t; });
}

void SimBackend::unscheduleForm(Form& f) {
    std::erase_if(timers_, [&](const TimerEntry& e) { return &e.timer->form() == &f; });
}

void SimBackend::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    while (!platform_.exited) {
        auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == timers_.end() || next->due > end) break;
        now_ = next->due;
        platform_.setNow(now_);
        forms::Timer* t = next->timer;
        next->due = now_ + std::max(t->interval(), minimumPeriod_);
        next->order = order_++;
        forms::Runtime::EventScope scope(t->form().runtime());
        if (t->Tick) t->Tick();
    }
    now_ = end;
    platform_.setNow(now_);
}

// ---------------------------------------------------------------- input

void SimBackend::mouseOn(Control& c, Form::MouseAction a, int button, double x, double y) {
    if (platform_.exited || !c.shownOnForm()) return;
    // A frame or host is a surface of its own; anything else lies on its container's.
    if (c.isContainer()) {
        c.form().mouseInput(a, &c, button, 0, x, y);
    } else {
        c.form().mouseInput(a, c.container(), button, 0, c.left() + x, c.top() + y);
    }
}

void SimBackend::click(Control& c) {
    if (platform_.exited || !c.shownOnForm()) return;
    if (!c.isGraphical()) {
        // A windowed control takes the focus when it is pressed.
        if (!c.isContainer()) c.form().nativeFocus(&c);
        c.form().nativeClick(c);
        return;
    }
    const double x = c.width() / 2.0, y = c.height() / 2.0;
    mouseOn(c, Form::MouseAction::Down, forms::kLeftButton, x, y);
    mouseOn(c, Form::MouseAction::Up, forms::kLeftButton, x, y);
}

void SimBackend::doubleClick(Control& c) {
    click(c);
    if (!platform_.exited && c.shownOnForm()) c.form().nativeDoubleClick(c);
}

void SimBackend::press(Control& c, int button, double x, double y) {
    mouseOn(c, Form::MouseAction::Down, button, x, y);
}
void SimBackend::move(Control& c, int mask, double x, double y) { mouseOn(c, Form::MouseAction::Move, mask, x, y); }
void SimBackend::release(Control& c, int button, double x, double y) {
    mouseOn(c, Form::MouseAction::Up, button, x, y);
}

void SimBackend::pressForm(Form& f, int button, double x, double y) {
    if (!platform_.exited) f.mouseInput(Form::MouseAction::Down, nullptr, button, 0, x, y);
}
void SimBackend::moveForm(Form& f, int mask, double x, double y) {
    if (!platform_.exited) f.mouseInput(Form::MouseAction::Move, nullptr, mask, 0, x, y);
}
void SimBackend::releaseForm(Form& f, int button, double x, double y) {
    if (!platform_.exited) f.mouseInput(Form::MouseAction::Up, nullptr, button, 0, x, y);
}
void SimBackend::clickForm(Form& f, double x, double y) {
    pressForm(f, forms::kLeftButton, x, y);
    releaseForm(f, forms::kLeftButton, x, y);
}

void SimBackend::insertTyped(forms::TextBox& box, const std::string& text, bool asKeys) {
    // A single-line box inserts no line breaks or escapes; Backspace deletes.
    // One scope for the whole text: a key handler that unloads the form (Enter
    // applying a dialog) must not free the box before the loop sees that.
    forms::Runtime::EventScope scope(box.form().runtime());
    std::u16string current = utf8ToUtf16(box.text());
    for (char16_t ch : utf8ToUtf16(text)) {
        if (platform_.exited || !box.form().loaded()) return;
        if (asKeys && (ch == '\r' || ch == 0x1B) &&
            box.form().nativeKeyDown(ch == '\r' ? Key::Enter : Key::Escape, 0)) {
            continue;
        }
        const int k = box.form().nativeKeyPress(box, ch);
        if (!box.form().loaded()) return;
        if (k == 0 || k == 13 || k == 27) continue;
        if (k == 8) {
            if (!current.empty()) current.pop_back();
        } else {
            current += static_cast<char16_t>(k);
        }
        box.form().nativeTextEdited(box, utf16ToUtf8(current));
        current = utf8ToUtf16(box.text());
    }
}

void SimBackend::key(Form& f, KeyCode key, int shift) {
    if (platform_.exited || f.nativeKeyDown(key, shift) || key != Key::Space) return;
    Control* focused = f.activeControl();
    if (focused && (focused->kind() == ControlKind::CheckBox || focused->kind() == ControlKind::OptionButton)) {
        f.nativeClick(*focused);
    }
}

void SimBackend::type(forms::TextBox& box, const std::string& text) {
    if (!box.shownOnForm() || !box.enabled()) return;
    box.form().nativeFocus(&box);
    insertTyped(box, text, true);
}

void SimBackend::paste(forms::TextBox& box, const std::string& text) {
    if (platform_.exited || !box.shownOnForm() || !box.enabled()) return;
    if (box.filtersPastes()) {
        insertTyped(box, text, false);
        return;
    }
    // The edit control's own rule: a one-line box takes the text up to its
    // first line break.
    const std::string pasted = box.multiLine() ? text : text.substr(0, text.find_first_of("\r\n"));
    box.form().nativeTextEdited(box, box.text() + pasted);
}

void SimBackend::edit(forms::TextBox& box, const std::string& text) {
    if (!platform_.exited) box.form().nativeTextEdited(box, text);
}

void SimBackend::selectRow(forms::ListBox& list, int row) {
    if (!platform_.exited && list.shownOnForm()) list.form().nativeSelect(list, row);
}

void SimBackend::doubleClickRow(forms::ListBox& list, int row) {
    selectRow(list, row);
    if (!platform_.exited && list.shownOnForm()) list.form().nativeDoubleClick(list);
}

void SimBackend::trayMessage(forms::TrayIconSink& iconOwner, TrayEvent event, Point anchor) {
    if (!platform_.exited) iconOwner.trayIconMessage(event, anchor);
}

void SimBackend::deactivate(Form& f) {
    if (!platform_.exited) f.nativeDeactivated();
}

void SimBackend::closeWindow(Form& f) {
    if (!platform_.exited) f.closeRequested();
}

void SimBackend::closeCommand(Form& f) {
    if (!platform_.exited) f.closeCommand();
}

}  // namespace lumo::sim
