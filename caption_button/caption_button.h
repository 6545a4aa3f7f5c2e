// CaptionButton: the program's own flat caption button. A light-blue rectangle
// with a blue caption that raises Click when it is clicked. It is a composite:
// it adds to its form a Host (the control's surface, which keeps the tooltip,
// position and size like for any other control) holding the rectangle and the
// caption label. The surface owns the button, so the button lives exactly as
// long as its controls and is freed with them when the form unloads.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "forms/forms.h"

namespace lumo {

// The container's stored properties of one control instance: key -> value.
using PropertyBag = std::map<std::string, std::string>;

class CaptionButton {
public:
    // Adds the control to `form` inside `container` (null: the form itself).
    // `stored` holds the properties the container saved for this instance; a
    // control created without any shows the design-time caption "LumoAnniu".
    static CaptionButton* add(forms::Form& form, const std::string& name, forms::Control* container,
                              const PropertyBag* stored = nullptr);
    CaptionButton(const CaptionButton&) = delete;
    CaptionButton& operator=(const CaptionButton&) = delete;

    // The caption is the label's text; the control keeps no copy of its own.
    const std::string& caption() const;
    void setCaption(const std::string& caption);

    // Places the control in its container; the rectangle follows the new size.
    void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    // The control's surface: tooltip, position, size and visibility live here.
    forms::Host* host() const { return host_; }
    forms::Shape* face() const { return shape_; }
    forms::Label* captionLabel() const { return label_; }

    // Raised once per completed click on the surface or on the caption.
    std::function<void()> Click;
    // Tells the container which stored property changed (so a designer saves it).
    std::function<void(const std::string& property)> PropertyChanged;

private:
    class Surface;
    CaptionButton(forms::Form& form, Surface& surface, const PropertyBag* stored);
    void resize();
    void showCaption(const std::string& caption);
    void raiseClick();

    forms::Host* host_;
    forms::Shape* shape_;
    forms::Label* label_;
};

}  // namespace lumo
