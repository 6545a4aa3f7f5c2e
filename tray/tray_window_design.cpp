// The menu's look: a lilac card with a darker left band carrying the header,
// a top band, four item rows split by lines, a pencil that marks the row
// under the pointer, and invisible edge strips that take the marker away.
#include "tray/tray_window.h"

namespace lumo {

namespace {

using forms::Color;

constexpr Color kMenuBackground = 0xFFC0C0;  // RGB(192,192,255)
constexpr Color kBandColor = 0xFF8080;       // RGB(128,128,255)
constexpr Color kSettingsItemColor = 0xC00000;  // RGB(0,0,192)

}  // namespace

TrayWindow::TrayWindow(forms::Runtime& runtime, SharedState& shared, AppWindows& windows)
    : Form(runtime, "Form3"), shared_(shared), windows_(windows) {}

void TrayWindow::design() {
    using namespace forms;

    // The design surface holds the edge strips whole; start-up trims the
    // window to its frame, so only the strips' inner parts remain.
    move(0, 0, 2415, 2055);
    setCaption("Lumo托盘菜单");
    setBackColor(kMenuBackground);
    setShowInTaskbar(false);

    Shape1 = add<Shape>("Shape1", nullptr);
    Shape1->move(0, 0, 255, 1575);
    Shape1->setFill(true, kBandColor);
    Shape1->setBorder(false, kBandColor);

    Shape3 = add<Shape>("Shape3", nullptr);
    Shape3->move(240, 0, 1335, 180);
    Shape3->setFill(true, kBandColor);
    Shape3->setBorder(false, kBandColor);

    // Added after the bands so that its outline is drawn over them.
    Shape2 = add<Shape>("Shape2", nullptr);
    Shape2->move(0, 0, 1575, 1575);

    Label1 = add<Label>("Label1", nullptr);
    Label1->move(30, 50, 255, 1455);  // narrower than two characters: wraps into a column
    Label1->setText("Lumo 系列软件");
    Font header;
    header.points = 7.5;
    Label1->setFont(header);

    const auto item = [this](const char* name, std::int32_t top, const char* text) {
        Label* label = add<Label>(name, nullptr);
        label->move(360, top, 720, 180);
        label->setText(text);
        return label;
    };
    Label5 = item("Label5", 240, "显示设置");
    Label5->setForeColor(kSettingsItemColor);
    Label4 = item("Label4", 600, "隐藏设置");
    Label4->setForeColor(kSettingsItemColor);
    Label3 = item("Label3", 960, "关于软件");
    Label2 = item("Label2", 1320, "退出程序");

    Line3 = add<Line>("Line3", nullptr);
    Line3->setPoints(240, 480, 1560, 480);
    Line2 = add<Line>("Line2", nullptr);
    Line2->setPoints(240, 840, 1560, 840);
    Line1 = add<Line>("Line1", nullptr);
    Line1->setPoints(240, 1200, 1680, 1200);

    Image1 = add<Image>("Image1", nullptr);
    Image1->move(1080, 720, 480, 480);
    Image1->setPicture(Asset::PencilMarker);

    // Empty images: they draw nothing but see the pointer leave the menu.
    // Added last, they lie over the header and the marker near the edges.
    const auto strip = [this](const char* name, std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height) {
        Image* image = add<Image>(name, nullptr);
        image->move(left, top, width, height);
        return image;
    };
    Image2 = strip("Image2", 0, 0, 255, 2055);
    Image3 = strip("Image3", 0, 1500, 1815, 255);
    Image4 = strip("Image4", 1320, 0, 495, 1935);
    Image5 = strip("Image5", 0, 0, 2415, 255);

    Timer1 = addTimer("Timer1", 100, false);  // runs while the menu is up

    wireStartup();
    wireMenu();
}

}  // namespace lumo
