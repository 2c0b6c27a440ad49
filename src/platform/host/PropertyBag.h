#pragma once

#include "platform/automation/Variant.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
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
    void Clear() {
        m_entries.clear();
        m_positions.clear();
    }
    const std::vector<Entry>& entries() const { return m_entries; }
    const Entry* Find(std::string_view name) const;
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    void SetPictureResolver(PictureResolver resolver) { m_resolve_picture = std::move(resolver); }

private:
    Entry* find(std::string_view name);
    void append(Entry entry);
    void erase(const Entry* entry);

    // Names compare as member names do (rt::member_name_equals): ASCII letters without regard to
    // case. Both take a string_view, so a look-up makes no copy of the name.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::vector<Entry> m_entries;
    // Where each name stands in m_entries: a form with thousands of tabs holds tens of thousands of
    // keys, and each is looked up as it is stored and again as it is read.
    std::unordered_map<std::string, size_t, NameHash, NameEqual> m_positions;
    PictureResolver m_resolve_picture;
};

// Whether two property values count as the same for default omission.
bool SamePropertyValue(const rt::Variant& a, const rt::Variant& b);

} // namespace host
