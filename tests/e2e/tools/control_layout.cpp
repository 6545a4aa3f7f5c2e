// Writes where every control of the program's four windows lies, as the
// windows build themselves on load (on the simulated platform), so that the
// end-to-end tests and the bench find a control by its name rather than by a
// copied rectangle:
//
//   control_layout <file>
//
// One tab-separated line per control, in the order the window adds them: the
// window's name, the control's name (its member's; a part of a composite is
// named after the composite's member), its rectangle in twips from the
// window's top-left corner (left, top, width, height) and the same in pixels
// at 100 %, placed as the Windows backend places it (each container's offset
// rounded on its own).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "forms/sim/sim_backend.h"
#include "platform/units.h"
#include "app/lumo_app.h"

namespace {

using lumo::forms::Control;

constexpr double kTwipsPerPixelAt100 = 15.0;

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

void writeForm(std::FILE* out, const lumo::forms::Form& form) {
    for (const auto& control : form.controls()) {
        if (control->kind() == lumo::forms::ControlKind::Timer) continue;
        const Box own = ownBox(*control);
        Box twips = own, px{pixels(own.left), pixels(own.top), pixels(own.width), pixels(own.height)};
        for (const Control* c = control->container(); c; c = c->container()) {
            twips.left += c->left(), twips.top += c->top();
            px.left += pixels(c->left()), px.top += pixels(c->top());
        }
        std::fprintf(out, "%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", form.name().c_str(), control->name().c_str(),
                     twips.left, twips.top, twips.width, twips.height, px.left, px.top, px.width, px.height);
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
    std::fputs(
        "# window\tcontrol\tleft\ttop\twidth\theight (twips)\t"
        "left\ttop\twidth\theight (pixels at 100 %)\n",
        out);
    const lumo::forms::Form* const forms[] = {&app.settings, &app.about, &app.trayMenu, &app.virtualMouse};
    for (const lumo::forms::Form* form : forms) writeForm(out, *form);
    return std::fclose(out) == 0 ? 0 : 1;
}
