// Short-hands for building the settings window's design: each adds one
// control with its geometry (twips) and the look most of its kind share, and
// keeps it in the member it is named after (pass LUMO_CONTROL(member)).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "caption_button/caption_button.h"
#include "forms/forms.h"

namespace lumo::design {

struct Rect {
    std::int32_t left, top, width, height;
};

// A transparent label.
forms::Label* label(forms::Form& form, forms::Label*& member, const char* name, forms::Control* container, Rect r,
                    const std::string& caption);
// A rectangle outlined in the window-text colour; `fill` fills it.
forms::Shape* rectangle(forms::Form& form, forms::Shape*& member, const char* name, Rect r,
                        std::optional<forms::Color> fill = std::nullopt, forms::Color border = forms::kWindowTextColor);
forms::Line* line(forms::Form& form, forms::Line*& member, const char* name, forms::Control* container, std::int32_t x1,
                  std::int32_t y1, std::int32_t x2, std::int32_t y2, forms::Color color = forms::kWindowTextColor);
// An image; without a picture it is a transparent hot area.
forms::Image* image(forms::Form& form, forms::Image*& member, const char* name, Rect r, std::optional<Asset> picture,
                    const std::string& toolTip = {});
forms::TextBox* textBox(forms::Form& form, forms::TextBox*& member, const char* name, forms::Control* container, Rect r,
                        const std::string& text);
forms::CheckBox* checkBox(forms::Form& form, forms::CheckBox*& member, const char* name, forms::Control* container,
                          Rect r, const std::string& caption, forms::Color back);
// The program's caption button, its caption stored as a container would.
CaptionButton* captionButton(forms::Form& form, CaptionButton*& member, const char* name, forms::Control* container,
                             const std::string& caption);

}  // namespace lumo::design
