// The shopping links panel: links handed to the shell, the chat box with its
// hint, and the fold tab that shortens the window to hide the panel.
#include <algorithm>

#include "platform/utf.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"
#include "settings_window/shop_links.h"
#include "settings_window/utf8_encode.h"

namespace lumo {

using namespace settings_looks;

namespace {

// Fold and unfold move the body one twip per pass for at most this many passes.
constexpr std::int32_t kFoldPasses = 2001;

}  // namespace

void SettingsWindow::wirePanel() {
    Image6->Click = [this] { openWebPage(searchAddress(Text9->text())); };
    Label24->Click = [this] { openWebPage(channelAddress(ShopChannel::CrownShops)); };
    Label25->Click = [this] { openWebPage(channelAddress(ShopChannel::Mall)); };
    Label26->Click = [this] { openWebPage(channelAddress(ShopChannel::General)); };
    Label23->Click = [this] { openWebPage(shopAddress()); };
    LumoAnniu20104->Click = [this] { openChat(); };
    Text10->Click = [this] { clearChatHint(); };
    Image8->Click = [this] { fold(); };
    Image9->Click = [this] { unfold(); };
}

void SettingsWindow::openWebPage(const std::string& address) {
    if (shellTakesAddress(address)) platform().shellOpen(handle(), address);
}

void SettingsWindow::openChat() {
    // Only emptiness is tested: spaces alone, or the hint itself, still open a chat.
    if (Text10->text().empty()) return;
    openWebPage(chatAddress(UTF8Encode(utf8ToUtf16(Text10->text()))));
}

void SettingsWindow::clearChatHint() {
    if (Text10->text() != chatPlaceholder()) return;
    Text10->setText("");
    Text10->setForeColor(forms::kWindowTextColor);
}

void SettingsWindow::restoreChatHint() {
    if (!Text10->text().empty()) return;
    Text10->setText(chatPlaceholder());
    Text10->setForeColor(kHintGrey);
    // Enter then applies.
    Text8->setFocus();
}

void SettingsWindow::fold() {
    Image8->setVisible(false);
    Line10->setVisible(false);
    Line11->setVisible(false);
    Line12->setVisible(true);
    Line13->setVisible(true);
    Image9->setVisible(true);
    const std::int32_t height = Shape4->height();
    if (height > kFoldedBodyHeight) setBodyHeight(std::max(kFoldedBodyHeight, height - kFoldPasses));
}

void SettingsWindow::unfold() {
    Image8->setVisible(true);
    Line10->setVisible(true);
    Line11->setVisible(true);
    Line12->setVisible(false);
    Line13->setVisible(false);
    Image9->setVisible(false);
    const std::int32_t height = Shape4->height();
    if (height < kUnfoldedBodyHeight) setBodyHeight(std::min(kUnfoldedBodyHeight, height + kFoldPasses));
}

void SettingsWindow::setBodyHeight(std::int32_t height) {
    // One resize in place of the pass-by-pass loop: the end state is the same
    // and nothing else runs in between either way.
    Shape4->setHeight(height);
    setHeight(Shape4->height() + Shape1->height());
}

}  // namespace lumo
