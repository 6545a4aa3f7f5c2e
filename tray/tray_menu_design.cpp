// The menu's look: a lilac card with a darker left band carrying the header,
// a top band, four item rows split by lines, a pencil that marks the row
// under the pointer, and invisible edge strips that take the marker away.
#include "tray/tray_menu_window.h"

namespace lumo {

namespace {

using forms::Color;

constexpr Color kMenuBackground = 0xFFC0C0;     // RGB(192,192,255)
constexpr Color kBandColor = 0xFF8080;          // RGB(128,128,255)
constexpr Color kSettingsItemColor = 0xC00000;  // RGB(0,0,192)

}  // namespace

TrayMenuWindow::TrayMenuWindow(forms::Runtime& runtime, SharedState& shared)
    : Form(runtime, "TrayMenuWindow"), shared_(shared) {}

void TrayMenuWindow::design() {
    using namespace forms;

    // The design surface holds the edge strips whole; start-up trims the
    // window to its frame, so only the strips' inner parts remain.
    move(0, 0, 2415, 2055);
    setCaption("Lumo托盘菜单");
    setBackColor(kMenuBackground);
    setShowInTaskbar(false);

    add(LUMO_CONTROL(leftBand), nullptr);
    leftBand->move(0, 0, 255, 1575);
    leftBand->setFill(true, kBandColor);
    leftBand->setBorder(false, kBandColor);

    add(LUMO_CONTROL(topBand), nullptr);
    topBand->move(240, 0, 1335, 180);
    topBand->setFill(true, kBandColor);
    topBand->setBorder(false, kBandColor);

    // Added after the bands so that its outline is drawn over them.
    add(LUMO_CONTROL(menuFrame), nullptr);
    menuFrame->move(0, 0, 1575, 1575);

    add(LUMO_CONTROL(seriesHeader), nullptr);
    seriesHeader->move(30, 50, 255, 1455);  // narrower than two characters: wraps into a column
    seriesHeader->setText("Lumo 系列软件");
    Font header;
    header.points = 7.5;
    seriesHeader->setFont(header);

    const auto item = [this](Label*& member, const char* name, std::int32_t top, const char* text) {
        Label* label = add(member, name, nullptr);
        label->move(360, top, 720, 180);
        label->setText(text);
        return label;
    };
    item(LUMO_CONTROL(showSettingsItem), 240, "显示设置");
    showSettingsItem->setForeColor(kSettingsItemColor);
    item(LUMO_CONTROL(hideSettingsItem), 600, "隐藏设置");
    hideSettingsItem->setForeColor(kSettingsItemColor);
    item(LUMO_CONTROL(aboutItem), 960, "关于软件");
    item(LUMO_CONTROL(exitItem), 1320, "退出程序");

    add(LUMO_CONTROL(ruleBelowShowSettings), nullptr);
    ruleBelowShowSettings->setPoints(240, 480, 1560, 480);
    add(LUMO_CONTROL(ruleBelowHideSettings), nullptr);
    ruleBelowHideSettings->setPoints(240, 840, 1560, 840);
    add(LUMO_CONTROL(ruleBelowAbout), nullptr);
    ruleBelowAbout->setPoints(240, 1200, 1680, 1200);

    add(LUMO_CONTROL(rowMarker), nullptr);
    rowMarker->move(1080, 720, 480, 480);
    rowMarker->setPicture(Asset::PencilMarker);

    // Empty images: they draw nothing but see the pointer leave the menu.
    // Added last, they lie over the header and the marker near the edges.
    const auto strip = [this](Image*& member, const char* name, std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height) {
        Image* image = add(member, name, nullptr);
        image->move(left, top, width, height);
        return image;
    };
    strip(LUMO_CONTROL(leftEdgeStrip), 0, 0, 255, 2055);
    strip(LUMO_CONTROL(bottomEdgeStrip), 0, 1500, 1815, 255);
    strip(LUMO_CONTROL(rightEdgeStrip), 1320, 0, 495, 1935);
    strip(LUMO_CONTROL(topEdgeStrip), 0, 0, 2415, 255);

    addTimer(LUMO_CONTROL(watchdogTimer), 100, false);  // runs while the menu is up

    wireStartup();
    wireMenu();
}

}  // namespace lumo
