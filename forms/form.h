// A top-level window of the program: its design (the controls it builds on
// every load), its lifecycle, its own properties and events, and the entry
// points through which the backend feeds it user input.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "forms/backend.h"

// A control is named once, after the member of its window that keeps it:
// LUMO_CONTROL(stepBox) stands for that member and its name, for the design
// calls that add a control, store it in the member and name it.
#define LUMO_CONTROL(member) member, #member

namespace lumo::forms {

// Raises an event that the program's assembly may have left unset.
inline void notify(const std::function<void()>& event) {
    if (event) event();
}

class Runtime;

enum class WindowState { Normal, Minimized };

// Geometry is the outer rectangle in twips (the windows have no platform frame).
class Form : public Placeable {
public:
    Form(Runtime& runtime, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The handler of the form's notification-area icon, when it owns one.
    virtual TrayIconSink* trayIconSink() { return nullptr; }

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
    // The window lost activation to another window, of this or another program.
    std::function<void()> Deactivate;
    // Show made a hidden window visible; hide made a visible one hidden
    // (unloading raises neither).
    std::function<void()> Shown;
    std::function<void()> Hidden;

    // ---- Keyboard, as a dialog of the system's behaves (form_keys.cpp) ----
    // The stops Tab goes round, in order, and Shift+Tab back; hidden and
    // disabled stops are passed over. A Frame stands for its option buttons:
    // one stop, whose arrow keys move the choice within it.
    virtual std::vector<Control*> tabStops() const { return {}; }
    // Enter that the focused control has no use of its own for: a list takes
    // it as a double click, a painted stop (button, link) as a click.
    std::function<void()> Accept;
    // Esc, and the window's close command (Alt+F4); a form without a Cancel
    // unloads on the close command.
    std::function<void()> Cancel;
    // A key the focused control did not use up (see Control::KeyDown).
    std::function<void(KeyCode& key, int shift)> KeyDown;

    // ---- Input from the backend. Each runs as one event, to completion. ----
    enum class MouseAction { Down, Move, Up };
    // Mouse input on a surface (the form when `surface` is null, or a Frame or
    // Host) at a point in twips relative to that surface. Hit-tests the
    // surface's graphical controls; while a button is held the pressed target
    // keeps the mouse (implicit capture); a left press and release on the same
    // target completes a Click.
    void mouseInput(MouseAction action, Control* surface, int buttonOrMask, int shift, double x, double y);
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
    // The platform asked the window to close (log-off, a close message).
    void closeRequested();
    // The user's close command (Alt+F4, the taskbar's close).
    void closeCommand();
    // A key went down while the form has the keyboard. True when the form
    // used it: the platform then gives it no handling of its own.
    bool nativeKeyDown(KeyCode key, int shift);
    void nativeMoved(std::int32_t left, std::int32_t top);
    void nativeWindowState(WindowState s);
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
    // The same, kept in the member that names it (see LUMO_CONTROL).
    template <class T>
    T* add(T*& member, std::string name, Control* container) {
        return member = add<T>(std::move(name), container);
    }
    Timer* addTimer(Timer*& member, std::string name, int intervalMs, bool enabled) {
        return member = addTimer(std::move(name), intervalMs, enabled);
    }

protected:
    // Builds the design-time controls and wires their events; runs on every load.
    virtual void design() = 0;
    void setShowInTaskbar(bool on) { showInTaskbar_ = on; }
    void setNoActivate(bool on) { noActivate_ = on; }
    // Runs a handler as one event of this form, while the form is loaded.
    void raise(const std::function<void()>& event);

private:
    friend class Control;
    void geometryChanged() override { notifyForm(FormProperty::Geometry); }
    void setFocusTo(Control& c, bool byKeyboard = false);
    void setActiveControl(Control* c);
    // Keyboard navigation (form_keys.cpp).
    bool usableStop(const Control& stop) const;
    Control* stopOf(const Control* c) const;
    void moveInRing(bool backwards);
    void focusStop(Control& stop);
    bool moveInGroup(Control& option, bool backwards);
    bool builtInKey(Control* focused, KeyCode key, int shift);
    void notify(Control& c, Property p);
    void notifyForm(FormProperty p);
    void discard();
    void dispatchMouse(Control* target, MouseAction action, const MouseEvent& e);

    Runtime& runtime_;
    std::string name_;
    bool loaded_ = false;
    bool visible_ = false;
    Form* owner_ = nullptr;
    WindowState windowState_ = WindowState::Normal;
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

}  // namespace lumo::forms
