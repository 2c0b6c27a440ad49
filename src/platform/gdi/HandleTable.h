#pragma once

#include "platform/gdi/Objects.h"

#include <array>
#include <deque>

// The per-thread table behind every handle. A handle value is the slot number plus one in its low
// 16 bits and the slot's generation (never 0) in its high 16 bits: deleting an object bumps the
// generation, so an old handle to a reused slot is recognised as stale. Freed slots are reused
// oldest first, which makes a stale value turning valid again as unlikely as possible.
namespace gdi {

struct Entry {
    uint16_t generation = 1;
    bool stock = false;
    int selected = 0; // how many DCs hold this pen, brush or font (bitmaps: at most one)
    ObjectData data;
};

class HandleTable {
public:
    HandleTable();
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;

    // 0 when the table is full (65535 objects), as creation fails when the platform's quota is hit.
    uint32_t insert(ObjectData data, bool stock = false);
    Entry* find(uint32_t value);
    template <class T>
    T* get(uint32_t value) {
        Entry* entry = find(value);
        return entry ? std::get_if<T>(&entry->data) : nullptr;
    }
    void erase(uint32_t value);
    uint32_t stock(int index) const;
    LiveObjects live() const { return m_live; }

private:
    void count(ObjectKind kind, int delta);

    std::deque<Entry> m_entries;
    std::deque<uint16_t> m_free;
    std::array<uint32_t, 22> m_stock{};
    LiveObjects m_live;
};

// The calling thread's table.
HandleTable& table();

template <ObjectKind K>
struct KindType;
template <>
struct KindType<ObjectKind::DC> {
    using type = DcObject;
};
template <>
struct KindType<ObjectKind::Bitmap> {
    using type = BitmapObject;
};
template <>
struct KindType<ObjectKind::Pen> {
    using type = PenObject;
};
template <>
struct KindType<ObjectKind::Brush> {
    using type = BrushObject;
};
template <>
struct KindType<ObjectKind::Region> {
    using type = RegionObject;
};
template <>
struct KindType<ObjectKind::Font> {
    using type = FontObject;
};
template <>
struct KindType<ObjectKind::Icon> {
    using type = IconObject;
};

// The object behind a typed handle, or null for 0, stale or mistyped handles.
template <ObjectKind K>
typename KindType<K>::type* lookup(Handle<K> handle) {
    return table().get<typename KindType<K>::type>(handle.value);
}

template <ObjectKind K>
Handle<K> make_handle(uint32_t value) {
    return Handle<K>{value};
}

} // namespace gdi
