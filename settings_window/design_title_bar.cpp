// The window's own chrome: title strip, body outline, icon, title text,
// minimize and close boxes, and the drop-down window menu.
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designTitleBar() {
    titleStrip = design::rectangle(*this, "Shape1", {0, 0, 5535, 495}, kTitleColor);
    bodyOutline = design::rectangle(*this, "Shape4", {0, 480, 5535, kUnfoldedBodyHeight});
    windowMenuIcon = design::image(*this, "Image4", {45, 20, 480, 480}, Asset::AppIcon);

    titleText = design::label(*this, "Label1", nullptr, {600, 195, 1260, 180}, "Lumo桌面小鼠标");
    titleText->setForeColor(kWhite);
    moveModeCoordinates = design::label(*this, "Label20", nullptr, {2280, 240, 1500, 240}, "0000");
    moveModeCoordinates->setVisible(false);

    minimizeBoxOutline = design::rectangle(*this, "Shape2", {4800, 120, 255, 255}, std::nullopt, kWhite);
    minimizeBoxBar = design::line(*this, "Line1", nullptr, 4800, 240, 5040, 240, kWhite);
    minimizeBox = design::image(*this, "Image3", {4800, 120, 255, 255}, std::nullopt, "最小化");

    closeBoxOutline = design::rectangle(*this, "Shape3", {5160, 120, 255, 255}, std::nullopt, kWhite);
    closeCrossFalling = design::line(*this, "Line2", nullptr, 5160, 120, 5400, 360, kWhite);
    closeCrossRising = design::line(*this, "Line3", nullptr, 5160, 360, 5400, 120, kWhite);
    closeBox = design::image(*this, "Image2", {5160, 120, 255, 255}, std::nullopt, "关闭");
    closeBox->setCursor(Asset::HandCursor);
}

void SettingsWindow::designWindowMenu() {
    windowMenu = add<forms::Frame>("Frame3", nullptr);
    windowMenu->move(50, 500, 1095, 1320);
    windowMenu->setBackColor(kBackground);
    windowMenu->setVisible(false);

    const auto item = [this](const std::string& name, design::Rect r, const std::string& caption) {
        auto* c = design::label(*this, name, windowMenu, r, caption);
        c->setOpaque(true);
        c->setBackColor(kBackground);
        return c;
    };
    menuMoveItem = item("Label19", {120, 240, 765, 180}, "+ 移动");
    menuRuleBelowMove = design::line(*this, "Line7", windowMenu, 120, 480, 840, 480);
    menuMinimizeItem = item("Label17", {120, 600, 765, 180}, "_ 最小化");
    menuRuleBelowMinimize = design::line(*this, "Line4", windowMenu, 120, 840, 840, 840);
    menuCloseItem = item("Label16", {120, 960, 540, 180}, "x 关闭");
}

}  // namespace lumo
