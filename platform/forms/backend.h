// The interfaces a backend (win32 or sim) implements to realise the forms:
// one peer per loaded form, told about every property change.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/appearance.h"
#include "platform/forms/properties.h"
#include "platform/platform.h"

namespace lumo::forms {

class Control;
class Form;

// The backend's side of one loaded form.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual WindowHandle handle() const = 0;
    virtual void formChanged(FormProperty p) = 0;
    virtual void controlChanged(Control& c, Property p) = 0;
    virtual void setFocus(Control& c) = 0;
    // The last held button went up: the window lets go of the mouse before the
    // release is handled, so that input a handler injects goes where it points.
    virtual void releaseMouseCapture() = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Creates the native side of a form whose design has just been built.
    virtual std::unique_ptr<FormPeer> createPeer(Form& form) = 0;
    // Size of a text in twips, for self-sizing labels.
    virtual Size measureText(const Font& font, const std::string& text) = 0;
};

}  // namespace lumo::forms
