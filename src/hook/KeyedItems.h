#pragma once

#include "platform/automation/Ansi.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Enumerator.h"
#include "platform/automation/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the window list and the message list of a hook share: items in order, each with a 1-based
// Index kept equal to its position, reached by position or by key. Keys are optional, unique within
// the list and compared without regard to case, as a keyed collection compares them; an empty key
// is no key.
namespace hook::detail {

// The text of a key, "" for no key.
inline std::string KeyText(const rt::Variant& key) {
    if (key.is_empty() || key.is_object()) return {};
    return rt::CStr(key);
}

template <class Item>
class KeyedItems {
public:
    explicit KeyedItems(const char* source) : m_source(source) {}

    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    const std::vector<std::shared_ptr<Item>>& items() const { return m_items; }

    // A number (or numeric text) is a position; other text is a key, 0 when no item has it.
    int32_t Resolve(const rt::Variant& index) const {
        if (index.is_string() && !rt::IsNumeric(index)) return PositionOfKey(index.as_string());
        return rt::CLng(index);
    }
    // The item at a position or with a key; "Index out of bounds." outside 1 to Count.
    const std::shared_ptr<Item>& At(const rt::Variant& index) const {
        return m_items[static_cast<size_t>(CheckedPosition(index) - 1)];
    }
    // Before: a position 1 to Count or a key naming one; without it the item goes last.
    void Insert(std::shared_ptr<Item> item, const rt::OptionalVariant& before) {
        if (!before) {
            m_items.push_back(std::move(item));
            m_items.back()->SetIndex(Count());
            return;
        }
        const int32_t position = CheckedPosition(*before);
        m_items.insert(m_items.begin() + (position - 1), std::move(item));
        Renumber();
    }
    std::shared_ptr<Item> Erase(const rt::Variant& index) {
        const int32_t position = CheckedPosition(index);
        std::shared_ptr<Item> item = m_items[static_cast<size_t>(position - 1)];
        m_items.erase(m_items.begin() + (position - 1));
        Renumber();
        return item;
    }
    // Takes every item out, in order.
    std::vector<std::shared_ptr<Item>> TakeAll() { return std::exchange(m_items, {}); }

    // Whether an item other than `self` has the key; never for no key.
    bool KeyTaken(const rt::Variant& key, const Item* self) const {
        const std::string wanted = KeyText(key);
        if (wanted.empty()) return false;
        for (const auto& item : m_items)
            if (item.get() != self && rt::EqualsText(KeyText(item->Key()), wanted)) return true;
        return false;
    }
    std::shared_ptr<rt::Enumerator> NewEnum() const {
        return std::make_shared<rt::Enumerator>(std::vector<rt::Variant>(m_items.begin(), m_items.end()));
    }

private:
    int32_t PositionOfKey(const std::string& key) const {
        if (key.empty()) return 0;
        for (const auto& item : m_items)
            if (rt::EqualsText(KeyText(item->Key()), key)) return item->Index();
        return 0;
    }
    int32_t CheckedPosition(const rt::Variant& index) const {
        const int32_t position = Resolve(index);
        if (position < 1 || position > Count()) rt::raise_error(rt::kErrIndexOutOfBounds, m_source);
        return position;
    }
    void Renumber() {
        for (size_t i = 0; i < m_items.size(); ++i)
            m_items[i]->SetIndex(static_cast<int32_t>(i + 1));
    }

    const char* m_source;
    std::vector<std::shared_ptr<Item>> m_items;
};

} // namespace hook::detail
