// The window's own chrome: title strip, body outline, icon, title text,
// minimize and close boxes, and the drop-down window menu.
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/title_bar.h"

namespace lumo {

using namespace settings_looks;

void TitleBar::addTimers() {
    window_.addTimer(LUMO_CONTROL(foregroundWatchTimer), 50, false);  // runs while the window is shown
    window_.addTimer(LUMO_CONTROL(moveModeTimer), 10, false);
}

void TitleBar::design() {
    design::rectangle(window_, LUMO_CONTROL(titleStrip), {0, 0, 5535, 495}, kTitleColor);
    design::rectangle(window_, LUMO_CONTROL(bodyOutline), {0, 480, 5535, kUnfoldedBodyHeight});
    design::image(window_, LUMO_CONTROL(windowMenuIcon), {45, 20, 480, 480}, Asset::AppIcon);

    design::label(window_, LUMO_CONTROL(titleText), nullptr, {600, 195, 1260, 180}, "Lumo桌面小鼠标");
    titleText->setForeColor(kWhite);
    design::label(window_, LUMO_CONTROL(moveModeCoordinates), nullptr, {2280, 240, 1500, 240}, "0000");
    moveModeCoordinates->setVisible(false);

    design::rectangle(window_, LUMO_CONTROL(minimizeBoxOutline), {4800, 120, 255, 255}, std::nullopt, kWhite);
    design::line(window_, LUMO_CONTROL(minimizeBoxBar), nullptr, 4800, 240, 5040, 240, kWhite);
    design::image(window_, LUMO_CONTROL(minimizeBox), {4800, 120, 255, 255}, std::nullopt, "最小化");

    design::rectangle(window_, LUMO_CONTROL(closeBoxOutline), {5160, 120, 255, 255}, std::nullopt, kWhite);
    design::line(window_, LUMO_CONTROL(closeCrossFalling), nullptr, 5160, 120, 5400, 360, kWhite);
    design::line(window_, LUMO_CONTROL(closeCrossRising), nullptr, 5160, 360, 5400, 120, kWhite);
    design::image(window_, LUMO_CONTROL(closeBox), {5160, 120, 255, 255}, std::nullopt, "关闭");
    closeBox->setCursor(Asset::HandCursor);
}

void TitleBar::designWindowMenu() {
    window_.add(LUMO_CONTROL(windowMenu), nullptr);
    windowMenu->move(50, 500, 1095, 1320);
    windowMenu->setBackColor(kBackground);
    windowMenu->setVisible(false);

    const auto item = [this](forms::Label*& member, const char* name, design::Rect r, const std::string& caption) {
        auto* c = design::label(window_, member, name, windowMenu, r, caption);
        c->setOpaque(true);
        c->setBackColor(kBackground);
        return c;
    };
    item(LUMO_CONTROL(menuMoveItem), {120, 240, 765, 180}, "+ 移动");
    design::line(window_, LUMO_CONTROL(menuRuleBelowMove), windowMenu, 120, 480, 840, 480);
    item(LUMO_CONTROL(menuMinimizeItem), {120, 600, 765, 180}, "_ 最小化");
    design::line(window_, LUMO_CONTROL(menuRuleBelowMinimize), windowMenu, 120, 840, 840, 840);
    item(LUMO_CONTROL(menuCloseItem), {120, 960, 540, 180}, "x 关闭");
}

}  // namespace lumo
