// The window's own chrome: title strip, body outline, icon, title text,
// minimize and close boxes, and the drop-down window menu.
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designTitleBar() {
    Shape1 = design::rectangle(*this, "Shape1", {0, 0, 5535, 495}, kTitleColor);
    Shape4 = design::rectangle(*this, "Shape4", {0, 480, 5535, kUnfoldedBodyHeight});
    Image4 = design::image(*this, "Image4", {45, 20, 480, 480}, Asset::AppIcon);

    Label1 = design::label(*this, "Label1", nullptr, {600, 195, 1260, 180}, "Lumo桌面小鼠标");
    Label1->setForeColor(kWhite);
    Label20 = design::label(*this, "Label20", nullptr, {2280, 240, 1500, 240}, "0000");
    Label20->setVisible(false);

    Shape2 = design::rectangle(*this, "Shape2", {4800, 120, 255, 255}, std::nullopt, kWhite);
    Line1 = design::line(*this, "Line1", nullptr, 4800, 240, 5040, 240, kWhite);
    Image3 = design::image(*this, "Image3", {4800, 120, 255, 255}, std::nullopt, "最小化");

    Shape3 = design::rectangle(*this, "Shape3", {5160, 120, 255, 255}, std::nullopt, kWhite);
    Line2 = design::line(*this, "Line2", nullptr, 5160, 120, 5400, 360, kWhite);
    Line3 = design::line(*this, "Line3", nullptr, 5160, 360, 5400, 120, kWhite);
    Image2 = design::image(*this, "Image2", {5160, 120, 255, 255}, std::nullopt, "关闭");
    Image2->setCursor(Asset::HandCursor);
}

void SettingsWindow::designWindowMenu() {
    Frame3 = add<forms::Frame>("Frame3", nullptr);
    Frame3->move(50, 500, 1095, 1320);
    Frame3->setBackColor(kBackground);
    Frame3->setVisible(false);

    const auto item = [this](const std::string& name, design::Rect r, const std::string& caption) {
        auto* c = design::label(*this, name, Frame3, r, caption);
        c->setOpaque(true);
        c->setBackColor(kBackground);
        return c;
    };
    Label19 = item("Label19", {120, 240, 765, 180}, "+ 移动");
    Line7 = design::line(*this, "Line7", Frame3, 120, 480, 840, 480);
    Label17 = item("Label17", {120, 600, 765, 180}, "_ 最小化");
    Line4 = design::line(*this, "Line4", Frame3, 120, 840, 840, 840);
    Label16 = item("Label16", {120, 960, 540, 180}, "x 关闭");
}

}  // namespace lumo
