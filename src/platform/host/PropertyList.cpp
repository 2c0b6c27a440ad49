#include "PropertyList.h"

#include "platform/automation/Dispatch.h"

namespace host {

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

void PropertyList::Remove(std::string_view name) {
    std::erase_if(m_entries, [&](const Entry& e) { return rt::member_name_equals(e.name, name); });
}

} // namespace host
