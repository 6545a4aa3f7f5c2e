// A loaded virtual mouse window on the simulated platform, for the virtual
// mouse tests.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "forms/sim/sim_backend.h"
#include "platform/sim/sim_platform.h"
#include "virtual_mouse/virtual_mouse_window.h"

namespace lumo::testing {

// Remembers the colour keys asked for, which the simulated platform does not log.
class ColorKeyRecordingPlatform : public sim::SimPlatform {
public:
    void makeColorKeyed(WindowHandle window, std::uint32_t colorKey) override {
        SimPlatform::makeColorKeyed(window, colorKey);
        colorKeys.push_back(colorKey);
    }
    std::vector<std::uint32_t> colorKeys;
};

// Input reports as the keyboard mouse hands them on: a pointer move wakes the follow tick.
class MovesToWindow : public InputListener {
public:
    explicit MovesToWindow(VirtualMouseWindow& window) : window_(window) {}
    void pointerMoved() override { window_.pointerMoved(); }
    void keyChanged(KeyCode, bool) override {}
    void switchPressed() override {}
    void secondCopyStarted() override {}
    void sightChanged(bool) override {}

private:
    VirtualMouseWindow& window_;
};

class VirtualMouseTest : public ::testing::Test {
protected:
    void showWindow() {
        state.inputReported = platform.watchInput(&moves);
        window.show();
        platform.clearLogs();
    }
    // Counts the follow ticks and the clock time of each.
    void recordFollowTicks() {
        auto follow = window.followTimer->Tick;
        window.followTimer->Tick = [this, follow] {
            followTimes.push_back(backend.now());
            follow();
        };
    }

    ColorKeyRecordingPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    SharedState state;
    VirtualMouseWindow window{runtime, state};
    MovesToWindow moves{window};
    std::vector<std::int64_t> followTimes;
};

}  // namespace lumo::testing
