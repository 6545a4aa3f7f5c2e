// The panel's handlers: links handed to the shell, the chat box with its
// hint, and the fold tab.
#include "settings_window/promo_panel.h"

#include "platform/utf.h"
#include "settings_window/settings_looks.h"
#include "settings_window/shop_links.h"
#include "settings_window/utf8_encode.h"

namespace lumo {

using namespace settings_looks;

void PromoPanel::wire() {
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

void PromoPanel::openWebPage(const std::string& address) {
    if (shellTakesAddress(address)) window_.platform().shellOpen(window_.handle(), address);
}

void PromoPanel::search() { openWebPage(searchAddress(searchBox->text())); }

void PromoPanel::openChat() {
    // Only emptiness is tested: spaces alone, or the hint itself, still open a chat.
    if (chatBox->text().empty()) return;
    openWebPage(chatAddress(UTF8Encode(utf8ToUtf16(chatBox->text()))));
}

void PromoPanel::clearChatHint() {
    if (chatBox->text() != chatPlaceholder()) return;
    chatBox->setText("");
    chatBox->setForeColor(forms::kWindowTextColor);
}

bool PromoPanel::restoreChatHint() {
    if (!chatBox->text().empty()) return false;
    chatBox->setText(chatPlaceholder());
    chatBox->setForeColor(kHintGrey);
    return true;
}

void PromoPanel::showFolded(bool folded) {
    foldButton->setVisible(!folded);
    foldChevronLeft->setVisible(!folded);
    foldChevronRight->setVisible(!folded);
    unfoldChevronLeft->setVisible(folded);
    unfoldChevronRight->setVisible(folded);
    unfoldButton->setVisible(folded);
    // A fold tab pressed from the keyboard keeps the keyboard on the tab.
    const forms::Control* focused = window_.activeControl();
    if (focused == foldButton || focused == unfoldButton) (folded ? unfoldButton : foldButton)->setFocus();
    if (FoldClicked) FoldClicked(folded);
}

}  // namespace lumo
