#include "settings_window/shop_links.h"

#include "platform/utf.h"
#include "settings_window/promo_config.h"
#include "settings_window/utf8_encode.h"

namespace lumo {

namespace {

std::string webAddress(std::string_view host, std::string_view pathAndQuery) {
    std::string address = "http://";
    address += host;
    address += pathAndQuery;
    return address;
}

// The browser receives the address on its command line: a double quote would
// end the argument early and a control character would cut or garble it.
bool breaksCommandLine(unsigned char byte) { return byte == '"' || byte < 0x20 || byte == 0x7F; }

std::string escapeForCommandLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (breaksCommandLine(byte)) {
            appendPercentEscape(out, byte);
        } else {
            out += ch;
        }
    }
    return out;
}

struct ChannelPage {
    std::string_view path;     // ends with the pid key
    std::string_view eventId;  // the query that follows the affiliate id
};

ChannelPage channelPage(ShopChannel channel) {
    switch (channel) {
        case ShopChannel::CrownShops: return {"/tms/channel/huangguan.htm?pid=", "&eventid=101858"};
        case ShopChannel::Mall: return {"/tms/channel/channelmall.htm?pid=", "&eventid=101334"};
        case ShopChannel::General: break;
    }
    return {"/tms/channel/channelcode.htm?pid=", "&eventid=101329"};
}

}  // namespace

bool shellTakesAddress(std::string_view address) { return utf8ToUtf16(address).size() <= kLongestShellAddress; }

std::string searchAddress(std::string_view searchText) {
    std::string query = "/search?q=";
    query += escapeForCommandLine(searchText);
    query += "&pid=";
    query += promo::kAffiliateId;
    query += "&unid=0&mode=63";
    return webAddress(promo::kSearchHost, query);
}

std::string channelAddress(ShopChannel channel) {
    const ChannelPage page = channelPage(channel);
    std::string query{page.path};
    query += promo::kAffiliateId;
    query += page.eventId;
    return webAddress(promo::kChannelHost, query);
}

std::string chatAddress(std::string_view encodedUserKey) {
    std::string query = "/msg.aw?v=2&uid=";
    query += encodedUserKey;
    query += "&site=cntaobao&s=1&charset=utf-8";
    return webAddress(promo::kChatHost, query);
}

std::string shopAddress() { return std::string{promo::kShopAddress}; }

std::string chatPlaceholder() {
    std::string hint = "阿里旺旺临时会话工具______Lumo_QQ:";
    hint += promo::kMessengerNumber;
    return hint;
}

}  // namespace lumo
