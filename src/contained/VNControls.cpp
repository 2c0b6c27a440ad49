#include "contained/VNControls.h"

#include "contained/VNControl.h"
#include "platform/automation/Ansi.h"
#include "platform/automation/Arithmetic.h"
#include "platform/automation/AutomationError.h"

namespace vntab {

using rt::Variant;

namespace {

const rt::MemberTable<VNControls>& members() {
    using M = rt::Member<VNControls>;
    static const rt::MemberTable<VNControls> table({
        M{"Count", 1, [](VNControls& c) { return Variant(c.Count()); }},
        // The default member (DISPID_VALUE).
        M{"Item", 0, nullptr, nullptr, nullptr,
          [](VNControls& c, std::span<const Variant> a) { return Variant(c.Item(rt::required_arg(a, 0))); }},
        M{"NewEnum", rt::kDispIdNewEnum, nullptr, nullptr, nullptr,
          [](VNControls& c, std::span<const Variant>) { return Variant(c.NewEnum()); }},
    });
    return table;
}

} // namespace

int16_t VNControls::Count() const {
    return rt::to16(static_cast<int64_t>(m_records.size()));
}

int32_t VNControls::resolve(const Variant& index) const {
    if (index.is_string() && !rt::IsNumeric(index)) return IndexOfKey(index.as_string());
    return rt::CLng(index);
}

std::shared_ptr<VNControl> VNControls::Item(const Variant& index) const {
    int32_t position = resolve(index);
    if (position < 1 || position > Count()) rt::raise_error(rt::kErrIndexOutOfBounds, "VNControls");
    return m_records[static_cast<size_t>(position - 1)];
}

std::shared_ptr<rt::Enumerator> VNControls::NewEnum() const {
    std::vector<Variant> items(m_records.begin(), m_records.end());
    return std::make_shared<rt::Enumerator>(std::move(items));
}

std::shared_ptr<VNControl> VNControls::Add(std::string name, int16_t index,
                                           std::weak_ptr<ControlsOwner> owner) {
    auto record = std::make_shared<VNControl>(std::move(name), index, std::move(owner));
    if (IndexOfKey(record->Key()) != 0) rt::raise_error(rt::kErrKeyAlreadyExists, "VNControls");
    m_adding = true;
    record->SetParent(std::static_pointer_cast<VNControls>(shared_from_this()));
    m_records.push_back(record);
    record->SetPosition(Count());
    m_adding = false;
    return record;
}

void VNControls::Remove(const Variant& index_or_key) {
    int32_t position = resolve(index_or_key);
    if (position < 1 || position > Count()) rt::raise_error(rt::kErrSubscriptOutOfRange, "VNControls");
    auto record = m_records[static_cast<size_t>(position - 1)];
    m_records.erase(m_records.begin() + (position - 1));
    renumber();
    if (CtlRemoved) CtlRemoved(record);
}

void VNControls::Clear() {
    m_records.clear();
    if (CtlRemoved) CtlRemoved(nullptr);
}

bool VNControls::KeyExists(std::string_view key) const {
    std::string wanted = rt::Trim(key);
    if (wanted.empty()) return false;
    for (const auto& record : m_records)
        if (rt::EqualsText(rt::Trim(record->Key()), wanted)) return true;
    return false;
}

int32_t VNControls::IndexOfKey(std::string_view key) const {
    for (size_t i = 0; i < m_records.size(); ++i)
        if (m_records[i]->Key() == key) return static_cast<int32_t>(i + 1);
    return 0;
}

void VNControls::NotifyCtlChanged(const std::shared_ptr<VNControl>& record, std::string property) {
    if (m_adding || !CtlChanged) return;
    CtlChanged(record, property);
}

void VNControls::renumber() {
    for (size_t i = 0; i < m_records.size(); ++i)
        m_records[i]->SetPosition(static_cast<int16_t>(i + 1));
}

Variant VNControls::Get(std::string_view name) {
    return members().get(*this, name);
}
Variant VNControls::Call(std::string_view name, std::span<const Variant> args) {
    return members().call(*this, name, args);
}
std::optional<int32_t> VNControls::DispId(std::string_view name) const {
    return members().dispid(name);
}

} // namespace vntab
