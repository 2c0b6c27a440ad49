#include "text/CRenderText.h"

namespace text {

std::string CRenderText::StripMnemonics(std::string_view s) {
    m_mnemonic_pos = 0;
    std::string stripped(s);
    size_t at = stripped.find('&');
    while (at != std::string::npos) {
        stripped.erase(at, 1);
        if (at < stripped.size() && stripped[at] == '&')
            ++at; // the second of a pair stays as a literal "&"
        else
            m_mnemonic_pos =
                static_cast<int32_t>(at + 1); // a later marker wins; past the end for a trailing "&"
        at = stripped.find('&', at);
    }
    return stripped;
}

std::string CRenderText::GetLeftWords(std::string_view s, int32_t n) {
    std::string words(s);
    if (words.empty() || words.back() != ' ') words.push_back(' ');
    // `end` is the 1-based position of the space ending the words found so far. The search starts
    // after it, so a space in the first position never ends a word.
    size_t end = 1;
    for (int32_t i = 0; i < n; ++i) {
        const size_t space = words.find(' ', end);
        if (space == std::string::npos) return {};
        end = space + 1;
    }
    return words.substr(0, end - 1);
}

} // namespace text
