#pragma once

#include "platform/automation/Variant.h"
#include "platform/host/FormFile.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// A property an object knows, with the value it reads as until one is stored; its type is the type
// every value stored under it is converted to.
struct PropertyDefault {
    std::string_view name;
    rt::Variant default_value;
};

// The property of `table` with that name (case ignored), or null.
const PropertyDefault* FindPropertyDefault(std::span<const PropertyDefault> table, std::string_view name);

// An object's stored properties in the order they were first set or read from its form file. Names
// are compared without regard to case. Keys the object does not know are kept too (marked
// unknown), so that saving a form loses nothing that was in the file.
class PropertyList {
public:
    struct Entry {
        std::string name;
        rt::Variant value;
        int line = 0;
        bool known = true;
    };

    const Entry* Find(std::string_view name) const;
    // The stored value, or `fallback` when the property was never set.
    rt::Variant Get(std::string_view name, const rt::Variant& fallback) const;
    rt::Variant Get(const PropertyDefault& property) const {
        return Get(property.name, property.default_value);
    }
    void Set(std::string_view name, rt::Variant value, int line = 0, bool known = true);
    // Stores `value` under a known property, converted to the type of its default (rt::CoerceLike);
    // a value that does not convert raises the runtime's error and stores nothing.
    void SetLike(const PropertyDefault& property, const rt::Variant& value, int line = 0);
    // Stores a value read from a form file: a property of `known` converted as SetLike converts (an
    // error names the key as its source), any other key as it is, marked unknown. Returns whether the
    // key was known.
    bool Load(std::span<const PropertyDefault> known, const FormProperty& property);
    void Remove(std::string_view name);
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

} // namespace host
