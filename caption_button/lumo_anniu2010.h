// LumoAnniu2010: the program's own flat caption button. A light-blue rectangle
// with a blue caption that raises Click when it is clicked. It is a composite:
// it adds to its form a Host (the control's surface, which keeps the tooltip,
// position and size like for any other control) holding the rectangle and the
// caption label.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/forms/forms.h"

namespace lumo {

// The container's stored properties of one control instance: key -> value.
using PropertyBag = std::map<std::string, std::string>;

class LumoAnniu2010 {
public:
    // Adds the control to `form` inside `container` (null: the form itself).
    // `stored` holds the properties the container saved for this instance; a
    // control created without any shows the design-time caption "LumoAnniu".
    LumoAnniu2010(forms::Form& form, const std::string& name, forms::Control* container,
                  const PropertyBag* stored = nullptr);
    LumoAnniu2010(const LumoAnniu2010&) = delete;
    LumoAnniu2010& operator=(const LumoAnniu2010&) = delete;

    // The caption is the label's text; the control keeps no copy of its own.
    const std::string& Caption() const;
    void setCaption(const std::string& caption);

    // Places the control in its container; the rectangle follows the new size.
    void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    // The control's surface: tooltip, position, size and visibility live here.
    forms::Host* host() const { return host_; }
    forms::Shape* Shape1() const { return shape_; }
    forms::Label* Label1() const { return label_; }

    // Raised once per completed click on the surface or on the caption.
    std::function<void()> Click;
    // Tells the container which stored property changed (so a designer saves it).
    std::function<void(const std::string& property)> PropertyChanged;

private:
    void resize();
    void raiseClick();

    forms::Host* host_;
    forms::Shape* shape_;
    forms::Label* label_;
};

}  // namespace lumo
