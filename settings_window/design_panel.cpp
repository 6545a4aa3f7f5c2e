// The shopping links panel at the bottom of the window, with its fold tab.
#include "settings_window/design_helpers.h"
#include "settings_window/promo_config.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"
#include "settings_window/shop_links.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designPanel() {
    panelBackground = design::rectangle(*this, "Shape7", {0, 4560, 5535, 1455}, forms::kWindowColor);
    panelTopRule = design::line(*this, "Line8", nullptr, 0, 4560, 5520, 4560);

    foldTab = design::rectangle(*this, "Shape6", {1920, 4440, 1455, 135}, forms::kWindowColor);
    foldChevronLeft = design::line(*this, "Line10", nullptr, 2520, 4560, 2640, 4440);
    foldChevronRight = design::line(*this, "Line11", nullptr, 2760, 4560, 2640, 4440);
    unfoldChevronLeft = design::line(*this, "Line12", nullptr, 2520, 4440, 2640, 4560);
    unfoldChevronRight = design::line(*this, "Line13", nullptr, 2640, 4560, 2760, 4440);
    unfoldChevronLeft->setVisible(false);
    unfoldChevronRight->setVisible(false);
    foldButton = design::image(*this, "Image8", {1920, 4440, 1455, 135}, std::nullopt);
    unfoldButton = design::image(*this, "Image9", {1920, 4440, 1455, 135}, std::nullopt);
    unfoldButton->setVisible(false);

    // The black copy first, one pixel right and down: the heading's shadow.
    promoHeadingShadow = design::label(*this, "Label22", nullptr, {135, 4695, 780, 180}, "淘宝推广");
    promoHeadingShadow->setForeColor(kBlack);
    promoHeadingShadow->setFont(songti(9, true));
    promoHeading = design::label(*this, "Label21", nullptr, {120, 4680, 780, 180}, "淘宝推广");
    promoHeading->setForeColor(kPromoOrange);
    promoHeading->setFont(songti(9, true));

    chatOutline = design::rectangle(*this, "Shape5", {1320, 4680, 2535, 300}, forms::kWindowColor);
    chatIcon = design::image(*this, "Image7", {1440, 4695, 240, 240}, Asset::ChatIcon);
    chatBox = design::textBox(*this, "Text10", nullptr, {1800, 4750, 1935, 200}, chatPlaceholder());
    chatBox->setForeColor(kHintGrey);

    chatButton = addCaptionButton("LumoAnniu20104", nullptr, "发起会话");
    chatButton->move(3840, 4680, 1095, 300);
    chatButton->host()->setToolTip("点击发起会话");

    shopLink = design::label(*this, "Label23", nullptr, {5040, 4680, 360, 345}, "店");
    shopLink->setForeColor(kPromoOrange);
    shopLink->setFont(songti(14.25, true));
    shopLink->setToolTip("Lumo的淘宝店铺");

    searchBanner = design::image(*this, "Image5", {120, 5000, 4875, 735}, Asset::SearchBanner,
                                 "淘宝网 " + std::string(promo::kChannelHost));
    searchBannerOutline = design::rectangle(*this, "Shape8", {120, 4995, 4875, 735});
    searchBox = design::textBox(*this, "Text9", nullptr, {1260, 5280, 2655, 270}, "");
    searchBox->setForeColor(kLinkColor);
    searchBox->setFont(songti(10.5));
    searchButton = design::image(*this, "Image6", {4065, 5130, 855, 450}, std::nullopt, "淘宝搜索");

    const auto link = [this](const std::string& name, design::Rect r, const std::string& caption,
                             const std::string& toolTip) {
        auto* c = design::label(*this, name, nullptr, r, caption);
        c->setForeColor(kLinkColor);
        c->setFont(songti(9, false, true));
        c->setToolTip(toolTip);
        return c;
    };
    crownShopsLink = link("Label24", {120, 5760, 1440, 180}, "淘宝皇冠店铺精选",
                          "淘宝皇冠店铺精选,集合了高佣金高转换率的皇冠店铺。");
    mallLink = link("Label25", {1680, 5760, 720, 180}, "商城频道",
                    "淘宝网打造的在线B2C购物平台。 淘宝商城频道集合了全球最知名的品牌,给买家带来全新的一站式购物体验");
    generalChannelLink = link("Label26", {2520, 5760, 720, 180}, "综合频道",
                              "集结淘宝最丰富的强势类目，精选最优质的卖家和商品，达到最广泛的买家覆盖率");
}

}  // namespace lumo
