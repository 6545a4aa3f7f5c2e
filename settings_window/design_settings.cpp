// The settings area of the body: the schematic with its legend, the display
// options, the movement modes, the hotkey group with the step box, and the
// apply controls.
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designOptions() {
    schematicHeading = design::label(*this, "Label6", nullptr, {120, 600, 540, 180}, "示意图");
    settingsHeading = design::label(*this, "Label2", nullptr, {2400, 600, 360, 180}, "设置");
    schematic = design::image(*this, "Image1", {120, 840, 2595, 2610}, Asset::Schematic);

    const auto legend = [this](const std::string& name, design::Rect r, const std::string& caption,
                               forms::Color color) {
        auto* c = design::label(*this, name, nullptr, r, caption);
        c->setForeColor(color);
        c->setOpaque(true);
        c->setBackColor(kBlack);
        return c;
    };
    leftButtonLegend = legend("Label7", {120, 3480, 1080, 180}, "*.绿色为左键", 0x00FF00);
    rightButtonLegend = legend("Label8", {1440, 3480, 1080, 180}, "*.蓝色为右键", 0xFFC0C0);
    dragAreaLegend = legend("Label9", {600, 3720, 1260, 180}, "*.黄色为拖拽区", 0x00FFFF);

    showCoordinatesCheck =
        design::checkBox(*this, "Check1", nullptr, {2880, 600, 1740, 180}, "鼠标下显示坐标", kBackground);
    colorPointerCheck = design::checkBox(*this, "Check3", nullptr, {2880, 840, 1260, 180}, "幻彩指针", kBackground);
    stayOnTopCheck = design::checkBox(*this, "Check4", nullptr, {4080, 840, 1260, 180}, "鼠标顶置", kBackground);

    followModeFrame = add<forms::Frame>("Frame1", nullptr);
    followModeFrame->move(2880, 1200, 2415, 975);
    followModeFrame->setText("虚拟鼠标的移动方式设置");
    followModeFrame->setBackColor(kBackground);
    const auto option = [this](const std::string& name, std::int32_t top, const std::string& caption) {
        auto* c = add<forms::OptionButton>(name, followModeFrame);
        c->move(120, top, 1650, 180);
        c->setText(caption);
        c->setBackColor(kBackground);
        return c;
    };
    followSlow = option("Option1", 240, "慢速跟随鼠标");
    followFast = option("Option2", 480, "急速跟随鼠标");
    dragByHand = option("Option3", 720, "手动拖拽鼠标");

    hideMouseCheck = design::checkBox(*this, "Check5", nullptr, {3000, 2280, 1815, 180}, "不显示虚拟鼠标", kBackground);
}

void SettingsWindow::designHotkeys() {
    hotkeysFrame = add<forms::Frame>("Frame2", nullptr);
    hotkeysFrame->move(2880, 2640, 2415, 1335);
    // The leading blanks leave room for hotkeysCheck, which sits over the caption.
    hotkeysFrame->setText("   使用键盘快捷键");
    hotkeysFrame->setBackColor(kBackground);

    hotkeysCheck = design::checkBox(*this, "Check2", hotkeysFrame, {120, 0, 1620, 180}, "使用键盘快捷键", kBackground);
    stepLabel = design::label(*this, "Label27", hotkeysFrame, {120, 300, 1080, 180}, "移动像素设置");
    stepBox = design::textBox(*this, "Text11", hotkeysFrame, {1320, 240, 975, 270}, "");
    stepBox->setToolTip("数值不要过大，也不要过小啊！");

    const auto hotkey = [this](const std::string& name, design::Rect r, const std::string& text) {
        auto* c = design::textBox(*this, name, hotkeysFrame, r, text);
        c->setBackColor(kBackground);
        c->setForeColor(kHotkeyText);
        return c;
    };
    upKeyLabel = design::label(*this, "Label10", hotkeysFrame, {120, 600, 180, 180}, "上");
    upKeyBox = hotkey("Text1", {360, 600, 855, 195}, "方向键↑");
    downKeyLabel = design::label(*this, "Label11", hotkeysFrame, {120, 840, 180, 180}, "下");
    downKeyBox = hotkey("Text2", {360, 840, 855, 195}, "方向键↓");
    leftKeyLabel = design::label(*this, "Label12", hotkeysFrame, {1200, 600, 180, 180}, "左");
    leftKeyBox = hotkey("Text3", {1440, 600, 855, 195}, "方向键←");
    rightKeyLabel = design::label(*this, "Label13", hotkeysFrame, {1200, 840, 180, 180}, "右");
    rightKeyBox = hotkey("Text4", {1440, 840, 855, 195}, "方向键→");
    leftClickKeyLabel = design::label(*this, "Label14", hotkeysFrame, {120, 1080, 360, 180}, "左键");
    leftClickKeyBox = hotkey("Text5", {480, 1080, 735, 195}, "0键(小键盘)");
    rightClickKeyLabel = design::label(*this, "Label15", hotkeysFrame, {1200, 1080, 360, 180}, "右键");
    rightClickKeyBox = hotkey("Text6", {1560, 1080, 735, 195}, "小数(.)键");
}

void SettingsWindow::designApply() {
    resolutionLabel = design::label(*this, "Label3", nullptr, {240, 3960, 540, 180}, "信息：");
    resolutionLabel->setAutoSize(true);

    applyButton = addCaptionButton("LumoAnniu20101", nullptr, "点击打开鼠标");
    applyButton->move(2880, 3960, 1455, 300);
    applyButton->host()->setToolTip("快捷键 Enter");

    enterBox = design::textBox(*this, "Text8", nullptr, {4320, 3960, 855, 300}, "Enter(获取这个焦点 按Enter 打开)");
    enterBox->setBackColor(kBackground);

    aboutLink = design::label(*this, "Label4", nullptr, {5040, 4320, 360, 180}, "关于");
    aboutLink->setForeColor(0xFF0000);
    aboutLink->setToolTip("关于Lumo系列软件");
}

}  // namespace lumo
