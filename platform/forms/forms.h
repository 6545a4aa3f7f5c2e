// A small retained forms runtime in the classic form-designer style.
//
// A Form owns its controls; geometry is in twips; controls raise the classic
// events (Click, DblClick, MouseDown/Move/Up, Change, KeyPress, Timer). The
// model is portable: a backend (win32 or sim) realises each loaded form through
// a FormPeer, which is told about every property change, and feeds user input
// back through the Form's input entry points.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumo::forms {

class Form;
class Runtime;

// Colours are 0xBBGGRR; values with the top bit set name a system colour
// (0x80000000 | COLOR_xxx index), resolved by the backend.
using Color = std::uint32_t;
inline constexpr Color systemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
inline constexpr Color kWindowColor = systemColor(5);       // COLOR_WINDOW
inline constexpr Color kWindowTextColor = systemColor(8);   // COLOR_WINDOWTEXT
inline constexpr Color kButtonFaceColor = systemColor(15);  // COLOR_BTNFACE
inline constexpr Color kButtonTextColor = systemColor(18);  // COLOR_BTNTEXT

// Button mask of mouse events: bit 0 left, bit 1 right, bit 2 middle.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

struct Font {
    std::string face = "宋体";
    double points = 9.0;
    bool bold = false;
    bool underline = false;
    int charset = 134;  // GB2312
    friend bool operator==(const Font&, const Font&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
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

// Which property changed, for the backend.
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
};

enum class FormProperty { Geometry, Visible, BackColor, Caption, Icon, WindowState, Owner };

enum class WindowState { Normal, Minimized };

struct MouseEvent {
    int button = 0;  // MouseDown/Up: the button; MouseMove: the mask of held buttons
    int shift = 0;   // bit 0 Shift, bit 1 Ctrl, bit 2 Alt
    double x = 0;    // twips, relative to the control (or the form's client area)
    double y = 0;
};

// A control of a form. Graphical kinds (Label, Image, Shape, Line) are drawn and
// hit-tested by their container; the others are windowed and always lie above
// the graphical controls of the same container. Among siblings of one group,
// controls added later lie on top.
class Control {
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

    std::int32_t left() const { return left_; }
    std::int32_t top() const { return top_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    void setLeft(std::int32_t v) { move(v, top_, width_, height_); }
    void setTop(std::int32_t v) { move(left_, v, width_, height_); }
    void setWidth(std::int32_t v) { move(left_, top_, v, height_); }
    void setHeight(std::int32_t v) { move(left_, top_, width_, v); }
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
    Form& form_;
    ControlKind kind_;
    std::string name_;
    Control* container_;
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Color foreColor_ = kWindowTextColor;
    Color backColor_ = kButtonFaceColor;
    bool opaque_ = true;
    Font font_;
    std::string toolTip_;
    std::optional<Asset> cursor_;
};

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

class Form {
public:
    Form(Runtime& runtime, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Runtime& runtime() const { return runtime_; }
    Platform& platform() const;
    const std::string& name() const { return name_; }

    // Lifecycle. Showing or hiding a form that is not loaded loads it first.
    bool loaded() const { return loaded_; }
    void load();
    void show(Form* owner = nullptr);
    void hide();
    // QueryUnload (which may cancel), then discard the window and its controls.
    void unload();
    bool visible() const { return loaded_ && visible_; }
    Form* owner() const { return owner_; }
    WindowHandle handle() const;

    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState s);

    // Outer geometry in twips (the windows have no platform frame).
    std::int32_t left() const { return left_; }
    std::int32_t top() const { return top_; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    void setLeft(std::int32_t v) { move(v, top_, width_, height_); }
    void setTop(std::int32_t v) { move(left_, v, width_, height_); }
    void setWidth(std::int32_t v) { move(left_, top_, v, height_); }
    void setHeight(std::int32_t v) { move(left_, top_, width_, v); }

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    std::optional<Asset> icon() const { return icon_; }
    void setIcon(std::optional<Asset> icon);
    bool showInTaskbar() const { return showInTaskbar_; }
    // A window that never takes the foreground or the keyboard focus, even when
    // shown or clicked (the virtual mouse must not steal the user's focus).
    bool noActivate() const { return noActivate_; }

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // The control that has the keyboard focus, if the form knows of one.
    Control* activeControl() const { return activeControl_; }

    // Form events.
    std::function<void()> Load;
    std::function<void(bool& cancel)> QueryUnload;
    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseMove;
    std::function<void(const MouseEvent&)> MouseUp;
    std::function<void()> Click;
    // A notification-area icon owned by this form reported a mouse message.
    std::function<void(std::uint32_t message)> TrayNotify;
    // The shell (taskbar) was restarted.
    std::function<void()> ShellRestarted;
    // The window lost activation to another window, of this or another program.
    std::function<void()> Deactivate;
    // Show made a hidden window visible; hide made a visible one hidden
    // (unloading raises neither).
    std::function<void()> Shown;
    std::function<void()> Hidden;

    // ---- Input from the backend. Each runs as one event, to completion. ----
    enum class MouseAction { Down, Move, Up };
    // Mouse input on a surface (the form when `surface` is null, or a Frame or
    // Host) at a point in twips relative to that surface. Hit-tests the
    // surface's graphical controls; while a button is held the pressed target
    // keeps the mouse (implicit capture); a left press and release on the same
    // target completes a Click.
    void mouseInput(MouseAction action, Control* surface, int buttonOrMask, int shift, double x,
                    double y);
    // The system took the mouse capture away (for example a window drag).
    void captureLost();
    // A windowed control was clicked (check boxes toggle, options select first).
    void nativeClick(Control& c);
    void nativeDoubleClick(Control& c);
    // A list box selection made by the user.
    void nativeSelect(ListBox& list, int row);
    // A character typed into a text box: returns the character to insert, 0 for none.
    int nativeKeyPress(Control& c, int keyAscii);
    void nativeTextEdited(TextBox& box, const std::string& text);
    void nativeFocus(Control* c);
    // The platform asked the window to close (the system menu, log-off).
    void closeRequested();
    void nativeMoved(std::int32_t left, std::int32_t top);
    void nativeWindowState(WindowState s);
    void trayNotify(std::uint32_t message);
    void shellRestarted();
    void nativeDeactivated();

    // The topmost visible, enabled graphical control taking mouse input that
    // contains the point (twips, relative to `surface`), or null.
    Control* hitTestGraphical(Control* surface, double x, double y) const;
    // As above but windowed children of the surface count too (they lie above).
    Control* hitTest(Control* surface, double x, double y) const;

    // Design-time construction, used by design() and by composite controls.
    template <class T, class... Args>
    T* add(Args&&... args) {
        auto c = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T* raw = c.get();
        controls_.push_back(std::move(c));
        return raw;
    }
    Timer* addTimer(std::string name, int intervalMs, bool enabled);

protected:
    // Builds the design-time controls and wires their events; runs on every load.
    virtual void design() = 0;
    void setShowInTaskbar(bool on) { showInTaskbar_ = on; }
    void setNoActivate(bool on) { noActivate_ = on; }

private:
    friend class Control;
    void setFocusTo(Control& c);
    void notify(Control& c, Property p);
    void notifyForm(FormProperty p);
    void raise(const std::function<void()>& event);
    void discard();
    void dispatchMouse(Control* target, MouseAction action, const MouseEvent& e);

    Runtime& runtime_;
    std::string name_;
    bool loaded_ = false;
    bool visible_ = false;
    Form* owner_ = nullptr;
    WindowState windowState_ = WindowState::Normal;
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color backColor_ = kButtonFaceColor;
    std::string caption_;
    std::optional<Asset> icon_;
    bool showInTaskbar_ = false;
    bool noActivate_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<FormPeer> peer_;
    Control* activeControl_ = nullptr;

    // Implicit capture: the target of the last press while buttons are held.
    bool captured_ = false;
    Control* captureTarget_ = nullptr;
    int heldButtons_ = 0;
};

// The forms of one process, their backend and platform. Events from the
// backend run inside an EventScope; objects discarded during an event (a form
// unloaded by its own handler) are freed only when the outermost event ends.
class Runtime {
public:
    Runtime(Platform& platform, Backend& backend) : platform_(platform), backend_(backend) {}
    ~Runtime();
    Platform& platform() const { return platform_; }
    Backend& backend() const { return backend_; }
    const std::vector<Form*>& forms() const { return forms_; }

    class EventScope {
    public:
        explicit EventScope(Runtime& r) : r_(r) { ++r_.depth_; }
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        Runtime& r_;
    };

    void retire(std::unique_ptr<FormPeer> peer);
    void retire(std::vector<std::unique_ptr<Control>> controls);

private:
    friend class Form;
    void flush();

    Platform& platform_;
    Backend& backend_;
    std::vector<Form*> forms_;
    int depth_ = 0;
    bool flushing_ = false;
    std::vector<std::unique_ptr<FormPeer>> retiredPeers_;
    std::vector<std::unique_ptr<Control>> retiredControls_;
};

}  // namespace lumo::forms
