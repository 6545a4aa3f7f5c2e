// The settings window's own title bar and window menu: the title strip and
// body outline that size the window, the icon's drop-down menu with its hover
// highlights, minimize and close, move mode (the window follows the pointer
// until pressed) and the foreground watch that closes the menu.
#pragma once

#include <functional>

#include "forms/forms.h"

namespace lumo {

class TitleBar {
public:
    explicit TitleBar(forms::Form& window) : window_(window) {}

    // Design, in drawing order: the timers and the bar go first, the menu
    // last so that it drops over everything.
    void addTimers();
    void design();
    void designWindowMenu();
    void wire();

    // A left press on the body drags the window.
    void startDrag(int button);
    void hideWindowMenu();
    void endMoveMode();
    void closeWindowMenu();  // highlights cleared, menu hidden
    // The foreground watch runs while the window is shown.
    void watchForeground(bool on);
    // The foreground window the watch last saw (0 before it first ran).
    WindowHandle lastForegroundWindow() const { return lastForegroundWindow_; }

    // The close box and the window menu's close.
    std::function<void()> CloseRequested;

    forms::Shape* titleStrip = nullptr;   // its size sizes the window
    forms::Shape* bodyOutline = nullptr;  // its height is the fold state
    forms::Image* windowMenuIcon = nullptr;
    forms::Label* titleText = nullptr;
    forms::Label* moveModeCoordinates = nullptr;
    forms::Shape* minimizeBoxOutline = nullptr;
    forms::Line* minimizeBoxBar = nullptr;
    forms::Image* minimizeBox = nullptr;
    forms::Shape* closeBoxOutline = nullptr;
    forms::Line* closeCrossFalling = nullptr;
    forms::Line* closeCrossRising = nullptr;
    forms::Image* closeBox = nullptr;

    forms::Frame* windowMenu = nullptr;
    forms::Label* menuMoveItem = nullptr;
    forms::Line* menuRuleBelowMove = nullptr;
    forms::Label* menuMinimizeItem = nullptr;
    forms::Line* menuRuleBelowMinimize = nullptr;
    forms::Label* menuCloseItem = nullptr;
    // Closes the menu when another window comes to the front.
    forms::Timer* foregroundWatchTimer = nullptr;
    // Moves the window with the pointer after the menu's "move".
    forms::Timer* moveModeTimer = nullptr;

private:
    void clearMenuHighlights();
    void checkForeground();
    void moveModeStep();

    forms::Form& window_;
    WindowHandle lastForegroundWindow_ = 0;
};

}  // namespace lumo
