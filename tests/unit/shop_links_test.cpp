#include "settings_window/shop_links.h"

#include <gtest/gtest.h>

#include <string>

#include "settings_window/promo_config.h"

namespace {

using namespace lumo;

const std::string kPid{promo::kAffiliateId};

TEST(ShopLinks, AddressesAreJoinedExactly) {
    const std::string search = "http://" + std::string{promo::kSearchHost} + "/search?q=";
    EXPECT_EQ(searchAddress("mouse"), search + "mouse&pid=" + kPid + "&unid=0&mode=63");
    EXPECT_EQ(searchAddress(""), search + "&pid=" + kPid + "&unid=0&mode=63");

    const std::string channel = "http://" + std::string{promo::kChannelHost} + "/tms/channel/";
    EXPECT_EQ(channelAddress(ShopChannel::CrownShops), channel + "huangguan.htm?pid=" + kPid + "&eventid=101858");
    EXPECT_EQ(channelAddress(ShopChannel::Mall), channel + "channelmall.htm?pid=" + kPid + "&eventid=101334");
    EXPECT_EQ(channelAddress(ShopChannel::General), channel + "channelcode.htm?pid=" + kPid + "&eventid=101329");

    EXPECT_EQ(chatAddress("a%20b"),
              "http://" + std::string{promo::kChatHost} + "/msg.aw?v=2&uid=a%20b&site=cntaobao&s=1&charset=utf-8");
    EXPECT_EQ(shopAddress(), std::string{promo::kShopAddress});
    EXPECT_EQ(chatPlaceholder(), "阿里旺旺临时会话工具______Lumo_QQ:" + std::string{promo::kMessengerNumber});
}

TEST(ShopLinks, SearchTextStaysAsTypedExceptWhatBreaksTheCommandLine) {
    const auto query = [](const std::string& text) {
        const std::string address = searchAddress(text);
        const auto start = address.find("?q=") + 3;
        return address.substr(start, address.rfind("&pid=") - start);
    };
    // Spaces, ampersand, number sign, percent sign and Chinese go in untouched.
    EXPECT_EQ(query(" 鼠标 a&b#c %41 "), " 鼠标 a&b#c %41 ");
    EXPECT_EQ(query("say \"hi\""), "say %22hi%22");
    EXPECT_EQ(query(std::string("a\0b", 3)), "a%00b");
    EXPECT_EQ(query("\t\r\n\x1F\x7F"), "%09%0D%0A%1F%7F");
}

}  // namespace
