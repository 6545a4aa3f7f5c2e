// The windowed controls a form realises with the system's own controls:
// TextBox (EDIT), ListBox (LISTBOX), CheckBox and OptionButton (BUTTON). The
// model owns every value: a check box's tick, an option's selection and a
// list's row change only when the model says so, and user input goes to the
// model first (key filter, clicks, edits, selections).
#pragma once

#include <windows.h>

#include "forms/forms.h"
#include "platform/win32/win32_handles.h"
#include "forms/win32/win32_resources.h"

namespace lumo::win32 {

class NativeControl {
public:
    NativeControl(forms::Control& control, HWND parent, int id, Resources& resources);
    // Stops dispatching (detach) before the window goes.
    ~NativeControl();
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    HWND hwnd() const { return window_.get(); }
    forms::Control& control() const { return control_; }
    // From now on the window's messages no longer reach the model.
    void detach();

    // A property the model changed (all but geometry, visibility, enabled
    // state and tooltip, which every child window shares).
    void apply(forms::Property property);
    // A WM_COMMAND notification from the control.
    void command(WORD code);
    // WM_CTLCOLOR*: sets the text and background colours, returns the brush.
    HBRUSH colors(HDC dc);

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT typed(WPARAM character, LPARAM lParam);
    void paste();
    void applyText();
    void applyItems();
    void applyListIndex();
    void applyValue();
    bool isTextBox() const { return control_.kind() == forms::ControlKind::TextBox; }
    // Any other box pastes as the edit control itself does; its change reaches the model as EN_CHANGE.
    bool filtersPastes() const { return isTextBox() && static_cast<const forms::TextBox&>(control_).filtersPastes(); }

    forms::Control& control_;
    Resources& resources_;
    UniqueWindow window_;
    UniqueBrush background_;
    COLORREF backgroundColor_ = 0;
    bool attached_ = false;
    bool settingText_ = false;  // the model's own text change raises no second Change
};

}  // namespace lumo::win32
