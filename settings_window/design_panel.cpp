// The shopping links panel at the bottom of the window, with its fold tab.
#include "settings_window/design_helpers.h"
#include "settings_window/promo_config.h"
#include "settings_window/settings_looks.h"
#include "settings_window/promo_panel.h"
#include "settings_window/shop_links.h"

namespace lumo {

using namespace settings_looks;

void PromoPanel::design() {
    design::rectangle(window_, LUMO_CONTROL(panelBackground), {0, 4560, 5535, 1455}, forms::kWindowColor);
    design::line(window_, LUMO_CONTROL(panelTopRule), nullptr, 0, 4560, 5520, 4560);

    design::rectangle(window_, LUMO_CONTROL(foldTab), {1920, 4440, 1455, 135}, forms::kWindowColor);
    design::line(window_, LUMO_CONTROL(foldChevronLeft), nullptr, 2520, 4560, 2640, 4440);
    design::line(window_, LUMO_CONTROL(foldChevronRight), nullptr, 2760, 4560, 2640, 4440);
    design::line(window_, LUMO_CONTROL(unfoldChevronLeft), nullptr, 2520, 4440, 2640, 4560);
    design::line(window_, LUMO_CONTROL(unfoldChevronRight), nullptr, 2640, 4560, 2760, 4440);
    unfoldChevronLeft->setVisible(false);
    unfoldChevronRight->setVisible(false);
    design::image(window_, LUMO_CONTROL(foldButton), {1920, 4440, 1455, 135}, std::nullopt);
    design::image(window_, LUMO_CONTROL(unfoldButton), {1920, 4440, 1455, 135}, std::nullopt);
    unfoldButton->setVisible(false);

    // The black copy first, one pixel right and down: the heading's shadow.
    design::label(window_, LUMO_CONTROL(promoHeadingShadow), nullptr, {135, 4695, 780, 180}, "淘宝推广");
    promoHeadingShadow->setForeColor(kBlack);
    promoHeadingShadow->setFont(songti(9, true));
    design::label(window_, LUMO_CONTROL(promoHeading), nullptr, {120, 4680, 780, 180}, "淘宝推广");
    promoHeading->setForeColor(kPromoOrange);
    promoHeading->setFont(songti(9, true));

    design::rectangle(window_, LUMO_CONTROL(chatOutline), {1320, 4680, 2535, 300}, forms::kWindowColor);
    design::image(window_, LUMO_CONTROL(chatIcon), {1440, 4695, 240, 240}, Asset::ChatIcon);
    design::textBox(window_, LUMO_CONTROL(chatBox), nullptr, {1800, 4750, 1935, 200}, chatPlaceholder());
    chatBox->setForeColor(kHintGrey);

    design::captionButton(window_, LUMO_CONTROL(chatButton), nullptr, "发起会话");
    chatButton->move(3840, 4680, 1095, 300);
    chatButton->host()->setToolTip("点击发起会话");

    design::label(window_, LUMO_CONTROL(shopLink), nullptr, {5040, 4680, 360, 345}, "店");
    shopLink->setForeColor(kPromoOrange);
    shopLink->setFont(songti(14.25, true));
    shopLink->setToolTip("Lumo的淘宝店铺");

    design::image(window_, LUMO_CONTROL(searchBanner), {120, 5000, 4875, 735}, Asset::SearchBanner,
                  "淘宝网 " + std::string(promo::kChannelHost));
    design::rectangle(window_, LUMO_CONTROL(searchBannerOutline), {120, 4995, 4875, 735});
    design::textBox(window_, LUMO_CONTROL(searchBox), nullptr, {1260, 5280, 2655, 270}, "");
    searchBox->setForeColor(kLinkColor);
    searchBox->setFont(songti(10.5));
    design::image(window_, LUMO_CONTROL(searchButton), {4065, 5130, 855, 450}, std::nullopt, "淘宝搜索");

    const auto link = [this](forms::Label*& member, const char* name, design::Rect r, const std::string& caption,
                             const std::string& toolTip) {
        auto* c = design::label(window_, member, name, nullptr, r, caption);
        c->setForeColor(kLinkColor);
        c->setFont(songti(9, false, true));
        c->setToolTip(toolTip);
        return c;
    };
    link(LUMO_CONTROL(crownShopsLink), {120, 5760, 1440, 180}, "淘宝皇冠店铺精选",
         "淘宝皇冠店铺精选,集合了高佣金高转换率的皇冠店铺。");
    link(LUMO_CONTROL(mallLink), {1680, 5760, 720, 180}, "商城频道",
         "淘宝网打造的在线B2C购物平台。 淘宝商城频道集合了全球最知名的品牌,给买家带来全新的一站式购物体验");
    link(LUMO_CONTROL(generalChannelLink), {2520, 5760, 720, 180}, "综合频道",
         "集结淘宝最丰富的强势类目，精选最优质的卖家和商品，达到最广泛的买家覆盖率");
}

}  // namespace lumo
