#include "PropertyBag.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/StdFont.h"

namespace host {

using rt::Variant;

PropertyBag::Entry* PropertyBag::find(std::string_view name) {
    for (auto& e : m_entries)
        if (rt::member_name_equals(e.name, name)) return &e;
    return nullptr;
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view name) const {
    return const_cast<PropertyBag*>(this)->find(name);
}

// A form file stores a picture as its path: a reader that asks for an object gets the picture.
static Variant convert_to(const Variant& stored, const Variant& like,
                          const PropertyBag::PictureResolver& resolve) {
    if (like.is_object() && stored.is_string() && resolve) return resolve(stored.as_string());
    return rt::CoerceLike(stored, like);
}

Variant PropertyBag::ReadProperty(std::string_view name, const Variant& default_value) {
    Entry* e = find(name);
    if (!e) return default_value;
    e->read = true;
    try {
        return convert_to(e->value, default_value, m_resolve_picture);
    } catch (const rt::AutomationError& err) {
        // Name the key, so that a form loader can say which line holds the bad value.
        throw rt::AutomationError(err.number, std::string(name), err.description, err.help_context);
    }
}

void PropertyBag::WriteProperty(std::string_view name, const Variant& value, const Variant& default_value) {
    Entry* e = find(name);
    if (SamePropertyValue(value, default_value)) {
        if (e) m_entries.erase(m_entries.begin() + (e - m_entries.data()));
        return;
    }
    if (e) {
        e->value = value;
        e->line = 0;
    } else {
        m_entries.push_back(Entry{std::string(name), value, 0, false});
    }
}

void PropertyBag::Store(std::string name, Variant value, int line) {
    if (Entry* e = find(name)) {
        e->value = std::move(value);
        e->line = line;
        return;
    }
    m_entries.push_back(Entry{std::move(name), std::move(value), line, false});
}

bool SamePropertyValue(const Variant& a, const Variant& b) {
    if (a.is_object() || b.is_object()) {
        if (!a.is_object() || !b.is_object()) return false;
        if (a.as_object() == b.as_object()) return true;
        auto fa = std::dynamic_pointer_cast<rt::StdFont>(a.as_object());
        auto fb = std::dynamic_pointer_cast<rt::StdFont>(b.as_object());
        return fa && fb && fa->SameAs(*fb);
    }
    if (a.is_string() && b.is_string()) return a.as_string() == b.as_string();
    if (a.is_empty() && b.is_empty()) return true;
    if (a.is_empty() || b.is_empty()) {
        const Variant& other = a.is_empty() ? b : a;
        if (other.is_string()) return other.as_string().empty();
        return rt::CDbl(other) == 0.0;
    }
    if (a.is_string() || b.is_string()) return false;
    return rt::CDbl(a) == rt::CDbl(b);
}

} // namespace host
