// The web addresses of the promotion panel. Hosts and the promoter's own
// identifiers come from promo_config.h.
#pragma once

#include <string>
#include <string_view>

namespace lumo {

enum class ShopChannel { CrownShops, Mall, General };

// Product search; the text goes in as typed (UTF-8), except that a double quote
// and control characters are percent-encoded so that the address stays one
// command-line argument for the browser.
std::string searchAddress(std::string_view searchText);
std::string channelAddress(ShopChannel channel);
// `encodedUserKey` is UTF8Encode's result for the chat box text.
std::string chatAddress(std::string_view encodedUserKey);
std::string shopAddress();
// The chat box hint: its initial text and the value the clearing rule compares with.
std::string chatPlaceholder();

}  // namespace lumo
