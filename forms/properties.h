// Properties of controls and forms: which one changed, as the backend is told,
// and the rule every setter follows.
#pragma once

#include <type_traits>

namespace lumo::forms {

enum class Property {
    Geometry,
    Visible,
    Enabled,
    Text,
    ForeColor,
    BackColor,
    BackStyle,
    Font,
    ToolTip,
    Cursor,
    Picture,
    Items,
    ListIndex,
    Value,
    Shape,  // fill, border of a Shape; end points and colour of a Line
    Timer,  // interval or enabled state of a Timer
    Focus,  // the control became, or stopped being, the form's focused control
};

enum class FormProperty { Geometry, Visible, BackColor, Caption, Icon, WindowState, Owner };

// A setter stores a new value and tells the window only when it differs from
// the old one. Returns whether it did.
template <class T>
bool assignIfChanged(T& field, const std::type_identity_t<T>& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace lumo::forms
