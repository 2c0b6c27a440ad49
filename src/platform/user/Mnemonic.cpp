#include "platform/user/Mnemonic.h"

namespace user {

MnemonicText ParseMnemonics(std::string_view text) {
    MnemonicText out;
    out.shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&') out.underlined.push_back(out.shown.size());
        }
        out.shown += text[i];
    }
    return out;
}

} // namespace user
