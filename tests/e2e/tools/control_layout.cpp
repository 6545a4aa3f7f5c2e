// Writes where every control of the program's four windows lies, as the
// windows build themselves on load (on the simulated platform), so that the
// end-to-end tests and the bench find a control by its name rather than by a
// copied rectangle:
//
//   control_layout <file>
//
// One tab-separated line per control: the window's name, the control's member
// name, its rectangle in twips from the window's top-left corner (left, top,
// width, height) and the same in pixels at 100 %, placed as the Windows
// backend places it (each container's offset rounded on its own). A control
// that no member names (the parts of a composite) goes under its design name.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/sim/sim_backend.h"
#include "platform/units.h"
#include "app/lumo_app.h"

namespace {

using lumo::forms::Control;

constexpr double kTwipsPerPixelAt100 = 15.0;

using MemberNames = std::map<const Control*, std::string>;

// A caption button is found by its surface.
const Control* surfaceOf(const Control* control) { return control; }
const Control* surfaceOf(const lumo::CaptionButton* button) { return button->host(); }

#define LUMO_MEMBER(window, member) names[surfaceOf((window).member)] = #member

MemberNames memberNames(const lumo::LumoApp& app) {
    MemberNames names;
    const auto& s = app.settings;
    LUMO_MEMBER(s, titleStrip); LUMO_MEMBER(s, bodyOutline); LUMO_MEMBER(s, windowMenuIcon); LUMO_MEMBER(s, titleText);
    LUMO_MEMBER(s, moveModeCoordinates); LUMO_MEMBER(s, minimizeBoxOutline); LUMO_MEMBER(s, minimizeBoxBar);
    LUMO_MEMBER(s, minimizeBox); LUMO_MEMBER(s, closeBoxOutline); LUMO_MEMBER(s, closeCrossFalling);
    LUMO_MEMBER(s, closeCrossRising); LUMO_MEMBER(s, closeBox); LUMO_MEMBER(s, windowMenu);
    LUMO_MEMBER(s, menuMoveItem); LUMO_MEMBER(s, menuRuleBelowMove); LUMO_MEMBER(s, menuMinimizeItem);
    LUMO_MEMBER(s, menuRuleBelowMinimize); LUMO_MEMBER(s, menuCloseItem); LUMO_MEMBER(s, schematicHeading);
    LUMO_MEMBER(s, settingsHeading); LUMO_MEMBER(s, schematic); LUMO_MEMBER(s, leftButtonLegend);
    LUMO_MEMBER(s, rightButtonLegend); LUMO_MEMBER(s, dragAreaLegend); LUMO_MEMBER(s, showCoordinatesCheck);
    LUMO_MEMBER(s, colorPointerCheck); LUMO_MEMBER(s, stayOnTopCheck); LUMO_MEMBER(s, followModeFrame);
    LUMO_MEMBER(s, followSlow); LUMO_MEMBER(s, followFast); LUMO_MEMBER(s, dragByHand); LUMO_MEMBER(s, hideMouseCheck);
    LUMO_MEMBER(s, hotkeysFrame); LUMO_MEMBER(s, hotkeysCheck); LUMO_MEMBER(s, stepLabel); LUMO_MEMBER(s, stepBox);
    LUMO_MEMBER(s, upKeyLabel); LUMO_MEMBER(s, downKeyLabel); LUMO_MEMBER(s, leftKeyLabel);
    LUMO_MEMBER(s, rightKeyLabel); LUMO_MEMBER(s, leftClickKeyLabel); LUMO_MEMBER(s, rightClickKeyLabel);
    LUMO_MEMBER(s, upKeyBox); LUMO_MEMBER(s, downKeyBox); LUMO_MEMBER(s, leftKeyBox); LUMO_MEMBER(s, rightKeyBox);
    LUMO_MEMBER(s, leftClickKeyBox); LUMO_MEMBER(s, rightClickKeyBox); LUMO_MEMBER(s, resolutionLabel);
    LUMO_MEMBER(s, applyButton); LUMO_MEMBER(s, enterBox); LUMO_MEMBER(s, aboutLink); LUMO_MEMBER(s, keyPicker);
    LUMO_MEMBER(s, keyPickerHeading); LUMO_MEMBER(s, keyList); LUMO_MEMBER(s, confirmKeyButton);
    LUMO_MEMBER(s, cancelKeyButton); LUMO_MEMBER(s, currentKeyHeading); LUMO_MEMBER(s, currentKeyBox);
    LUMO_MEMBER(s, panelBackground); LUMO_MEMBER(s, panelTopRule); LUMO_MEMBER(s, foldTab);
    LUMO_MEMBER(s, foldChevronLeft); LUMO_MEMBER(s, foldChevronRight); LUMO_MEMBER(s, unfoldChevronLeft);
    LUMO_MEMBER(s, unfoldChevronRight); LUMO_MEMBER(s, foldButton); LUMO_MEMBER(s, unfoldButton);
    LUMO_MEMBER(s, promoHeadingShadow); LUMO_MEMBER(s, promoHeading); LUMO_MEMBER(s, chatOutline);
    LUMO_MEMBER(s, chatIcon); LUMO_MEMBER(s, chatBox); LUMO_MEMBER(s, chatButton); LUMO_MEMBER(s, shopLink);
    LUMO_MEMBER(s, searchBanner); LUMO_MEMBER(s, searchBannerOutline); LUMO_MEMBER(s, searchBox);
    LUMO_MEMBER(s, searchButton); LUMO_MEMBER(s, crownShopsLink); LUMO_MEMBER(s, mallLink);
    LUMO_MEMBER(s, generalChannelLink);

    const auto& a = app.about;
    LUMO_MEMBER(a, titleBand); LUMO_MEMBER(a, bodyFrame); LUMO_MEMBER(a, seriesTitle);
    LUMO_MEMBER(a, seriesTitleShadow); LUMO_MEMBER(a, verseLine); LUMO_MEMBER(a, ruleBelowTitle);
    LUMO_MEMBER(a, productName); LUMO_MEMBER(a, versionLabel); LUMO_MEMBER(a, descriptionPanel);
    LUMO_MEMBER(a, contactPanel); LUMO_MEMBER(a, noticePanel); LUMO_MEMBER(a, studioPageLink);
    LUMO_MEMBER(a, baiduBlogLink); LUMO_MEMBER(a, sinaWeiboLink); LUMO_MEMBER(a, neteaseWeiboLink);
    LUMO_MEMBER(a, tencentWeiboLink); LUMO_MEMBER(a, ruleAboveNotice); LUMO_MEMBER(a, noticeLine);
    LUMO_MEMBER(a, okButton); LUMO_MEMBER(a, bottomRule);

    const auto& t = app.trayMenu;
    LUMO_MEMBER(t, leftBand); LUMO_MEMBER(t, menuFrame); LUMO_MEMBER(t, topBand); LUMO_MEMBER(t, seriesHeader);
    LUMO_MEMBER(t, showSettingsItem); LUMO_MEMBER(t, hideSettingsItem); LUMO_MEMBER(t, aboutItem);
    LUMO_MEMBER(t, exitItem); LUMO_MEMBER(t, ruleBelowShowSettings); LUMO_MEMBER(t, ruleBelowHideSettings);
    LUMO_MEMBER(t, ruleBelowAbout); LUMO_MEMBER(t, rowMarker); LUMO_MEMBER(t, leftEdgeStrip);
    LUMO_MEMBER(t, bottomEdgeStrip); LUMO_MEMBER(t, rightEdgeStrip); LUMO_MEMBER(t, topEdgeStrip);

    const auto& v = app.virtualMouse;
    LUMO_MEMBER(v, mousePicture); LUMO_MEMBER(v, leftClickZone); LUMO_MEMBER(v, rightClickZone);
    LUMO_MEMBER(v, dragArea); LUMO_MEMBER(v, arrowheadTop); LUMO_MEMBER(v, arrowheadLeft);
    LUMO_MEMBER(v, arrowheadDiagonal); LUMO_MEMBER(v, pointerCoordinates); LUMO_MEMBER(v, tipCoordinates);
    return names;
}

struct Box {
    std::int32_t left, top, width, height;
};

// On its container: a line by the rectangle its end points span.
Box ownBox(const Control& c) {
    if (c.kind() != lumo::forms::ControlKind::Line) return {c.left(), c.top(), c.width(), c.height()};
    const auto& line = static_cast<const lumo::forms::Line&>(c);
    return {std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2()), std::abs(line.x2() - line.x1()),
            std::abs(line.y2() - line.y1())};
}

std::int32_t pixels(std::int32_t twips) { return lumo::twipsToPixels(twips, kTwipsPerPixelAt100); }

void writeForm(std::FILE* out, const lumo::forms::Form& form, const MemberNames& names) {
    for (const auto& control : form.controls()) {
        if (control->kind() == lumo::forms::ControlKind::Timer) continue;
        const Box own = ownBox(*control);
        Box twips = own, px{pixels(own.left), pixels(own.top), pixels(own.width), pixels(own.height)};
        for (const Control* c = control->container(); c; c = c->container()) {
            twips.left += c->left(), twips.top += c->top();
            px.left += pixels(c->left()), px.top += pixels(c->top());
        }
        const auto named = names.find(control.get());
        std::fprintf(out, "%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", form.name().c_str(),
                     named != names.end() ? named->second.c_str() : control->name().c_str(), twips.left, twips.top,
                     twips.width, twips.height, px.left, px.top, px.width, px.height);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: control_layout <file>\n");
        return 2;
    }
    lumo::sim::SimPlatform platform;
    lumo::sim::SimBackend backend(platform);
    lumo::forms::Runtime runtime(platform, backend);
    lumo::LumoApp app(runtime);
    // Start-up loads the tray window and the settings window; the others load when first shown.
    app.start();
    app.about.load();
    app.virtualMouse.load();

    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fputs("# window\tcontrol\tleft\ttop\twidth\theight (twips)\t"
               "left\ttop\twidth\theight (pixels at 100 %)\n",
               out);
    const MemberNames names = memberNames(app);
    const lumo::forms::Form* const forms[] = {&app.settings, &app.about, &app.trayMenu, &app.virtualMouse};
    for (const lumo::forms::Form* form : forms) writeForm(out, *form, names);
    return std::fclose(out) == 0 ? 0 : 1;
}
