#include "platform/forms/controls.h"

#include "platform/forms/form.h"
#include "platform/forms/runtime.h"

namespace lumo::forms {

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
