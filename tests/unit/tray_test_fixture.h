// The tray window on the simulated desktop, with stand-in settings, About and
// virtual mouse windows that only count their loads.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "forms/forms.h"
#include "forms/sim/sim_backend.h"
#include "pointer_core/shared_state.h"
#include "tray/tray_menu_window.h"

namespace lumo::tray_test {

// Sees the order of the tray's calls around the end of the process and the z-order call.
class WatchedPlatform : public sim::SimPlatform {
public:
    std::function<void()> onExit;
    std::function<void()> onTopmost;
    void exitProcess() override {
        if (onExit) onExit();
        SimPlatform::exitProcess();
    }
    void setTopmost(WindowHandle window, bool topmost, bool activate) override {
        if (onTopmost) onTopmost();
        SimPlatform::setTopmost(window, topmost, activate);
    }
};

class StubWindow : public forms::Form {
public:
    using Form::Form;
    int loads = 0;
    std::function<void()> onLoad;

protected:
    void design() override {
        move(3000, 2000, 5535, 6015);
        setIcon(Asset::AppIcon);
        Load = [this] {
            ++loads;
            if (onLoad) onLoad();
        };
    }
};

class TrayTest : public ::testing::Test {
protected:
    TrayTest() {
        platform.setScreenPixels(1920, 1080);
        tray.ShowSettingsRequested = [this] { settings.show(); };
        tray.HideSettingsRequested = [this] { settings.hide(); };
        tray.AboutRequested = [this] { about.show(nullptr); };
    }

    // Program start, then the pointer in the lower-right quarter and a right
    // release on the icon: the menu is up.
    void startWithMenuUp() {
        tray.load();
        platform.movePointer({1800, 1000});
        backend.trayMessage(tray, TrayEvent::RightUp);
        ASSERT_TRUE(tray.visible());
    }

    WatchedPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    SharedState shared;
    StubWindow virtualMouse{runtime, "VirtualMouseWindow"};
    StubWindow settings{runtime, "SettingsWindow"};
    StubWindow about{runtime, "AboutWindow"};
    TrayMenuWindow tray{runtime, shared};
};

}  // namespace lumo::tray_test
