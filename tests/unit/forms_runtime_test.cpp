#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/sim/sim_backend.h"

namespace {

using namespace lumo;
using namespace lumo::forms;

class Probe : public Form {
public:
    using Form::Form;
    Label* label = nullptr;
    Timer* timer = nullptr;
    int loads = 0, ticks = 0, clicks = 0;

protected:
    void design() override {
        move(0, 0, 3000, 3000);
        label = add<Label>("Label1", nullptr);
        label->move(100, 100, 500, 200);
        label->Click = [this] { ++clicks; };
        timer = addTimer("Timer1", 1000, true);
        timer->Tick = [this] { ++ticks; };
        Load = [this] { ++loads; };
    }
};

TEST(FormsRuntime, ShowLoadsOnceAndTimersKeepTheirCountdown) {
    sim::SimPlatform platform;
    sim::SimBackend backend(platform);
    Runtime runtime(platform, backend);
    Probe form(runtime, "Probe");
    form.hide();
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    form.show();
    EXPECT_EQ(form.loads, 1);
    backend.advance(600);
    form.timer->setInterval(1000);  // same value: no restart
    form.timer->setEnabled(true);
    backend.advance(400);
    EXPECT_EQ(form.ticks, 1);
    backend.click(*form.label);
    EXPECT_EQ(form.clicks, 1);
    form.unload();
    backend.advance(5000);
    EXPECT_EQ(form.ticks, 1);
}

}  // namespace
