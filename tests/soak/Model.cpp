#include "Model.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <map>

namespace soak {
namespace {

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool same_ignoring_case(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool is_number(const std::string& s) {
    const std::string t = trimmed(s);
    return !t.empty() && std::all_of(t.begin(), t.end(),
                                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The valid range of each property whose limits do not hang on the layout; `count` stands for the
// number of tabs. Lengths are in twips, checked before they are converted.
struct Range {
    double low, high;
};
constexpr double kNone = 1e18, kCount = -1e18;

const std::map<std::string, Range>& ranges() {
    static const std::map<std::string, Range> table = {
        {"FocusRectStyle", {0, 1}},    {"Orientation", {0, 3}},        {"Tab3DAppearance", {0, 2}},
        {"TabActive", {1, kCount}},    {"TabActiveBevel", {1, kNone}}, {"TabActiveInflate", {0, kNone}},
        {"TabCaptionAlign", {0, 8}},   {"TabHeight", {1, kNone}},      {"TabJustification", {0, 3}},
        {"TabPictureAlign", {0, 14}},  {"TabRows", {0, kCount}},       {"TabRowSeparation", {0, kNone}},
        {"TabSeparation", {0, kNone}}, {"TabsPerRow", {0, kNone}},     {"TabStyle", {0, 4}},
        {"TabWidth", {1, kNone}},      {"TabCount", {1, kNone}},
    };
    return table;
}

bool is_colour(const std::string& name) {
    return name == "BackColor" || name == "TabForeColor" || name == "TabBackColor";
}

} // namespace

// A control recorded on two tabs (the designer's active tab adopts every control in view, also one
// that a tab inserted before it left in view) stays so in the file; such a form cannot keep the
// view in step, whatever it does.
bool Model::RecordsAControlTwice(const Snapshot& s) {
    std::vector<std::pair<std::string, std::string>> seen;
    for (const auto& t : s.tabs)
        for (const auto& r : t.records) {
            if (std::find(seen.begin(), seen.end(), std::pair(r.name, r.index)) != seen.end()) return true;
            seen.emplace_back(r.name, r.index);
        }
    return false;
}

char Model::AccessKeyOf(const std::string& caption) {
    size_t p = caption.find('&');
    while (p != std::string::npos && p + 1 < caption.size() && caption[p + 1] == '&')
        p = caption.find('&', p + 2);
    if (p == std::string::npos || p + 1 >= caption.size()) return '&';
    return caption[p + 1];
}

void Model::Reset() {
    m_tabs = {Tab{"Tab &1", ""}};
    m_access = "1";
    m_active = 1;
    m_view_in_step = true;
}

bool Model::KeyTaken(const std::string& key) const {
    const std::string k = trimmed(key);
    if (k.empty()) return false;
    return std::any_of(m_tabs.begin(), m_tabs.end(),
                       [&](const Tab& t) { return same_ignoring_case(trimmed(t.key), k); });
}

void Model::AddTab(int position, const std::string& key, const std::string& caption, bool inserted) {
    const Tab tab{caption, key};
    const char ch = AccessKeyOf(caption);
    if (inserted) {
        m_access.insert(static_cast<size_t>(position - 1), 1, ch);
        m_tabs.insert(m_tabs.begin() + (position - 1), tab);
    } else {
        m_access += ch;
        m_tabs.push_back(tab);
    }
}

void Model::SetCaption(int position, const std::string& caption) {
    m_tabs[static_cast<size_t>(position - 1)].caption = caption;
    if (static_cast<size_t>(position) <= m_access.size())
        m_access[static_cast<size_t>(position - 1)] = AccessKeyOf(caption);
}

// The tab an access key leads to (0 when the form delivers it to no control): the next tab after
// the active one that registered the character, else the first.
int Model::AccessTarget(char typed) const {
    char registered = 0;
    for (char k : m_access)
        if (k != '&' &&
            std::tolower(static_cast<unsigned char>(k)) == std::tolower(static_cast<unsigned char>(typed))) {
            registered = k;
            break;
        }
    if (!registered) return 0;
    size_t p = static_cast<size_t>(m_active) <= m_access.size()
                   ? m_access.find(registered, static_cast<size_t>(m_active))
                   : std::string::npos;
    if (p == std::string::npos) p = m_access.find(registered);
    return static_cast<int>(p) + 1;
}

Model::Outcome Model::Expect(const Step& step, const Snapshot&) const {
    using K = Step::Kind;
    const int n = count();
    const bool active_valid = m_active >= 1 && m_active <= n;
    auto position_ok = [](double p, int high) { return p == std::floor(p) && p >= 1 && p <= high; };
    switch (step.kind) {
    case K::SetProperty: {
        if (step.name == "TabCaption") return active_valid ? Outcome::Succeeds : Outcome::Refused;
        const auto v = static_cast<int64_t>(step.number);
        if (is_colour(step.name)) {
            if ((v & 0x7F000000) != 0) return Outcome::Refused;
            return step.name == "BackColor" || active_valid ? Outcome::Succeeds : Outcome::Refused;
        }
        const auto it = ranges().find(step.name);
        if (it == ranges().end())
            return step.name == "Enabled" || step.name == "TabActiveBold" ? Outcome::Succeeds
                                                                          : Outcome::Either;
        const double high = it->second.high == kCount ? n : it->second.high;
        return step.number >= it->second.low && step.number <= high ? Outcome::Succeeds : Outcome::Refused;
    }
    case K::TabAdd:
        if ((step.flags & 1) && !position_ok(step.number, n + 1)) return Outcome::Refused;
        if ((step.flags & 2) && KeyTaken(step.key)) return Outcome::Refused;
        return Outcome::Succeeds;
    case K::TabRemove: {
        if (!step.is_text) return position_ok(step.number, n) ? Outcome::Succeeds : Outcome::Refused;
        if (trimmed(step.key).empty()) return Outcome::Either; // an empty key may equal a tab that has none
        if (is_number(step.key))
            return position_ok(std::stod(step.key), n) ? Outcome::Succeeds : Outcome::Refused;
        const bool found =
            std::any_of(m_tabs.begin(), m_tabs.end(), [&](const Tab& t) { return t.key == step.key; });
        return found ? Outcome::Succeeds : Outcome::Refused;
    }
    case K::TabKey:
        if (!position_ok(step.number, n) || KeyTaken(step.key)) return Outcome::Refused;
        return Outcome::Succeeds;
    case K::TabCaption:
        return position_ok(step.number, n) ? Outcome::Succeeds : Outcome::Refused;
    case K::AccessKey: {
        const int target = AccessTarget(step.text[0]);
        if (target == 0) return Outcome::Succeeds; // no control registered the key
        // The arrow keys on a control without tabs leave TabActive at 0 and then below; the search
        // for the key then starts before the first character, which the runtime refuses (error 5).
        if (m_active < 0) return Outcome::Refused;
        return target >= 1 && target <= n ? Outcome::Succeeds : Outcome::Refused;
    }
    case K::Click:
        return Outcome::Either;
    default:
        return Outcome::Succeeds;
    }
}

std::string Model::Follow(const Step& step, const Snapshot& before, const Snapshot& after) {
    using K = Step::Kind;
    const int n = count();
    bool has_records = false;
    for (const auto& t : before.tabs)
        has_records |= !t.records.empty();
    const int now = std::atoi(after.active.c_str());
    std::string complaint;
    auto expect_active = [&](int wanted) {
        if (now != wanted)
            complaint = "TabActive should be " + std::to_string(wanted) + " after " + step.Describe() +
                        ", is " + after.active;
    };
    switch (step.kind) {
    case K::SetProperty: {
        const int v = static_cast<int>(step.number);
        if (step.name == "TabActive") {
            m_active = v;
        } else if (step.name == "TabCaption") {
            SetCaption(m_active, step.text);
        } else if (step.name == "TabCount") {
            while (count() < v)
                AddTab(count() + 1, "", "Tab &" + std::to_string(count() + 1), false);
            if (v < n) {
                m_tabs.resize(static_cast<size_t>(v));
                if (m_active > v) {
                    m_active = v;
                    if (has_records) m_view_in_step = false;
                }
            }
        }
        break;
    }
    case K::TabAdd: {
        const bool inserted = (step.flags & 1) != 0;
        const int position = inserted ? static_cast<int>(step.number) : n + 1;
        AddTab(position, (step.flags & 2) ? step.key : "",
               (step.flags & 4) ? step.text : "Tab &" + std::to_string(n + 1), inserted);
        if (inserted && has_records) m_view_in_step = false;
        break;
    }
    case K::TabRemove: {
        // The position removed, as the collection resolved it: the tab that is gone.
        size_t gone = 0;
        while (gone < after.tabs.size() && before.tabs[gone].caption == after.tabs[gone].caption &&
               before.tabs[gone].key == after.tabs[gone].key)
            ++gone;
        m_tabs.erase(m_tabs.begin() + static_cast<std::ptrdiff_t>(gone));
        if (has_records) m_view_in_step = false;
        break;
    }
    case K::TabClear:
        m_tabs.clear();
        if (has_records) m_view_in_step = false;
        break;
    case K::TabKey:
        m_tabs[static_cast<size_t>(step.number) - 1].key = step.key;
        break;
    case K::TabCaption:
        SetCaption(static_cast<int>(step.number), step.text);
        break;
    case K::Click:
        // Any tab may be under the mouse, or none: the active tab stays or becomes another tab.
        if (now != m_active && (now < 1 || now > n))
            complaint = "a click made TabActive " + after.active + " with " + std::to_string(n) + " tabs";
        m_active = now;
        break;
    case K::Key: {
        const int code = static_cast<int>(step.number);
        int wanted = m_active;
        if (code == 39 || code == 40) wanted = m_active + 1 > n ? 1 : m_active + 1;
        if (code == 37 || code == 38) wanted = m_active == 1 ? n : m_active - 1;
        // A key reaches the control only while it has the focus and is enabled.
        if (now != m_active) expect_active(wanted);
        m_active = now;
        break;
    }
    case K::AccessKey: {
        const int target = AccessTarget(step.text[0]);
        expect_active(target == 0 ? m_active : target);
        m_active = now;
        break;
    }
    case K::SaveLoad:
        m_access.clear();
        for (const Tab& t : m_tabs)
            m_access += AccessKeyOf(t.caption);
        m_active = now;
        m_view_in_step = !RecordsAControlTwice(after);
        break;
    default:
        expect_active(m_active);
        break;
    }
    return complaint;
}

std::string Model::Disagreement(const Snapshot& actual) const {
    if (actual.tabs.size() != m_tabs.size())
        return "the model has " + std::to_string(m_tabs.size()) + " tabs, the control " +
               std::to_string(actual.tabs.size());
    for (size_t i = 0; i < m_tabs.size(); ++i) {
        const std::string at = "tab " + std::to_string(i + 1);
        if (actual.tabs[i].caption != m_tabs[i].caption)
            return at + " should be captioned \"" + m_tabs[i].caption + "\", is \"" + actual.tabs[i].caption +
                   "\"";
        if (actual.tabs[i].key != m_tabs[i].key)
            return at + " should have key \"" + m_tabs[i].key + "\", has \"" + actual.tabs[i].key + "\"";
    }
    if (actual.access_keys != m_access)
        return "access keys should be \"" + m_access + "\", are \"" + actual.access_keys + "\"";
    if (std::atoi(actual.active.c_str()) != m_active)
        return "TabActive should be " + std::to_string(m_active) + ", is " + actual.active;
    return {};
}

} // namespace soak
