#include "settings_window/design_helpers.h"

namespace lumo::design {

forms::Label* label(forms::Form& form, forms::Label*& member, const char* name, forms::Control* container, Rect r,
                    const std::string& caption) {
    auto* c = form.add(member, name, container);
    c->move(r.left, r.top, r.width, r.height);
    c->setText(caption);
    return c;
}

forms::Shape* rectangle(forms::Form& form, forms::Shape*& member, const char* name, Rect r,
                        std::optional<forms::Color> fill, forms::Color border) {
    auto* c = form.add(member, name, nullptr);
    c->move(r.left, r.top, r.width, r.height);
    c->setFill(fill.has_value(), fill.value_or(0));
    c->setBorder(true, border);
    return c;
}

forms::Line* line(forms::Form& form, forms::Line*& member, const char* name, forms::Control* container, std::int32_t x1,
                  std::int32_t y1, std::int32_t x2, std::int32_t y2, forms::Color color) {
    auto* c = form.add(member, name, container);
    c->setPoints(x1, y1, x2, y2);
    c->setColor(color);
    return c;
}

forms::Image* image(forms::Form& form, forms::Image*& member, const char* name, Rect r, std::optional<Asset> picture,
                    const std::string& toolTip) {
    auto* c = form.add(member, name, nullptr);
    c->move(r.left, r.top, r.width, r.height);
    c->setPicture(picture);
    c->setToolTip(toolTip);
    return c;
}

forms::TextBox* textBox(forms::Form& form, forms::TextBox*& member, const char* name, forms::Control* container, Rect r,
                        const std::string& text) {
    auto* c = form.add(member, name, container);
    c->move(r.left, r.top, r.width, r.height);
    c->setText(text);
    return c;
}

forms::CheckBox* checkBox(forms::Form& form, forms::CheckBox*& member, const char* name, forms::Control* container,
                          Rect r, const std::string& caption, forms::Color back) {
    auto* c = form.add(member, name, container);
    c->move(r.left, r.top, r.width, r.height);
    c->setText(caption);
    c->setBackColor(back);
    return c;
}

CaptionButton* captionButton(forms::Form& form, CaptionButton*& member, const char* name, forms::Control* container,
                             const std::string& caption) {
    const PropertyBag stored{{"Caption", caption}};
    return member = CaptionButton::add(form, name, container, &stored);
}

}  // namespace lumo::design
