#include "platform/utf.h"
#include "settings_test_fixture.h"
#include "settings_window/shop_links.h"
#include "settings_window/utf8_encode.h"

namespace lumo::testing {
namespace {

class PanelTest : public SettingsWindowTest {
protected:
    std::vector<std::string> openedAddresses() const {
        std::vector<std::string> out;
        for (const auto& open : platform.shellOpens) {
            EXPECT_EQ(open.owner, settings.handle());
            out.push_back(open.address);
        }
        return out;
    }
    void chat() { backend.click(*settings.panel.chatButton->host()); }
    void fold() { backend.click(*settings.panel.foldButton); }
    void unfold() { backend.click(*settings.panel.unfoldButton); }
    void expectFolded(bool folded) {
        EXPECT_EQ(settings.panel.foldButton->visible(), !folded);
        EXPECT_EQ(settings.panel.foldChevronLeft->visible(), !folded);
        EXPECT_EQ(settings.panel.foldChevronRight->visible(), !folded);
        EXPECT_EQ(settings.panel.unfoldButton->visible(), folded);
        EXPECT_EQ(settings.panel.unfoldChevronLeft->visible(), folded);
        EXPECT_EQ(settings.panel.unfoldChevronRight->visible(), folded);
    }
};

TEST_F(PanelTest, EveryLinkOpensItsAddressThroughTheShell) {
    backend.click(*settings.panel.searchButton);
    backend.type(*settings.panel.searchBox, "a b&c#中");
    backend.click(*settings.panel.searchButton);
    backend.click(*settings.panel.crownShopsLink);
    backend.click(*settings.panel.mallLink);
    backend.click(*settings.panel.generalChannelLink);
    backend.click(*settings.panel.shopLink);
    EXPECT_EQ(openedAddresses(), (std::vector<std::string>{
                                     searchAddress(""),
                                     searchAddress("a b&c#中"),
                                     channelAddress(ShopChannel::CrownShops),
                                     channelAddress(ShopChannel::Mall),
                                     channelAddress(ShopChannel::General),
                                     shopAddress(),
                                 }));
}

TEST_F(PanelTest, AddressesUpTo900CodeUnitsOpenLongerOnesOpenNothing) {
    const std::size_t room = kLongestShellAddress - searchAddress("").size();
    // Chinese counts one unit a character, as the shell gets it, not three UTF-8 bytes.
    for (const std::string& unit : {std::string("a"), std::string("中")}) {
        std::string fits;
        for (std::size_t i = 0; i < room; ++i) fits += unit;
        backend.edit(*settings.panel.searchBox, fits);
        backend.click(*settings.panel.searchButton);
        backend.edit(*settings.panel.searchBox, fits + "a");
        backend.click(*settings.panel.searchButton);
        EXPECT_EQ(openedAddresses(), std::vector<std::string>{searchAddress(fits)}) << unit;
        platform.shellOpens.clear();
    }
    EXPECT_TRUE(shellTakesAddress(std::string(900, 'a')));
    EXPECT_FALSE(shellTakesAddress(std::string(901, 'a')));
}

TEST_F(PanelTest, ChatOpensForAnyNonEmptyTextIncludingTheHintAndSpaces) {
    chat();  // the hint is still in the box
    backend.click(*settings.panel.chatBox);
    chat();  // empty: nothing
    backend.type(*settings.panel.chatBox, "   ");
    chat();
    backend.edit(*settings.panel.chatBox, " 中文 a ");
    chat();
    EXPECT_EQ(openedAddresses(), (std::vector<std::string>{
                                     chatAddress(UTF8Encode(utf8ToUtf16(chatPlaceholder()))),
                                     chatAddress(""),
                                     chatAddress(UTF8Encode(u"中文 a")),
                                 }));
}

TEST_F(PanelTest, ChatBoxHintClearsOnlyWhenItIsExactlyTheHint) {
    EXPECT_TRUE(chatHintShown());

    backend.edit(*settings.panel.chatBox, chatPlaceholder() + " ");
    backend.click(*settings.panel.chatBox);
    EXPECT_EQ(settings.panel.chatBox->text(), chatPlaceholder() + " ");
    EXPECT_NE(settings.panel.chatBox->foreColor(), forms::kWindowTextColor);

    backend.edit(*settings.panel.chatBox, chatPlaceholder());
    backend.click(*settings.panel.chatBox);
    EXPECT_EQ(settings.panel.chatBox->text(), "");
    EXPECT_EQ(settings.panel.chatBox->foreColor(), forms::kWindowTextColor);
}

TEST_F(PanelTest, BodyPressRestoresTheHintOnlyIntoAnEmptyBox) {
    backend.click(*settings.panel.chatBox);
    backend.type(*settings.panel.chatBox, "x");
    settings.panel.searchBox->setFocus();
    pressBody(forms::kLeftButton);
    EXPECT_EQ(settings.panel.chatBox->text(), "x");
    EXPECT_EQ(settings.activeControl(), settings.panel.searchBox);

    backend.type(*settings.panel.chatBox, "\b");
    pressBody(forms::kRightButton);
    EXPECT_TRUE(chatHintShown());
    EXPECT_EQ(settings.activeControl(), settings.options.enterBox);

    // The banner restores it too; the key picker frame does not.
    backend.click(*settings.panel.chatBox);
    backend.click(*settings.options.keyBoxes[Action::Up]);
    tap(*settings.picker.keyPicker, forms::kLeftButton);
    EXPECT_TRUE(dragged());
    EXPECT_EQ(settings.panel.chatBox->text(), "");
    tap(*settings.panel.searchBanner, forms::kRightButton);
    EXPECT_EQ(settings.panel.chatBox->text(), chatPlaceholder());
}

TEST_F(PanelTest, FoldAndUnfoldAlternateBetweenTheTwoHeights) {
    fold();
    expectFolded(true);
    EXPECT_EQ(settings.titleBar.bodyOutline->height(), 4080);
    EXPECT_EQ(settings.height(), 4575);
    fold();  // the fold area is hidden now
    EXPECT_EQ(settings.height(), 4575);

    unfold();
    expectFolded(false);
    EXPECT_EQ(settings.titleBar.bodyOutline->height(), 5520);
    EXPECT_EQ(settings.height(), 6015);
    EXPECT_EQ(settings.width(), 5535);
}

TEST_F(PanelTest, FoldAndUnfoldStopAtTheTargetOrAfter2001Steps) {
    struct Case {
        std::int32_t start;
        bool folding;
        std::int32_t end;
    };
    for (const Case& c :
         {Case{10000, true, 7999}, Case{6081, true, 4080}, Case{4080, true, 4080}, Case{100, true, 100},
          Case{4000, false, 5520}, Case{3000, false, 5001}, Case{-5000, false, -2999}, Case{9000, false, 9000}}) {
        settings.unload();
        settings.show();
        if (!c.folding) fold();
        settings.titleBar.bodyOutline->setHeight(c.start);
        settings.setHeight(20000);
        c.folding ? fold() : unfold();
        EXPECT_EQ(settings.titleBar.bodyOutline->height(), c.end) << c.start;
        // Nothing moves when the body is already past the target: the window keeps its height.
        EXPECT_EQ(settings.height(), c.end == c.start ? 20000 : c.end + 495) << c.start;
        expectFolded(c.folding);
    }
}

TEST_F(PanelTest, ReloadStartsUnfoldedWithTheHintAndAnEmptySearch) {
    fold();
    backend.click(*settings.panel.chatBox);
    backend.type(*settings.panel.searchBox, "abc");
    settings.unload();
    settings.show();
    expectFolded(false);
    EXPECT_EQ(settings.height(), 6015);
    EXPECT_EQ(settings.panel.chatBox->text(), chatPlaceholder());
    EXPECT_EQ(settings.panel.searchBox->text(), "");
}

}  // namespace
}  // namespace lumo::testing
