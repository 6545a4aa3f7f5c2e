// The kinds of control a form's design is built from.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace lumo::forms {

class Label : public Control {
public:
    Label(Form& f, std::string n, Control* c) : Control(f, ControlKind::Label, std::move(n), c) {
        setOpaque(false);
    }
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
    void setValue(int value);

private:
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string n, Control* c)
        : Control(f, ControlKind::OptionButton, std::move(n), c) {}
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
    Image(Form& f, std::string n, Control* c) : Control(f, ControlKind::Image, std::move(n), c) {
        setOpaque(false);
    }
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
