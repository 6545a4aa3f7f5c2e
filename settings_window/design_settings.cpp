// The settings area of the body: the schematic with its legend, the display
// options, the movement modes, the hotkey group with the step box, and the
// apply controls.
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designOptions() {
    Label6 = design::label(*this, "Label6", nullptr, {120, 600, 540, 180}, "示意图");
    Label2 = design::label(*this, "Label2", nullptr, {2400, 600, 360, 180}, "设置");
    Image1 = design::image(*this, "Image1", {120, 840, 2595, 2610}, Asset::Schematic);

    const auto legend = [this](const std::string& name, design::Rect r, const std::string& caption,
                               forms::Color color) {
        auto* c = design::label(*this, name, nullptr, r, caption);
        c->setForeColor(color);
        c->setOpaque(true);
        c->setBackColor(kBlack);
        return c;
    };
    Label7 = legend("Label7", {120, 3480, 1080, 180}, "*.绿色为左键", 0x00FF00);
    Label8 = legend("Label8", {1440, 3480, 1080, 180}, "*.蓝色为右键", 0xFFC0C0);
    Label9 = legend("Label9", {600, 3720, 1260, 180}, "*.黄色为拖拽区", 0x00FFFF);

    Check1 = design::checkBox(*this, "Check1", nullptr, {2880, 600, 1740, 180}, "鼠标下显示坐标", kBackground);
    Check1->setValue(1);
    Check3 = design::checkBox(*this, "Check3", nullptr, {2880, 840, 1260, 180}, "幻彩指针", kBackground);
    Check3->setValue(1);
    Check4 = design::checkBox(*this, "Check4", nullptr, {4080, 840, 1260, 180}, "鼠标顶置", kBackground);
    Check4->setValue(1);

    Frame1 = add<forms::Frame>("Frame1", nullptr);
    Frame1->move(2880, 1200, 2415, 975);
    Frame1->setText("虚拟鼠标的移动方式设置");
    Frame1->setBackColor(kBackground);
    const auto option = [this](const std::string& name, std::int32_t top, const std::string& caption) {
        auto* c = add<forms::OptionButton>(name, Frame1);
        c->move(120, top, 1650, 180);
        c->setText(caption);
        c->setBackColor(kBackground);
        return c;
    };
    Option1 = option("Option1", 240, "慢速跟随鼠标");
    Option2 = option("Option2", 480, "急速跟随鼠标");
    Option3 = option("Option3", 720, "手动拖拽鼠标");
    Option1->setValue(true);

    Check5 = design::checkBox(*this, "Check5", nullptr, {3000, 2280, 1815, 180}, "不显示虚拟鼠标", kBackground);
    Check5->setEnabled(false);
}

void SettingsWindow::designHotkeys() {
    Frame2 = add<forms::Frame>("Frame2", nullptr);
    Frame2->move(2880, 2640, 2415, 1335);
    // The leading blanks leave room for Check2, which sits over the caption.
    Frame2->setText("   使用键盘快捷键");
    Frame2->setBackColor(kBackground);

    Check2 = design::checkBox(*this, "Check2", Frame2, {120, 0, 1620, 180}, "使用键盘快捷键", kBackground);
    Label27 = design::label(*this, "Label27", Frame2, {120, 300, 1080, 180}, "移动像素设置");
    Text11 = design::textBox(*this, "Text11", Frame2, {1320, 240, 975, 270}, "3");
    Text11->setToolTip("数值不要过大，也不要过小啊！");

    const auto hotkey = [this](const std::string& name, design::Rect r, const std::string& text) {
        auto* c = design::textBox(*this, name, Frame2, r, text);
        c->setBackColor(kBackground);
        c->setForeColor(kHotkeyText);
        return c;
    };
    Label10 = design::label(*this, "Label10", Frame2, {120, 600, 180, 180}, "上");
    Text1 = hotkey("Text1", {360, 600, 855, 195}, "方向键↑");
    Label11 = design::label(*this, "Label11", Frame2, {120, 840, 180, 180}, "下");
    Text2 = hotkey("Text2", {360, 840, 855, 195}, "方向键↓");
    Label12 = design::label(*this, "Label12", Frame2, {1200, 600, 180, 180}, "左");
    Text3 = hotkey("Text3", {1440, 600, 855, 195}, "方向键←");
    Label13 = design::label(*this, "Label13", Frame2, {1200, 840, 180, 180}, "右");
    Text4 = hotkey("Text4", {1440, 840, 855, 195}, "方向键→");
    Label14 = design::label(*this, "Label14", Frame2, {120, 1080, 360, 180}, "左键");
    Text5 = hotkey("Text5", {480, 1080, 735, 195}, "0键(小键盘)");
    Label15 = design::label(*this, "Label15", Frame2, {1200, 1080, 360, 180}, "右键");
    Text6 = hotkey("Text6", {1560, 1080, 735, 195}, "小数(.)键");
}

void SettingsWindow::designApply() {
    Label3 = design::label(*this, "Label3", nullptr, {240, 3960, 540, 180}, "信息：");
    Label3->setAutoSize(true);

    LumoAnniu20101 = addCaptionButton("LumoAnniu20101", nullptr, "点击打开鼠标");
    LumoAnniu20101->move(2880, 3960, 1455, 300);
    LumoAnniu20101->host()->setToolTip("快捷键 Enter");

    Text8 = design::textBox(*this, "Text8", nullptr, {4320, 3960, 855, 300}, "Enter(获取这个焦点 按Enter 打开)");
    Text8->setBackColor(kBackground);

    Label4 = design::label(*this, "Label4", nullptr, {5040, 4320, 360, 180}, "关于");
    Label4->setForeColor(0xFF0000);
    Label4->setToolTip("关于Lumo系列软件");
}

}  // namespace lumo
