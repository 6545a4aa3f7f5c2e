// Form2, the settings window: hotkeys, step, options and apply, its own title
// bar and window menu, and the shopping links panel. Controls are public and
// named as in the window's design so that tests can drive them.
#pragma once

#include <string>

#include "caption_button/lumo_anniu2010.h"
#include "platform/forms/forms.h"
#include "pointer_core/shared_state.h"
#include "tray/app_windows.h"

namespace lumo {

class SettingsWindow : public forms::Form {
public:
    SettingsWindow(forms::Runtime& runtime, SharedState& state, AppWindows& windows);

    // Writes the screen-resolution line into Label3.
    void Main();

    // ---- Title bar and window menu ----
    forms::Shape* Shape1 = nullptr;  // title strip; its size sizes the window
    forms::Shape* Shape4 = nullptr;  // body outline; its height is the fold state
    forms::Image* Image4 = nullptr;  // icon, opens the window menu
    forms::Label* Label1 = nullptr;  // title text
    forms::Label* Label20 = nullptr; // move-mode coordinates
    forms::Shape* Shape2 = nullptr;
    forms::Line* Line1 = nullptr;
    forms::Image* Image3 = nullptr;  // minimize box
    forms::Shape* Shape3 = nullptr;
    forms::Line* Line2 = nullptr;
    forms::Line* Line3 = nullptr;
    forms::Image* Image2 = nullptr;  // close box
    forms::Frame* Frame3 = nullptr;  // window menu
    forms::Label* Label19 = nullptr; // "+ 移动"
    forms::Line* Line7 = nullptr;
    forms::Label* Label17 = nullptr; // "_ 最小化"
    forms::Line* Line4 = nullptr;
    forms::Label* Label16 = nullptr; // "x 关闭"
    forms::Timer* Timer1 = nullptr;  // foreground watch
    forms::Timer* Timer2 = nullptr;  // move mode

    // ---- Schematic, options, hotkeys, apply ----
    forms::Label* Label6 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Image* Image1 = nullptr;  // schematic, a drag surface
    forms::Label* Label7 = nullptr;
    forms::Label* Label8 = nullptr;
    forms::Label* Label9 = nullptr;
    forms::CheckBox* Check1 = nullptr;
    forms::CheckBox* Check3 = nullptr;
    forms::CheckBox* Check4 = nullptr;
    forms::Frame* Frame1 = nullptr;
    forms::OptionButton* Option1 = nullptr;
    forms::OptionButton* Option2 = nullptr;
    forms::OptionButton* Option3 = nullptr;
    forms::CheckBox* Check5 = nullptr;
    forms::Frame* Frame2 = nullptr;
    forms::CheckBox* Check2 = nullptr;
    forms::Label* Label27 = nullptr;
    forms::TextBox* Text11 = nullptr;  // step in pixels
    forms::Label* Label10 = nullptr;
    forms::Label* Label11 = nullptr;
    forms::Label* Label12 = nullptr;
    forms::Label* Label13 = nullptr;
    forms::Label* Label14 = nullptr;
    forms::Label* Label15 = nullptr;
    forms::TextBox* Text1 = nullptr;
    forms::TextBox* Text2 = nullptr;
    forms::TextBox* Text3 = nullptr;
    forms::TextBox* Text4 = nullptr;
    forms::TextBox* Text5 = nullptr;
    forms::TextBox* Text6 = nullptr;
    forms::Label* Label3 = nullptr;  // resolution line
    LumoAnniu2010* LumoAnniu20101 = nullptr;  // apply
    forms::TextBox* Text8 = nullptr;          // Enter applies
    forms::Label* Label4 = nullptr;           // About link

    // ---- Key picker ----
    forms::Frame* Frame4 = nullptr;
    forms::Label* Label18 = nullptr;
    forms::ListBox* List1 = nullptr;
    LumoAnniu2010* LumoAnniu20102 = nullptr;  // confirm
    LumoAnniu2010* LumoAnniu20103 = nullptr;  // cancel
    forms::Label* Label5 = nullptr;
    forms::TextBox* Text7 = nullptr;

    // ---- Shopping links panel ----
    forms::Shape* Shape7 = nullptr;
    forms::Line* Line8 = nullptr;
    forms::Shape* Shape6 = nullptr;
    forms::Line* Line10 = nullptr;
    forms::Line* Line11 = nullptr;
    forms::Line* Line12 = nullptr;
    forms::Line* Line13 = nullptr;
    forms::Image* Image8 = nullptr;  // fold
    forms::Image* Image9 = nullptr;  // unfold
    forms::Label* Label22 = nullptr;
    forms::Label* Label21 = nullptr;
    forms::Shape* Shape5 = nullptr;
    forms::Image* Image7 = nullptr;
    forms::TextBox* Text10 = nullptr;  // chat box
    LumoAnniu2010* LumoAnniu20104 = nullptr;  // start a chat
    forms::Label* Label23 = nullptr;   // shop link
    forms::Image* Image5 = nullptr;    // search banner, a drag surface
    forms::Shape* Shape8 = nullptr;
    forms::TextBox* Text9 = nullptr;   // search box
    forms::Image* Image6 = nullptr;    // search button
    forms::Label* Label24 = nullptr;
    forms::Label* Label25 = nullptr;
    forms::Label* Label26 = nullptr;

protected:
    void design() override;

private:
    // Design: controls, geometry and looks, in drawing order.
    void designTitleBar();
    void designOptions();
    void designHotkeys();
    void designApply();
    void designPanel();
    void designKeyPicker();
    void designWindowMenu();
    LumoAnniu2010* addCaptionButton(const std::string& name, forms::Control* container,
                                    const std::string& caption);

    // Behaviour: each area wires its own events.
    void wireStartup();
    void wireKeyPicker();
    void wireOptions();
    void wireChrome();
    void wirePanel();

    // Start-up.
    void onLoad();

    // Key picker.
    void openKeyPicker(int slot);
    void confirmKey();

    // Options and apply.
    void apply();
    void applyHotkeySwitch();

    // Chrome.
    void startDrag(int button);
    void hideWindowMenu();
    void endMoveMode();
    void clearMenuHighlights();
    void closeWindowMenu();  // highlights cleared, menu hidden
    void foregroundWatch();
    void moveModeStep();

    // Panel.
    void openWebPage(const std::string& address);
    void fold();
    void unfold();
    void setBodyHeight(std::int32_t height);
    void openChat();
    void clearChatHint();
    void restoreChatHint();

    SharedState& state_;
    AppWindows& windows_;
};

}  // namespace lumo
