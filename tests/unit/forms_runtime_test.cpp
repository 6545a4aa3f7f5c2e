#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/sim/sim_backend.h"

namespace {

using namespace lumo;
using namespace lumo::forms;

// A form with one of each kind of interest, recording the events it sees.
class Probe : public Form {
public:
    using Form::Form;
    Label* back = nullptr;   // lower label
    Label* front = nullptr;  // overlaps `back`, added later: on top
    Image* hidden = nullptr;
    Frame* frame = nullptr;
    Label* inFrame = nullptr;
    TextBox* box = nullptr;
    OptionButton* optA = nullptr;
    OptionButton* optB = nullptr;
    CheckBox* check = nullptr;
    Timer* timer = nullptr;
    std::vector<std::string> log;
    std::vector<std::string> windowEvents;
    int loads = 0, ticks = 0;
    bool unloadInClick = false;

protected:
    void design() override {
        move(0, 0, 6000, 6000);
        back = add<Label>("back", nullptr);
        back->move(100, 100, 1000, 1000);
        front = add<Label>("front", nullptr);
        front->move(500, 500, 1000, 1000);
        hidden = add<Image>("hidden", nullptr);
        hidden->move(0, 0, 6000, 6000);
        hidden->setVisible(false);
        frame = add<Frame>("frame", nullptr);
        frame->move(3000, 3000, 2000, 2000);
        inFrame = add<Label>("inFrame", frame);
        inFrame->move(100, 100, 500, 500);
        box = add<TextBox>("box", nullptr);
        box->move(100, 4000, 1000, 300);
        optA = add<OptionButton>("optA", nullptr);
        optB = add<OptionButton>("optB", nullptr);
        check = add<CheckBox>("check", nullptr);
        timer = addTimer("timer", 1000, true);

        for (Control* c : {static_cast<Control*>(back), static_cast<Control*>(front), static_cast<Control*>(inFrame)}) {
            c->MouseDown = [this, c](const MouseEvent& e) {
                log.push_back(c->name() + " down " + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
            };
            c->MouseMove = [this, c](const MouseEvent& e) {
                log.push_back(c->name() + " move " + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
            };
            c->Click = [this, c] {
                log.push_back(c->name() + " click");
                if (unloadInClick) unload();
            };
        }
        MouseDown = [this](const MouseEvent&) { log.push_back("form down"); };
        Click = [this] { log.push_back("form click"); };
        frame->MouseDown = [this](const MouseEvent& e) {
            log.push_back("frame down " + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
        };
        box->Change = [this] { log.push_back("change " + box->text()); };
        box->KeyPress = [](int& k) {
            if ((k < '0' || k > '9') && k != 8) k = 0;
        };
        timer->Tick = [this] { ++ticks; };
        Load = [this] { ++loads; };
        Shown = [this] { windowEvents.push_back("shown"); };
        Hidden = [this] { windowEvents.push_back("hidden"); };
        Deactivate = [this] { windowEvents.push_back("deactivated"); };
    }
};

struct Fixture : ::testing::Test {
    sim::SimPlatform platform;
    sim::SimBackend backend{platform};
    Runtime runtime{platform, backend};
    Probe form{runtime, "Probe"};
};

TEST_F(Fixture, ShowAndHideLoadOnceAndUnloadDiscardsTheDesignState) {
    form.hide();
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    form.show();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.loads, 1);
    form.box->setText("42");
    form.unload();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.handle(), 0u);
    form.show();
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.box->text(), "");
    // Only real changes of visibility are events; unloading is none.
    form.show();
    form.hide();
    form.hide();
    backend.deactivate(form);
    form.unload();
    backend.deactivate(form);
    EXPECT_EQ(form.windowEvents, (std::vector<std::string>{"shown", "shown", "hidden", "deactivated"}));
}

TEST_F(Fixture, TimersFireOnTheVirtualClockAndSameValueWritesDoNotRestartThem) {
    form.show();
    backend.advance(600);
    form.timer->setInterval(1000);
    form.timer->setEnabled(true);
    backend.advance(400);
    EXPECT_EQ(form.ticks, 1);
    form.timer->setInterval(500);  // a real change restarts the countdown
    backend.advance(499);
    EXPECT_EQ(form.ticks, 1);
    backend.advance(1);
    EXPECT_EQ(form.ticks, 2);
    form.timer->setEnabled(false);
    backend.advance(5000);
    EXPECT_EQ(form.ticks, 2);
    form.timer->setEnabled(true);
    form.unload();
    backend.advance(5000);
    EXPECT_EQ(form.ticks, 2);
}

TEST_F(Fixture, HitTestingPicksTheTopmostVisibleControlAndPassesRelativeCoordinates) {
    form.show();
    backend.pressForm(form, kLeftButton, 700, 700);  // both labels cover it: `front` is on top
    backend.releaseForm(form, kLeftButton, 700, 700);
    backend.pressForm(form, kLeftButton, 200, 200);
    backend.releaseForm(form, kLeftButton, 200, 200);
    backend.pressForm(form, kLeftButton, 2500, 2500);  // only the hidden image: the form itself
    backend.releaseForm(form, kLeftButton, 2500, 2500);
    EXPECT_EQ(form.log, (std::vector<std::string>{"front down 200,200", "front click", "back down 100,100",
                                                  "back click", "form down", "form click"}));
}

TEST_F(Fixture, PressedTargetKeepsTheMouseAndClickNeedsReleaseOverIt) {
    form.show();
    backend.pressForm(form, kLeftButton, 200, 200);
    backend.moveForm(form, kLeftButton, 2500, 2500);  // captured: reported to `back`
    backend.releaseForm(form, kLeftButton, 2500, 2500);
    EXPECT_EQ(form.log, (std::vector<std::string>{"back down 100,100", "back move 2400,2400"}));

    form.log.clear();
    backend.pressForm(form, kRightButton, 200, 200);
    backend.releaseForm(form, kRightButton, 200, 200);
    EXPECT_EQ(form.log, (std::vector<std::string>{"back down 100,100"}));  // right button: no Click
}

TEST_F(Fixture, FramesAreSurfacesOfTheirOwn) {
    form.show();
    backend.press(*form.inFrame, kLeftButton, 10, 20);
    backend.release(*form.inFrame, kLeftButton, 10, 20);
    backend.press(*form.frame, kLeftButton, 1500, 1500);
    EXPECT_EQ(form.log, (std::vector<std::string>{"inFrame down 10,20", "inFrame click", "frame down 1500,1500"}));
    EXPECT_EQ(form.hitTest(nullptr, 3150, 3150), form.inFrame);
    form.frame->setVisible(false);
    EXPECT_FALSE(form.inFrame->shownOnForm());
    EXPECT_EQ(form.hitTest(nullptr, 3150, 3150), nullptr);
}

TEST_F(Fixture, AHandlerMayUnloadItsOwnFormSafely) {
    form.show();
    form.unloadInClick = true;
    backend.click(*form.front);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.log, (std::vector<std::string>{"front down 500,500", "front click"}));
}

TEST_F(Fixture, TypingPassesTheKeyFilterPastingOnlyWhereTheBoxFiltersPastes) {
    form.show();
    backend.type(*form.box, "1a2");
    backend.paste(*form.box, "x3-\r\n4");  // as the edit control pastes, up to the line break
    EXPECT_EQ(form.box->text(), "12x3-");
    form.box->setFiltersPastes(true);
    backend.paste(*form.box, "x3-\r\n4");
    EXPECT_EQ(form.box->text(), "12x3-34");
    backend.type(*form.box, "\b");
    EXPECT_EQ(form.log, (std::vector<std::string>{"change 1", "change 12", "change 12x3-", "change 12x3-3",
                                                  "change 12x3-34", "change 12x3-3"}));
    form.box->setText("12x3-3");  // unchanged: no event
    EXPECT_EQ(form.log.size(), 6u);
}

TEST_F(Fixture, OptionButtonsExcludeEachOtherAndCheckBoxesToggleOnClick) {
    form.show();
    backend.click(*form.optA);
    backend.click(*form.optB);
    EXPECT_FALSE(form.optA->value());
    EXPECT_TRUE(form.optB->value());
    backend.click(*form.check);
    EXPECT_EQ(form.check->value(), 1);
    form.check->setEnabled(false);
    backend.click(*form.check);
    EXPECT_EQ(form.check->value(), 1);
}

class Owned : public Form {
public:
    using Form::Form;

protected:
    void design() override { move(0, 0, 100, 100); }
};

TEST_F(Fixture, UnloadingAnOwnerReleasesTheWindowsItOwns) {
    Owned other(runtime, "Other");
    form.show();
    other.show(&form);
    EXPECT_EQ(other.owner(), &form);
    form.unload();
    EXPECT_TRUE(other.visible());
    EXPECT_EQ(other.owner(), nullptr);
}

TEST_F(Fixture, ShowBringsAMinimizedWindowBack) {
    form.show();
    form.setWindowState(WindowState::Minimized);
    form.show();
    EXPECT_EQ(form.windowState(), WindowState::Normal);
}

}  // namespace
