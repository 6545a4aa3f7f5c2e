// What every control of a form has: a kind, a place on its container, the
// common properties and the classic events (Click, DblClick, Change,
// MouseDown/Move/Up, KeyPress).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/forms/appearance.h"
#include "platform/forms/placeable.h"
#include "platform/forms/properties.h"
#include "platform/platform.h"

namespace lumo::forms {

class Form;

// Button mask of mouse events: bit 0 left, bit 1 right, bit 2 middle.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

struct MouseEvent {
    int button = 0;  // MouseDown/Up: the button; MouseMove: the mask of held buttons
    int shift = 0;   // bit 0 Shift, bit 1 Ctrl, bit 2 Alt
    double x = 0;    // twips, relative to the control (or the form's client area)
    double y = 0;
};

enum class ControlKind {
    Label,
    TextBox,
    ListBox,
    CheckBox,
    OptionButton,
    Frame,
    Host,  // borderless container: the surface of a composite control
    Image,
    Shape,
    Line,
    Timer,
};

// A control of a form. Graphical kinds (Label, Image, Shape, Line) are drawn and
// hit-tested by their container; the others are windowed and always lie above
// the graphical controls of the same container. Among siblings of one group,
// controls added later lie on top.
class Control : public Placeable {
public:
    Control(Form& form, ControlKind kind, std::string name, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Control* container() const { return container_; }  // a Frame or Host, or null for the form
    bool isGraphical() const;
    bool isContainer() const { return kind_ == ControlKind::Frame || kind_ == ControlKind::Host; }
    // Graphical controls that take mouse input: labels and images.
    bool takesMouseInput() const;

    // Position relative to the form's client area (adds up the containers).
    std::int32_t formLeft() const;
    std::int32_t formTop() const;

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Visible and every container visible.
    bool shownOnForm() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Caption of labels, frames, check and option buttons; text of text boxes.
    const std::string& text() const { return text_; }
    // Raises Change on a text box when the text differs.
    void setText(const std::string& text);

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    bool opaque() const { return opaque_; }  // BackStyle: false draws no background
    void setOpaque(bool opaque);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& text);
    std::optional<Asset> cursor() const { return cursor_; }  // custom mouse pointer
    void setCursor(std::optional<Asset> cursor);

    void setFocus();

    // Events.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> Change;
    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseMove;
    std::function<void(const MouseEvent&)> MouseUp;
    std::function<void(int& keyAscii)> KeyPress;

protected:
    void changed(Property p);
    virtual void afterTextChange() {}

    std::string text_;

private:
    void geometryChanged() override { changed(Property::Geometry); }

    Form& form_;
    ControlKind kind_;
    std::string name_;
    Control* container_;
    bool visible_ = true;
    bool enabled_ = true;
    Color foreColor_ = kWindowTextColor;
    Color backColor_ = kButtonFaceColor;
    bool opaque_ = true;
    Font font_;
    std::string toolTip_;
    std::optional<Asset> cursor_;
};

}  // namespace lumo::forms
