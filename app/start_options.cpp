#include "app/start_options.h"

#include <algorithm>

namespace lumo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool equalsIgnoringCase(std::string_view word, std::string_view lowerCase) {
    return std::equal(word.begin(), word.end(), lowerCase.begin(), lowerCase.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

}  // namespace

StartOptions parseStartOptions(std::string_view arguments) {
    StartOptions options;
    while (!arguments.empty()) {
        const auto start = std::find_if_not(arguments.begin(), arguments.end(), isBlank);
        const auto end = std::find_if(start, arguments.end(), isBlank);
        const std::string_view word(start, end);
        if (equalsIgnoringCase(word, "/tray")) options.inTray = true;
        arguments = std::string_view(end, arguments.end());
    }
    return options;
}

}  // namespace lumo
