#pragma once

#include "platform/automation/Variant.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The container's property bag: a flat, ordered set of named, typed values that a control fills in
// WriteProperties and reads back in ReadProperties. A key never written reads back as the default
// the reader passes; a write whose value equals its default leaves the key out, so the saved form
// holds only what differs from the defaults.
class PropertyBag {
public:
    struct Entry {
        std::string name;
        rt::Variant value;
        int line = 0;      // where the value stood in the form file, 0 when it was not read from one
        bool read = false; // whether a ReadProperty asked for it
    };

    // Turns a stored picture path into a picture object when a reader asks for an object; set by
    // the form loader (paths are relative to the form file).
    using PictureResolver = std::function<rt::Variant(const std::string& path)>;

    // The stored value converted to the type of `default_value` (Boolean, Integer, Long, Single,
    // Double, String; an object default takes an object, or a picture path through the resolver);
    // `default_value` when the key is absent. A value that does not convert raises the runtime's
    // error (13 "Type mismatch", 6 "Overflow") with the key named in the description.
    rt::Variant ReadProperty(std::string_view name, const rt::Variant& default_value);
    // Stores `value` under `name`, replacing an earlier value of that name in place; removes the key
    // when the value equals the default (numbers by value, strings exactly, fonts by their settings,
    // other objects by identity).
    void WriteProperty(std::string_view name, const rt::Variant& value, const rt::Variant& default_value);

    // Adds a value as the form loader read it (no default omission).
    void Store(std::string name, rt::Variant value, int line = 0);
    void Clear() { m_entries.clear(); }
    const std::vector<Entry>& entries() const { return m_entries; }
    const Entry* Find(std::string_view name) const;
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    void SetPictureResolver(PictureResolver resolver) { m_resolve_picture = std::move(resolver); }

private:
    Entry* find(std::string_view name);

    std::vector<Entry> m_entries;
    PictureResolver m_resolve_picture;
};

// Whether two property values count as the same for default omission.
bool SamePropertyValue(const rt::Variant& a, const rt::Variant& b);

} // namespace host
