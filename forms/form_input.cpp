// How user input reaches a form: hit-testing, implicit mouse capture and
// clicks, and the events of windowed controls.
#include "forms/form.h"
#include "forms/runtime.h"

namespace lumo::forms {

Control* Form::hitTestGraphical(Control* surface, double x, double y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = it->get();
        if (c->container() == surface && c->takesMouseInput() && c->visible() && c->enabled() && c->contains(x, y)) {
            return c;
        }
    }
    return nullptr;
}

Control* Form::hitTest(Control* surface, double x, double y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = it->get();
        if (c->container() != surface || c->isGraphical() || c->kind() == ControlKind::Timer) continue;
        if (!c->visible() || !c->enabled() || !c->contains(x, y)) continue;
        if (c->isContainer()) {
            Control* inner = hitTest(c, x - c->left(), y - c->top());
            return inner ? inner : c;
        }
        return c;
    }
    return hitTestGraphical(surface, x, y);
}

void Form::dispatchMouse(Control* target, MouseAction action, const MouseEvent& e) {
    const auto& handler = [&]() -> const std::function<void(const MouseEvent&)>& {
        switch (action) {
            case MouseAction::Down: return target ? target->MouseDown : MouseDown;
            case MouseAction::Move: return target ? target->MouseMove : MouseMove;
            case MouseAction::Up: break;
        }
        return target ? target->MouseUp : MouseUp;
    }();
    if (handler) handler(e);
}

void Form::mouseInput(MouseAction action, Control* surface, int buttonOrMask, int shift, double x, double y) {
    if (!loaded_) return;
    Runtime::EventScope scope(runtime_);
    const double formX = x + (surface ? surface->formLeft() : 0);
    const double formY = y + (surface ? surface->formTop() : 0);
    Control* hit = hitTestGraphical(surface, x, y);
    Control* under = hit ? hit : surface;
    Control* target = captured_ ? captureTarget_ : under;

    MouseEvent e;
    e.button = buttonOrMask;
    e.shift = shift;
    e.x = formX - (target ? target->formLeft() : 0);
    e.y = formY - (target ? target->formTop() : 0);

    switch (action) {
        case MouseAction::Down:
            if (!captured_) {
                captured_ = true;
                captureTarget_ = target;
            }
            heldButtons_ |= buttonOrMask;
            dispatchMouse(target, action, e);
            break;
        case MouseAction::Move: dispatchMouse(target, action, e); break;
        case MouseAction::Up: {
            const bool wasCaptured = captured_;
            heldButtons_ &= ~buttonOrMask;
            if (heldButtons_ == 0) {
                captured_ = false;
                captureTarget_ = nullptr;
                if (peer_) peer_->releaseMouseCapture();
            }
            dispatchMouse(target, action, e);
            if (!loaded_) return;
            const Placeable& area = surface ? static_cast<const Placeable&>(*surface) : *this;
            const bool inside = x >= 0 && y >= 0 && x < area.width() && y < area.height();
            if (wasCaptured && buttonOrMask == kLeftButton && inside && under == target) {
                const auto& click = target ? target->Click : Click;
                if (click) click();
            }
            break;
        }
    }
}

void Form::captureLost() {
    captured_ = false;
    captureTarget_ = nullptr;
    heldButtons_ = 0;
}

void Form::nativeClick(Control& c) {
    if (!c.enabled()) return;
    raise([&] {
        if (c.kind() == ControlKind::CheckBox) {
            auto& box = static_cast<CheckBox&>(c);
            box.setValue(box.ticked() ? 0 : 1);
        } else if (c.kind() == ControlKind::OptionButton) {
            static_cast<OptionButton&>(c).setValue(true);
        }
        if (c.Click) c.Click();
    });
}

void Form::nativeDoubleClick(Control& c) {
    if (c.enabled()) raise(c.DblClick);
}

void Form::nativeSelect(ListBox& list, int row) {
    raise([&] {
        list.setListIndex(row);
        if (list.Click) list.Click();
    });
}

int Form::nativeKeyPress(Control& c, int keyAscii) {
    if (!loaded_) return 0;
    Runtime::EventScope scope(runtime_);
    if (c.KeyPress) c.KeyPress(keyAscii);
    return keyAscii;
}

void Form::nativeTextEdited(TextBox& box, const std::string& text) {
    raise([&] { box.userEdited(text); });
}

void Form::nativeFocus(Control* c) {
    if (loaded_) setActiveControl(c);
}

void Form::closeRequested() { unload(); }

void Form::closeCommand() {
    if (Cancel) {
        raise(Cancel);
    } else {
        closeRequested();
    }
}

void Form::nativeMoved(std::int32_t left, std::int32_t top) { followMove(left, top); }

void Form::nativeWindowState(WindowState s) { windowState_ = s; }

void Form::nativeDeactivated() { raise(Deactivate); }

}  // namespace lumo::forms
