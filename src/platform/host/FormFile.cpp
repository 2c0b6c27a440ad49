#include "FormFile.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Dispatch.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

static std::string located(const std::string& file, int line, const std::string& what) {
    std::string text = file;
    if (line > 0) text.append(":").append(std::to_string(line));
    text.append(": ").append(what);
    return text;
}

FormFileError::FormFileError(std::string file_, int line_, const std::string& what)
    : std::runtime_error(located(file_, line_, what)), file(std::move(file_)), line(line_) {}

namespace {

bool is_space(char c) { return c == ' ' || c == '\t'; }
bool is_ident_start(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool is_ident_char(char c) { return is_ident_start(c) || (c >= '0' && c <= '9'); }

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
    while (!s.empty() && (is_space(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// A word: an identifier, possibly qualified with dots (VB.TextBox).
std::string_view take_word(std::string_view& s, bool dotted) {
    size_t n = 0;
    if (!s.empty() && is_ident_start(s[0])) {
        n = 1;
        while (n < s.size() && (is_ident_char(s[n]) || (dotted && s[n] == '.' && n + 1 < s.size() &&
                                                        is_ident_start(s[n + 1]))))
            ++n;
    }
    std::string_view w = s.substr(0, n);
    s.remove_prefix(n);
    while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
    return w;
}

bool keyword(std::string_view word, std::string_view kw) { return rt::member_name_equals(word, kw); }

class Parser {
public:
    Parser(std::string_view text, const std::string& file) : m_text(text), m_file(file) {}

    FormDocument parse() {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_text.remove_prefix(3);
        FormDocument doc;
        doc.crlf = m_text.find("\r\n") != std::string_view::npos &&
                   m_text.find("\r\n") == m_text.find('\n') - 1;
        bool have_version = false, root_done = false;
        std::vector<FormNode*> nodes;
        std::vector<std::vector<FormItem>*> groups; // innermost item list being filled
        std::string_view line;
        while (next_line(line)) {
            std::string_view s = trim(line);
            if (s.empty() || s[0] == '\'') continue;
            if (!have_version) {
                std::string_view rest = s;
                bool is_version = keyword(take_word(rest, false), "VERSION");
                rest = strip_comment(rest);
                if (!is_version || rest.empty()) fail("expected VERSION and a version number on the first line");
                doc.version = std::string(rest);
                have_version = true;
                continue;
            }
            if (root_done) fail("expected the end of the file after the form's End");
            std::string_view rest = s;
            std::string_view word = take_word(rest, false);
            if (keyword(word, "Begin")) {
                if (!groups.empty() && groups.size() > nodes.size())
                    fail("expected EndProperty before Begin");
                std::string_view type = take_word(rest, true);
                std::string_view name = take_word(rest, false);
                if (type.empty() || name.empty()) fail("expected Begin, a type name and a control name");
                if (!strip_comment(rest).empty()) fail("expected the end of the line after the control name");
                if (nodes.size() >= static_cast<size_t>(kMaxFormNesting))
                    fail("expected at most " + std::to_string(kMaxFormNesting) + " nested Begin blocks");
                FormNode* node;
                if (nodes.empty()) {
                    if (m_seen_root) fail("expected one form");
                    node = &doc.root;
                    m_seen_root = true;
                } else {
                    nodes.back()->children.emplace_back();
                    node = &nodes.back()->children.back();
                }
                node->type = std::string(type);
                node->name = std::string(name);
                node->line = m_line;
                nodes.push_back(node);
                groups.push_back(&node->items);
            } else if (keyword(word, "End") && rest.empty()) {
                if (nodes.empty()) fail("expected Begin before End");
                if (groups.size() > nodes.size()) fail("expected EndProperty before End");
                nodes.pop_back();
                groups.pop_back();
                if (nodes.empty()) root_done = true;
            } else if (keyword(word, "BeginProperty")) {
                if (nodes.empty()) fail("expected Begin before BeginProperty");
                std::string_view name = take_word(rest, false);
                if (name.empty()) fail("expected a property name after BeginProperty");
                rest = strip_comment(rest);
                if (!rest.empty() && rest.front() == '{') { // a class identifier, which this format ignores
                    size_t close = rest.find('}');
                    if (close == std::string_view::npos) fail("expected } after the class identifier");
                    rest = trim(rest.substr(close + 1));
                }
                if (!rest.empty()) fail("expected the end of the line after the property name");
                if (groups.size() - nodes.size() >= static_cast<size_t>(kMaxFormNesting))
                    fail("expected at most " + std::to_string(kMaxFormNesting) + " nested BeginProperty blocks");
                FormPropertyGroup group;
                group.name = std::string(name);
                group.line = m_line;
                groups.back()->emplace_back(std::move(group));
                groups.push_back(&std::get<FormPropertyGroup>(groups.back()->back()).items);
            } else if (keyword(word, "EndProperty") && strip_comment(rest).empty()) {
                if (groups.size() <= nodes.size()) fail("expected BeginProperty before EndProperty");
                groups.pop_back();
            } else {
                if (nodes.empty()) fail("expected Begin");
                if (word.empty() || rest.empty() || rest.front() != '=')
                    fail("expected a property: Key = Value");
                rest.remove_prefix(1);
                groups.back()->emplace_back(FormProperty{std::string(word), parse_value(trim(rest)), m_line});
            }
        }
        if (!have_version) fail("expected VERSION and a version number on the first line");
        if (!m_seen_root) fail("expected Begin Form");
        if (!nodes.empty()) {
            const FormNode* open = nodes.back();
            fail("expected End for Begin " + open->type + " " + open->name + " (line " + std::to_string(open->line) +
                 ")");
        }
        return doc;
    }

private:
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

    std::string_view strip_comment(std::string_view s) const {
        size_t q = s.find('\'');
        return trim(q == std::string_view::npos ? s : s.substr(0, q));
    }

    void expect_line_end(std::string_view rest) const {
        rest = trim(rest);
        if (!rest.empty() && rest.front() != '\'') fail("expected the end of the line after the value");
    }

    rt::Variant parse_value(std::string_view s) const {
        if (s.empty()) fail("expected a value after =");
        if (s.front() == '"') {
            std::string out;
            size_t i = 1;
            for (;;) {
                if (i >= s.size()) fail("expected a closing quote");
                if (s[i] == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {
                        out.push_back('"');
                        i += 2;
                        continue;
                    }
                    break;
                }
                out.push_back(s[i++]);
            }
            expect_line_end(s.substr(i + 1));
            return rt::Variant(rt::ansi_from_utf8(out));
        }
        if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
            size_t i = 2;
            uint64_t v = 0;
            while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]))) {
                if (i - 2 >= 8) fail("expected at most 8 hexadecimal digits");
                char c = s[i];
                int d = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
                v = v * 16 + static_cast<uint64_t>(d);
                ++i;
            }
            if (i == 2) fail("expected hexadecimal digits after &H");
            bool long_suffix = i < s.size() && s[i] == '&';
            if (long_suffix) ++i;
            expect_line_end(s.substr(i));
            if (!long_suffix && i - 2 <= 4)
                return rt::Variant(static_cast<int16_t>(static_cast<uint16_t>(v)));
            return rt::Variant(static_cast<int32_t>(static_cast<uint32_t>(v)));
        }
        std::string_view rest = s;
        std::string_view word = take_word(rest, false);
        if (!word.empty()) {
            if (keyword(word, "True") || keyword(word, "False")) {
                expect_line_end(rest);
                return rt::Variant(keyword(word, "True"));
            }
            fail("expected a value: a number, &H...&, True, False or a quoted string");
        }
        size_t i = 0;
        if (s[i] == '-' || s[i] == '+') ++i;
        size_t digits = 0;
        bool fraction = false;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
        if (i < s.size() && s[i] == '.') {
            fraction = true;
            ++i;
            while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
        }
        if (digits == 0) fail("expected a value: a number, &H...&, True, False or a quoted string");
        if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
            fraction = true;
            size_t j = i + 1;
            if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
            size_t exp_digits = 0;
            while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++exp_digits;
            if (exp_digits == 0) fail("expected digits in the exponent");
            i = j;
        }
        std::string text(s.substr(0, i));
        expect_line_end(s.substr(i));
        // -1 'True and 0 'False are how booleans are written: the comment names the type.
        if (text == "-1" || text == "0") {
            std::string_view comment = trim(s.substr(i));
            if (!comment.empty()) {
                comment.remove_prefix(1);
                comment = trim(comment);
                if (keyword(comment, text == "-1" ? "True" : "False")) return rt::Variant(text == "-1");
            }
        }
        if (!fraction) {
            errno = 0;
            long long v = std::strtoll(text.c_str(), nullptr, 10);
            if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) fail("expected a number within 32 bits");
            if (v >= INT16_MIN && v <= INT16_MAX) return rt::Variant(static_cast<int16_t>(v));
            return rt::Variant(static_cast<int32_t>(v));
        }
        double v = std::strtod(text.c_str(), nullptr);
        if (!std::isfinite(v)) fail("expected a finite number");
        return rt::Variant(v);
    }

    std::string_view m_text;
    const std::string& m_file;
    size_t m_pos = 0;
    int m_line = 0;
    bool m_seen_root = false;
};

bool names_color(std::string_view key) {
    std::string upper = rt::UCase(key);
    return upper.find("COLOR") != std::string::npos;
}

std::string format_value(const std::string& key, const rt::Variant& v) {
    using rt::VarType;
    if (v.is_number_type() && v.type() != VarType::Boolean && names_color(key)) {
        // Colours in hexadecimal, whatever number type holds them, so that they read back alike.
        double d = rt::CDbl(v);
        if (d == std::floor(d) && d >= -2147483648.0 && d <= 4294967295.0) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<uint32_t>(static_cast<int64_t>(d)));
            return buf;
        }
    }
    switch (v.type()) {
    case VarType::Boolean: return v.as_bool() ? "-1  'True" : "0   'False";
    case VarType::Integer:
    case VarType::Long: return rt::CStr(v);
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
            throw FormFileError("", 0, "the value of " + key + " holds a line break, which a form file cannot store");
        std::string out = "\"";
        for (char c : rt::utf8_from_ansi(a)) {
            if (c == '"') out += "\"\"";
            else out.push_back(c);
        }
        out += '"';
        return out;
    }
    case VarType::Empty: return "\"\"";
    case VarType::Object: break;
    }
    throw FormFileError("", 0, "the value of " + key + " is an object, which a form file cannot store as a value");
}

class Writer {
public:
    explicit Writer(bool crlf) : m_eol(crlf ? "\r\n" : "\n") {}

    std::string write(const FormDocument& doc) {
        m_out = "VERSION " + doc.version + m_eol;
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
                if (k.size() < 16) k.resize(16, ' ');
                else k += ' ';
                size_t spaces = k.size() + 1 < 20 ? 20 - (k.size() + 1) : 1;
                line(depth, k + "=" + std::string(spaces, ' ') + format_value(p->key, p->value));
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
        for (const FormNode& child : n.children) node(child, depth + 1);
        line(depth, "End");
    }

    std::string m_eol;
    std::string m_out;
};

} // namespace

FormDocument ParseForm(std::string_view text, const std::string& file_name) {
    return Parser(text, file_name).parse();
}

FormDocument ReadFormFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FormFileError(path, 0, std::string("cannot open the file: ") + std::strerror(errno));
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) throw FormFileError(path, 0, "cannot read the file");
    return ParseForm(buf.str(), path);
}

std::string FormatForm(const FormDocument& document) { return Writer(document.crlf).write(document); }

void WriteFormFile(const std::string& path, const std::string& text) {
    std::string folder = ".";
    if (size_t slash = path.find_last_of('/'); slash != std::string::npos) folder = path.substr(0, slash + 1);
    std::string temp_name = (folder.back() == '/' ? folder : folder + "/") + ".vntab-save-XXXXXX";
    std::vector<char> temp(temp_name.begin(), temp_name.end());
    temp.push_back('\0');
    int fd = ::mkstemp(temp.data());
    if (fd < 0) throw FormFileError(path, 0, std::string("cannot save: ") + std::strerror(errno));
    auto fail = [&](const char* what) {
        int err = errno;
        ::close(fd);
        ::unlink(temp.data());
        throw FormFileError(path, 0, std::string("cannot save (") + what + "): " + std::strerror(err));
    };
    size_t written = 0;
    while (written < text.size()) {
        ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("write");
        }
        written += static_cast<size_t>(n);
    }
    // The saved file keeps the permissions of the one it replaces.
    struct stat old {};
    mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) fail("permissions");
    if (::fsync(fd) != 0) fail("sync");
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.data());
        throw FormFileError(path, 0, std::string("cannot save: ") + std::strerror(err));
    }
    if (::rename(temp.data(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.data());
        throw FormFileError(path, 0, std::string("cannot save: ") + std::strerror(err));
    }
}

const FormProperty* FindProperty(const std::vector<FormItem>& items, std::string_view key) {
    for (const FormItem& item : items)
        if (const auto* p = std::get_if<FormProperty>(&item); p && rt::member_name_equals(p->key, key)) return p;
    return nullptr;
}

const FormPropertyGroup* FindGroup(const std::vector<FormItem>& items, std::string_view name) {
    for (const FormItem& item : items)
        if (const auto* g = std::get_if<FormPropertyGroup>(&item); g && rt::member_name_equals(g->name, name))
            return g;
    return nullptr;
}

} // namespace host
