#include "virtual_mouse/virtual_mouse_window.h"

#include "platform/units.h"

namespace lumo {

namespace {

constexpr std::int32_t kClientWidth = 2655;   // 177 px at 15 twips per pixel
constexpr std::int32_t kClientHeight = 2700;  // 180 px
constexpr forms::Color kWhite = 0xFFFFFF;

}  // namespace

VirtualMouseWindow::VirtualMouseWindow(forms::Runtime& runtime, SharedState& state)
    : forms::Form(runtime, "VirtualMouseWindow"), state_(state) {}

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
    QueryUnload = [this](bool&) { setFollowWakesOnMoves(false); };
}

void VirtualMouseWindow::addPictureAndZones() {
    mousePicture = add<forms::Image>("Image1", nullptr);
    mousePicture->move(0, 0, 750, 855);
    mousePicture->setPicture(Asset::MousePicture);
    wireDragSurface(mousePicture->MouseDown, mousePicture->MouseMove);

    // The click zones lie above the drag area where they meet, so a press on a
    // button of the picture never starts a drag.
    dragArea = add<forms::Image>("Image4", nullptr);
    dragArea->move(0, 360, 615, 495);
    dragArea->setToolTip("拖拽区");
    wireDragSurface(dragArea->MouseDown, dragArea->MouseMove);

    leftClickZone = add<forms::Image>("Image2", nullptr);
    leftClickZone->move(0, 0, 375, 375);
    leftClickZone->setCursor(Asset::HandCursor);
    leftClickZone->setToolTip("模拟左击事件");
    leftClickZone->Click = [this] { clickBesideTip(/*primary=*/true); };

    rightClickZone = add<forms::Image>("Image3", nullptr);
    rightClickZone->move(360, 0, 255, 375);
    rightClickZone->setCursor(Asset::HandCursor);
    rightClickZone->setToolTip("模拟右击事件");
    rightClickZone->Click = [this] { clickBesideTip(/*primary=*/false); };
}

void VirtualMouseWindow::addArrowhead() {
    // Three 8-pixel legs meeting at the window's top-left corner, the tip.
    arrowheadTop = add<forms::Line>("Line1", nullptr);
    arrowheadTop->setPoints(120, 0, 0, 0);
    arrowheadTop->setColor(kWhite);
    arrowheadLeft = add<forms::Line>("Line2", nullptr);
    arrowheadLeft->setPoints(0, 0, 0, 120);
    arrowheadLeft->setColor(kWhite);
    arrowheadDiagonal = add<forms::Line>("Line3", nullptr);
    arrowheadDiagonal->setPoints(0, 0, 120, 120);
    arrowheadDiagonal->setColor(kWhite);
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
    pointerCoordinates = addLabel("Label1", 840);
    tipCoordinates = addLabel("Label2", 1000);
}

void VirtualMouseWindow::addTimers() {
    upkeepTimer = addTimer("Timer2", 1500, true);
    upkeepTimer->Tick = [this] { upkeepTick(); };
    followTimer = addTimer("Timer1", 1000, true);
    followTimer->Tick = [this] { followTick(); };
}

void VirtualMouseWindow::onLoad() {
    platform().makeColorKeyed(handle(), kVirtualMouseColorKey);
    applyZOrder();
    followWakesOnMoves_ = false;
    // The mode in effect from the start: a virtual mouse kept in manual mode
    // must not jump to the pointer before the first upkeep tick.
    setFollowPace();
}

void VirtualMouseWindow::applyZOrder() {
    // Without "no activate" the z-order call would pull the keyboard focus to
    // this window every time it is repeated.
    platform().setTopmost(handle(), state_.settings.stayOnTop, /*activate=*/false);
}

}  // namespace lumo
