#include "FormFile.h"
#include "SafeSave.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/Literal.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

#include <sys/stat.h>

namespace host {

std::string Located(const std::string& file, int line, const std::string& what) {
    if (file.empty()) return what;
    std::string text = file;
    if (line > 0) text.append(":").append(std::to_string(line));
    text.append(": ").append(what);
    return text;
}

FormFileError::FormFileError(std::string file_, int line_, const std::string& what)
    : std::runtime_error(Located(file_, line_, what)), file(std::move(file_)), line(line_) {}

FormValueError::FormValueError(int line_, std::string subject_, rt::AutomationError error_)
    : std::runtime_error(subject_ + ": error " + std::to_string(error_.number) + ": " + error_.description),
      line(line_), subject(std::move(subject_)), error(std::move(error_)) {}

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t';
}
bool is_ident_start(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool is_ident_char(char c) {
    return is_ident_start(c) || (c >= '0' && c <= '9');
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (is_space(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A word: an identifier, possibly qualified with dots (VB.TextBox).
std::string_view take_word(std::string_view& s, bool dotted) {
    size_t n = 0;
    if (!s.empty() && is_ident_start(s[0])) {
        n = 1;
        while (n < s.size() && (is_ident_char(s[n]) ||
                                (dotted && s[n] == '.' && n + 1 < s.size() && is_ident_start(s[n + 1]))))
            ++n;
    }
    std::string_view w = s.substr(0, n);
    s.remove_prefix(n);
    while (!s.empty() && is_space(s.front()))
        s.remove_prefix(1);
    return w;
}

bool keyword(std::string_view word, std::string_view kw) {
    return rt::member_name_equals(word, kw);
}

// How one form file's bytes are read: the character set, decided for the whole file, and a
// warning when that decision changes how some of its text reads.
struct Encoding {
    FormEncoding encoding = FormEncoding::Windows1252;
    int warning_line = 0;
    std::string warning;
};

int line_at(std::string_view text, size_t pos) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<ptrdiff_t>(pos), '\n'));
}

std::string hex_byte(unsigned char c) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[c >> 4] + digits[c & 15];
}

// `text` follows the byte-order mark, if there was one.
Encoding decide_encoding(std::string_view text, bool bom) {
    size_t invalid = std::string_view::npos;   // the first byte that starts no UTF-8 sequence
    size_t multibyte = std::string_view::npos; // the first character beyond ASCII
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::optional<rt::Utf8Char> c = rt::decode_utf8(text.substr(i));
        if (!c) {
            invalid = i;
            break;
        }
        if (multibyte == std::string_view::npos) multibyte = i;
        i += c->length;
    }
    if (invalid == std::string_view::npos && (bom || multibyte != std::string_view::npos))
        return Encoding{FormEncoding::Utf8, 0, {}};
    Encoding result;
    if (invalid == std::string_view::npos) return result;
    const int bad_line = line_at(text, invalid);
    const std::string bad = "line " + std::to_string(bad_line) + " is not UTF-8 (byte " +
                            hex_byte(static_cast<unsigned char>(text[invalid])) + ")";
    if (bom) {
        result.warning_line = bad_line;
        result.warning = "the file starts with a UTF-8 byte-order mark, but " + bad +
                         ", so the whole file is read as Windows-1252";
    } else if (multibyte != std::string_view::npos) {
        // Text that was UTF-8 in a file edited with two character sets reads as other characters.
        result.warning_line = line_at(text, multibyte);
        result.warning = "this line looks like UTF-8, but " + bad +
                         ", so the whole file is read as Windows-1252 and this line's text with it";
    }
    return result;
}

// The characters of a warning, a few with their code points: "Ω (U+03A9), μ (U+03BC) and 😀
// (U+1F600)", or "... and 4 more".
std::string list_characters(const std::vector<char32_t>& characters) {
    constexpr size_t kShown = 6;
    std::vector<std::string> parts;
    for (size_t i = 0; i < characters.size() && i < kShown; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(characters[i]));
        parts.push_back(rt::utf8_of(characters[i]) + " (" + code + ")");
    }
    if (characters.size() > kShown) parts.push_back(std::to_string(characters.size() - kShown) + " more");
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i)
        out += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return out;
}

class Parser {
public:
    Parser(std::string_view text, const std::string& file) : m_text(text), m_file(file) {}

    FormDocument parse() {
        FormFileStyle& style = m_document.style;
        if (m_text.starts_with("\xFF\xFE") || m_text.starts_with("\xFE\xFF")) {
            m_line = 1;
            fail("expected UTF-8 or Windows-1252 text, not UTF-16: save the form as UTF-8");
        }
        style.bom = m_text.starts_with("\xEF\xBB\xBF");
        if (style.bom) m_text.remove_prefix(3);
        if (size_t zero = m_text.find('\0'); zero != std::string_view::npos) {
            m_line = line_at(m_text, zero);
            fail("expected a form text file, not binary data (a zero byte)");
        }
        const Encoding encoding = decide_encoding(m_text, style.bom);
        style.encoding = encoding.encoding;
        if (!encoding.warning.empty()) warn(encoding.warning_line, encoding.warning);
        style.crlf =
            m_text.find("\r\n") != std::string_view::npos && m_text.find("\r\n") == m_text.find('\n') - 1;
        bool have_version = false;
        std::string_view line;
        while (next_line(line)) {
            std::string_view s = trim(line);
            if (s.empty() || s[0] == '\'') continue;
            if (!have_version) {
                version_line(s);
                have_version = true;
            } else {
                body_line(s);
            }
        }
        if (!have_version) {
            m_line = std::max(m_line, 1);
            fail(std::string("expected VERSION and a version number on the first line, not ") +
                 (m_text.empty() ? "an empty file" : "the end of the file"));
        }
        if (!m_seen_root) fail("expected Begin Form");
        if (!m_nodes.empty()) {
            const FormNode* open = m_nodes.back();
            fail("expected End for Begin " + open->type + " " + open->name + " (line " +
                 std::to_string(open->line) + ")");
        }
        return std::move(m_document);
    }

private:
    void warn(int line, const std::string& what) {
        m_document.warnings.push_back(Located(m_file, line, what));
    }

    bool next_line(std::string_view& line) {
        if (m_pos >= m_text.size()) return false;
        size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos) end = m_text.size();
        line = m_text.substr(m_pos, end - m_pos);
        m_pos = end + 1;
        ++m_line;
        if (line.size() > kMaxFormLineLength)
            fail("expected a line of at most " + std::to_string(kMaxFormLineLength) + " characters");
        return true;
    }

    [[noreturn]] void fail(const std::string& what) const { throw FormFileError(m_file, m_line, what); }

    void version_line(std::string_view s) {
        bool is_version = keyword(take_word(s, false), "VERSION");
        s = strip_comment(s);
        if (!is_version || s.empty()) fail("expected VERSION and a version number on the first line");
        m_document.style.version = std::string(s);
    }

    void body_line(std::string_view s) {
        if (m_seen_root && m_nodes.empty()) fail("expected the end of the file after the form's End");
        std::string_view rest = s;
        std::string_view word = take_word(rest, false);
        if (keyword(word, "Begin"))
            begin_block(rest);
        else if (keyword(word, "End") && rest.empty())
            end_block();
        else if (keyword(word, "BeginProperty"))
            begin_group(rest);
        else if (keyword(word, "EndProperty") && strip_comment(rest).empty())
            end_group();
        else
            property_line(word, rest);
    }

    // Whether a BeginProperty group is open inside the innermost Begin block.
    bool in_group() const { return m_items.size() > m_nodes.size(); }

    void begin_block(std::string_view rest) {
        if (in_group()) fail("expected EndProperty before Begin");
        std::string_view type = take_word(rest, true);
        std::string_view name = take_word(rest, false);
        if (type.empty() || name.empty()) fail("expected Begin, a type name and a control name");
        if (!strip_comment(rest).empty()) fail("expected the end of the line after the control name");
        if (m_nodes.size() >= static_cast<size_t>(kMaxFormNesting))
            fail("expected at most " + std::to_string(kMaxFormNesting) + " nested Begin blocks");
        FormNode* node;
        if (m_nodes.empty()) {
            if (m_seen_root) fail("expected one form");
            node = &m_document.root;
            m_seen_root = true;
        } else {
            node = &m_nodes.back()->children.emplace_back();
        }
        node->type = std::string(type);
        node->name = std::string(name);
        node->line = m_line;
        m_nodes.push_back(node);
        m_items.push_back(&node->items);
    }

    void end_block() {
        if (m_nodes.empty()) fail("expected Begin before End");
        if (in_group()) fail("expected EndProperty before End");
        m_nodes.pop_back();
        m_items.pop_back();
    }

    void begin_group(std::string_view rest) {
        if (m_nodes.empty()) fail("expected Begin before BeginProperty");
        std::string_view name = take_word(rest, false);
        if (name.empty()) fail("expected a property name after BeginProperty");
        rest = strip_comment(rest);
        if (!rest.empty() && rest.front() == '{') { // a class identifier, which this format ignores
            size_t close = rest.find('}');
            if (close == std::string_view::npos) fail("expected } after the class identifier");
            rest = trim(rest.substr(close + 1));
        }
        if (!rest.empty()) fail("expected the end of the line after the property name");
        if (m_items.size() - m_nodes.size() >= static_cast<size_t>(kMaxFormNesting))
            fail("expected at most " + std::to_string(kMaxFormNesting) + " nested BeginProperty blocks");
        FormPropertyGroup group;
        group.name = std::string(name);
        group.line = m_line;
        auto& added = std::get<FormPropertyGroup>(m_items.back()->emplace_back(std::move(group)));
        m_items.push_back(&added.items);
    }

    void end_group() {
        if (!in_group()) fail("expected BeginProperty before EndProperty");
        m_items.pop_back();
    }

    void property_line(std::string_view key, std::string_view rest) {
        if (m_nodes.empty()) fail("expected Begin");
        if (key.empty() || rest.empty() || rest.front() != '=') fail("expected a property: Key = Value");
        rest.remove_prefix(1);
        m_items.back()->emplace_back(FormProperty{std::string(key), parse_value(key, trim(rest)), m_line});
    }

    std::string_view strip_comment(std::string_view s) const {
        size_t q = s.find('\'');
        return trim(q == std::string_view::npos ? s : s.substr(0, q));
    }

    void expect_line_end(std::string_view rest) const {
        rest = trim(rest);
        if (!rest.empty() && rest.front() != '\'') fail("expected the end of the line after the value");
    }

    // The mistakes a literal can make, in this file's words; the rest of the line is checked after.
    void check_literal(const rt::Literal& lit) const {
        using rt::LiteralProblem;
        if (lit.kind == rt::LiteralKind::None)
            fail("expected a value: a number, &H...&, True, False or a quoted string");
        if (lit.problem == LiteralProblem::UnclosedQuote) fail("expected a closing quote");
        if (lit.problem == LiteralProblem::NoDigits) fail("expected hexadecimal digits after &H");
        if (lit.kind == rt::LiteralKind::Hex && lit.digits > 8) fail("expected at most 8 hexadecimal digits");
        if (lit.problem == LiteralProblem::NoExponentDigits) fail("expected digits in the exponent");
    }

    rt::Variant parse_value(std::string_view key, std::string_view s) {
        if (s.empty()) fail("expected a value after =");
        const rt::Literal lit = rt::ReadLiteral(s, rt::LiteralSyntax::Source);
        check_literal(lit);
        const std::string_view rest = s.substr(lit.length);
        expect_line_end(rest);
        switch (lit.kind) {
        case rt::LiteralKind::String:
            return rt::Variant(ansi_string(key, lit.text));
        case rt::LiteralKind::Whole:
            if (std::optional<bool> b = written_boolean(s.substr(0, lit.length), rest))
                return rt::Variant(*b);
            if (lit.problem == rt::LiteralProblem::Overflow || lit.number < INT32_MIN ||
                lit.number > INT32_MAX)
                fail("expected a number within 32 bits");
            break;
        case rt::LiteralKind::Fraction:
            if (lit.problem == rt::LiteralProblem::Overflow) fail("expected a finite number");
            break;
        default:
            break;
        }
        return rt::LiteralValue(lit);
    }

    // A string of the file as the control's ANSI string: Windows-1252 bytes as they are; UTF-8
    // converted, with a warning for the characters that become '?'.
    std::string ansi_string(std::string_view key, const std::string& text) {
        if (m_document.style.encoding == FormEncoding::Windows1252) return text;
        const std::vector<char32_t> lost = rt::outside_ansi(text);
        if (!lost.empty())
            warn(m_line, std::string(key) + " = " + rt::QuotedLiteral(text) + ": " + list_characters(lost) +
                             (lost.size() == 1 ? " is" : " are") +
                             " not in Windows-1252, the character set of the control's strings; " +
                             (lost.size() == 1 ? "it becomes" : "each becomes") + " ?, and saving writes ?");
        return rt::ansi_from_utf8(text);
    }

    // -1 'True and 0 'False are how booleans are written: the comment names the type.
    std::optional<bool> written_boolean(std::string_view number, std::string_view rest) const {
        if (number != "-1" && number != "0") return std::nullopt;
        std::string_view comment = trim(rest);
        if (comment.empty()) return std::nullopt;
        comment = trim(comment.substr(1));
        if (!keyword(comment, number == "-1" ? "True" : "False")) return std::nullopt;
        return number == "-1";
    }

    std::string_view m_text;
    const std::string& m_file;
    size_t m_pos = 0;
    int m_line = 0;
    bool m_seen_root = false;
    FormDocument m_document;
    std::vector<FormNode*> m_nodes;              // the Begin blocks open, outermost first
    std::vector<std::vector<FormItem>*> m_items; // where the next property goes: innermost last
};

bool names_color(std::string_view key) {
    std::string upper = rt::UCase(key);
    return upper.find("COLOR") != std::string::npos;
}

std::string format_value(const std::string& key, const rt::Variant& v, FormEncoding encoding) {
    using rt::VarType;
    if (v.is_number_type() && v.type() != VarType::Boolean && names_color(key)) {
        // Colours in hexadecimal, whatever number type holds them, so that they read back alike.
        double d = rt::CDbl(v);
        if (d == std::floor(d) && d >= -2147483648.0 && d <= 4294967295.0)
            return rt::LongHexLiteral(static_cast<uint32_t>(static_cast<int64_t>(d)));
    }
    switch (v.type()) {
    case VarType::Boolean:
        return v.as_bool() ? "-1  'True" : "0   'False";
    case VarType::Integer:
    case VarType::Long:
        return rt::CStr(v);
    case VarType::Single:
    case VarType::Double: {
        // A fraction written as a whole number beyond 32 bits would read back as a bad integer.
        std::string s = rt::CStr(v);
        if (s.find_first_of(".E") == std::string::npos && std::fabs(rt::CDbl(v)) > 2147483647.0) s += ".0";
        return s;
    }
    case VarType::String: {
        const std::string& a = v.as_string();
        if (a.find_first_of("\r\n") != std::string::npos)
            throw FormFileError(
                "", 0, "the value of " + key + " holds a line break, which a form file cannot store");
        return rt::QuotedLiteral(encoding == FormEncoding::Utf8 ? rt::utf8_from_ansi(a) : a);
    }
    case VarType::Empty:
        return "\"\"";
    case VarType::Object:
        break;
    }
    throw FormFileError("", 0,
                        "the value of " + key + " is an object, which a form file cannot store as a value");
}

class Writer {
public:
    Writer(const FormFileStyle& style, FormEncoding encoding)
        : m_eol(style.crlf ? "\r\n" : "\n"), m_encoding(encoding) {}

    // The text without the byte-order mark.
    std::string write(const FormDocument& doc) {
        m_out = "VERSION " + doc.style.version + m_eol;
        node(doc.root, 0);
        return std::move(m_out);
    }

private:
    void line(int depth, const std::string& text) {
        m_out.append(static_cast<size_t>(depth) * 3, ' ');
        m_out += text;
        m_out += m_eol;
    }

    void items(const std::vector<FormItem>& list, int depth) {
        for (const FormItem& item : list) {
            if (const auto* p = std::get_if<FormProperty>(&item)) {
                std::string k = p->key;
                if (k.size() < 16)
                    k.resize(16, ' ');
                else
                    k += ' ';
                size_t spaces = k.size() + 1 < 20 ? 20 - (k.size() + 1) : 1;
                line(depth, k + "=" + std::string(spaces, ' ') + format_value(p->key, p->value, m_encoding));
            } else {
                const auto& g = std::get<FormPropertyGroup>(item);
                line(depth, "BeginProperty " + g.name);
                items(g.items, depth + 1);
                line(depth, "EndProperty");
            }
        }
    }

    void node(const FormNode& n, int depth) {
        line(depth, "Begin " + n.type + " " + n.name);
        items(n.items, depth + 1);
        for (const FormNode& child : n.children)
            node(child, depth + 1);
        line(depth, "End");
    }

    std::string m_eol;
    FormEncoding m_encoding;
    std::string m_out;
};

bool has_non_ascii(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

FormDocument ParseForm(std::string_view text, const std::string& file_name) {
    return Parser(text, file_name).parse();
}

FormDocument ReadFormFile(const std::string& path) {
    struct stat info {};
    // A folder opens as a stream that reads nothing; say what it is instead.
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        throw FormFileError(path, 0, "expected a form file, not a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FormFileError(path, 0, std::string("cannot open the file: ") + std::strerror(errno));
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) throw FormFileError(path, 0, "cannot read the file");
    return ParseForm(buf.str(), path);
}

std::string FormatForm(const FormDocument& document) {
    const FormFileStyle& style = document.style;
    std::string text = Writer(style, style.encoding).write(document);
    if (style.encoding == FormEncoding::Windows1252 && has_non_ascii(text) && rt::is_utf8(text))
        text = Writer(style, FormEncoding::Utf8).write(document);
    return style.bom ? "\xEF\xBB\xBF" + text : text;
}

void WriteFormFile(const std::string& path, const std::string& text) {
    try {
        SaveFileSafely(path, text);
    } catch (const SaveError& e) {
        throw FormFileError(path, 0, "cannot save: " + e.reason);
    }
}

const FormProperty* FindProperty(const std::vector<FormItem>& items, std::string_view key) {
    for (const FormItem& item : items)
        if (const auto* p = std::get_if<FormProperty>(&item); p && rt::member_name_equals(p->key, key))
            return p;
    return nullptr;
}

const FormPropertyGroup* FindGroup(const std::vector<FormItem>& items, std::string_view name) {
    for (const FormItem& item : items)
        if (const auto* g = std::get_if<FormPropertyGroup>(&item); g && rt::member_name_equals(g->name, name))
            return g;
    return nullptr;
}

} // namespace host
