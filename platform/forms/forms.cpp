#include "platform/forms/forms.h"

#include <algorithm>

namespace lumo::forms {

// ---------------------------------------------------------------- Control

Control::Control(Form& form, ControlKind kind, std::string name, Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container) {}

bool Control::isGraphical() const {
    return kind_ == ControlKind::Label || kind_ == ControlKind::Image || kind_ == ControlKind::Shape ||
           kind_ == ControlKind::Line;
}

bool Control::takesMouseInput() const {
    return kind_ == ControlKind::Label || kind_ == ControlKind::Image;
}

void Control::changed(Property p) { form_.notify(*this, p); }

void Control::move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Property::Geometry);
}

std::int32_t Control::formLeft() const { return left_ + (container_ ? container_->formLeft() : 0); }
std::int32_t Control::formTop() const { return top_ + (container_ ? container_->formTop() : 0); }

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed(Property::Visible);
}

bool Control::shownOnForm() const {
    return visible_ && (container_ == nullptr || container_->shownOnForm());
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed(Property::Enabled);
}

void Control::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    afterTextChange();
    changed(Property::Text);
    if (kind_ == ControlKind::TextBox && Change) Change();
}

void Control::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    changed(Property::ForeColor);
}

void Control::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    changed(Property::BackColor);
}

void Control::setOpaque(bool opaque) {
    if (opaque == opaque_) return;
    opaque_ = opaque;
    changed(Property::BackStyle);
}

void Control::setFont(const Font& font) {
    if (font == font_) return;
    font_ = font;
    afterTextChange();
    changed(Property::Font);
}

void Control::setToolTip(const std::string& text) {
    if (text == toolTip_) return;
    toolTip_ = text;
    changed(Property::ToolTip);
}

void Control::setCursor(std::optional<Asset> cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    changed(Property::Cursor);
}

void Control::setFocus() { form_.setFocusTo(*this); }

// ---------------------------------------------------------------- kinds

void Label::setAutoSize(bool on) {
    autoSize_ = on;
    afterTextChange();
}

void Label::afterTextChange() {
    if (!autoSize_) return;
    const Size size = form().runtime().backend().measureText(font(), text_);
    move(left(), top(), size.width, size.height);
}

TextBox::TextBox(Form& f, std::string n, Control* c) : Control(f, ControlKind::TextBox, std::move(n), c) {
    setBackColor(kWindowColor);
}

void TextBox::userEdited(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (Change) Change();
}

ListBox::ListBox(Form& f, std::string n, Control* c) : Control(f, ControlKind::ListBox, std::move(n), c) {
    setBackColor(kWindowColor);
}

void ListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    changed(Property::Items);
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) index = -1;
    if (index == listIndex_) return;
    listIndex_ = index;
    changed(Property::ListIndex);
}

void CheckBox::setValue(int value) {
    value = value == 1 ? 1 : 0;
    if (value == value_) return;
    value_ = value;
    changed(Property::Value);
}

void OptionButton::setValue(bool selected) {
    if (selected) {
        for (const auto& other : form().controls()) {
            if (other.get() != this && other->kind() == ControlKind::OptionButton &&
                other->container() == container()) {
                static_cast<OptionButton*>(other.get())->setValue(false);
            }
        }
    }
    if (selected == value_) return;
    value_ = selected;
    changed(Property::Value);
}

void Image::setPicture(std::optional<Asset> picture) {
    if (picture == picture_) return;
    picture_ = picture;
    changed(Property::Picture);
}

void Shape::setFill(bool filled, Color color) {
    if (filled == filled_ && color == fillColor_) return;
    filled_ = filled;
    fillColor_ = color;
    changed(Property::Shape);
}

void Shape::setBorder(bool bordered, Color color) {
    if (bordered == bordered_ && color == borderColor_) return;
    bordered_ = bordered;
    borderColor_ = color;
    changed(Property::Shape);
}

void Line::setPoints(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    changed(Property::Shape);
}

void Line::setColor(Color color) {
    if (color == color_) return;
    color_ = color;
    changed(Property::Shape);
}

void Timer::setInterval(int ms) {
    if (ms < 0) ms = 0;
    if (ms == interval_) return;
    interval_ = ms;
    changed(Property::Timer);
}

// ---------------------------------------------------------------- Form

Form::Form(Runtime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {
    runtime_.forms_.push_back(this);
}

Form::~Form() {
    peer_.reset();
    auto& forms = runtime_.forms_;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

Platform& Form::platform() const { return runtime_.platform(); }

WindowHandle Form::handle() const { return peer_ ? peer_->handle() : 0; }

void Form::load() {
    if (loaded_) return;
    Runtime::EventScope scope(runtime_);
    loaded_ = true;
    visible_ = false;
    owner_ = nullptr;
    windowState_ = WindowState::Normal;
    activeControl_ = nullptr;
    captured_ = false;
    captureTarget_ = nullptr;
    heldButtons_ = 0;
    design();
    peer_ = runtime_.backend().createPeer(*this);
    if (Load) Load();
}

void Form::show(Form* owner) {
    if (!loaded_) load();
    if (!loaded_) return;
    if (owner != owner_) {
        owner_ = owner;
        notifyForm(FormProperty::Owner);
    }
    // A tray utility's "show" brings a minimized window back as well.
    setWindowState(WindowState::Normal);
    if (visible_) return;
    visible_ = true;
    notifyForm(FormProperty::Visible);
    raise(Shown);
}

void Form::hide() {
    if (!loaded_) load();
    if (!loaded_ || !visible_) return;
    visible_ = false;
    notifyForm(FormProperty::Visible);
    raise(Hidden);
}

void Form::unload() {
    if (!loaded_) return;
    Runtime::EventScope scope(runtime_);
    bool cancel = false;
    if (QueryUnload) QueryUnload(cancel);
    if (cancel || !loaded_) return;
    discard();
}

void Form::discard() {
    // The platform destroys owned windows with their owner: release them first.
    for (Form* other : runtime_.forms_) {
        if (other->owner_ == this) {
            other->owner_ = nullptr;
            other->notifyForm(FormProperty::Owner);
        }
    }
    loaded_ = false;
    visible_ = false;
    captured_ = false;
    captureTarget_ = nullptr;
    activeControl_ = nullptr;
    runtime_.retire(std::move(peer_));
    runtime_.retire(std::move(controls_));
    controls_.clear();
}

void Form::setWindowState(WindowState s) {
    if (s == windowState_) return;
    windowState_ = s;
    notifyForm(FormProperty::WindowState);
}

void Form::move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notifyForm(FormProperty::Geometry);
}

void Form::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    notifyForm(FormProperty::BackColor);
}

void Form::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    notifyForm(FormProperty::Caption);
}

void Form::setIcon(std::optional<Asset> icon) {
    if (icon == icon_) return;
    icon_ = icon;
    notifyForm(FormProperty::Icon);
}

Timer* Form::addTimer(std::string name, int intervalMs, bool enabled) {
    Timer* t = add<Timer>(std::move(name));
    t->setInterval(intervalMs);
    t->setEnabled(enabled);
    return t;
}

void Form::setFocusTo(Control& c) {
    activeControl_ = &c;
    if (peer_) peer_->setFocus(c);
}

void Form::notify(Control& c, Property p) {
    if (peer_) peer_->controlChanged(c, p);
}

void Form::notifyForm(FormProperty p) {
    if (peer_) peer_->formChanged(p);
}

void Form::raise(const std::function<void()>& event) {
    if (!loaded_ || !event) return;
    Runtime::EventScope scope(runtime_);
    event();
}

// ---------------------------------------------------------------- input

namespace {

bool contains(const Control& c, double x, double y) {
    return x >= c.left() && y >= c.top() && x < c.left() + c.width() && y < c.top() + c.height();
}

}  // namespace

Control* Form::hitTestGraphical(Control* surface, double x, double y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = it->get();
        if (c->container() == surface && c->takesMouseInput() && c->visible() && c->enabled() &&
            contains(*c, x, y)) {
            return c;
        }
    }
    return nullptr;
}

Control* Form::hitTest(Control* surface, double x, double y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = it->get();
        if (c->container() != surface || c->isGraphical() || c->kind() == ControlKind::Timer) continue;
        if (!c->visible() || !c->enabled() || !contains(*c, x, y)) continue;
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

void Form::mouseInput(MouseAction action, Control* surface, int buttonOrMask, int shift, double x,
                      double y) {
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
        case MouseAction::Move:
            dispatchMouse(target, action, e);
            break;
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
            const double extentW = surface ? surface->width() : width_;
            const double extentH = surface ? surface->height() : height_;
            const bool inside = x >= 0 && y >= 0 && x < extentW && y < extentH;
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
    if (!loaded_ || !c.enabled()) return;
    Runtime::EventScope scope(runtime_);
    if (c.kind() == ControlKind::CheckBox) {
        auto& box = static_cast<CheckBox&>(c);
        box.setValue(box.value() == 1 ? 0 : 1);
    } else if (c.kind() == ControlKind::OptionButton) {
        static_cast<OptionButton&>(c).setValue(true);
    }
    if (c.Click) c.Click();
}

void Form::nativeDoubleClick(Control& c) {
    if (!loaded_ || !c.enabled()) return;
    Runtime::EventScope scope(runtime_);
    if (c.DblClick) c.DblClick();
}

void Form::nativeSelect(ListBox& list, int row) {
    if (!loaded_) return;
    Runtime::EventScope scope(runtime_);
    list.setListIndex(row);
    if (list.Click) list.Click();
}

int Form::nativeKeyPress(Control& c, int keyAscii) {
    if (!loaded_) return 0;
    Runtime::EventScope scope(runtime_);
    if (c.KeyPress) c.KeyPress(keyAscii);
    return keyAscii;
}

void Form::nativeTextEdited(TextBox& box, const std::string& text) {
    if (!loaded_) return;
    Runtime::EventScope scope(runtime_);
    box.userEdited(text);
}

void Form::nativeFocus(Control* c) {
    if (loaded_) activeControl_ = c;
}

void Form::closeRequested() { unload(); }

void Form::nativeMoved(std::int32_t left, std::int32_t top) {
    left_ = left;
    top_ = top;
}

void Form::nativeWindowState(WindowState s) { windowState_ = s; }

void Form::trayNotify(std::uint32_t message) {
    if (!loaded_) return;
    Runtime::EventScope scope(runtime_);
    if (TrayNotify) TrayNotify(message);
}

void Form::shellRestarted() { raise(ShellRestarted); }

void Form::nativeDeactivated() { raise(Deactivate); }

// ---------------------------------------------------------------- Runtime

Runtime::~Runtime() {
    flushing_ = false;
    flush();
}

Runtime::EventScope::~EventScope() {
    if (--r_.depth_ == 0) r_.flush();
}

void Runtime::retire(std::unique_ptr<FormPeer> peer) {
    if (!peer) return;
    retiredPeers_.push_back(std::move(peer));
    if (depth_ == 0) flush();
}

void Runtime::retire(std::vector<std::unique_ptr<Control>> controls) {
    for (auto& c : controls) retiredControls_.push_back(std::move(c));
    if (depth_ == 0) flush();
}

void Runtime::flush() {
    // Destroying a peer can send window messages that open nested events.
    if (flushing_) return;
    flushing_ = true;
    while (!retiredPeers_.empty() || !retiredControls_.empty()) {
        auto peers = std::move(retiredPeers_);
        retiredPeers_.clear();
        peers.clear();
        auto controls = std::move(retiredControls_);
        retiredControls_.clear();
        controls.clear();
    }
    flushing_ = false;
}

}  // namespace lumo::forms
