// The shopping links panel at the bottom of the window, with its fold tab.
#include "settings_window/design_helpers.h"
#include "settings_window/promo_config.h"
#include "settings_window/settings_looks.h"
#include "settings_window/settings_window.h"
#include "settings_window/shop_links.h"

namespace lumo {

using namespace settings_looks;

void SettingsWindow::designPanel() {
    Shape7 = design::rectangle(*this, "Shape7", {0, 4560, 5535, 1455}, forms::kWindowColor);
    Line8 = design::line(*this, "Line8", nullptr, 0, 4560, 5520, 4560);

    Shape6 = design::rectangle(*this, "Shape6", {1920, 4440, 1455, 135}, forms::kWindowColor);
    Line10 = design::line(*this, "Line10", nullptr, 2520, 4560, 2640, 4440);
    Line11 = design::line(*this, "Line11", nullptr, 2760, 4560, 2640, 4440);
    Line12 = design::line(*this, "Line12", nullptr, 2520, 4440, 2640, 4560);
    Line13 = design::line(*this, "Line13", nullptr, 2640, 4560, 2760, 4440);
    Line12->setVisible(false);
    Line13->setVisible(false);
    Image8 = design::image(*this, "Image8", {1920, 4440, 1455, 135}, std::nullopt);
    Image9 = design::image(*this, "Image9", {1920, 4440, 1455, 135}, std::nullopt);
    Image9->setVisible(false);

    // The black copy first, one pixel right and down: the heading's shadow.
    Label22 = design::label(*this, "Label22", nullptr, {135, 4695, 780, 180}, "淘宝推广");
    Label22->setForeColor(kBlack);
    Label22->setFont(songti(9, true));
    Label21 = design::label(*this, "Label21", nullptr, {120, 4680, 780, 180}, "淘宝推广");
    Label21->setForeColor(kPromoOrange);
    Label21->setFont(songti(9, true));

    Shape5 = design::rectangle(*this, "Shape5", {1320, 4680, 2535, 300}, forms::kWindowColor);
    Image7 = design::image(*this, "Image7", {1440, 4695, 240, 240}, Asset::ChatIcon);
    Text10 = design::textBox(*this, "Text10", nullptr, {1800, 4750, 1935, 200}, chatPlaceholder());
    Text10->setForeColor(kHintGrey);

    LumoAnniu20104 = addCaptionButton("LumoAnniu20104", nullptr, "发起会话");
    LumoAnniu20104->move(3840, 4680, 1095, 300);
    LumoAnniu20104->host()->setToolTip("点击发起会话");

    Label23 = design::label(*this, "Label23", nullptr, {5040, 4680, 360, 345}, "店");
    Label23->setForeColor(kPromoOrange);
    Label23->setFont(songti(14.25, true));
    Label23->setToolTip("Lumo的淘宝店铺");

    Image5 = design::image(*this, "Image5", {120, 5000, 4875, 735}, Asset::SearchBanner,
                           "淘宝网 " + std::string(promo::kChannelHost));
    Shape8 = design::rectangle(*this, "Shape8", {120, 4995, 4875, 735});
    Text9 = design::textBox(*this, "Text9", nullptr, {1260, 5280, 2655, 270}, "");
    Text9->setForeColor(kLinkColor);
    Text9->setFont(songti(10.5));
    Image6 = design::image(*this, "Image6", {4065, 5130, 855, 450}, std::nullopt, "淘宝搜索");

    const auto link = [this](const std::string& name, design::Rect r, const std::string& caption,
                             const std::string& toolTip) {
        auto* c = design::label(*this, name, nullptr, r, caption);
        c->setForeColor(kLinkColor);
        c->setFont(songti(9, false, true));
        c->setToolTip(toolTip);
        return c;
    };
    Label24 = link("Label24", {120, 5760, 1440, 180}, "淘宝皇冠店铺精选",
                   "淘宝皇冠店铺精选,集合了高佣金高转换率的皇冠店铺。");
    Label25 = link("Label25", {1680, 5760, 720, 180}, "商城频道",
                   "淘宝网打造的在线B2C购物平台。 淘宝商城频道集合了全球最知名的品牌,给买家带来全新的一站式购物体验");
    Label26 = link("Label26", {2520, 5760, 720, 180}, "综合频道",
                   "集结淘宝最丰富的强势类目，精选最优质的卖家和商品，达到最广泛的买家覆盖率");
}

}  // namespace lumo
