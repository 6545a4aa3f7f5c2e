// The controls a form's design is built from: what every control has (a kind,
// a place on its container, the common properties and the classic events
// Click, DblClick, Change, MouseDown/Move/Up and KeyPress), then each kind.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/placeable.h"
#include "forms/properties.h"
#include "platform/platform.h"

namespace lumo::forms {

class Form;

// Colours are 0xBBGGRR; values with the top bit set name a system colour
// (0x80000000 | COLOR_xxx index), resolved by the backend.
using Color = std::uint32_t;
inline constexpr Color systemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
inline constexpr Color kWindowColor = systemColor(5);       // COLOR_WINDOW
inline constexpr Color kWindowTextColor = systemColor(8);   // COLOR_WINDOWTEXT
inline constexpr Color kButtonFaceColor = systemColor(15);  // COLOR_BTNFACE

// The character sets fonts ask for; the backend maps each to the system's own.
enum class Charset { ChineseGB2312 };

struct Font {
    std::string face = "宋体";
    double points = 9.0;
    bool bold = false;
    bool underline = false;
    Charset charset = Charset::ChineseGB2312;
    friend bool operator==(const Font&, const Font&) = default;
};

// The Shift bit of the shift state that mouse and key events carry.
inline constexpr int kShiftKey = 1;

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
    // A key went down while the control has the focus, before the form's own
    // keys (Tab, Enter, Esc, Space) act; emptying `key` uses it up.
    std::function<void(KeyCode& key, int shift)> KeyDown;

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

// A KeyDown handler that runs `action` on Enter and uses the key up: the
// control's own Enter, in place of the form's Accept.
std::function<void(KeyCode& key, int shift)> onEnterKey(std::function<void()> action);

class Label : public Control {
public:
    Label(Form& f, std::string n, Control* c) : Control(f, ControlKind::Label, std::move(n), c) { setOpaque(false); }
    // AutoSize: the label takes the size of its text (measured by the backend).
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

protected:
    void afterTextChange() override;

private:
    bool autoSize_ = false;
};

class TextBox : public Control {
public:
    TextBox(Form& f, std::string n, Control* c);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on) { multiLine_ = on; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    bool hasBorder() const { return border_; }
    void setBorder(bool on) { border_ = on; }
    // Text the user typed or pasted, as the backend reports it: raises Change.
    void userEdited(const std::string& text);
    // On: every pasted character passes KeyPress as if typed, so a filtering
    // box keeps out by paste what it keeps out by typing. Off (the default): a
    // paste inserts the text as the system's own control would and raises
    // only Change; no key handler sees it.
    bool filtersPastes() const { return filtersPastes_; }
    void setFiltersPastes(bool on) { filtersPastes_ = on; }

private:
    bool multiLine_ = false;
    bool filtersPastes_ = false;
    bool readOnly_ = false;
    bool border_ = true;
};

class ListBox : public Control {
public:
    ListBox(Form& f, std::string n, Control* c);
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    int listCount() const { return static_cast<int>(items_.size()); }
    // The selected row, -1 when none.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    bool selected(int row) const { return row >= 0 && row == listIndex_; }

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string n, Control* c) : Control(f, ControlKind::CheckBox, std::move(n), c) {}
    int value() const { return value_; }  // 0 clear, 1 ticked
    bool ticked() const { return value_ == 1; }
    // Only 1 ticks the box; any other value (2, "greyed", included) clears it.
    void setValue(int value);

private:
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string n, Control* c) : Control(f, ControlKind::OptionButton, std::move(n), c) {}
    bool value() const { return value_; }
    // Selecting one option clears the others of the same container.
    void setValue(bool selected);

private:
    bool value_ = false;
};

class Frame : public Control {
public:
    Frame(Form& f, std::string n, Control* c) : Control(f, ControlKind::Frame, std::move(n), c) {}
    bool hasBorder() const { return border_; }
    void setBorder(bool on) { border_ = on; }

private:
    bool border_ = true;
};

class Host : public Control {
public:
    Host(Form& f, std::string n, Control* c) : Control(f, ControlKind::Host, std::move(n), c) {}
};

class Image : public Control {
public:
    Image(Form& f, std::string n, Control* c) : Control(f, ControlKind::Image, std::move(n), c) { setOpaque(false); }
    // No picture: a transparent hot area that draws nothing but takes the mouse.
    std::optional<Asset> picture() const { return picture_; }
    void setPicture(std::optional<Asset> picture);

private:
    std::optional<Asset> picture_;
};

class Shape : public Control {
public:
    Shape(Form& f, std::string n, Control* c) : Control(f, ControlKind::Shape, std::move(n), c) {}
    bool filled() const { return filled_; }
    Color fillColor() const { return fillColor_; }
    void setFill(bool filled, Color color);
    bool bordered() const { return bordered_; }
    Color borderColor() const { return borderColor_; }
    void setBorder(bool bordered, Color color);

private:
    bool filled_ = false;
    Color fillColor_ = 0;
    bool bordered_ = true;
    Color borderColor_ = kWindowTextColor;
};

class Line : public Control {
public:
    Line(Form& f, std::string n, Control* c) : Control(f, ControlKind::Line, std::move(n), c) {}
    std::int32_t x1() const { return x1_; }
    std::int32_t y1() const { return y1_; }
    std::int32_t x2() const { return x2_; }
    std::int32_t y2() const { return y2_; }
    void setPoints(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    Color color() const { return color_; }
    void setColor(Color color);

private:
    std::int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color color_ = kWindowTextColor;
};

class Timer : public Control {
public:
    Timer(Form& f, std::string n) : Control(f, ControlKind::Timer, std::move(n), nullptr) {}
    int interval() const { return interval_; }
    // Writing the interval or enabled state a timer already has does not
    // restart its countdown; any real change does.
    void setInterval(int ms);
    // Runs while enabled with a non-zero interval.
    bool running() const { return enabled() && interval_ > 0; }

    std::function<void()> Tick;

private:
    int interval_ = 0;
};

}  // namespace lumo::forms
