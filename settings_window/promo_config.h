// Who the promotion panel promotes: the shopping site's hosts and the
// promoter's own identifiers. Built in; nothing is read at run time.
#pragma once

#include <string_view>

namespace lumo::promo {

// Public hosts of the shopping site and of its web messenger.
inline constexpr std::string_view kSearchHost = "s8.taobao.com";
inline constexpr std::string_view kChannelHost = "www.taobao.com";
inline constexpr std::string_view kChatHost = "amos.im.alisoft.com";

// PLACEHOLDERS: replace with the promoter's real affiliate id, shop address and
// messenger number before a release build.
inline constexpr std::string_view kAffiliateId = "mm_00000000_0_0";
inline constexpr std::string_view kShopAddress = "http://shop00000000.taobao.com/";
inline constexpr std::string_view kMessengerNumber = "000000000";

}  // namespace lumo::promo
