// The settings window on the simulated platform, with stand-in forms for the
// other three windows so that its effects on them can be observed.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "forms/forms.h"
#include "forms/sim/sim_backend.h"
#include "platform/sim/sim_platform.h"
#include "pointer_core/shared_state.h"
#include "settings_window/settings_window.h"
#include "settings_window/shop_links.h"

namespace lumo::testing {

class StubForm : public forms::Form {
public:
    using forms::Form::Form;
    int loads = 0;
    std::function<void()> onLoad;

protected:
    void design() override {
        move(0, 0, 1500, 1500);
        Load = [this] {
            ++loads;
            if (onLoad) onLoad();
        };
    }
};

class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindowTest() {
        settings.VirtualMouseRequested = [this] { virtualMouse.show(); };
        settings.AboutRequested = [this] { about.show(&settings); };
        settings.ExitRequested = [this] { ++exits; };
        settings.BodyPressed = [this] { trayMenu.hide(); };
        platform.setScreenPixels(1920, 1080);
        settings.show();
        platform.setForeground(settings.handle());
    }

    void pressBody(int button, double x = 2000, double y = 4300) {
        backend.pressForm(settings, button, x, y);
        backend.releaseForm(settings, button, x, y);
    }
    // A press and release of one button on a control (a click when it is the
    // left one). A press that hid the control still ends with the release.
    void tap(forms::Control& c, int button) {
        backend.press(c, button);
        if (c.shownOnForm()) {
            backend.release(c, button);
        } else {
            backend.releaseForm(c.form(), button, -1, -1);
        }
    }
    bool dragged() const { return !platform.drags.empty(); }
    // The chat box shows its hint, greyed unlike typed text.
    bool chatHintShown() const {
        return settings.panel.chatBox->text() == chatPlaceholder() &&
               settings.panel.chatBox->foreColor() != forms::kWindowTextColor;
    }

    sim::SimPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    SharedState state;
    int exits = 0;
    StubForm virtualMouse{runtime, "VirtualMouseWindow"};
    StubForm trayMenu{runtime, "TrayMenuWindow"};
    StubForm about{runtime, "AboutWindow"};
    SettingsWindow settings{runtime, state};
};

}  // namespace lumo::testing
