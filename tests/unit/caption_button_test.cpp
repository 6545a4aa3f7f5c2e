#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "caption_button/caption_button.h"
#include "forms/sim/sim_backend.h"

namespace {

using namespace lumo;

class ButtonForm : public forms::Form {
public:
    ButtonForm(forms::Runtime& runtime, std::optional<PropertyBag> stored)
        : forms::Form(runtime, "ButtonForm"), stored_(std::move(stored)) {}
    CaptionButton* button = nullptr;
    int clicks = 0;

protected:
    void design() override {
        move(0, 0, 6000, 4000);
        button = CaptionButton::add(*this, "applyButton", nullptr, stored_ ? &*stored_ : nullptr);
        button->move(600, 600, 1455, 300);
        button->Click = [this] { ++clicks; };
    }

private:
    std::optional<PropertyBag> stored_;
};

class CaptionButtonTest : public ::testing::Test {
protected:
    void open(std::optional<PropertyBag> stored) {
        form = std::make_unique<ButtonForm>(runtime, std::move(stored));
        form->show();
    }
    // A completed left click at a point of the button's surface (twips).
    void clickSurfaceAt(double x, double y) {
        backend.press(*form->button->host(), forms::kLeftButton, x, y);
        backend.release(*form->button->host(), forms::kLeftButton, x, y);
    }

    sim::SimPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    std::unique_ptr<ButtonForm> form;
};

TEST_F(CaptionButtonTest, EachClickOnCaptionOrRectangleRaisesClickOnce) {
    open(PropertyBag{{"Caption", "点击打开鼠标"}});
    clickSurfaceAt(60, 60);  // on the caption
    EXPECT_EQ(form->clicks, 1);
    clickSurfaceAt(1400, 280);  // on the rectangle beside the caption
    EXPECT_EQ(form->clicks, 2);
    backend.click(*form->button->captionLabel());
    EXPECT_EQ(form->clicks, 3);

    // A right click or a press released elsewhere is no click.
    backend.press(*form->button->host(), forms::kRightButton, 100, 100);
    backend.release(*form->button->host(), forms::kRightButton, 100, 100);
    backend.press(*form->button->host(), forms::kLeftButton, 100, 100);
    backend.release(*form->button->host(), forms::kLeftButton, 5000, 100);
    EXPECT_EQ(form->clicks, 3);
}

TEST_F(CaptionButtonTest, AClickHandlerMayReloadTheFormThatHoldsTheButton) {
    open(PropertyBag{{"Caption", "x"}});
    form->button->Click = [this] {
        form->unload();
        form->show();
    };
    backend.click(*form->button->captionLabel());
    ASSERT_TRUE(form->loaded());
    form->button->Click = [this] { ++form->clicks; };
    backend.click(*form->button->host());
    EXPECT_EQ(form->clicks, 1);
}

TEST_F(CaptionButtonTest, RectangleAlwaysCoversTheWholeControlWhileTheCaptionStaysPut) {
    open(PropertyBag{{"Caption", " 确定"}});
    const auto& b = *form->button;
    EXPECT_EQ(b.caption(), " 确定");
    EXPECT_EQ(b.face()->width(), 1455);
    EXPECT_EQ(b.face()->height(), 300);
    const std::int32_t captionWidth = b.captionLabel()->width();

    for (auto [w, h] : std::vector<std::pair<int, int>>{{4000, 2000}, {300, 100}, {0, 0}}) {
        form->button->move(100, 200, w, h);
        EXPECT_EQ(b.host()->left(), 100);
        EXPECT_EQ(b.face()->left(), 0);
        EXPECT_EQ(b.face()->top(), 0);
        EXPECT_EQ(b.face()->width(), w);
        EXPECT_EQ(b.face()->height(), h);
        EXPECT_EQ(b.captionLabel()->left(), 45);
        EXPECT_EQ(b.captionLabel()->top(), 45);
        EXPECT_EQ(b.captionLabel()->width(), captionWidth);
    }
}

TEST_F(CaptionButtonTest, StoredCaptionRoundTripsAndOnlyANewControlShowsTheDesignText) {
    open(std::nullopt);
    EXPECT_EQ(form->button->caption(), "LumoAnniu");

    open(PropertyBag{});
    EXPECT_EQ(form->button->caption(), "");

    open(PropertyBag{{"Caption", "Abc"}});
    std::vector<std::string> changes;
    form->button->PropertyChanged = [&](const std::string& p) { changes.push_back(p); };
    form->button->setCaption("");
    EXPECT_EQ(changes, std::vector<std::string>{"Caption"});
    EXPECT_EQ(form->button->captionLabel()->text(), "");

    PropertyBag saved{{"Caption", "stale"}};
    form->button->writeProperties(saved);
    EXPECT_TRUE(saved.empty());  // equal to the default: not stored
    open(saved);
    EXPECT_EQ(form->button->caption(), "");

    form->button->setCaption("x");
    form->button->writeProperties(saved);
    EXPECT_EQ(saved, (PropertyBag{{"Caption", "x"}}));
}

}  // namespace
