#include "PropertyList.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"

namespace host {

const PropertyDefault* FindPropertyDefault(std::span<const PropertyDefault> table, std::string_view name) {
    for (const auto& p : table)
        if (rt::member_name_equals(p.name, name)) return &p;
    return nullptr;
}

const PropertyList::Entry* PropertyList::Find(std::string_view name) const {
    for (const auto& e : m_entries)
        if (rt::member_name_equals(e.name, name)) return &e;
    return nullptr;
}

rt::Variant PropertyList::Get(std::string_view name, const rt::Variant& fallback) const {
    const Entry* e = Find(name);
    return e ? e->value : fallback;
}

void PropertyList::Set(std::string_view name, rt::Variant value, int line, bool known) {
    for (auto& e : m_entries)
        if (rt::member_name_equals(e.name, name)) {
            e.value = std::move(value);
            return;
        }
    m_entries.push_back(Entry{std::string(name), std::move(value), line, known});
}

void PropertyList::SetLike(const PropertyDefault& property, const rt::Variant& value, int line) {
    Set(property.name, rt::CoerceLike(value, property.default_value), line);
}

bool PropertyList::Load(std::span<const PropertyDefault> known, const FormProperty& property) {
    const PropertyDefault* p = FindPropertyDefault(known, property.key);
    if (!p) {
        Set(property.key, property.value, property.line, false);
        return false;
    }
    try {
        SetLike(*p, property.value, property.line);
    } catch (const rt::AutomationError& e) {
        throw rt::AutomationError(e.number, property.key, e.description, e.help_context);
    }
    return true;
}

void PropertyList::Remove(std::string_view name) {
    std::erase_if(m_entries, [&](const Entry& e) { return rt::member_name_equals(e.name, name); });
}

} // namespace host
