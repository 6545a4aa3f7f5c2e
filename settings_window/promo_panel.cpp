// The shopping links panel: links handed to the shell, the chat box with its
// hint, and the fold tab that shortens the window to hide the panel.
#include "platform/utf.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"
#include "settings_window/shop_links.h"
#include "settings_window/utf8_encode.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::wirePanel() {
    searchButton->Click = [this] { search(); };
    searchBox->KeyDown = forms::onEnterKey([this] { search(); });
    crownShopsLink->Click = [this] { openWebPage(channelAddress(ShopChannel::CrownShops)); };
    mallLink->Click = [this] { openWebPage(channelAddress(ShopChannel::Mall)); };
    generalChannelLink->Click = [this] { openWebPage(channelAddress(ShopChannel::General)); };
    shopLink->Click = [this] { openWebPage(shopAddress()); };
    chatButton->Click = [this] { openChat(); };
    chatBox->KeyDown = forms::onEnterKey([this] { openChat(); });
    chatBox->Click = [this] { clearChatHint(); };
    foldButton->Click = [this] { showFolded(true); };
    unfoldButton->Click = [this] { showFolded(false); };
}

void SettingsWindow::openWebPage(const std::string& address) {
    if (shellTakesAddress(address)) platform().shellOpen(handle(), address);
}

void SettingsWindow::search() { openWebPage(searchAddress(searchBox->text())); }

void SettingsWindow::openChat() {
    // Only emptiness is tested: spaces alone, or the hint itself, still open a chat.
    if (chatBox->text().empty()) return;
    openWebPage(chatAddress(UTF8Encode(utf8ToUtf16(chatBox->text()))));
}

void SettingsWindow::clearChatHint() {
    if (chatBox->text() != chatPlaceholder()) return;
    chatBox->setText("");
    chatBox->setForeColor(forms::kWindowTextColor);
}

void SettingsWindow::restoreChatHint() {
    if (!chatBox->text().empty()) return;
    chatBox->setText(chatPlaceholder());
    chatBox->setForeColor(kHintGrey);
    // Enter then applies.
    enterBox->setFocus();
}

void SettingsWindow::showFolded(bool folded) {
    foldButton->setVisible(!folded);
    foldChevronLeft->setVisible(!folded);
    foldChevronRight->setVisible(!folded);
    unfoldChevronLeft->setVisible(folded);
    unfoldChevronRight->setVisible(folded);
    unfoldButton->setVisible(folded);
    // A fold tab pressed from the keyboard keeps the keyboard on the tab.
    if (activeControl() == foldButton || activeControl() == unfoldButton) (folded ? unfoldButton : foldButton)->setFocus();
    const std::int32_t height = bodyHeightAfterFoldClick(bodyOutline->height(), folded);
    if (height != bodyOutline->height()) setBodyHeight(height);
}

void SettingsWindow::setBodyHeight(std::int32_t height) {
    // One resize in place of the pass-by-pass loop: the end state is the same
    // and nothing else runs in between either way.
    bodyOutline->setHeight(height);
    setHeight(bodyOutline->height() + titleStrip->height());
}

}  // namespace lumo
