#include "forms/controls.h"

#include "forms/form.h"
#include "forms/runtime.h"

namespace lumo::forms {

Control::Control(Form& form, ControlKind kind, std::string name, Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container) {}

bool Control::isGraphical() const {
    return kind_ == ControlKind::Label || kind_ == ControlKind::Image || kind_ == ControlKind::Shape ||
           kind_ == ControlKind::Line;
}

bool Control::takesMouseInput() const { return kind_ == ControlKind::Label || kind_ == ControlKind::Image; }

void Control::changed(Property p) { form_.notify(*this, p); }

std::int32_t Control::formLeft() const { return left() + (container_ ? container_->formLeft() : 0); }
std::int32_t Control::formTop() const { return top() + (container_ ? container_->formTop() : 0); }

void Control::setVisible(bool visible) {
    if (assignIfChanged(visible_, visible)) changed(Property::Visible);
}

bool Control::shownOnForm() const { return visible_ && (container_ == nullptr || container_->shownOnForm()); }

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
    if (assignIfChanged(text_, text) && Change) Change();
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
    if (assignIfChanged(listIndex_, index)) changed(Property::ListIndex);
}

void CheckBox::setValue(int value) {
    if (assignIfChanged(value_, value == 1 ? 1 : 0)) changed(Property::Value);
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
    if (assignIfChanged(value_, selected)) changed(Property::Value);
}

void Image::setPicture(std::optional<Asset> picture) {
    if (assignIfChanged(picture_, picture)) changed(Property::Picture);
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
    if (assignIfChanged(color_, color)) changed(Property::Shape);
}

void Timer::setInterval(int ms) {
    if (assignIfChanged(interval_, ms < 0 ? 0 : ms)) changed(Property::Timer);
}

}  // namespace lumo::forms
