#pragma once

#include "platform/automation/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace host {

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
    void Set(std::string_view name, rt::Variant value, int line = 0, bool known = true);
    void Remove(std::string_view name);
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

} // namespace host
