// The web addresses of the promotion panel. Hosts and the promoter's own
// identifiers come from promo_config.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo {

// The longest address handed to the shell, in UTF-16 code units. ShellExecute
// builds the browser's command line from the address in a fixed buffer of
// about a thousand characters, and Wine overruns it with a longer address and
// takes this process down; browsers stop near two thousand characters anyway.
// A longer address opens nothing, like any address the shell cannot open.
inline constexpr std::size_t kLongestShellAddress = 900;
bool shellTakesAddress(std::string_view address);

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
