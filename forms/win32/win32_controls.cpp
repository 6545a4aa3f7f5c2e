#include "forms/win32/win32_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "forms/win32/pasted_text.h"
#include "forms/win32/win32_clipboard.h"
#include "forms/win32/win32_text.h"
#include "platform/win32/win32_trace.h"

namespace lumo::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kEscape = 0x1B;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKind(const forms::Control& c) {
    switch (c.kind()) {
        case forms::ControlKind::TextBox: {
            const auto& box = static_cast<const forms::TextBox&>(c);
            DWORD style = box.multiLine() ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
            if (box.readOnly()) style |= ES_READONLY;
            return {L"EDIT", style, box.hasBorder() ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0};
        }
        case forms::ControlKind::ListBox:
            return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
        case forms::ControlKind::CheckBox: return {L"BUTTON", BS_CHECKBOX, 0};
        default: return {L"BUTTON", BS_RADIOBUTTON, 0};
    }
}

std::u16string_view units(const std::wstring& text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

}  // namespace

NativeControl::NativeControl(forms::Control& control, HWND parent, int id, Resources& resources)
    : control_(control), resources_(resources) {
    const WindowKind kind = windowKind(control);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (control.visible()) style |= WS_VISIBLE;
    if (!control.enabled()) style |= WS_DISABLED;
    const RECT box = resources.scale().box(control.left(), control.top(), control.width(), control.height());
    const std::wstring text = control.kind() == forms::ControlKind::ListBox ? std::wstring() : wide(control.text());
    window_.reset(CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), resources.instance(), nullptr));
    if (!window_) {
        traceFailure(Failure::Window, L"CreateWindowExW", kind.className);
        return;
    }
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(resources.font(control.font())), FALSE);
    // A text box takes all that is typed or pasted: the control's default
    // limit (about 30 000 characters) would silently cut a long paste short.
    if (control.kind() == forms::ControlKind::TextBox) SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);
    applyItems();
    applyValue();
    attached_ = SetWindowSubclass(hwnd(), &NativeControl::subclassProc, kSubclassId,
                                  reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

NativeControl::~NativeControl() { detach(); }

void NativeControl::detach() {
    if (attached_) RemoveWindowSubclass(hwnd(), &NativeControl::subclassProc, kSubclassId);
    attached_ = false;
}

// ---------------------------------------------------------------- model -> window

void NativeControl::apply(forms::Property property) {
    if (!window_) return;
    switch (property) {
        case forms::Property::Text: applyText(); break;
        case forms::Property::Font:
            SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(resources_.font(control_.font())), TRUE);
            break;
        case forms::Property::ForeColor:
        case forms::Property::BackColor: InvalidateRect(hwnd(), nullptr, TRUE); break;
        case forms::Property::Items: applyItems(); break;
        case forms::Property::ListIndex: applyListIndex(); break;
        case forms::Property::Value: applyValue(); break;
        default: break;
    }
}

void NativeControl::applyText() {
    if (control_.kind() == forms::ControlKind::ListBox) return;
    const std::wstring text = wide(control_.text());
    if (text == windowText(hwnd())) return;
    settingText_ = true;
    SetWindowTextW(hwnd(), text.c_str());
    settingText_ = false;
}

void NativeControl::applyItems() {
    if (control_.kind() != forms::ControlKind::ListBox) return;
    const auto& list = static_cast<const forms::ListBox&>(control_);
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list.items()) {
        SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    }
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
    applyListIndex();
}

void NativeControl::applyListIndex() {
    if (control_.kind() != forms::ControlKind::ListBox) return;
    const int row = static_cast<const forms::ListBox&>(control_).listIndex();
    if (SendMessageW(hwnd(), LB_GETCURSEL, 0, 0) != row)
        SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void NativeControl::applyValue() {
    bool ticked = false;
    if (control_.kind() == forms::ControlKind::CheckBox) {
        ticked = static_cast<const forms::CheckBox&>(control_).ticked();
    } else if (control_.kind() == forms::ControlKind::OptionButton) {
        ticked = static_cast<const forms::OptionButton&>(control_).value();
    } else {
        return;
    }
    SendMessageW(hwnd(), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HBRUSH NativeControl::colors(HDC dc) {
    const COLORREF back = resolveColor(control_.backColor());
    SetTextColor(dc, control_.enabled() ? resolveColor(control_.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, back);
    // The brush must outlive the message; it is kept until the colour changes.
    if (!background_ || back != backgroundColor_) {
        background_.reset(CreateSolidBrush(back));
        backgroundColor_ = back;
    }
    return background_.get();
}

// ---------------------------------------------------------------- window -> model

void NativeControl::command(WORD code) {
    forms::Form& form = control_.form();
    switch (control_.kind()) {
        case forms::ControlKind::TextBox:
            if (code == EN_CHANGE && !settingText_) {
                form.nativeTextEdited(static_cast<forms::TextBox&>(control_), narrow(windowText(hwnd())));
            }
            break;
        case forms::ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                const auto row = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
                form.nativeSelect(static_cast<forms::ListBox&>(control_), row);
            } else if (code == LBN_DBLCLK) {
                form.nativeDoubleClick(control_);
            }
            break;
        case forms::ControlKind::CheckBox:
        case forms::ControlKind::OptionButton:
            if (code == BN_CLICKED) form.nativeClick(control_);
            break;
        default: break;
    }
}

LRESULT CALLBACK NativeControl::subclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
    auto* native = reinterpret_cast<NativeControl*>(self);
    forms::Runtime::EventScope scope(native->control_.form().runtime());
    return native->handle(message, wParam, lParam);
}

LRESULT NativeControl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(hwnd(), message, wParam, lParam);
            control_.form().nativeFocus(&control_);
            return result;
        }
        case WM_CHAR:
        case WM_IME_CHAR:
            if (isTextBox()) return typed(wParam, lParam);
            break;
        case WM_PASTE:
            if (!filtersPastes()) break;
            paste();
            return 0;
        case WM_KEYDOWN:
            // Shift+Insert: some edit controls paste without sending themselves WM_PASTE.
            if (!filtersPastes() || wParam != VK_INSERT || GetKeyState(VK_SHIFT) >= 0 || GetKeyState(VK_CONTROL) < 0)
                break;
            paste();
            return 0;
        case WM_LBUTTONUP: {
            if (!isTextBox()) break;
            const LRESULT result = DefSubclassProc(hwnd(), message, wParam, lParam);
            control_.form().nativeClick(control_);
            return result;
        }
        default: break;
    }
    return DefSubclassProc(hwnd(), message, wParam, lParam);
}

LRESULT NativeControl::typed(WPARAM character, LPARAM lParam) {
    forms::Form& form = control_.form();
    const int code = form.nativeKeyPress(control_, static_cast<int>(character & 0xFFFF));
    // Filtered out, an odd code, or the handler closed the window.
    if (!form.loaded() || code <= 0 || code > 0xFFFF) return 0;
    // A one-line box has no use for line breaks or Escape (the control would only beep).
    const bool multiLine = static_cast<const forms::TextBox&>(control_).multiLine();
    if (!multiLine && (code == '\r' || code == '\n' || code == kEscape)) return 0;
    return DefSubclassProc(hwnd(), WM_CHAR, static_cast<WPARAM>(code), lParam);
}

void NativeControl::paste() {
    auto& box = static_cast<forms::TextBox&>(control_);
    if (box.readOnly()) return;
    const std::wstring clip = clipboardText(hwnd());
    if (clip.empty()) return;

    DWORD selectionStart = 0, selectionEnd = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), reinterpret_cast<LPARAM>(&selectionEnd));
    const auto limit = static_cast<std::size_t>(SendMessageW(hwnd(), EM_GETLIMITTEXT, 0, 0));
    const auto length = static_cast<std::size_t>(std::max(0, GetWindowTextLengthW(hwnd())));
    const std::size_t selected = selectionEnd > selectionStart ? selectionEnd - selectionStart : 0;
    const std::size_t kept = length > selected ? length - selected : 0;
    const std::size_t room = limit > kept ? limit - kept : 0;

    forms::Form& form = box.form();
    const std::u16string survivors = filterPasted(
        units(clip), box.multiLine(), room, [&](int c) { return form.nativeKeyPress(box, c); },
        [&] { return form.loaded(); });
    if (!form.loaded() || survivors.empty()) return;
    const std::wstring inserted(survivors.begin(), survivors.end());
    SendMessageW(hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
}

}  // namespace lumo::win32
