#include "platform/forms/control.h"

#include "platform/forms/form.h"

namespace lumo::forms {

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

std::int32_t Control::formLeft() const { return left() + (container_ ? container_->formLeft() : 0); }
std::int32_t Control::formTop() const { return top() + (container_ ? container_->formTop() : 0); }

void Control::setVisible(bool visible) {
    if (assignIfChanged(visible_, visible)) changed(Property::Visible);
}

bool Control::shownOnForm() const {
    return visible_ && (container_ == nullptr || container_->shownOnForm());
}

void Control::setEnabled(bool enabled) {
    if (assignIfChanged(enabled_, enabled)) changed(Property::Enabled);
}

void Control::setText(const std::string& text) {
    if (!assignIfChanged(text_, text)) return;
    afterTextChange();
    changed(Property::Text);
    if (kind_ == ControlKind::TextBox && Change) Change();
}

void Control::setForeColor(Color c) {
    if (assignIfChanged(foreColor_, c)) changed(Property::ForeColor);
}

void Control::setBackColor(Color c) {
    if (assignIfChanged(backColor_, c)) changed(Property::BackColor);
}

void Control::setOpaque(bool opaque) {
    if (assignIfChanged(opaque_, opaque)) changed(Property::BackStyle);
}

void Control::setFont(const Font& font) {
    if (!assignIfChanged(font_, font)) return;
    afterTextChange();
    changed(Property::Font);
}

void Control::setToolTip(const std::string& text) {
    if (assignIfChanged(toolTip_, text)) changed(Property::ToolTip);
}

void Control::setCursor(std::optional<Asset> cursor) {
    if (assignIfChanged(cursor_, cursor)) changed(Property::Cursor);
}

void Control::setFocus() { form_.setFocusTo(*this); }

}  // namespace lumo::forms
