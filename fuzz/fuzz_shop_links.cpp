// The promotion panel's addresses on any typed text: the text can never break
// the browser's command line or the fixed parts of the address.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/utf.h"
#include "settings_window/promo_config.h"
#include "settings_window/shop_links.h"
#include "settings_window/utf8_encode.h"

namespace {

bool breaksCommandLine(unsigned char byte) { return byte == '"' || byte < 0x20 || byte == 0x7F; }

void checkCommandLineSafe(std::string_view address) {
    for (const char ch : address) FUZZ_CHECK(!breaksCommandLine(static_cast<unsigned char>(ch)));
}

// The part between the fixed prefix and suffix, after checking both are there
// and do not overlap.
std::string_view between(std::string_view address, std::string_view prefix, std::string_view suffix) {
    FUZZ_CHECK(address.size() >= prefix.size() + suffix.size());
    FUZZ_CHECK(address.substr(0, prefix.size()) == prefix);
    FUZZ_CHECK(address.substr(address.size() - suffix.size()) == suffix);
    return address.substr(prefix.size(), address.size() - prefix.size() - suffix.size());
}

std::string hexEscape(unsigned char byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'%', kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

// Each typed byte is either kept or, if it would break the command line,
// replaced by its escape: nothing else is added, dropped or reordered.
void checkSearchQuery(std::string_view typed, std::string_view query) {
    std::size_t at = 0;
    for (const char ch : typed) {
        const auto byte = static_cast<unsigned char>(ch);
        const std::string expected = breaksCommandLine(byte) ? hexEscape(byte) : std::string(1, ch);
        FUZZ_CHECK(query.substr(at, expected.size()) == expected);
        at += expected.size();
    }
    FUZZ_CHECK(at == query.size());
}

void checkSearch(std::string_view typed) {
    const std::string address = lumo::searchAddress(typed);
    checkCommandLineSafe(address);
    const std::string prefix = "http://" + std::string{lumo::promo::kSearchHost} + "/search?q=";
    const std::string suffix = "&pid=" + std::string{lumo::promo::kAffiliateId} + "&unid=0&mode=63";
    checkSearchQuery(typed, between(address, prefix, suffix));
}

// The chat address takes the encoded key, exactly as the panel builds it from
// the chat box's UTF-8 text.
void checkChat(std::string_view typed) {
    const std::string address = lumo::chatAddress(lumo::UTF8Encode(lumo::utf8ToUtf16(typed)));
    checkCommandLineSafe(address);
    const std::string prefix = "http://" + std::string{lumo::promo::kChatHost} + "/msg.aw?v=2&uid=";
    const std::string_view key = between(address, prefix, "&site=cntaobao&s=1&charset=utf-8");
    // An ampersand or equals sign in the key would start a new query field.
    FUZZ_CHECK(key.find_first_of("&=#?/ ") == std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed = fuzz::bytesAsText(data, size);
    checkSearch(typed);
    checkChat(typed);
    return 0;
}
