#include "PropertyBag.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/StdFont.h"

#include <cstdint>

namespace host {

using rt::Variant;

// FNV-1a over the name with ASCII letters in upper case, so names that compare equal hash alike.
size_t PropertyBag::NameHash::operator()(std::string_view name) const {
    uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return static_cast<size_t>(hash);
}

bool PropertyBag::NameEqual::operator()(std::string_view a, std::string_view b) const {
    return rt::member_name_equals(a, b);
}

PropertyBag::Entry* PropertyBag::find(std::string_view name) {
    const auto it = m_positions.find(name);
    return it == m_positions.end() ? nullptr : &m_entries[it->second];
}

void PropertyBag::append(Entry entry) {
    m_positions.emplace(entry.name, m_entries.size());
    m_entries.push_back(std::move(entry));
}

// The entries after the erased one move up a place.
void PropertyBag::erase(const Entry* entry) {
    const size_t position = static_cast<size_t>(entry - m_entries.data());
    m_positions.erase(m_positions.find(std::string_view(entry->name)));
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(position));
    for (size_t i = position; i < m_entries.size(); ++i)
        m_positions.find(std::string_view(m_entries[i].name))->second = i;
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
        if (e) erase(e);
        return;
    }
    if (e) {
        e->value = value;
        e->line = 0;
    } else {
        append(Entry{std::string(name), value, 0, false});
    }
}

void PropertyBag::Store(std::string name, Variant value, int line) {
    if (Entry* e = find(name)) {
        e->value = std::move(value);
        e->line = line;
        return;
    }
    append(Entry{std::move(name), std::move(value), line, false});
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
