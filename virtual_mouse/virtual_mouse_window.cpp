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
    add(LUMO_CONTROL(mousePicture), nullptr);
    mousePicture->move(0, 0, 750, 855);
    mousePicture->setPicture(Asset::MousePicture);
    wireDragSurface(mousePicture->MouseDown, mousePicture->MouseMove);

    // The click zones lie above the drag area where they meet, so a press on a
    // button of the picture never starts a drag.
    add(LUMO_CONTROL(dragArea), nullptr);
    dragArea->move(0, 360, 615, 495);
    dragArea->setToolTip("拖拽区");
    wireDragSurface(dragArea->MouseDown, dragArea->MouseMove);

    add(LUMO_CONTROL(leftClickZone), nullptr);
    leftClickZone->move(0, 0, 375, 375);
    leftClickZone->setCursor(Asset::HandCursor);
    leftClickZone->setToolTip("模拟左击事件");
    leftClickZone->Click = [this] { clickBesideTip(/*primary=*/true); };

    add(LUMO_CONTROL(rightClickZone), nullptr);
    rightClickZone->move(360, 0, 255, 375);
    rightClickZone->setCursor(Asset::HandCursor);
    rightClickZone->setToolTip("模拟右击事件");
    rightClickZone->Click = [this] { clickBesideTip(/*primary=*/false); };
}

void VirtualMouseWindow::addArrowhead() {
    // Three 8-pixel legs meeting at the window's top-left corner, the tip.
    add(LUMO_CONTROL(arrowheadTop), nullptr);
    arrowheadTop->setPoints(120, 0, 0, 0);
    arrowheadTop->setColor(kWhite);
    add(LUMO_CONTROL(arrowheadLeft), nullptr);
    arrowheadLeft->setPoints(0, 0, 0, 120);
    arrowheadLeft->setColor(kWhite);
    add(LUMO_CONTROL(arrowheadDiagonal), nullptr);
    arrowheadDiagonal->setPoints(0, 0, 120, 120);
    arrowheadDiagonal->setColor(kWhite);
}

void VirtualMouseWindow::addCoordinateLabels() {
    auto addLabel = [this](forms::Label*& member, const char* name, std::int32_t top) {
        auto* label = add(member, name, nullptr);
        label->move(0, top, 450, 180);
        label->setText("00000");
        label->setBackColor(kWhite);
        label->setOpaque(true);
        label->setAutoSize(true);
        label->setVisible(false);
        return label;
    };
    addLabel(LUMO_CONTROL(pointerCoordinates), 840);
    addLabel(LUMO_CONTROL(tipCoordinates), 1000);
}

void VirtualMouseWindow::addTimers() {
    addTimer(LUMO_CONTROL(upkeepTimer), 1500, true);
    upkeepTimer->Tick = [this] { upkeepTick(); };
    addTimer(LUMO_CONTROL(followTimer), 1000, true);
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
