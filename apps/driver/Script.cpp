#include "driver/Script.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Literal.h"

#include <cctype>
#include <cstdint>
#include <optional>

namespace driver {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct Word {
    std::string text;
    bool quoted = false;
};

// Splits one command into words; a quoted word is a string literal, blanks and doubled quotes in it.
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
            rt::Literal lit = rt::ReadLiteral(s.substr(i), rt::LiteralSyntax::Source);
            if (lit.problem == rt::LiteralProblem::UnclosedQuote)
                throw ScriptError(where + ": expected a closing quote");
            w.text = std::move(lit.text);
            w.quoted = true;
            i += lit.length;
        } else {
            while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r')
                w.text.push_back(s[i++]);
        }
        words.push_back(std::move(w));
    }
    return words;
}

// The number a word spells as a decimal literal (12, -3, 7.5, 1E3), or nothing.
std::optional<double> number_word(const std::string& w) {
    const rt::Literal lit = rt::ReadLiteral(w, rt::LiteralSyntax::Source);
    if (!lit.ok() || !lit.is_decimal() || lit.length != w.size()) return std::nullopt;
    return lit.number;
}

// A value of one plain word, read as a form file reads its values; whole numbers go to the control
// as Long values.
rt::Variant plain_value(const std::string& w, const std::string& where) {
    const rt::Literal lit = rt::ReadLiteral(w, rt::LiteralSyntax::Source);
    const bool whole_word = lit.ok() && lit.length == w.size();
    if (lit.kind == rt::LiteralKind::Hex) {
        if (!whole_word || lit.digits > 8)
            throw ScriptError(where + ": expected up to 8 hexadecimal digits in " + w);
        return rt::LiteralValue(lit);
    }
    if (whole_word && lit.kind == rt::LiteralKind::Whole && lit.number >= INT32_MIN &&
        lit.number <= INT32_MAX)
        return rt::Variant(static_cast<int32_t>(lit.number));
    if (whole_word && (lit.kind == rt::LiteralKind::Boolean || lit.is_decimal()))
        return rt::LiteralValue(lit);
    throw ScriptError(where + ": expected a number, &H...&, True, False or a quoted string, not " + w);
}

int expected_words(const std::string& verb, size_t& max, std::span<const ScriptVerb> extra) {
    static const ScriptVerb arities[] = {
        {"down", 2, 4},   {"up", 2, 4},     {"move", 2, 2},     {"click", 2, 2},       {"dblclick", 2, 2},
        {"key", 1, 2},    {"access", 1, 1}, {"focus", 0, 0},    {"blur", 0, 0},        {"set", 2, 7},
        {"tab", 3, 8},    {"call", 1, 1},   {"tabs add", 0, 3}, {"tabs remove", 1, 1}, {"tabs clear", 0, 0},
        {"handle", 3, 9}, {"answer", 1, 2}, {"resize", 2, 2},   {"paint", 0, 0},       {"save", 1, 1},
        {"add", 4, 6},    {"delete", 1, 1}, {"page", 1, 1},     {"field", 2, 3},       {"press", 1, 1},
        {"apply", 0, 0},
    };
    for (std::span<const ScriptVerb> verbs : {std::span<const ScriptVerb>(arities), extra})
        for (const ScriptVerb& a : verbs)
            if (verb == a.verb) {
                max = static_cast<size_t>(a.max);
                return a.min;
            }
    return -1;
}

// font "NAME" SIZE [bold] [italic]
ScriptValue font_value(const std::vector<std::string>& words, const std::vector<bool>& quoted, size_t first,
                       size_t end, const std::string& where) {
    std::optional<double> size = end - first >= 3 ? number_word(words[first + 2]) : std::nullopt;
    if (!size || !quoted[first + 1])
        throw ScriptError(where + ": expected font \"NAME\" SIZE [bold] [italic]");
    ScriptValue v;
    v.kind = ScriptValue::Kind::Font;
    v.font_name = words[first + 1];
    v.font_size = *size;
    for (size_t i = first + 3; i < end; ++i) {
        std::string flag = lower(words[i]);
        if (flag == "bold")
            v.bold = true;
        else if (flag == "italic")
            v.italic = true;
        else
            throw ScriptError(where + ": expected bold or italic after the font size, not " + words[i]);
    }
    return v;
}

// answer ok | cancel | file "PATH" | color COLORREF: the colour, a number from 0 to &HFFFFFF&, is
// kept as the step's value.
void check_answer(ScriptStep& step, const std::string& where) {
    const std::string which = step.quoted[0] ? std::string() : lower(step.words[0]);
    if (step.words.size() == 1 && (which == "ok" || which == "cancel")) return;
    if (step.words.size() == 2 && which == "file" && step.quoted[1]) return;
    if (step.words.size() == 2 && which == "color" && !step.quoted[1]) {
        const rt::Variant color = plain_value(step.words[1], where);
        const bool whole = color.type() == rt::VarType::Integer || color.type() == rt::VarType::Long;
        if (whole && rt::CLng(color) >= 0 && rt::CLng(color) <= 0xFFFFFF) {
            step.value = ScriptValue{};
            step.value->value = rt::Variant(rt::CLng(color));
            return;
        }
        throw ScriptError(where + ": expected a colour from 0 to &HFFFFFF&, not " + step.words[1]);
    }
    throw ScriptError(where + ": expected answer ok, cancel, file \"PATH\" or color &H...&");
}

// field NAME VALUE, or field NAME picture "PATH": the picture is the step's value; a single word is
// read when the step runs, as the field's kind wants it.
void check_field(ScriptStep& step, const std::string& where) {
    if (step.words.size() == 2) return;
    if (step.quoted[1] || lower(step.words[1]) != "picture" || !step.quoted[2])
        throw ScriptError(where + ": expected field NAME VALUE or field NAME picture \"PATH\"");
    step.value = ParseValue(step.words, step.quoted, 1, 3, where);
}

// One command: its verb (two words for "tabs ..."), its words within the verb's arity, and the value
// that set, tab, handle, answer color and field ... picture carry.
ScriptStep parse_step(const std::vector<Word>& words, int line, int number, const std::string& where,
                      std::span<const ScriptVerb> extra) {
    ScriptStep step;
    step.line = line;
    step.number = number;
    size_t consumed = 1;
    step.verb = words[0].quoted ? "" : lower(words[0].text);
    if (step.verb == "tabs" && words.size() > 1) {
        step.verb += " " + lower(words[1].text);
        consumed = 2;
    }
    size_t max = 0;
    int min = expected_words(step.verb, max, extra);
    if (min < 0) throw ScriptError(where + ": expected a command, not " + words[0].text);
    for (size_t i = consumed; i < words.size(); ++i) {
        step.words.push_back(words[i].text);
        step.quoted.push_back(words[i].quoted);
    }
    if (step.words.size() < static_cast<size_t>(min) || step.words.size() > max)
        throw ScriptError(where + ": wrong number of words after " + step.verb);
    const size_t count = step.words.size();
    if (step.verb == "set") step.value = ParseValue(step.words, step.quoted, 1, count, where);
    if (step.verb == "tab") step.value = ParseValue(step.words, step.quoted, 2, count, where);
    if (step.verb == "handle") {
        // handle EVENT ARG VALUE [COUNT]: a trailing plain number after a one-word value is the count.
        size_t end = count;
        if (end == 4 && !step.quoted[3] && number_word(step.words[3]) && lower(step.words[2]) != "font" &&
            lower(step.words[2]) != "picture")
            end = 3;
        step.value = ParseValue(step.words, step.quoted, 2, end, where);
    }
    if (step.verb == "answer") check_answer(step, where);
    if (step.verb == "field") check_field(step, where);
    return step;
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
    if (kw == "font") return font_value(words, quoted, first, end, where);
    if (end - first != 1)
        throw ScriptError(where + ": expected one value, not " + std::to_string(end - first) + " words");
    v.value = quoted[first] ? rt::Variant(rt::ansi_from_utf8(w)) : plain_value(w, where);
    return v;
}

std::vector<ScriptStep> ParseScript(std::string_view text, const std::string& name,
                                    std::span<const ScriptVerb> extra) {
    std::vector<ScriptStep> steps;
    auto command = [&](std::string_view piece, int line) {
        std::string where = name + ":" + std::to_string(line);
        std::vector<Word> words = split_words(piece, where);
        if (words.empty()) return;
        steps.push_back(parse_step(words, line, static_cast<int>(steps.size()) + 1, where, extra));
    };
    // Commands end at ';' and line ends outside quoted strings.
    bool in_quote = false;
    int line = 1, command_line = 1;
    size_t start = 0;
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

} // namespace driver
