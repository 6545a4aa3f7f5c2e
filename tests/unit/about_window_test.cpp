#include "about_window/about_window.h"

#include <gtest/gtest.h>

#include "about_window/about_config.h"
#include "lumo_version.h"
#include "forms/sim/sim_backend.h"

namespace {

using namespace lumo;

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest() { platform.setScreenPixels(1024, 768); }

    sim::SimPlatform platform;
    sim::SimBackend backend{platform};
    forms::Runtime runtime{platform, backend};
    AboutWindow about{runtime};

    // Points of the body that no label covers: x = 4450 and y below the title
    // band (the text panels end at x = 4335).
    // 1024 x 768 pixels at 15 twips per pixel, window centred.
    static constexpr std::int32_t kStartLeft = (1024 * 15 - 4575) / 2;
    // (768 * 15 - 4455) / 2 = 3532.5 rounds to the even 3532.
    static constexpr std::int32_t kStartTop = 3532;
};

TEST_F(AboutWindowTest, OpensFramelessAtItsDesignedSizeInTheMiddleOfTheScreen) {
    about.show();
    ASSERT_TRUE(about.visible());
    EXPECT_EQ(about.width(), 4575);
    EXPECT_EQ(about.height(), 4455);
    EXPECT_EQ(about.left(), kStartLeft);
    EXPECT_EQ(about.top(), kStartTop);
    EXPECT_FALSE(about.showInTaskbar());
    EXPECT_EQ(about.icon(), Asset::AppIcon);

    // The version comes from the build.
    EXPECT_EQ(about.versionLabel->text(), "版本(" LUMO_VERSION_SHORT_TEXT ")");
    for (forms::TextBox* panel : {about.contactPanel, about.noticePanel, about.descriptionPanel}) {
        EXPECT_TRUE(panel->multiLine() && panel->readOnly()) << panel->name();
        EXPECT_FALSE(panel->text().empty()) << panel->name();
    }
    EXPECT_EQ(about.studioPageLink->text(), std::string{about::kStudioName} + "主页");
}

TEST_F(AboutWindowTest, LinksAndCloseLabelShowTheHandCursor) {
    about.show();
    for (forms::Label* label : {about.okButton, about.studioPageLink, about.tencentWeiboLink, about.neteaseWeiboLink,
                                about.sinaWeiboLink, about.baiduBlogLink}) {
        EXPECT_EQ(label->cursor(), Asset::HandCursor) << label->name();
    }
    EXPECT_EQ(about.seriesTitle->cursor(), std::nullopt);
}

TEST_F(AboutWindowTest, LinksStartTheBrowserMinimizedAndKeepTheWindowOpen) {
    about.show();
    const std::pair<forms::Label*, std::string_view> links[] = {
        {about.studioPageLink, about::kStudioPage},         {about.baiduBlogLink, about::kBaiduBlogPage},
        {about.sinaWeiboLink, about::kSinaWeiboPage},       {about.neteaseWeiboLink, about::kNeteaseWeiboPage},
        {about.tencentWeiboLink, about::kTencentWeiboPage},
    };
    for (const auto& [label, page] : links) {
        platform.programStarts.clear();
        backend.click(*label);
        ASSERT_EQ(platform.programStarts.size(), 1u) << label->name();
        EXPECT_EQ(platform.programStarts[0].commandLine, "explorer.exe " + std::string{page});
        EXPECT_EQ(platform.programStarts[0].show, ShowState::Minimized);
        EXPECT_TRUE(about.visible());
    }
    EXPECT_TRUE(platform.shellOpens.empty());
}

TEST_F(AboutWindowTest, DragsByTheBodyWithTheLeftButtonOnly) {
    about.show();
    // Press positions round halves to even: 100.5 -> 100, 201.5 -> 202.
    backend.pressForm(about, forms::kLeftButton, 100.5, 201.5);
    EXPECT_EQ(about.drag.dragStartX, 100);
    EXPECT_EQ(about.drag.dragStartY, 202);
    // A right press meanwhile stores nothing.
    backend.pressForm(about, forms::kRightButton, 4450, 2000);
    backend.moveForm(about, forms::kLeftButton | forms::kRightButton, 400, 102);
    EXPECT_EQ(about.left(), kStartLeft + 300);
    EXPECT_EQ(about.top(), kStartTop - 100);
    backend.releaseForm(about, forms::kRightButton, 400, 102);
    backend.releaseForm(about, forms::kLeftButton, 100, 202);
    EXPECT_EQ(about.width(), 4575);
    EXPECT_EQ(about.height(), 4455);
}

TEST_F(AboutWindowTest, RightButtonDragsLabelDragsAndPlainMovesLeaveTheWindowAlone) {
    about.show();
    backend.press(*about.seriesTitle, forms::kLeftButton, 10, 10);
    backend.move(*about.seriesTitle, forms::kLeftButton, 600, 600);
    backend.release(*about.seriesTitle, forms::kLeftButton, 600, 600);
    backend.pressForm(about, forms::kRightButton, 4450, 1000);
    backend.moveForm(about, forms::kRightButton, 3000, 2000);
    backend.releaseForm(about, forms::kRightButton, 3000, 2000);
    backend.moveForm(about, 0, 200, 300);
    EXPECT_EQ(about.left(), kStartLeft);
    EXPECT_EQ(about.top(), kStartTop);
}

TEST_F(AboutWindowTest, CloseUnloadsAndTheNextShowLoadsAfreshAtTheStartingPlace) {
    about.show();
    backend.pressForm(about, forms::kLeftButton, 4450, 1000);
    backend.moveForm(about, forms::kLeftButton, 5050, 1300);
    backend.releaseForm(about, forms::kLeftButton, 5050, 1300);
    ASSERT_NE(about.left(), kStartLeft);

    backend.click(*about.okButton);
    EXPECT_FALSE(about.loaded());
    EXPECT_TRUE(platform.programStarts.empty());

    about.show();
    EXPECT_TRUE(about.visible());
    EXPECT_EQ(about.left(), kStartLeft);
    EXPECT_EQ(about.top(), kStartTop);
    EXPECT_EQ(about.height(), 4455);
    EXPECT_EQ(about.baiduBlogLink->cursor(), Asset::HandCursor);
    backend.click(*about.tencentWeiboLink);
    EXPECT_EQ(platform.programStarts.size(), 1u);
}

TEST_F(AboutWindowTest, ShowingAgainReusesTheOpenWindow) {
    about.show();
    const WindowHandle first = about.handle();
    backend.pressForm(about, forms::kLeftButton, 4450, 3000);
    backend.moveForm(about, forms::kLeftButton, 4750, 3000);
    backend.releaseForm(about, forms::kLeftButton, 4750, 3000);

    about.show();
    // A fresh load would have a new handle and be back in the middle.
    EXPECT_EQ(about.handle(), first);
    EXPECT_EQ(about.left(), kStartLeft + 300);
}

TEST_F(AboutWindowTest, EnterSpaceAndEscCloseTabReachesTheLinks) {
    for (const KeyCode key : {Key::Enter, Key::Space, Key::Escape}) {
        about.show();
        EXPECT_EQ(about.activeControl(), about.okButton);
        backend.key(about, key);
        EXPECT_FALSE(about.loaded());
    }
    about.show();
    backend.key(about, Key::Tab);
    backend.key(about, Key::Enter);
    EXPECT_EQ(platform.programStarts.size(), 1u);
    EXPECT_TRUE(about.visible());
}

}  // namespace
