// The settings area of the body: the schematic with its legend, the display
// options, the movement modes, the hotkey group with the step box, and the
// apply controls.
#include "settings_window/design_helpers.h"
#include "settings_window/settings_looks.h"
#include "settings_window/options_area.h"

namespace lumo {

using namespace settings_looks;

void OptionsArea::design() {
    designOptions();
    designHotkeys();
    designApply();
}

void OptionsArea::designOptions() {
    design::label(window_, LUMO_CONTROL(schematicHeading), nullptr, {120, 600, 540, 180}, "示意图");
    design::label(window_, LUMO_CONTROL(settingsHeading), nullptr, {2400, 600, 360, 180}, "设置");
    design::image(window_, LUMO_CONTROL(schematic), {120, 840, 2595, 2610}, Asset::Schematic);

    const auto legend = [this](forms::Label*& member, const char* name, design::Rect r, const std::string& caption,
                               forms::Color color) {
        auto* c = design::label(window_, member, name, nullptr, r, caption);
        c->setForeColor(color);
        c->setOpaque(true);
        c->setBackColor(kBlack);
        return c;
    };
    legend(LUMO_CONTROL(leftButtonLegend), {120, 3480, 1080, 180}, "*.绿色为左键", 0x00FF00);
    legend(LUMO_CONTROL(rightButtonLegend), {1440, 3480, 1080, 180}, "*.蓝色为右键", 0xFFC0C0);
    legend(LUMO_CONTROL(dragAreaLegend), {600, 3720, 1260, 180}, "*.黄色为拖拽区", 0x00FFFF);

    design::checkBox(window_, LUMO_CONTROL(showCoordinatesCheck), nullptr, {2880, 600, 1740, 180}, "鼠标下显示坐标",
                     kBackground);
    design::checkBox(window_, LUMO_CONTROL(colorPointerCheck), nullptr, {2880, 840, 1260, 180}, "幻彩指针",
                     kBackground);
    design::checkBox(window_, LUMO_CONTROL(stayOnTopCheck), nullptr, {4080, 840, 1260, 180}, "鼠标顶置", kBackground);

    window_.add(LUMO_CONTROL(followModeFrame), nullptr);
    followModeFrame->move(2880, 1200, 2415, 975);
    followModeFrame->setText("虚拟鼠标的移动方式设置");
    followModeFrame->setBackColor(kBackground);
    const auto option = [this](forms::OptionButton*& member, const char* name, std::int32_t top,
                               const std::string& caption) {
        auto* c = window_.add(member, name, followModeFrame);
        c->move(120, top, 1650, 180);
        c->setText(caption);
        c->setBackColor(kBackground);
        return c;
    };
    option(LUMO_CONTROL(followSlow), 240, "慢速跟随鼠标");
    option(LUMO_CONTROL(followFast), 480, "急速跟随鼠标");
    option(LUMO_CONTROL(dragByHand), 720, "手动拖拽鼠标");

    design::checkBox(window_, LUMO_CONTROL(hideMouseCheck), nullptr, {3000, 2280, 1815, 180}, "不显示虚拟鼠标",
                     kBackground);
}

void OptionsArea::designHotkeys() {
    window_.add(LUMO_CONTROL(hotkeysFrame), nullptr);
    hotkeysFrame->move(2880, 2640, 2415, 1335);
    // The leading blanks leave room for hotkeysCheck, which sits over the caption.
    hotkeysFrame->setText("   使用键盘快捷键");
    hotkeysFrame->setBackColor(kBackground);

    design::checkBox(window_, LUMO_CONTROL(hotkeysCheck), hotkeysFrame, {120, 0, 1620, 180}, "使用键盘快捷键",
                     kBackground);
    design::label(window_, LUMO_CONTROL(stepLabel), hotkeysFrame, {120, 300, 1080, 180}, "移动像素设置");
    design::textBox(window_, LUMO_CONTROL(stepBox), hotkeysFrame, {1320, 240, 975, 270}, "");
    stepBox->setToolTip("数值不要过大，也不要过小啊！");

    // Each action's label, then its box, in rows of two.
    struct KeySlotLook {
        Action action;
        const char* labelName;
        design::Rect label;
        const char* caption;
        const char* boxName;
        design::Rect box;
        const char* keyText;  // the default key in words of its own
    };
    static constexpr KeySlotLook kKeySlots[] = {
        {Action::Up, "upKeyLabel", {120, 600, 180, 180}, "上", "upKeyBox", {360, 600, 855, 195}, "方向键↑"},
        {Action::Down, "downKeyLabel", {120, 840, 180, 180}, "下", "downKeyBox", {360, 840, 855, 195}, "方向键↓"},
        {Action::Left, "leftKeyLabel", {1200, 600, 180, 180}, "左", "leftKeyBox", {1440, 600, 855, 195}, "方向键←"},
        {Action::Right, "rightKeyLabel", {1200, 840, 180, 180}, "右", "rightKeyBox", {1440, 840, 855, 195}, "方向键→"},
        {Action::LeftClick,
         "leftClickKeyLabel",
         {120, 1080, 360, 180},
         "左键",
         "leftClickKeyBox",
         {480, 1080, 735, 195},
         "0键(小键盘)"},
        {Action::RightClick,
         "rightClickKeyLabel",
         {1200, 1080, 360, 180},
         "右键",
         "rightClickKeyBox",
         {1560, 1080, 735, 195},
         "小数(.)键"},
    };
    for (const KeySlotLook& slot : kKeySlots) {
        design::label(window_, keyLabels[slot.action], slot.labelName, hotkeysFrame, slot.label, slot.caption);
        auto* box = design::textBox(window_, keyBoxes[slot.action], slot.boxName, hotkeysFrame, slot.box, slot.keyText);
        box->setBackColor(kBackground);
        box->setForeColor(kHotkeyText);
    }
}

void OptionsArea::designApply() {
    design::label(window_, LUMO_CONTROL(resolutionLabel), nullptr, {240, 3960, 540, 180}, "信息：");
    resolutionLabel->setAutoSize(true);

    design::captionButton(window_, LUMO_CONTROL(applyButton), nullptr, "点击打开鼠标");
    applyButton->move(2880, 3960, 1455, 300);
    applyButton->host()->setToolTip("快捷键 Enter");

    design::textBox(window_, LUMO_CONTROL(enterBox), nullptr, {4320, 3960, 855, 300},
                    "Enter(获取这个焦点 按Enter 打开)");
    enterBox->setBackColor(kBackground);

    design::label(window_, LUMO_CONTROL(aboutLink), nullptr, {5040, 4320, 360, 180}, "关于");
    aboutLink->setForeColor(0xFF0000);
    aboutLink->setToolTip("关于Lumo系列软件");
}

}  // namespace lumo
