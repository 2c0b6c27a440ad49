#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The access-key prefix of the window system's text drawing: a '&' marks the character after it
// for an underline and is not shown, "&&" shows one '&', and a '&' that ends the text has nothing
// to mark, so it is shown as it is.
namespace user {

struct MnemonicText {
    std::string shown;              // the text without its markers
    std::vector<size_t> underlined; // the positions in `shown` of the marked characters, in order
};

MnemonicText ParseMnemonics(std::string_view text);

} // namespace user
