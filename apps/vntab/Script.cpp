#include "Script.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Dispatch.h"

#include <cctype>

namespace vntab_cli {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct Word {
    std::string text;
    bool quoted = false;
};

// Splits one command into words; quoted strings keep their blanks and use "" for a quote.
std::vector<Word> split_words(std::string_view s, const std::string& where) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ' || s[i] == '\t' || s[i] == '\r') {
            ++i;
            continue;
        }
        Word w;
        if (s[i] == '"') {
            w.quoted = true;
            ++i;
            for (;;) {
                if (i >= s.size()) throw ScriptError(where + ": expected a closing quote");
                if (s[i] == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {
                        w.text.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                w.text.push_back(s[i++]);
            }
        } else {
            while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r') w.text.push_back(s[i++]);
        }
        words.push_back(std::move(w));
    }
    return words;
}

bool is_number_word(const std::string& w) { return rt::IsNumericText(w) && w.find_first_of("&") != 0; }

int expected_words(const std::string& verb, size_t& max) {
    struct Arity {
        const char* verb;
        int min;
        int max;
    };
    static const Arity arities[] = {
        {"down", 2, 4},   {"up", 2, 4},        {"move", 2, 2},      {"click", 2, 2},   {"dblclick", 2, 2},
        {"key", 1, 2},    {"access", 1, 1},    {"focus", 0, 0},     {"blur", 0, 0},    {"set", 2, 7},
        {"tab", 3, 8},    {"call", 1, 1},      {"tabs add", 0, 3},  {"tabs remove", 1, 1},
        {"tabs clear", 0, 0}, {"handle", 3, 9}, {"answer", 1, 1},   {"resize", 2, 2},  {"paint", 0, 0},
        {"save", 1, 1},   {"add", 4, 6},       {"delete", 1, 1},
    };
    for (const auto& a : arities)
        if (verb == a.verb) {
            max = static_cast<size_t>(a.max);
            return a.min;
        }
    return -1;
}

} // namespace

ScriptValue ParseValue(const std::vector<std::string>& words, const std::vector<bool>& quoted, size_t first,
                       size_t end, const std::string& where) {
    ScriptValue v;
    if (first >= end) throw ScriptError(where + ": expected a value");
    const std::string& w = words[first];
    std::string kw = quoted[first] ? std::string() : lower(w);
    if (kw == "picture") {
        if (end - first != 2 || !quoted[first + 1]) throw ScriptError(where + ": expected picture \"PATH\"");
        v.kind = ScriptValue::Kind::Picture;
        v.path = words[first + 1];
        return v;
    }
    if (kw == "font") {
        if (end - first < 3 || !quoted[first + 1] || !is_number_word(words[first + 2]))
            throw ScriptError(where + ": expected font \"NAME\" SIZE [bold] [italic]");
        v.kind = ScriptValue::Kind::Font;
        v.font_name = words[first + 1];
        v.font_size = rt::Val(words[first + 2]);
        for (size_t i = first + 3; i < end; ++i) {
            std::string flag = lower(words[i]);
            if (flag == "bold") v.bold = true;
            else if (flag == "italic") v.italic = true;
            else throw ScriptError(where + ": expected bold or italic after the font size, not " + words[i]);
        }
        return v;
    }
    if (end - first != 1) throw ScriptError(where + ": expected one value, not " + std::to_string(end - first) + " words");
    if (quoted[first]) {
        v.value = rt::Variant(rt::ansi_from_utf8(w));
        return v;
    }
    if (kw == "true" || kw == "false") {
        v.value = rt::Variant(kw == "true");
        return v;
    }
    if (w.size() > 2 && w[0] == '&' && (w[1] == 'h' || w[1] == 'H')) {
        std::string digits = w.substr(2);
        if (!digits.empty() && digits.back() == '&') digits.pop_back();
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            throw ScriptError(where + ": expected up to 8 hexadecimal digits in " + w);
        v.value = rt::Variant(static_cast<int32_t>(std::stoul(digits, nullptr, 16)));
        return v;
    }
    if (is_number_word(w)) {
        double d = rt::Val(w);
        if (w.find_first_of(".eE") == std::string::npos && d >= -2147483648.0 && d <= 2147483647.0)
            v.value = rt::Variant(static_cast<int32_t>(d));
        else v.value = rt::Variant(d);
        return v;
    }
    throw ScriptError(where + ": expected a number, &H...&, True, False or a quoted string, not " + w);
}

std::vector<ScriptStep> ParseScript(std::string_view text, const std::string& name) {
    std::vector<ScriptStep> steps;
    int line = 1;
    size_t start = 0;
    auto command = [&](std::string_view piece, int at) {
        std::string where = name + ":" + std::to_string(at);
        std::vector<Word> words = split_words(piece, where);
        if (words.empty()) return;
        ScriptStep step;
        step.line = at;
        step.number = static_cast<int>(steps.size()) + 1;
        size_t consumed = 1;
        step.verb = words[0].quoted ? "" : lower(words[0].text);
        if (step.verb == "tabs" && words.size() > 1) {
            step.verb += " " + lower(words[1].text);
            consumed = 2;
        }
        size_t max = 0;
        int min = expected_words(step.verb, max);
        if (min < 0) throw ScriptError(where + ": expected a command, not " + words[0].text);
        for (size_t i = consumed; i < words.size(); ++i) {
            step.words.push_back(words[i].text);
            step.quoted.push_back(words[i].quoted);
        }
        if (step.words.size() < static_cast<size_t>(min) || step.words.size() > max)
            throw ScriptError(where + ": wrong number of words after " + step.verb);
        if (step.verb == "set") step.value = ParseValue(step.words, step.quoted, 1, step.words.size(), where);
        if (step.verb == "tab") step.value = ParseValue(step.words, step.quoted, 2, step.words.size(), where);
        if (step.verb == "handle") {
            // handle EVENT ARG VALUE [COUNT]: a trailing plain whole number after a one-word value is
            // the count.
            size_t end = step.words.size();
            if (end == 4 && !step.quoted[3] && is_number_word(step.words[3]) &&
                lower(step.words[2]) != "font" && lower(step.words[2]) != "picture")
                end = 3;
            step.value = ParseValue(step.words, step.quoted, 2, end, where);
        }
        steps.push_back(std::move(step));
    };
    bool in_quote = false;
    int command_line = 1;
    for (size_t i = 0; i <= text.size(); ++i) {
        bool at_end = i == text.size();
        char c = at_end ? '\n' : text[i];
        if (c == '"' && !at_end) in_quote = !in_quote;
        if ((!in_quote || at_end) && (c == ';' || c == '\n')) {
            command(text.substr(start, i - start), command_line);
            start = i + 1;
            if (c == '\n') ++line;
            command_line = line;
        } else if (c == '\n') {
            ++line;
        }
    }
    return steps;
}

} // namespace vntab_cli
