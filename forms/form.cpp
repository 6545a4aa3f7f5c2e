#include "forms/form.h"

#include <algorithm>

#include "forms/runtime.h"

namespace lumo::forms {

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
    captureLost();
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
    captureLost();
    activeControl_ = nullptr;
    runtime_.retire(std::move(peer_));
    runtime_.retire(std::move(controls_));
    controls_.clear();
}

void Form::setWindowState(WindowState s) {
    if (assignIfChanged(windowState_, s)) notifyForm(FormProperty::WindowState);
}

void Form::setBackColor(Color c) {
    if (assignIfChanged(backColor_, c)) notifyForm(FormProperty::BackColor);
}

void Form::setCaption(const std::string& caption) {
    if (assignIfChanged(caption_, caption)) notifyForm(FormProperty::Caption);
}

void Form::setIcon(std::optional<Asset> icon) {
    if (assignIfChanged(icon_, icon)) notifyForm(FormProperty::Icon);
}

Timer* Form::addTimer(std::string name, int intervalMs, bool enabled) {
    Timer* t = add<Timer>(std::move(name));
    t->setInterval(intervalMs);
    t->setEnabled(enabled);
    return t;
}

void Form::setFocusTo(Control& c, bool byKeyboard) {
    setActiveControl(&c);
    if (peer_) peer_->setFocus(c, byKeyboard);
}

void Form::setActiveControl(Control* c) {
    Control* const before = activeControl_;
    if (!assignIfChanged(activeControl_, c)) return;
    // Painted controls show the focus themselves.
    if (before) notify(*before, Property::Focus);
    if (c) notify(*c, Property::Focus);
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

}  // namespace lumo::forms
