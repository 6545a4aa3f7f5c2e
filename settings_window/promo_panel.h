// The shopping links panel at the bottom of the settings window: links handed
// to the shell, the chat box with its hint, the search box and the fold tab.
// It owns its controls and their handlers; the window places the body and
// the keyboard around it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "caption_button/caption_button.h"
#include "forms/forms.h"

namespace lumo {

class PromoPanel {
public:
    explicit PromoPanel(forms::Form& window) : window_(window) {}

    // Adds the controls to the window, in drawing order; runs on every load.
    void design();
    void wire();

    // Puts the grey hint back into an empty chat box; true when it did.
    bool restoreChatHint();

    // The fold tab was clicked: true to fold the panel away.
    std::function<void(bool folded)> FoldClicked;

    forms::Shape* panelBackground = nullptr;
    forms::Line* panelTopRule = nullptr;
    forms::Shape* foldTab = nullptr;
    forms::Line* foldChevronLeft = nullptr;
    forms::Line* foldChevronRight = nullptr;
    forms::Line* unfoldChevronLeft = nullptr;
    forms::Line* unfoldChevronRight = nullptr;
    forms::Image* foldButton = nullptr;
    forms::Image* unfoldButton = nullptr;
    forms::Label* promoHeadingShadow = nullptr;
    forms::Label* promoHeading = nullptr;
    forms::Shape* chatOutline = nullptr;
    forms::Image* chatIcon = nullptr;
    forms::TextBox* chatBox = nullptr;
    CaptionButton* chatButton = nullptr;
    forms::Label* shopLink = nullptr;
    forms::Image* searchBanner = nullptr;  // a drag surface
    forms::Shape* searchBannerOutline = nullptr;
    forms::TextBox* searchBox = nullptr;
    forms::Image* searchButton = nullptr;
    forms::Label* crownShopsLink = nullptr;
    forms::Label* mallLink = nullptr;
    forms::Label* generalChannelLink = nullptr;

private:
    void openWebPage(const std::string& address);
    void search();
    void openChat();
    void clearChatHint();
    // The tab's arrows and hot areas swap; the window then shortens or grows the body.
    void showFolded(bool folded);

    forms::Form& window_;
};

}  // namespace lumo
