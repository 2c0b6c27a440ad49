#include "tabs/VNTabs.h"

#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"
#include "tabs/VNTab.h"

namespace vntab {

using rt::Variant;

namespace {

// The help context Add gives every error it raises again.
constexpr int32_t kAddHelpContext = 638;

// Dispatch passes Empty for an argument the caller left out.
rt::OptionalVariant given(std::span<const Variant> args, size_t i) {
    rt::OptionalVariant arg = rt::optional_arg(args, i);
    if (arg && arg->is_empty()) return std::nullopt;
    return arg;
}

const rt::MemberTable<VNTabs>& members() {
    using M = rt::Member<VNTabs>;
    static const rt::MemberTable<VNTabs> table({
        M{"Add", 1, nullptr, nullptr, nullptr,
          [](VNTabs& t, std::span<const Variant> a) {
              return Variant(t.Add(given(a, 0), given(a, 1), given(a, 2)));
          }},
        M{"Clear", 2, nullptr, nullptr, nullptr,
          [](VNTabs& t, std::span<const Variant>) {
              t.Clear();
              return Variant();
          }},
        M{"Remove", 3, nullptr, nullptr, nullptr,
          [](VNTabs& t, std::span<const Variant> a) {
              t.Remove(rt::required_arg(a, 0));
              return Variant();
          }},
        M{"Count", 4, [](VNTabs& t) { return Variant(t.Count()); }},
        // The default member (DISPID_VALUE).
        M{"Item", 0, nullptr, nullptr, nullptr,
          [](VNTabs& t, std::span<const Variant> a) { return Variant(t.Item(rt::required_arg(a, 0))); }},
    });
    return table;
}

class AddingScope {
public:
    explicit AddingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~AddingScope() { m_flag = false; }
    AddingScope(const AddingScope&) = delete;
    AddingScope& operator=(const AddingScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

std::shared_ptr<VNTab> VNTabs::Add(const rt::OptionalVariant& index, const rt::OptionalVariant& key,
                                   const rt::OptionalVariant& caption) {
    std::shared_ptr<VNTab> tab;
    try {
        // The Key and Caption sets inside raise no TabChanged: the tab is announced as added.
        AddingScope adding(m_adding);
        tab = insert_new_tab(index, key, caption);
    } catch (const rt::AutomationError& e) {
        throw rt::AutomationError(e.number, "VNTabs", e.description, kAddHelpContext);
    }
    if (auto owner = ParentControl()) owner->OnTabAdded(tab);
    return tab;
}

std::shared_ptr<VNTab> VNTabs::insert_new_tab(const rt::OptionalVariant& index,
                                              const rt::OptionalVariant& key,
                                              const rt::OptionalVariant& caption) {
    auto tab = VNTab::Create();
    tab->SetParent(std::static_pointer_cast<VNTabs>(shared_from_this()));

    // The access-key string has one character a tab in position order; the new tab's character
    // goes into the slot at its position once its caption is known.
    auto owner = ParentControl();
    std::string keys = owner ? owner->AccessKeys() : std::string();
    int32_t count = Count();
    int32_t position = 0;
    size_t slot = 0;
    if (!index) {
        keys += static_cast<char>(kNoAccessKey);
        slot = keys.size() - 1;
    } else {
        position = ResolveIndex(*index);
        check_position(position, rt::add32(count, 1));
        std::string head = rt::Left(keys, position - 1);
        slot = head.size();
        keys = head + static_cast<char>(kNoAccessKey) + rt::Mid(keys, position);
    }

    if (key) tab->SetKey(*key);
    tab->SetCaption(caption ? rt::CStr(*caption) : "Tab &" + std::to_string(count + 1));
    keys[slot] = static_cast<char>(tab->AccessKey());
    if (owner) owner->SetAccessKeys(keys);

    if (!index) {
        m_tabs.push_back(tab);
        tab->SetIndex(Count());
    } else {
        m_tabs.insert(m_tabs.begin() + (position - 1), tab);
        Renumber();
    }
    count_key(tab->Key(), 1);
    return tab;
}

void VNTabs::check_position(int32_t position, int32_t last) const {
    if (position < 1 || position > last) rt::raise_error(rt::kErrSubscriptOutOfRange, "VNTabs");
}

void VNTabs::Clear() {
    m_tabs.clear();
    m_key_counts.clear();
    if (auto owner = ParentControl()) owner->OnTabRemoved(nullptr);
}

void VNTabs::Remove(const Variant& index) {
    int32_t position = ResolveIndex(index);
    check_position(position, Count());
    auto tab = at(position);
    m_tabs.erase(m_tabs.begin() + (position - 1));
    count_key(tab->Key(), -1);
    Renumber();
    if (auto owner = ParentControl()) owner->OnTabRemoved(tab);
}

int16_t VNTabs::Count() const {
    return rt::to16(static_cast<int64_t>(m_tabs.size()));
}

std::shared_ptr<VNTab> VNTabs::Item(const Variant& index) const {
    int32_t position = ResolveIndex(index);
    if (position < 1 || position > Count()) rt::raise_error(rt::kErrIndexOutOfBounds, "VNTabs");
    return at(position);
}

void VNTabs::NotifyTabChanged(const std::shared_ptr<VNTab>& tab, std::string property) {
    if (m_adding) return;
    if (auto owner = ParentControl()) owner->OnTabChanged(tab, property);
}

namespace {

// A key as KeyExists compares it: converted to a string (error 13 for an object), trimmed of
// blanks and in upper case, so that two keys equal as text are the same string.
std::string compared_key(const Variant& key) {
    return rt::UCase(rt::Trim(rt::CStr(key)));
}

} // namespace

bool VNTabs::KeyExists(const Variant& key) const {
    const std::string wanted = compared_key(key);
    if (wanted.empty()) return false;
    return m_key_counts.contains(wanted);
}

// Every key in the collection was converted when it was set, so converting it again cannot fail.
void VNTabs::count_key(const Variant& key, int32_t change) {
    std::string compared = compared_key(key);
    if (compared.empty()) return;
    const auto it = m_key_counts.try_emplace(std::move(compared), 0).first;
    it->second += change;
    if (it->second <= 0) m_key_counts.erase(it);
}

bool VNTabs::holds(const VNTab& tab) const {
    const int32_t index = tab.Index();
    return index >= 1 && index <= static_cast<int32_t>(m_tabs.size()) && at(index).get() == &tab;
}

void VNTabs::OnKeyChanged(const VNTab& tab, const Variant& old_key) {
    if (!holds(tab)) return;
    count_key(old_key, -1);
    count_key(tab.Key(), 1);
}

int32_t VNTabs::ResolveIndex(const Variant& index) const {
    if (rt::IsNumeric(index)) return rt::CLng(index);
    return IndexOfKey(index);
}

int32_t VNTabs::IndexOfKey(const Variant& key) const {
    for (const auto& tab : m_tabs)
        if (rt::VariantEquals(tab->Key(), key)) return tab->Index();
    return 0;
}

void VNTabs::Renumber() {
    for (size_t i = 0; i < m_tabs.size(); ++i)
        m_tabs[i]->SetIndex(static_cast<int32_t>(i + 1));
}

Variant VNTabs::Get(std::string_view name) {
    return members().get(*this, name);
}
void VNTabs::Let(std::string_view name, const Variant& value) {
    members().let(*this, name, value);
}
Variant VNTabs::Call(std::string_view name, std::span<const Variant> args) {
    return members().call(*this, name, args);
}
std::optional<int32_t> VNTabs::DispId(std::string_view name) const {
    return members().dispid(name);
}

} // namespace vntab
