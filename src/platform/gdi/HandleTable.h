#pragma once

#include "platform/gdi/Objects.h"

#include <array>
#include <memory>
#include <type_traits>
#include <vector>

// The per-thread table behind every handle. A handle value is the slot number plus one in its low
// 16 bits and the slot's generation (never 0) in its high 16 bits: deleting an object bumps the
// generation, so an old handle to a reused slot is recognised as stale. Freed slots are reused
// oldest first, which makes a stale value turning valid again as unlikely as possible.
//
// Every entry point looks its handles up here, several times a call, so a look-up is a few
// instructions: slots live in fixed blocks that never move (an entry stays where it is while
// others are created), and the free slots form a queue threaded through the entries themselves.
namespace gdi {

struct Entry {
    uint16_t generation = 1;
    bool stock = false;
    uint16_t next_free = 0; // the next slot of the free queue, while this one is in it
    int selected = 0;       // how many DCs hold this pen, brush or font (bitmaps: at most one)
    ObjectData data;
};

class HandleTable {
public:
    HandleTable();
    ~HandleTable();
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;

    // 0 when the table is full (65535 objects), as creation fails when the platform's quota is hit.
    // The object is built in its slot (T is one of the kinds of ObjectData).
    template <class T>
    uint32_t insert(T&& object, bool stock = false) {
        const uint32_t slot = take_slot();
        if (slot == kNoSlot) return 0;
        Entry& entry = at(slot);
        entry.data.template emplace<std::decay_t<T>>(std::forward<T>(object));
        return finish_insert(slot, stock);
    }

    Entry* find(uint32_t value) {
        const uint32_t slot = (value & 0xFFFF) - 1; // 0 (the null handle) wraps past every slot
        if (slot >= m_size) return nullptr;
        Entry& entry = at(slot);
        if (entry.generation != (value >> 16) || entry.data.index() == 0) return nullptr;
        return &entry;
    }
    template <class T>
    T* get(uint32_t value) {
        Entry* entry = find(value);
        return entry ? std::get_if<T>(&entry->data) : nullptr;
    }
    void erase(uint32_t value) {
        if (Entry* entry = find(value)) erase(*entry, value);
    }
    // The entry found for value.
    void erase(Entry& entry, uint32_t value);
    uint32_t stock(int index) const {
        if (index < 0 || index >= static_cast<int>(m_stock.size())) return 0;
        return m_stock[static_cast<size_t>(index)];
    }
    LiveObjects live() const;

private:
    static constexpr uint32_t kBlockBits = 8;
    static constexpr uint32_t kBlockMask = (1u << kBlockBits) - 1;
    static constexpr uint16_t kNoSlot = 0xFFFF; // never a slot: the table holds at most 65535

    Entry& at(uint32_t slot) { return m_blocks[slot >> kBlockBits][slot & kBlockMask]; }
    uint32_t take_slot(); // kNoSlot when the table is full
    uint32_t finish_insert(uint32_t slot, bool stock);
    void count(ObjectKind kind, int delta) { m_live[static_cast<size_t>(kind)] += delta; }

    std::vector<std::unique_ptr<Entry[]>> m_blocks;
    uint32_t m_size = 0; // slots handed out so far
    uint16_t m_free_head = kNoSlot;
    uint16_t m_free_tail = kNoSlot;
    std::array<uint32_t, 22> m_stock{};
    std::array<int, 8> m_live{}; // by ObjectKind
};

namespace detail {
// The calling thread's table once it exists. Constant-initialised, so reading it is a plain
// thread-local load; make_table() creates the table on a thread's first call.
extern constinit thread_local HandleTable* t_table;
HandleTable& make_table();
} // namespace detail

// The calling thread's table.
inline HandleTable& table() {
    if (HandleTable* t = detail::t_table) [[likely]]
        return *t;
    return detail::make_table();
}

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
