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
            EXPECT_EQ(open.owner, form2.handle());
            out.push_back(open.address);
        }
        return out;
    }
    void chat() { backend.click(*form2.LumoAnniu20104->host()); }
    void fold() { backend.click(*form2.Image8); }
    void unfold() { backend.click(*form2.Image9); }
    void expectFolded(bool folded) {
        EXPECT_EQ(form2.Image8->visible(), !folded);
        EXPECT_EQ(form2.Line10->visible(), !folded);
        EXPECT_EQ(form2.Line11->visible(), !folded);
        EXPECT_EQ(form2.Image9->visible(), folded);
        EXPECT_EQ(form2.Line12->visible(), folded);
        EXPECT_EQ(form2.Line13->visible(), folded);
    }
};

TEST_F(PanelTest, EveryLinkOpensItsAddressThroughTheShell) {
    backend.click(*form2.Image6);
    backend.type(*form2.Text9, "a b&c#中");
    backend.click(*form2.Image6);
    backend.click(*form2.Label24);
    backend.click(*form2.Label25);
    backend.click(*form2.Label26);
    backend.click(*form2.Label23);
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
        backend.edit(*form2.Text9, fits);
        backend.click(*form2.Image6);
        backend.edit(*form2.Text9, fits + "a");
        backend.click(*form2.Image6);
        EXPECT_EQ(openedAddresses(), std::vector<std::string>{searchAddress(fits)}) << unit;
        platform.shellOpens.clear();
    }
    EXPECT_TRUE(shellTakesAddress(std::string(900, 'a')));
    EXPECT_FALSE(shellTakesAddress(std::string(901, 'a')));
}

TEST_F(PanelTest, ChatOpensForAnyNonEmptyTextIncludingTheHintAndSpaces) {
    chat();  // the hint is still in the box
    backend.click(*form2.Text10);
    chat();  // empty: nothing
    backend.type(*form2.Text10, "   ");
    chat();
    backend.edit(*form2.Text10, " 中文 a ");
    chat();
    EXPECT_EQ(openedAddresses(), (std::vector<std::string>{
                                     chatAddress(UTF8Encode(utf8ToUtf16(chatPlaceholder()))),
                                     chatAddress(""),
                                     chatAddress(UTF8Encode(u"中文 a")),
                                 }));
}

TEST_F(PanelTest, ChatBoxHintClearsOnlyWhenItIsExactlyTheHint) {
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder());
    EXPECT_EQ(form2.Text10->foreColor(), 0x808080u);

    backend.edit(*form2.Text10, chatPlaceholder() + " ");
    backend.click(*form2.Text10);
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder() + " ");
    EXPECT_EQ(form2.Text10->foreColor(), 0x808080u);

    backend.edit(*form2.Text10, chatPlaceholder());
    backend.click(*form2.Text10);
    EXPECT_EQ(form2.Text10->text(), "");
    EXPECT_EQ(form2.Text10->foreColor(), forms::kWindowTextColor);
}

TEST_F(PanelTest, BodyPressRestoresTheHintOnlyIntoAnEmptyBox) {
    backend.click(*form2.Text10);
    backend.type(*form2.Text10, "x");
    form2.Text9->setFocus();
    pressBody(forms::kLeftButton);
    EXPECT_EQ(form2.Text10->text(), "x");
    EXPECT_EQ(form2.activeControl(), form2.Text9);

    backend.type(*form2.Text10, "\b");
    pressBody(forms::kRightButton);
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder());
    EXPECT_EQ(form2.Text10->foreColor(), 0x808080u);
    EXPECT_EQ(form2.activeControl(), form2.Text8);

    // The banner restores it too; the key picker frame does not.
    backend.click(*form2.Text10);
    backend.click(*form2.Text1);
    tap(*form2.Frame4, forms::kLeftButton);
    EXPECT_TRUE(dragged());
    EXPECT_EQ(form2.Text10->text(), "");
    tap(*form2.Image5, forms::kRightButton);
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder());
}

TEST_F(PanelTest, FoldAndUnfoldAlternateBetweenTheTwoHeights) {
    fold();
    expectFolded(true);
    EXPECT_EQ(form2.Shape4->height(), 4080);
    EXPECT_EQ(form2.height(), 4575);
    fold();  // the fold area is hidden now
    EXPECT_EQ(form2.height(), 4575);

    unfold();
    expectFolded(false);
    EXPECT_EQ(form2.Shape4->height(), 5520);
    EXPECT_EQ(form2.height(), 6015);
    EXPECT_EQ(form2.width(), 5535);
}

TEST_F(PanelTest, FoldAndUnfoldStopAtTheTargetOrAfter2001Steps) {
    struct Case {
        std::int32_t start;
        bool folding;
        std::int32_t end;
    };
    for (const Case& c : {Case{10000, true, 7999}, Case{6081, true, 4080}, Case{4080, true, 4080},
                          Case{100, true, 100}, Case{4000, false, 5520}, Case{3000, false, 5001},
                          Case{-5000, false, -2999}, Case{9000, false, 9000}}) {
        form2.unload();
        form2.show();
        if (!c.folding) fold();
        form2.Shape4->setHeight(c.start);
        form2.setHeight(20000);
        c.folding ? fold() : unfold();
        EXPECT_EQ(form2.Shape4->height(), c.end) << c.start;
        // Nothing moves when the body is already past the target: the window keeps its height.
        EXPECT_EQ(form2.height(), c.end == c.start ? 20000 : c.end + 495) << c.start;
        expectFolded(c.folding);
    }
}

TEST_F(PanelTest, ReloadStartsUnfoldedWithTheHintAndAnEmptySearch) {
    fold();
    backend.click(*form2.Text10);
    backend.type(*form2.Text9, "abc");
    form2.unload();
    form2.show();
    expectFolded(false);
    EXPECT_EQ(form2.height(), 6015);
    EXPECT_EQ(form2.Text10->text(), chatPlaceholder());
    EXPECT_EQ(form2.Text9->text(), "");
}

}  // namespace
}  // namespace lumo::testing
