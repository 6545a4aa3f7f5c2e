// The settings window on the simulated platform, with stand-in forms for the
// other three windows so that its effects on them can be observed.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/forms/forms.h"
#include "platform/sim/sim_backend.h"
#include "platform/sim/sim_platform.h"
#include "pointer_core/shared_state.h"
#include "settings_window/settings_window.h"
#include "tray/app_windows.h"

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
        windows.virtualMouse = &form1;
        windows.settings = &form2;
        windows.trayMenu = &form3;
        windows.about = &about;
        windows.exitProgram = [this] { ++exits; };
        platform.setScreenPixels(1920, 1080);
        form2.show();
        platform.setForeground(form2.handle());
    }

    void pressBody(int button, double x = 2000, double y = 4300) {
        backend.pressForm(form2, button, x, y);
        backend.releaseForm(form2, button, x, y);
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

    sim::SimPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    SharedState state;
    AppWindows windows;
    int exits = 0;
    StubForm form1{runtime, "Form1"};
    StubForm form3{runtime, "Form3"};
    StubForm about{runtime, "GuanYu1"};
    SettingsWindow form2{runtime, state, windows};
};

}  // namespace lumo::testing
