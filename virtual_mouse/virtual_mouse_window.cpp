#include "virtual_mouse/virtual_mouse_window.h"

#include "platform/units.h"

namespace lumo {

namespace {

constexpr std::int32_t kClientWidth = 2655;   // 177 px at 15 twips per pixel
constexpr std::int32_t kClientHeight = 2700;  // 180 px
constexpr forms::Color kWhite = 0xFFFFFF;

}  // namespace

VirtualMouseWindow::VirtualMouseWindow(forms::Runtime& runtime, SharedState& state)
    : forms::Form(runtime, "Form1"), state_(state), engine_(runtime.platform(), state) {}

void VirtualMouseWindow::design() {
    setCaption("Lumo虚拟鼠标");
    setShowInTaskbar(false);
    setNoActivate(true);
    setBackColor(kVirtualMouseColorKey);
    // The follow tick moves the window to the pointer within a second; until
    // then it waits in the middle of the screen.
    const ScreenMetrics screen = platform().screen();
    move(roundHalfEven((screen.widthTwips - kClientWidth) / 2), roundHalfEven((screen.heightTwips - kClientHeight) / 2),
         kClientWidth, kClientHeight);
    drag_ = {};

    addPictureAndZones();
    addArrowhead();
    addCoordinateLabels();
    addTimers();

    wireDragSurface(MouseDown, MouseMove);
    Load = [this] { onLoad(); };
    QueryUnload = [this](bool&) {
        setFollowWakesOnMoves(false);
        engine_.stop();
    };
}

void VirtualMouseWindow::addPictureAndZones() {
    Image1 = add<forms::Image>("Image1", nullptr);
    Image1->move(0, 0, 750, 855);
    Image1->setPicture(Asset::MousePicture);
    wireDragSurface(Image1->MouseDown, Image1->MouseMove);

    // The click zones lie above the drag area where they meet, so a press on a
    // button of the picture never starts a drag.
    Image4 = add<forms::Image>("Image4", nullptr);
    Image4->move(0, 360, 615, 495);
    Image4->setToolTip("拖拽区");
    wireDragSurface(Image4->MouseDown, Image4->MouseMove);

    Image2 = add<forms::Image>("Image2", nullptr);
    Image2->move(0, 0, 375, 375);
    Image2->setCursor(Asset::HandCursor);
    Image2->setToolTip("模拟左击事件");
    Image2->Click = [this] { clickBesideTip(MouseButton::Left); };

    Image3 = add<forms::Image>("Image3", nullptr);
    Image3->move(360, 0, 255, 375);
    Image3->setCursor(Asset::HandCursor);
    Image3->setToolTip("模拟右击事件");
    Image3->Click = [this] { clickBesideTip(MouseButton::Right); };
}

void VirtualMouseWindow::addArrowhead() {
    // Three 8-pixel legs meeting at the window's top-left corner, the tip.
    Line1 = add<forms::Line>("Line1", nullptr);
    Line1->setPoints(120, 0, 0, 0);
    Line1->setColor(kWhite);
    Line2 = add<forms::Line>("Line2", nullptr);
    Line2->setPoints(0, 0, 0, 120);
    Line2->setColor(kWhite);
    Line3 = add<forms::Line>("Line3", nullptr);
    Line3->setPoints(0, 0, 120, 120);
    Line3->setColor(kWhite);
}

void VirtualMouseWindow::addCoordinateLabels() {
    auto addLabel = [this](const char* name, std::int32_t top) {
        auto* label = add<forms::Label>(name, nullptr);
        label->move(0, top, 450, 180);
        label->setText("00000");
        label->setBackColor(kWhite);
        label->setOpaque(true);
        label->setAutoSize(true);
        label->setVisible(false);
        return label;
    };
    Label1 = addLabel("Label1", 840);
    Label2 = addLabel("Label2", 1000);
}

void VirtualMouseWindow::addTimers() {
    // The platform's shortest period; started by the engine's first key.
    Timer3 = addTimer("Timer3", 1, false);
    Timer3->Tick = [this] { afterEngineStep(engine_.tick()); };
    Timer2 = addTimer("Timer2", 1500, true);
    Timer2->Tick = [this] { upkeepTick(); };
    Timer1 = addTimer("Timer1", 1000, true);
    Timer1->Tick = [this] { followTick(); };
}

void VirtualMouseWindow::onLoad() {
    platform().makeColorKeyed(handle(), kVirtualMouseColorKey);
    applyZOrder();
    followWakesOnMoves_ = false;
    engine_.start(*this);
    Timer3->setEnabled(engine_.wantsTicks());
}

void VirtualMouseWindow::hotkeysChanged() {
    if (!loaded()) return;
    engine_.releaseButtons();
    Timer3->setEnabled(engine_.wantsTicks());
}

void VirtualMouseWindow::keyChanged(std::int32_t virtualKey, bool down) {
    const forms::Runtime::EventScope scope(runtime());
    afterEngineStep(engine_.keyChanged(virtualKey, down));
}

void VirtualMouseWindow::pointerMoved() {
    const forms::Runtime::EventScope scope(runtime());
    wakeFollow();
}

void VirtualMouseWindow::afterEngineStep(bool movedPointer) {
    if (!loaded()) return;
    if (movedPointer) wakeFollow();
    Timer3->setEnabled(engine_.wantsTicks());
}

void VirtualMouseWindow::applyZOrder() {
    // Without "no activate" the z-order call would pull the keyboard focus to
    // this window every time it is repeated.
    platform().setTopmost(handle(), state_.stayOnTop, /*activate=*/false);
}

}  // namespace lumo
